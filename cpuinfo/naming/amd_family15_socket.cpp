// AMD family 15 sockets: the first generations by the model of the extended signature, the later
// ones by the package type that the extended signature reports.
#include "cpuinfo/cpu_info.h"
#include "cpuinfo/naming/name_row.h"
#include "cpuinfo/rule_tables.h"
#include "cpuinfo/rules.h"

namespace {

// Extended model 0 to 3 by ExtLeafModel: a model in none of the rows leaves Socket as it was.
// Extended model 4 and above by PackageType (2 bits); package 2 has no socket name.
constexpr NameRow kK8Sockets[] = {
    {When().ExtModel(AtMost(3)).ExtLeafModel(OneOf(4, 8, 12, 14, 20, 24, 28, 30, 36, 40, 44, 46)), nullptr,
     "Socket 754"},
    {When().ExtModel(AtMost(3)).ExtLeafModel(OneOf(5, 21, 33, 37)), nullptr, "Socket 940"},
    {When().ExtModel(AtMost(3)).ExtLeafModel(OneOf(7, 11, 15, 23, 27, 31, 35, 39, 43, 47, 51, 55, 59, 63)), nullptr,
     "Socket 939"},
    {When().ExtModel(AtLeast(4)).PackageType(0), nullptr, "Socket S1"},
    {When().ExtModel(AtLeast(4)).PackageType(1), nullptr, "Socket F"},
    {When().ExtModel(AtLeast(4)).PackageType(3), nullptr, "Socket AM2"},
    {When().ExtModel(AtLeast(4)), nullptr, ""},
};

}  // namespace

void CCpuInfo::IdentifyAmdSocket() { ApplyNameRow(*this, FirstMatch(kK8Sockets, *this)); }

const RuleTableList& AmdFamily15SocketTables() {
    static constexpr RuleTable kTables[] = {CPUINFO_RULE_TABLE(kK8Sockets)};
    static constexpr RuleTableList kList = CPUINFO_RULE_TABLE_LIST(kTables);
    return kList;
}
