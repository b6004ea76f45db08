#include "cpuinfo/info_items.h"

#include <cstddef>
#include <cstdint>

#include "cpuinfo/cpu_info.h"

#define ITEM(code, action, field) {code, #code, InfoAction::action, offsetof(CCpuInfo, field), #field, 0}
#define REMEASURE(code, method) {code, #code, InfoAction::Remeasure, offsetof(CCpuInfo, EffectiveClock), "EffectiveClock", method}

constexpr InfoItemRow kInfoItems[] = {
    ITEM(INFO_CPU_NAME, Copy, CpuName),
    ITEM(INFO_BUS_DATA_RATE, Copy, BusDataRateName),
    ITEM(INFO_VENDOR_STRING, Copy, VendorString),
    ITEM(INFO_VENDOR_NAME, Copy, VendorName),
    ITEM(INFO_BRAND_STRING, Copy, BrandString),
    ITEM(INFO_SOCKET, Copy, Socket),
    ITEM(INFO_PROCESSOR_TYPE, Copy, ProcessorTypeName),
    ITEM(INFO_SIGNATURE, Copy, SignatureHex),
    ITEM(INFO_L2_SPEED, Copy, L2SpeedText),
    ITEM(INFO_MODEL_NAME, Copy, ModelName),
    ITEM(INFO_CODE_NAME, Copy, CodeName),
    ITEM(INFO_PROCESSOR_NAME, Copy, ProcessorName),
    ITEM(INFO_PROCESS_TECH, Copy, ProcessTech),
    ITEM(INFO_SERIAL_NUMBER, Copy, SerialNumber),
    ITEM(INFO_ARCHITECTURE, Copy, ArchitectureName),
    ITEM(INFO_CLOCK_METHOD, Copy, ClockMethodName),
    ITEM(INFO_MODEL_NUMBER, Copy, ModelNumber),
    ITEM(INFO_REVISION, Copy, RevisionName),
    ITEM(INFO_SPARE_1, Copy, SpareText1),
    ITEM(INFO_CLOCK, Fixed2, EffectiveClock),
    ITEM(INFO_BUS_CLOCK, Fixed2, EffectiveBusClock),
    ITEM(INFO_FSB_CLOCK, Fixed2, EffectiveFsbClock),
    ITEM(INFO_MULTIPLIER, Fixed2, Multiplier),
    ITEM(INFO_RATED_CLOCK, Fixed2, RatedClock),
    ITEM(INFO_RATED_BUS_CLOCK, Fixed2, BusClock),
    ITEM(INFO_RATED_FSB_CLOCK, Fixed2, FsbClock),
    ITEM(INFO_L2_SPEED_RATIO, Fixed2, L2SpeedRatio),
    ITEM(INFO_OVERCLOCK_PERCENT, Fixed2, OverclockPercent),
    ITEM(INFO_MAX_MULTIPLIER, Fixed2, MaxMultiplier),
    REMEASURE(INFO_MEASURE_CLOCK, 0),
    ITEM(INFO_UPDATE_MULTIPLIER, UpdateMultiplier, Multiplier),
    REMEASURE(INFO_MEASURE_CLOCK_WT, 1),
    REMEASURE(INFO_MEASURE_CLOCK_MMT, 2),
    REMEASURE(INFO_MEASURE_CLOCK_QPC, 3),
    REMEASURE(INFO_MEASURE_CLOCK_QPC_QUICK, 4),
    ITEM(INFO_FAMILY, Hex, Family),
    ITEM(INFO_MODEL, Hex, Model),
    ITEM(INFO_STEPPING, Hex, Stepping),
    ITEM(INFO_EXT_FAMILY, Hex2, ExtFamily),
    ITEM(INFO_EXT_MODEL, Hex, ExtModel),
    ITEM(INFO_BRAND_ID, Hex2, BrandId),
    ITEM(INFO_APIC_ID, Hex2, ApicId),
    ITEM(INFO_TRANSMETA_INFO, Copy, TransmetaInfo),
    ITEM(INFO_TRANSMETA_CURRENT_CLOCK, DecimalIfKnown, TransmetaCurrentClock),
    ITEM(INFO_TRANSMETA_NOMINAL_CLOCK, DecimalIfKnown, TransmetaNominalClock),
    ITEM(INFO_TRANSMETA_VOLTAGE, DecimalIfKnown, TransmetaCurrentVoltage),
    ITEM(INFO_TRANSMETA_LEVEL, DecimalIfKnown, TransmetaCurrentLevel),
    ITEM(INFO_TRANSMETA_GATE_DELAY, DecimalIfKnown, TransmetaGateDelay),
    ITEM(INFO_TRANSMETA_HW_REVISION, Copy, TransmetaHardwareRevision),
    ITEM(INFO_TRANSMETA_SW_REVISION, Copy, TransmetaSoftwareRevision),
    ITEM(INFO_L1_CODE_ASSOC, Copy, L1CodeAssocText),
    ITEM(INFO_L1_CODE_LINE, Copy, L1CodeLineText),
    ITEM(INFO_L1_DATA_ASSOC, Copy, L1DataAssocText),
    ITEM(INFO_L1_DATA_LINE, Copy, L1DataLineText),
    ITEM(INFO_L2_ASSOC, Copy, L2AssocText),
    ITEM(INFO_L2_LINE, Copy, L2LineText),
    ITEM(INFO_L3_ASSOC, Copy, L3AssocText),
    ITEM(INFO_L3_LINE, Copy, L3LineText),
    ITEM(INFO_EXT_LEAF_BASE_FAMILY, Hex, ExtLeafBaseFamily),
    ITEM(INFO_EXT_LEAF_BASE_MODEL, Hex, ExtLeafBaseModel),
    ITEM(INFO_EXT_LEAF_STEPPING, Hex, ExtLeafStepping),
    ITEM(INFO_FULL_FAMILY, Hex, FullFamily),
    ITEM(INFO_FULL_MODEL, Hex, FullModel),
    ITEM(INFO_EXT_LEAF_FAMILY, Hex, ExtLeafFamily),
    ITEM(INFO_EXT_LEAF_MODEL, Hex, ExtLeafModel),
    ITEM(INFO_DIE_SIZE, Fixed1, DieSize),
    ITEM(INFO_TRANSISTOR_COUNT, Fixed1, TransistorCount),
    ITEM(INFO_AUX_FIGURE, Fixed1, AuxFigure),
    ITEM(INFO_SPARE_2, Copy, SpareText2),
    ITEM(INFO_SPARE_3, Copy, SpareText3),
    ITEM(INFO_SPARE_4, Copy, SpareText4),
    ITEM(INFO_SPARE_5, Copy, SpareText5),
    ITEM(INFO_SPARE_6, Copy, SpareText6),
    ITEM(INFO_SPARE_7, Copy, SpareText7),
};

