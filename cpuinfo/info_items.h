// The item codes GetInfo answers, and the table that says how each item is produced.
#pragma once

#include <cstddef>
#include <cstdint>

enum InfoItem : int32_t {
    INFO_CPU_NAME = 0x1001,
    INFO_BUS_DATA_RATE = 0x1002,
    INFO_VENDOR_STRING = 0x1003,
    INFO_VENDOR_NAME = 0x1004,
    INFO_BRAND_STRING = 0x1005,
    INFO_SOCKET = 0x1006,
    INFO_PROCESSOR_TYPE = 0x1007,
    INFO_SIGNATURE = 0x1008,
    INFO_L2_SPEED = 0x1009,
    INFO_MODEL_NAME = 0x100A,
    INFO_CODE_NAME = 0x100B,
    INFO_PROCESSOR_NAME = 0x100C,
    INFO_PROCESS_TECH = 0x100D,
    INFO_SERIAL_NUMBER = 0x100E,
    INFO_ARCHITECTURE = 0x100F,
    INFO_CLOCK_METHOD = 0x1010,
    INFO_MODEL_NUMBER = 0x1011,
    INFO_REVISION = 0x1012,
    INFO_SPARE_1 = 0x1013,
    INFO_CLOCK = 0x1020,
    INFO_BUS_CLOCK = 0x1021,
    INFO_FSB_CLOCK = 0x1022,
    INFO_MULTIPLIER = 0x1023,
    INFO_RATED_CLOCK = 0x1024,
    INFO_RATED_BUS_CLOCK = 0x1025,
    INFO_RATED_FSB_CLOCK = 0x1026,
    INFO_L2_SPEED_RATIO = 0x1027,
    INFO_OVERCLOCK_PERCENT = 0x1028,
    INFO_MAX_MULTIPLIER = 0x1029,
    INFO_MEASURE_CLOCK = 0x102A,
    INFO_UPDATE_MULTIPLIER = 0x102B,
    INFO_MEASURE_CLOCK_WT = 0x102C,
    INFO_MEASURE_CLOCK_MMT = 0x102D,
    INFO_MEASURE_CLOCK_QPC = 0x102E,
    INFO_MEASURE_CLOCK_QPC_QUICK = 0x102F,
    INFO_FAMILY = 0x1031,
    INFO_MODEL = 0x1032,
    INFO_STEPPING = 0x1033,
    INFO_EXT_FAMILY = 0x1034,
    INFO_EXT_MODEL = 0x1035,
    INFO_BRAND_ID = 0x1036,
    INFO_APIC_ID = 0x1047,
    INFO_TRANSMETA_INFO = 0x1060,
    INFO_TRANSMETA_CURRENT_CLOCK = 0x1061,
    INFO_TRANSMETA_NOMINAL_CLOCK = 0x1062,
    INFO_TRANSMETA_VOLTAGE = 0x1063,
    INFO_TRANSMETA_LEVEL = 0x1064,
    INFO_TRANSMETA_GATE_DELAY = 0x1065,
    INFO_TRANSMETA_HW_REVISION = 0x1066,
    INFO_TRANSMETA_SW_REVISION = 0x1067,
    INFO_L1_CODE_ASSOC = 0x1080,
    INFO_L1_CODE_LINE = 0x1081,
    INFO_L1_DATA_ASSOC = 0x1082,
    INFO_L1_DATA_LINE = 0x1083,
    INFO_L2_ASSOC = 0x1084,
    INFO_L2_LINE = 0x1085,
    INFO_L3_ASSOC = 0x1086,
    INFO_L3_LINE = 0x1087,
    INFO_EXT_LEAF_BASE_FAMILY = 0x10A0,
    INFO_EXT_LEAF_BASE_MODEL = 0x10A1,
    INFO_EXT_LEAF_STEPPING = 0x10A2,
    INFO_FULL_FAMILY = 0x10B1,
    INFO_FULL_MODEL = 0x10B2,
    INFO_EXT_LEAF_FAMILY = 0x10B3,
    INFO_EXT_LEAF_MODEL = 0x10B4,
    INFO_DIE_SIZE = 0x10C0,
    INFO_TRANSISTOR_COUNT = 0x10C1,
    INFO_AUX_FIGURE = 0x10C2,
    INFO_SPARE_2 = 0x1214,
    INFO_SPARE_3 = 0x1215,
    INFO_SPARE_4 = 0x1216,
    INFO_SPARE_5 = 0x1224,
    INFO_SPARE_6 = 0x1225,
    INFO_SPARE_7 = 0x1226,
};

// How an item turns its field into text.
enum class InfoAction : uint8_t {
    Copy,             // copy a text field
    Fixed2,           // "%4.2f" of a double
    Fixed1,           // "%4.1f" of a double
    Hex,              // "%X" of an int32
    Hex2,             // "%02X" of an int32
    DecimalIfKnown,   // "%d" of an int32 above -1, else empty
    Remeasure,        // measure with the item's method, run the register step, then "%4.2f"
    UpdateMultiplier, // run the register step, then "%4.2f"
};

struct InfoItemRow {
    int32_t code;
    const char* name;       // "INFO_CPU_NAME"
    InfoAction action;
    size_t fieldOffset;     // offset of the field in CCpuInfo
    const char* fieldName;  // "CpuName"
    uint32_t method;        // clock method of a re-measuring item
};

// The query table, in ascending code order (checked when it is compiled).
extern const InfoItemRow kInfoItems[];
extern const size_t kInfoItemCount;

// The row of a code, or null for an unknown code.
const InfoItemRow* FindInfoItem(int32_t code);
