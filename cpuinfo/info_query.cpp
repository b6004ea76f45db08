// GetInfo: one item of the record as text, produced as the item table says.
#include <cstdio>
#include <cstring>

#include "cpuinfo/cpu_info.h"
#include "cpuinfo/text.h"

namespace {

// Every item's text fits 64 characters and a terminator; the buffer is never written further.
constexpr size_t kItemTextSize = 65;

template <typename T>
T FieldAt(const CCpuInfo& record, size_t offset) {
    T value;
    std::memcpy(&value, reinterpret_cast<const char*>(&record) + offset, sizeof value);
    return value;
}

}  // namespace

int32_t CCpuInfo::GetInfo(int32_t item, char* buffer) { return GetInfo(item, buffer, kItemTextSize); }

int32_t CCpuInfo::GetInfo(int32_t item, char* buffer, size_t size) {
    // A buffer of no bytes receives nothing, but the item's work is still done: the text goes here.
    char discarded[kItemTextSize];
    if (!buffer || size == 0) {
        buffer = discarded;
        size = sizeof discarded;
    }
    const size_t textSize = size < kItemTextSize ? size : kItemTextSize;
    buffer[0] = '\0';
    const InfoItemRow* row = FindInfoItem(item);
    if (!row) return -1;

    switch (row->action) {
        case InfoAction::Copy:
            CopyTextInto(buffer, textSize, reinterpret_cast<const char*>(this) + row->fieldOffset);
            break;
        case InfoAction::Fixed2:
            FormatTextInto(buffer, textSize, "%4.2f", FieldAt<double>(*this, row->fieldOffset));
            break;
        case InfoAction::Fixed1:
            FormatTextInto(buffer, textSize, "%4.1f", FieldAt<double>(*this, row->fieldOffset));
            break;
        case InfoAction::Hex:
            FormatTextInto(buffer, textSize, "%X", FieldAt<uint32_t>(*this, row->fieldOffset));
            break;
        case InfoAction::Hex2:
            FormatTextInto(buffer, textSize, "%02X", FieldAt<uint32_t>(*this, row->fieldOffset));
            break;
        case InfoAction::DecimalIfKnown: {
            int32_t value = FieldAt<int32_t>(*this, row->fieldOffset);
            if (value > -1) FormatTextInto(buffer, textSize, "%d", value);
            break;
        }
        case InfoAction::Remeasure:
            if (HasTsc) {
                CoreClock = MeasureClock(row->method);
                EffectiveClock = CoreClock;
            }
            if (HasMsr) UpdateMultiplierAndBus();
            FormatTextInto(buffer, textSize, "%4.2f", EffectiveClock);
            break;
        case InfoAction::UpdateMultiplier:
            if (HasMsr) UpdateMultiplierAndBus();
            FormatTextInto(buffer, textSize, "%4.2f", Multiplier);
            break;
    }
    return 0;
}
