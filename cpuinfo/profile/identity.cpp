// Identity: the vendor and brand strings, the display signature, and the microarchitecture row.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "cpuinfo/profile/profile_steps.h"
#include "cpuinfo/text.h"

namespace profile {

namespace {

void ReadVendorString(const CpuidView& cpuid, ProcessorProfile& out) {
    const platform::CpuidRegs leaf0 = cpuid.Leaf(0);
    char text[13];
    CopyRegisterChars(text, leaf0.ebx);
    CopyRegisterChars(text + 4, leaf0.edx);
    CopyRegisterChars(text + 8, leaf0.ecx);
    text[12] = '\0';
    CopyText(out.vendorString, text);
}

// The brand string of leaves 0x80000002..4, cut at its first NUL, without leading and trailing blanks.
void ReadBrandString(const CpuidView& cpuid, ProcessorProfile& out) {
    if (!cpuid.Has(0x80000004u)) return;
    char text[49];
    for (uint32_t i = 0; i < 3; ++i) {
        const platform::CpuidRegs regs = cpuid.Leaf(0x80000002u + i);
        CopyRegisterChars(text + 16 * i, regs.eax);
        CopyRegisterChars(text + 16 * i + 4, regs.ebx);
        CopyRegisterChars(text + 16 * i + 8, regs.ecx);
        CopyRegisterChars(text + 16 * i + 12, regs.edx);
    }
    text[48] = '\0';
    const char* begin = text;
    while (*begin == ' ') ++begin;
    size_t length = std::strlen(begin);
    while (length > 0 && begin[length - 1] == ' ') --length;
    char trimmed[49];
    std::memcpy(trimmed, begin, length);
    trimmed[length] = '\0';
    CopyText(out.brand, trimmed);
}

// Display family and model as Linux computes them: the extended family adds to family 15, the
// extended model extends every family from 6 up.
void ReadSignature(const CpuidView& cpuid, ProcessorProfile& out) {
    if (cpuid.MaxBasic() < 1) return;
    const uint32_t eax = cpuid.Leaf(1).eax;
    const uint32_t baseFamily = (eax >> 8) & 0xFu;
    uint32_t family = baseFamily;
    if (baseFamily == 0xFu) family += (eax >> 20) & 0xFFu;
    uint32_t model = (eax >> 4) & 0xFu;
    if (family >= 6) model += ((eax >> 16) & 0xFu) << 4;
    out.family = static_cast<int32_t>(family);
    out.model = static_cast<int32_t>(model);
    out.stepping = static_cast<int32_t>(eax & 0xFu);
}

}  // namespace

bool MicrometresToNanometres(const char* micrometres, char* target, size_t size) {
    if (!micrometres || !*micrometres) return false;
    char text[24] = "";
    size_t used = 0;
    const char* p = micrometres;
    while (*p) {
        if (!((*p >= '0' && *p <= '9') || *p == '.')) return false;
        char* end = nullptr;
        const double value = std::strtod(p, &end);
        if (end == p || !(value > 0.0) || value >= 10.0) return false;
        const int written = std::snprintf(text + used, sizeof text - used, "%s%ld", used ? "/" : "",
                                          static_cast<long>(value * 1000.0 + 0.5));
        if (written < 0 || static_cast<size_t>(written) >= sizeof text - used) return false;
        used += static_cast<size_t>(written);
        p = end;
        if (*p == '/') ++p;
        else if (*p) return false;
    }
    FormatTextInto(target, size, "%s nm", text);
    return true;
}

Signature ReadIdentity(const CpuidView& cpuid, const ClassicNaming& classic, ProcessorProfile& out) {
    ReadVendorString(cpuid, out);
    ReadBrandString(cpuid, out);
    ReadSignature(cpuid, out);

    const Vendor vendor = VendorOf(out.vendorString, out.brand);
    CopyText(out.vendor, VendorName(vendor, out.family));

    const Signature signature{vendor, out.family, out.model, out.stepping, out.brand};
    const ArchitectureRow* row = FindArchitecture(signature);
    if (!row) return signature;
    CopyText(out.microarchitecture, row->microarchitecture);
    CopyText(out.codeName, row->codeName);
    CopyText(out.process, row->process);
    // The classic tables were written for these processors and tell their variants apart more finely;
    // their process text comes in micrometres.
    if (row->source == CodeNameSource::Classic && classic.codeName && classic.codeName[0]) {
        CopyText(out.codeName, classic.codeName);
        MicrometresToNanometres(classic.process, out.process, sizeof out.process);
    }
    return signature;
}

}  // namespace profile