#undef ITEM
#undef REMEASURE

const size_t kInfoItemCount = sizeof kInfoItems / sizeof kInfoItems[0];

namespace {

// Every item code lies in [kFirstIndexedCode, kFirstIndexedCode + kIndexedCodes); the index maps a
// code straight to its row (position + 1; 0 for a code the table lacks), built from the rows at
// compile time, so a query costs one array read instead of a walk through the table.
constexpr int32_t kFirstIndexedCode = 0x1000;
constexpr size_t kIndexedCodes = 0x300;

struct ItemIndex {
    uint8_t rowPlusOne[kIndexedCodes];
};

constexpr bool RowsAscendAndFitTheIndex() {
    for (size_t i = 0; i < sizeof kInfoItems / sizeof kInfoItems[0]; ++i) {
        const int32_t code = kInfoItems[i].code;
        if (code < kFirstIndexedCode || static_cast<size_t>(code - kFirstIndexedCode) >= kIndexedCodes) return false;
        if (i > 0 && kInfoItems[i - 1].code >= code) return false;
    }
    return sizeof kInfoItems / sizeof kInfoItems[0] < 255;
}
static_assert(RowsAscendAndFitTheIndex(), "item codes ascend, are unique and fit the index");

constexpr ItemIndex MakeItemIndex() {
    ItemIndex index{};
    for (size_t i = 0; i < sizeof kInfoItems / sizeof kInfoItems[0]; ++i)
        index.rowPlusOne[kInfoItems[i].code - kFirstIndexedCode] = static_cast<uint8_t>(i + 1);
    return index;
}

constexpr ItemIndex kItemIndex = MakeItemIndex();

}  // namespace

const InfoItemRow* FindInfoItem(int32_t code) {
    if (code < kFirstIndexedCode || static_cast<size_t>(code - kFirstIndexedCode) >= kIndexedCodes) return nullptr;
    const uint8_t rowPlusOne = kItemIndex.rowPlusOne[code - kFirstIndexedCode];
    return rowPlusOne ? &kInfoItems[rowPlusOne - 1] : nullptr;
}
