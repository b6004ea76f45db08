// DecodeCpuid: vendor, signature, feature flags, core counts, brand identifier, bus data rate,
// signature text, serial number and the vendor-specific leaves, in that order.
#include <cstring>

#include "cpuinfo/cpu_info.h"
#include "cpuinfo/rule_tables.h"
#include "cpuinfo/rules.h"
#include "cpuinfo/text.h"

namespace {

uint32_t Bits(uint32_t value, unsigned low, unsigned count) { return (value >> low) & ((1u << count) - 1u); }
int32_t Bit(uint32_t value, unsigned bit) { return static_cast<int32_t>((value >> bit) & 1u); }

struct VendorRow {
    const char* key;  // the vendor string
    Vendor vendorId;
    const char* vendorName;
};

// Compared in this order; all twelve characters must match.
constexpr VendorRow kVendors[] = {
    {"GenuineIntel", Vendor::Intel, "Intel"},    {"AuthenticAMD", Vendor::Amd, "AMD"},
    {"GenuineTMx86", Vendor::Transmeta, "Transmeta"}, {"CyrixInstead", Vendor::Cyrix, "Cyrix"},
    {"CentaurHauls", Vendor::Idt, "IDT"},        {"RiseRiseRise", Vendor::Rise, "Rise"},
    {"NexGenDriven", Vendor::NexGen, "NexGen"},  {"UMC UMC UMC ", Vendor::Umc, "UMC"},
    {"Geode By NSC", Vendor::Nsc, "NSC"},        {"Compaq FX32!", Vendor::Compaq, "Compaq"},
};

const char* const kProcessorTypeNames[] = {"Original OEM processor", "OverDrive processor", "Dual processor",
                                           "Reserved"};

struct BusDataRateRow {
    Match match;
    int32_t rate;  // transfers per bus clock; 0 where the bus is not a front-side bus
    const char* name;
};

// The 4-bit model of leaf 1 is meant in these rules, not the full model.
constexpr BusDataRateRow kBusDataRates[] = {
    {When().Vendor(Vendor::Intel).Family(15).ExtFamily(0), 4, "QDR"},
    {When().Vendor(Vendor::Intel).Family(6).Model(9), 4, "QDR"},
    {When().Vendor(Vendor::Intel).Family(6).Model(AtLeast(12)), 4, "QDR"},
    {When().Vendor(Vendor::Idt).Family(6).Model(10), 4, "QDR"},
    {When().Vendor(Vendor::Amd).Family(15), 0, "---"},
    {When().Vendor(Vendor::Amd).Family(5).Model(10), 0, "---"},
    {When().Vendor(Vendor::Amd).Family(AtLeast(6)), 2, "DDR"},
    {Always(), 1, "SDR"},
};

void StoreWord(char* out, uint32_t word) {
    for (int i = 0; i < 4; ++i) out[i] = static_cast<char>((word >> (8 * i)) & 0xFF);
}

}  // namespace

