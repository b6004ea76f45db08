// Every rule table of the library, listed for the tests that check tables as a whole: that no row is
// shadowed by an earlier row that always matches first, and that no key is listed twice. A file with
// tables lists them in its own RuleTableList with the macros below; RuleTables() gathers the lists.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>

#include "cpuinfo/rules.h"

struct RuleTable {
    const char* name;
    size_t rows;
    // First-match tables: the row's match. Null for keyed tables.
    const Match& (*match)(size_t row);
    // Keyed tables: the row's key (a number or a text); null for first-match tables.
    uint64_t (*key)(size_t row);
    const char* (*textKey)(size_t row);
    // Keyed tables whose rows may hold only under a further condition: whether this row does. Null
    // when the key alone decides.
    bool (*conditional)(size_t row);
    // Text keys looked for anywhere in a text, first key first: a key that contains an earlier one
    // is never found.
    bool substringKeys = false;
};

struct RuleTableList {
    const char* file;
    const RuleTable* tables;
    size_t count;
};

template <const auto& rows>
const Match& RowMatch(size_t row) {
    return rows[row].match;
}
template <const auto& rows>
uint64_t RowKey(size_t row) {
    return static_cast<uint64_t>(rows[row].key);
}
template <const auto& rows>
const char* RowTextKey(size_t row) {
    return rows[row].key;
}

#define CPUINFO_RULE_TABLE(rows) RuleTable{#rows, std::size(rows), &RowMatch<rows>, nullptr, nullptr, nullptr}
#define CPUINFO_KEY_TABLE(rows) RuleTable{#rows, std::size(rows), nullptr, &RowKey<rows>, nullptr, nullptr}
#define CPUINFO_TEXT_KEY_TABLE(rows) RuleTable{#rows, std::size(rows), nullptr, nullptr, &RowTextKey<rows>, nullptr}
#define CPUINFO_CONDITIONAL_KEY_TABLE(rows, conditional) \
    RuleTable{#rows, std::size(rows), nullptr, &RowKey<rows>, nullptr, conditional}
#define CPUINFO_RULE_TABLE_LIST(tables) \
    RuleTableList { __FILE__, tables, std::size(tables) }

// The lists of the files with tables.
const RuleTableList& DecodingTables();
const RuleTableList& HostProbeTables();
const RuleTableList& NameRowTables();
const RuleTableList& IntelNamingTables();
const RuleTableList& IntelRevisionTables();
const RuleTableList& AmdNamingTables();
const RuleTableList& AmdFamily15Tables();
const RuleTableList& AmdFamily15ModelNumberTables();
const RuleTableList& AmdFamily15SocketTables();
const RuleTableList& AmdRevisionTables();
const RuleTableList& TransmetaTables();
const RuleTableList& ViaCentaurTables();
const RuleTableList& OtherVendorTables();
const RuleTableList& RegisterStepTables();
const RuleTableList& MultiplierDecodingTables();
const RuleTableList& ClockMethodTables();
const RuleTableList& BrandRatingTables();

// All of them.
struct RuleTableLists {
    const RuleTableList* const* lists;
    size_t count;
};
RuleTableLists RuleTables();
