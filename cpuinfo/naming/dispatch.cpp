// The naming dispatch: the vendor's routine writes CpuName, Socket and ProcessTech; the dispatch then
// splits CpuName into model and code name and composes the printed processor name.
#include <cstring>

#include "cpuinfo/cpu_info.h"
#include "cpuinfo/naming/market_name.h"
#include "cpuinfo/text.h"

bool SplitMarketName(const char* cpuName, char* model, size_t modelSize, char* code, size_t codeSize) {
    const char* open = cpuName[0] ? std::strchr(cpuName, '(') : nullptr;
    if (!open) {
        CopyTextInto(model, modelSize, cpuName);  // the code name keeps what an earlier pass found
        return false;
    }
    // The name before the parenthesis loses its last character, the separating blank; a "(" at the
    // very start leaves nothing to take.
    size_t before = static_cast<size_t>(open - cpuName);
    size_t modelLength = before > 0 ? before - 1 : 0;
    if (modelSize == 0 || codeSize == 0) return true;
    CopyTextRange(model, modelSize, cpuName, modelLength);

    const char* codeBegin = open + 1;
    const char* close = std::strchr(codeBegin, ')');
    CopyTextRange(code, codeSize, codeBegin, close ? static_cast<size_t>(close - codeBegin) : std::strlen(codeBegin));
    return true;
}

void CCpuInfo::NameProcessor() {
    switch (VendorId) {
        case Vendor::Intel: NameIntel(); break;
        case Vendor::Amd: NameAmd(); break;
        case Vendor::Transmeta: NameTransmeta(); break;
        case Vendor::Cyrix:
        case Vendor::Idt: NameViaCentaur(); break;
        default: NameOtherVendor(); break;
    }

    SplitMarketName(CpuName, ModelName, sizeof ModelName, CodeName, sizeof CodeName);

    FormatText(ProcessorName, "%s %s", VendorName, ModelName);
}

void CCpuInfo::SetRevisionInfo(double dieSize, double transistorCount, const char* revision) {
    DieSize = dieSize;
    TransistorCount = transistorCount;
    CopyText(RevisionName, revision);
}
