// Cache sizes, associativity and line sizes: Intel from the one-byte descriptors of leaf 2, every other
// vendor from the extended cache leaves 0x80000005 and 0x80000006.
#include "cpuinfo/cpu_info.h"
#include "cpuinfo/rules.h"
#include "cpuinfo/text.h"

namespace {

// Which cache a descriptor describes. Two descriptors depend on the family.
enum class Level : uint8_t {
    L1Code,
    L1Data,
    L2,
    L3,
    Trace,            // trace cache: its size, and the instruction-side ways
    AbsentL2OrL3,     // 0x40: no L2 on family 6, else no L3
    L3OrL2ByFamily,   // 0x49: L3 on family 15, else L2
};

struct Descriptor {
    uint8_t key;
    Level level;
    int32_t size;
    int32_t assoc;
    int32_t line;
};

constexpr Descriptor kDescriptors[] = {
    {0x06, Level::L1Code, 8, 4, 32},      {0x08, Level::L1Code, 16, 4, 32},     {0x0A, Level::L1Data, 8, 2, 32},
    {0x0C, Level::L1Data, 16, 4, 32},     {0x10, Level::L1Data, 16, 4, 32},     {0x15, Level::L1Code, 16, 4, 32},
    {0x1A, Level::L2, 96, 6, 64},         {0x22, Level::L3, 512, 4, 64},        {0x23, Level::L3, 1024, 8, 64},
    {0x25, Level::L3, 2048, 8, 64},       {0x29, Level::L3, 4096, 8, 64},       {0x2C, Level::L1Data, 32, 8, 64},
    {0x30, Level::L1Code, 32, 8, 64},     {0x39, Level::L2, 128, 4, 64},        {0x3A, Level::L2, 192, 6, 64},
    {0x3B, Level::L2, 128, 2, 64},        {0x3C, Level::L2, 256, 4, 64},        {0x3D, Level::L2, 384, 6, 64},
    {0x3E, Level::L2, 512, 4, 64},        {0x40, Level::AbsentL2OrL3, 0, 0, 0}, {0x41, Level::L2, 128, 4, 32},
    {0x42, Level::L2, 256, 4, 32},        {0x43, Level::L2, 512, 4, 32},        {0x44, Level::L2, 1024, 4, 32},
    {0x45, Level::L2, 2048, 4, 32},       {0x46, Level::L3, 4096, 4, 64},       {0x47, Level::L3, 8192, 8, 64},
    {0x48, Level::L2, 3072, 12, 64},      {0x49, Level::L3OrL2ByFamily, 4096, 16, 64},
    {0x4A, Level::L3, 6144, 12, 64},      {0x4B, Level::L3, 8192, 16, 64},      {0x4C, Level::L3, 12288, 12, 64},
    {0x4D, Level::L3, 16384, 16, 64},     {0x4E, Level::L2, 6144, 24, 64},      {0x60, Level::L1Data, 16, 8, 64},
    {0x66, Level::L1Data, 8, 4, 64},      {0x67, Level::L1Data, 16, 4, 64},     {0x68, Level::L1Data, 32, 4, 64},
    {0x70, Level::Trace, 12, 8, 0},       {0x71, Level::Trace, 16, 8, 0},       {0x72, Level::Trace, 32, 8, 0},
    {0x73, Level::Trace, 64, 8, 0},       {0x77, Level::L1Code, 16, 8, 64},     {0x78, Level::L2, 1024, 4, 64},
    {0x79, Level::L2, 128, 8, 64},        {0x7A, Level::L2, 256, 8, 64},        {0x7B, Level::L2, 512, 8, 64},
    {0x7C, Level::L2, 1024, 8, 64},       {0x7D, Level::L2, 2048, 8, 64},       {0x7E, Level::L2, 256, 8, 128},
    {0x7F, Level::L2, 512, 2, 64},        {0x81, Level::L2, 128, 8, 32},        {0x82, Level::L2, 256, 8, 32},
    {0x83, Level::L2, 512, 8, 32},        {0x84, Level::L2, 1024, 8, 32},       {0x85, Level::L2, 2048, 8, 32},
    {0x86, Level::L2, 512, 4, 64},        {0x87, Level::L2, 1024, 8, 64},       {0x88, Level::L3, 2048, 4, 64},
    {0x89, Level::L3, 4096, 4, 64},       {0x8A, Level::L3, 8192, 4, 64},       {0x8D, Level::L3, 3072, 12, 128},
};
static_assert(sizeof kDescriptors / sizeof kDescriptors[0] == 62, "62 cache descriptors");

struct AssocName {
    uint32_t key;
    const char* name;
};

// "Direct Mapped" does not fit the 8-byte text field; "Direct" does. Unlisted codes are "None".
const AssocName kL2AssocNames[] = {{1, "Direct"}, {2, "2"}, {4, "4"}, {6, "8"}, {8, "16"}, {15, "Full"}};

// Descriptor bytes index straight into the table: kDescriptorIndex[byte] is the row's position + 1,
// 0 for a byte the table does not list. Built from the rows at compile time.
struct DescriptorIndex {
    uint8_t rowPlusOne[256];
};

constexpr DescriptorIndex MakeDescriptorIndex() {
    DescriptorIndex index{};
    for (size_t row = 0; row < sizeof kDescriptors / sizeof kDescriptors[0]; ++row)
        if (index.rowPlusOne[kDescriptors[row].key] == 0) index.rowPlusOne[kDescriptors[row].key] = static_cast<uint8_t>(row + 1);
    return index;
}

constexpr DescriptorIndex kDescriptorIndex = MakeDescriptorIndex();

const Descriptor* FindDescriptor(uint8_t byte) {
    const uint8_t rowPlusOne = kDescriptorIndex.rowPlusOne[byte];
    return rowPlusOne ? &kDescriptors[rowPlusOne - 1] : nullptr;
}

void SetLevel(int32_t& size, int32_t& assoc, int32_t& line, const Descriptor& d) {
    size = d.size;
    assoc = d.assoc;
    line = d.line;
}

// The eight associativity and line texts, from the decoded values.
void WriteNumberTexts(CCpuInfo& r) {
    DecimalText(r.L1CodeAssocText, r.L1CodeAssoc);
    DecimalText(r.L1CodeLineText, r.L1CodeLine);
    DecimalText(r.L1DataAssocText, r.L1DataAssoc);
    DecimalText(r.L1DataLineText, r.L1DataLine);
    DecimalText(r.L2AssocText, r.L2Assoc);
    DecimalText(r.L2LineText, r.L2Line);
    DecimalText(r.L3AssocText, r.L3Assoc);
    DecimalText(r.L3LineText, r.L3Line);
}

// One descriptor byte; unknown bytes store nothing.
void DecodeCacheDescriptor(CCpuInfo& r, uint8_t byte) {
    const Descriptor* d = FindDescriptor(byte);
    if (!d) return;
    switch (d->level) {
        case Level::L1Code: SetLevel(r.L1CodeSize, r.L1CodeAssoc, r.L1CodeLine, *d); break;
        case Level::L1Data: SetLevel(r.L1DataSize, r.L1DataAssoc, r.L1DataLine, *d); break;
        case Level::L2: SetLevel(r.L2Size, r.L2Assoc, r.L2Line, *d); break;
        case Level::L3: SetLevel(r.L3Size, r.L3Assoc, r.L3Line, *d); break;
        case Level::Trace:
            r.TraceCacheSize = d->size;
            r.L1CodeAssoc = d->assoc;
            break;
        case Level::AbsentL2OrL3: (r.Family == 6 ? r.L2Size : r.L3Size) = 0; break;
        case Level::L3OrL2ByFamily:
            if (r.Family == 15)
                SetLevel(r.L3Size, r.L3Assoc, r.L3Line, *d);
            else
                SetLevel(r.L2Size, r.L2Assoc, r.L2Line, *d);
            break;
    }
}

// Leaf 2: all sixteen bytes, EAX to EDX, each register from its most significant byte down. The
// iteration count in the low byte of EAX is decoded like any other byte. Later bytes overwrite
// earlier ones; the texts show the values the last byte left, so they are written once at the end.
void ReadDescriptorCaches(CCpuInfo& r) {
    uint32_t regs[4] = {0, 0, 0, 0};
    Cpuid(2, &regs[0], &regs[1], &regs[2], &regs[3]);
    for (uint32_t reg : regs)
        for (int shift = 24; shift >= 0; shift -= 8) DecodeCacheDescriptor(r, static_cast<uint8_t>(reg >> shift));
    WriteNumberTexts(r);
}

void ReadExtendedCaches(CCpuInfo& r) {
    uint32_t eax = 0, ebx = 0, ecx = 0, edx = 0;
    Cpuid(0x80000005, &eax, &ebx, &ecx, &edx);
    r.L1CodeSize = static_cast<int32_t>(edx >> 24);
    r.L1CodeAssoc = static_cast<int32_t>((edx >> 16) & 0xFF);
    r.L1CodeLine = static_cast<int32_t>(edx & 0xFF);
    r.L1DataSize = static_cast<int32_t>(ecx >> 24);
    r.L1DataAssoc = static_cast<int32_t>((ecx >> 16) & 0xFF);
    r.L1DataLine = static_cast<int32_t>(ecx & 0xFF);
    DecimalText(r.L1CodeLineText, r.L1CodeLine);
    DecimalText(r.L1DataLineText, r.L1DataLine);
    if (r.L1CodeAssoc == 255)
        CopyText(r.L1CodeAssocText, "Full");
    else
        DecimalText(r.L1CodeAssocText, r.L1CodeAssoc);
    if (r.L1DataAssoc == 255)
        CopyText(r.L1DataAssocText, "Full");
    else
        DecimalText(r.L1DataAssocText, r.L1DataAssoc);

    // Two early processors report a wrong L2 size: theirs is fixed, and nothing more is read.
    if (r.VendorId == 2 && r.Family == 6 && r.Model == 3 && r.Stepping == 0) {
        r.L2Size = 64;
        return;
    }
    if (r.VendorId == 2 && r.Family == 6 && r.Model == 4 && (r.Stepping == 0 || r.Stepping == 1)) {
        r.L2Size = 256;
        return;
    }

    if (r.MaxExtLeaf < 0x80000006u) return;
    Cpuid(0x80000006, &eax, &ebx, &ecx, &edx);
    r.L2Size = static_cast<int32_t>(ecx >> 16);
    if (r.VendorId == 5 && r.Family == 6 && r.Model >= 7) r.L2Size = 64;
    r.L2Assoc = static_cast<int32_t>((ecx >> 12) & 0xF);
    r.L2Line = static_cast<int32_t>(ecx & 0xFF);
    DecimalText(r.L2LineText, r.L2Line);
    const AssocName* name = FindByKey(kL2AssocNames, static_cast<uint32_t>(r.L2Assoc));
    CopyText(r.L2AssocText, name ? name->name : "None");
    r.L3Size = static_cast<int32_t>((edx >> 16) * 128);
}

}  // namespace

void CCpuInfo::IdentifyCaches() {
    if (VendorId == 1) {
        if (MaxStdLeaf >= 2) ReadDescriptorCaches(*this);
    } else if (MaxExtLeaf >= 0x80000005u) {
        ReadExtendedCaches(*this);
    }
}
