#include "cpuinfo/naming/name_row.h"

#include "cpuinfo/cpu_info.h"
#include "cpuinfo/rule_tables.h"
#include "cpuinfo/text.h"

const char kSocketByPlatform[] = "<by platform>";

namespace {

// NetBurst sockets by platform identifier; before the register step reads it, the identifier is -1.
constexpr NameRow kNetBurstSockets[] = {
    {When().PlatformId(OneOf(2, 3)), nullptr, "Socket 478"},
    {When().PlatformId(4), nullptr, "LGA775"},
    {Always(), nullptr, "Socket 478/LGA775"},
};

void SetSize(int32_t& field, int32_t size) {
    if (size != kKeep) field = size;
}

}  // namespace

void ApplyNameRow(CCpuInfo& r, const NameRow& row) {
    if (row.name) CopyText(r.CpuName, row.name);
    if (row.socket == kSocketByPlatform)
        ApplyNameRow(r, FirstMatch(kNetBurstSockets, r));
    else if (row.socket)
        CopyText(r.Socket, row.socket);
    if (row.process) CopyText(r.ProcessTech, row.process);

    if (row.core != Core::None) r.CoreCode = row.core;

    if (row.flags & kHalfSpeedL2) r.L2HalfSpeed = 1;
    if (row.flags & kVariableClock) r.VariableClock = 1;
    if (row.flags & kFixedClock) r.VariableClock = 0;
    if (row.flags & kHyperThreading) r.HasHtt = 1;
    if (row.flags & kNoHyperThreading) r.HasHtt = 0;
    if (row.flags & kDualCore) r.IsDualCore = 1;
    if (row.flags & kSempron) r.IsSempron = 1;
    if (row.flags & kSoldAsVia) CopyText(r.VendorName, "VIA");

    SetSize(r.L1CodeSize, row.caches.l1Code);
    SetSize(r.L1DataSize, row.caches.l1Data);
    SetSize(r.L1UnifiedSize, row.caches.l1Unified);
    SetSize(r.L2Size, row.caches.l2);

    if (row.powerManagement != 0) r.PowerMgmtCode = row.powerManagement;
}

const RuleTableList& NameRowTables() {
    static constexpr RuleTable kTables[] = {CPUINFO_RULE_TABLE(kNetBurstSockets)};
    static constexpr RuleTableList kList = CPUINFO_RULE_TABLE_LIST(kTables);
    return kList;
}
