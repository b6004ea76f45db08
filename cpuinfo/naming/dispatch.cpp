// The naming dispatch: the vendor's routine writes CpuName, Socket and ProcessTech; the dispatch then
// splits CpuName into model and code name and composes the printed processor name.
#include <cstring>

#include "cpuinfo/cpu_info.h"
#include "cpuinfo/text.h"

void CCpuInfo::NameProcessor() {
    switch (VendorId) {
        case 1: NameIntel(); break;
        case 2: NameAmd(); break;
        case 3: NameTransmeta(); break;
        case 4:
        case 5: NameViaCentaur(); break;
        default: NameOtherVendor(); break;
    }

    const char* open = CpuName[0] ? std::strchr(CpuName, '(') : nullptr;
    if (open) {
        // The name before the parenthesis loses its last character, the separating blank; a "(" at
        // the very start leaves nothing to take.
        size_t before = static_cast<size_t>(open - CpuName);
        size_t modelLength = before > 0 ? before - 1 : 0;
        if (modelLength > sizeof ModelName - 1) modelLength = sizeof ModelName - 1;
        std::memcpy(ModelName, CpuName, modelLength);
        ModelName[modelLength] = '\0';

        const char* codeBegin = open + 1;
        const char* close = std::strchr(codeBegin, ')');
        size_t codeLength = close ? static_cast<size_t>(close - codeBegin) : std::strlen(codeBegin);
        if (codeLength > sizeof CodeName - 1) codeLength = sizeof CodeName - 1;
        std::memcpy(CodeName, codeBegin, codeLength);
        CodeName[codeLength] = '\0';
    } else {
        CopyText(ModelName, CpuName);  // CodeName keeps what an earlier pass found
    }

    FormatText(ProcessorName, "%s %s", VendorName, ModelName);
}

void CCpuInfo::SetRevisionInfo(double dieSize, double transistorCount, const char* revision) {
    DieSize = dieSize;
    TransistorCount = transistorCount;
    CopyText(RevisionName, revision);
}
