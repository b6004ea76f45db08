// AMD family 15 sockets: the first generations by the model of the extended signature, the later
// ones by the package type that the extended signature reports.
#include <cstdint>

#include "cpuinfo/cpu_info.h"
#include "cpuinfo/naming/amd_rules.h"
#include "cpuinfo/rules.h"
#include "cpuinfo/text.h"

using amd_naming::In;

namespace {

struct SocketRule {
    bool (*when)(const CCpuInfo&);
    const char* socket;
};

// Extended model 0 to 3, by ExtLeafModel. A model in none of the rows leaves Socket as it was.
const SocketRule kByExtLeafModel[] = {
    {AMD_WHEN(In(r.ExtLeafModel, {4, 8, 12, 14, 20, 24, 28, 30, 36, 40, 44, 46})), "Socket 754"},
    {AMD_WHEN(In(r.ExtLeafModel, {5, 21, 33, 37})), "Socket 940"},
    {AMD_WHEN(In(r.ExtLeafModel, {7, 11, 15, 23, 27, 31, 35, 39, 43, 47, 51, 55, 59, 63})), "Socket 939"},
};

// Extended model 4 and above, indexed by PackageType (2 bits).
const char* const kByPackageType[4] = {"Socket S1", "Socket F", "", "Socket AM2"};

}  // namespace

void CCpuInfo::IdentifyAmdSocket() {
    if (ExtModel < 4) {
        if (const SocketRule* row = FirstMatch(kByExtLeafModel, *this)) CopyText(Socket, row->socket);
        return;
    }
    bool known = PackageType >= 0 && PackageType < 4;
    CopyText(Socket, known ? kByPackageType[PackageType] : "");
}
