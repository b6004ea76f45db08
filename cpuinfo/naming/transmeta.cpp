// Transmeta: Crusoe and Efficeon, told apart by the model number in the brand string.
#include "cpuinfo/cpu_info.h"
#include "cpuinfo/naming/name_row.h"
#include "cpuinfo/rule_tables.h"
#include "cpuinfo/rules.h"

namespace {

constexpr Match kEfficeon = When().Family(15).Model(2);
constexpr Match kCrusoe = When().Family(5).Model(4);

// Every Transmeta processor sits in a mobile module and lowers its clock when idle, but for the
// TM3120 and TM3200. Order matters: a brand string naming both "8600" and "8800" is the TM8800.
constexpr NameRow kTransmetaRows[] = {
    {kEfficeon.Brand("8800"), "Efficeon TM8800", "Mobile Module", "0.09", Core::None, kVariableClock},
    {kEfficeon.Brand("8600"), "Efficeon TM8600 (Astro)", "Mobile Module", "0.13", Core::None, kVariableClock},
    {kEfficeon.Brand("8500"), "Efficeon TM8500 (Astro)", "Mobile Module", "0.13", Core::None, kVariableClock},
    {kEfficeon.Brand("8300"), "Efficeon TM8300 (Astro)", "Mobile Module", "0.13", Core::None, kVariableClock},
    {kEfficeon.Brand("8820"), "Efficeon TM8820 (Astro)", "Mobile Module", "0.13", Core::None, kVariableClock},
    {kEfficeon.Brand("8620"), "Efficeon TM8620 (Astro)", "Mobile Module", "0.13", Core::None, kVariableClock},
    {kEfficeon, "Efficeon (Astro)", "Mobile Module", "0.13", Core::None, kVariableClock},
    {kCrusoe.Brand("3120"), "Crusoe TM3120", "Mobile Module", "0.22", Core::None, kFixedClock},
    {kCrusoe.Brand("3200"), "Crusoe TM3200", "Mobile Module", "0.22", Core::None, kFixedClock},
    {kCrusoe.Brand("5400"), "Crusoe TM5400", "Mobile Module", "0.18", Core::None, kVariableClock},
    {kCrusoe.Brand("5600"), "Crusoe TM5600", "Mobile Module", "0.18", Core::None, kVariableClock},
    {kCrusoe.Brand("5500"), "Crusoe TM5500", "Mobile Module", "0.13", Core::None, kVariableClock},
    {kCrusoe.Brand("5800"), "Crusoe TM5800", "Mobile Module", "0.13", Core::None, kVariableClock},
    {kCrusoe.Brand("5700"), "Crusoe TM5700", "Mobile Module", "0.13", Core::None, kVariableClock},
    {kCrusoe.Brand("5900"), "Crusoe TM5900", "Mobile Module", "0.13", Core::None, kVariableClock},
    {Always(), "Unknown CPU", "Mobile Module", "", Core::None, kVariableClock},
};

}  // namespace

void CCpuInfo::NameTransmeta() { ApplyNameRow(*this, FirstMatch(kTransmetaRows, *this)); }

const RuleTableList& TransmetaTables() {
    static constexpr RuleTable kTables[] = {CPUINFO_RULE_TABLE(kTransmetaRows)};
    static constexpr RuleTableList kList = CPUINFO_RULE_TABLE_LIST(kTables);
    return kList;
}