int32_t CCpuInfo::DecodeCpuid() {
    uint32_t eax = 0, ebx = 0, ecx = 0, edx = 0;

    // Vendor: the register bytes in the order EBX, EDX, ECX.
    QueryCpuid(0, &eax, &ebx, &ecx, &edx);
    MaxStdLeaf = static_cast<int32_t>(eax);
    char vendor[13];
    StoreWord(vendor, ebx);
    StoreWord(vendor + 4, edx);
    StoreWord(vendor + 8, ecx);
    vendor[12] = '\0';
    CopyText(VendorString, vendor);
    for (const VendorRow& row : kVendors) {
        if (std::memcmp(vendor, row.key, 12) == 0) {
            VendorId = row.vendorId;
            CopyText(VendorName, row.vendorName);
            break;
        }
    }

    // Extended leaves.
    QueryCpuid(0x80000000, &eax, &ebx, &ecx, &edx);
    MaxExtLeaf = eax;
    if (MaxExtLeaf > 0x80000000u) QueryCpuid(0x80000001, &Ext1Eax, &Ext1Ebx, &Ext1Ecx, &Ext1Edx);
    HasMmxExt = Bit(Ext1Edx, 22);
    if (VendorId == Vendor::Intel)
        HasEm64t = Bit(Ext1Edx, 29);
    else
        HasLongMode = Bit(Ext1Edx, 29);
    Has3DNow = Bit(Ext1Edx, 31);
    Has3DNowExt = Bit(Ext1Edx, 30);
    HasNx = Bit(Ext1Edx, 20);
    HasSvm = Bit(Ext1Ecx, 2);
    HasSse4a = Bit(Ext1Ecx, 6);

    // Signature.
    QueryCpuid(1, &Std1Eax, &Std1Ebx, &Std1Ecx, &Std1Edx);
    Family = static_cast<int32_t>(Bits(Std1Eax, 8, 4));
    Model = static_cast<int32_t>(Bits(Std1Eax, 4, 4));
    Stepping = static_cast<int32_t>(Bits(Std1Eax, 0, 4));
    ProcessorType = static_cast<int32_t>(Bits(Std1Eax, 12, 2));
    if (Family == 15) ApicId = static_cast<int32_t>(Bits(Std1Ebx, 24, 8));
    CopyText(ProcessorTypeName, kProcessorTypeNames[ProcessorType & 3]);

    HasMmx = Bit(Std1Edx, 23);
    HasSse = Bit(Std1Edx, 25);
    HasSse2 = Bit(Std1Edx, 26);
    HasHtt = Bit(Std1Edx, 28);
    HasIa64 = Bit(Std1Edx, 30);
    HasSse3 = Bit(Std1Ecx, 0);
    HasVmx = Bit(Std1Ecx, 5);
    HasSsse3 = Bit(Std1Ecx, 9);
    HasSse41 = Bit(Std1Ecx, 19);
    HasSse42 = Bit(Std1Ecx, 20);
    if (HasSse41 || HasSse42) HasSse4 = 1;

    // Cores and logical processors.
    const int32_t logicalCount = static_cast<int32_t>(Bits(Std1Ebx, 16, 8));
    if (HasHtt == 1 && VendorId == Vendor::Intel && Family == 15) {
        LogicalPerCore = logicalCount;
    } else if (HasHtt == 1 && VendorId == Vendor::Intel) {
        CoresPerPackage = logicalCount;
        LogicalPerCore = 0;
    } else {
        LogicalPerCore = 0;
    }
    if (VendorId == Vendor::Amd && MaxExtLeaf >= 0x80000008u) {
        QueryCpuid(0x80000008, &eax, &ebx, &ecx, &edx);
        CoresPerPackage = static_cast<int32_t>(Bits(ecx, 0, 8)) + 1;
    }
    if (VendorId == Vendor::Intel && MaxStdLeaf >= 4) {
        QueryCpuid(4, &eax, &ebx, &ecx, &edx);
        CoresPerPackage = static_cast<int32_t>(Bits(eax, 26, 6)) + 1;
    }
    if (CoresPerPackage == 2) IsDualCore = 1;
    if (CoresPerPackage >= 2 && VendorId == Vendor::Intel && Family == 15) LogicalPerCore /= CoresPerPackage;
    if (LogicalPerCore <= 1) HasHtt = 0;

    // Extended family and model; other vendors and every family 15 take them from the extended leaf.
    ExtFamily = static_cast<int32_t>(Bits(Std1Eax, 20, 8));
    ExtModel = static_cast<int32_t>(Bits(Std1Eax, 16, 4));
    FullFamily = ExtFamily + Family;
    FullModel = ExtModel * 16 + Model;
    if (VendorId != Vendor::Intel || Family == 15) {
        ExtFamily = static_cast<int32_t>(Bits(Ext1Eax, 20, 8));
        ExtModel = static_cast<int32_t>(Bits(Ext1Eax, 16, 4));
        ExtLeafBaseFamily = static_cast<int32_t>(Bits(Ext1Eax, 8, 4));
        ExtLeafFamily = ExtFamily + ExtLeafBaseFamily;
        ExtLeafBaseModel = static_cast<int32_t>(Bits(Ext1Eax, 4, 4));
        ExtLeafModel = ExtModel * 16 + ExtLeafBaseModel;
        ExtLeafStepping = static_cast<int32_t>(Bits(Ext1Eax, 0, 4));
    }

    // Brand identifier.
    if (VendorId == Vendor::Amd && Family == 15) {
        const uint32_t e = Ext1Ebx;
        if (ExtModel < 4) {
            BrandId = static_cast<int32_t>(Bits(e, 6, 6));
            BrandNN = static_cast<int32_t>(Bits(e, 0, 6));
        } else {
            BrandId = static_cast<int32_t>(Bits(e, 9, 5));
            BrandNN = static_cast<int32_t>(Bits(e, 15, 1) * 64 + Bits(e, 0, 5));
            PwrLmt = static_cast<int32_t>(Bits(e, 6, 3) * 2 + Bits(e, 14, 1));
            PackageType = static_cast<int32_t>(Bits(Ext1Eax, 4, 2));
            CmpCap = CoresPerPackage == 4 ? 2 : (CoresPerPackage == 2 ? 1 : 0);
        }
        if (BrandId == 0) {  // the 8-bit brand identifier of leaf 1
            BrandId = static_cast<int32_t>(Bits(Std1Ebx, 5, 3) * 4);
            if (BrandId == 0) BrandId = static_cast<int32_t>(Bits(Std1Ebx, 8, 3) * 4);
            BrandNN = static_cast<int32_t>(Bits(Std1Ebx, 0, 5));
        }
    } else {
        BrandId = static_cast<int32_t>(Bits(Std1Ebx, 0, 8));
    }

    const BusDataRateRow* rate = FirstMatch(kBusDataRates, *this);
    BusDataRate = rate->rate;
    CopyText(BusDataRateName, rate->name);

    FormatText(SignatureHex, "%X%X%X", static_cast<unsigned>(Family), static_cast<unsigned>(Model),
               static_cast<unsigned>(Stepping));
    HasTsc = Bit(Std1Edx, 4);
    HasMsr = Bit(Std1Edx, 5);

    if (MaxStdLeaf >= 3 && Bit(Std1Edx, 18)) {
        uint32_t signature = 0;
        QueryCpuid(1, &signature, &ebx, &ecx, &edx);
        QueryCpuid(3, &eax, &ebx, &ecx, &edx);
        FormatText(SerialNumber, "%04X-%04X-%04X-%04X-%04X-%04X", signature >> 16, signature & 0xFFFF, edx >> 16,
                   edx & 0xFFFF, ecx >> 16, ecx & 0xFFFF);
        HasSerialNumber = 1;
    }

    // Vendor-specific leaves, asked of every processor.
    QueryCpuid(0x80860000, &eax, &ebx, &ecx, &edx);
    if (eax > 0x80860000u) {
        QueryCpuid(0x80860001, &eax, &ebx, &ecx, &edx);
        TransmetaExtEdx = edx;
    }
    QueryCpuid(0xC0000000, &eax, &ebx, &ecx, &edx);
    if (eax > 0xC0000000u) {
        QueryCpuid(0xC0000001, &eax, &ebx, &ecx, &edx);
        CentaurExtEdx = edx;
    }
    QueryCpuid(0x80000000, &eax, &ebx, &ecx, &edx);
    if (eax >= 0x80000007u) {
        QueryCpuid(0x80000007, &eax, &ebx, &ecx, &edx);
        PowerMgmtEdx = edx;
    }
    return 0;
}

const RuleTableList& DecodingTables() {
    static constexpr RuleTable kTables[] = {CPUINFO_TEXT_KEY_TABLE(kVendors), CPUINFO_RULE_TABLE(kBusDataRates)};
    static constexpr RuleTableList kList = CPUINFO_RULE_TABLE_LIST(kTables);
    return kList;
}
