#include "cpuinfo/rule_tables.h"

RuleTableLists RuleTables() {
    static const RuleTableList* const kLists[] = {
        &DecodingTables(),
        &HostProbeTables(),
        &NameRowTables(),
        &IntelNamingTables(),
        &IntelRevisionTables(),
        &AmdNamingTables(),
        &AmdFamily15Tables(),
        &AmdFamily15ModelNumberTables(),
        &AmdFamily15SocketTables(),
        &AmdRevisionTables(),
        &TransmetaTables(),
        &ViaCentaurTables(),
        &OtherVendorTables(),
        &RegisterStepTables(),
        &MultiplierDecodingTables(),
        &ClockMethodTables(),
        &BrandRatingTables(),
    };
    return {kLists, std::size(kLists)};
}
