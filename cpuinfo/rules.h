// Ordered rule tables: the first row whose condition holds applies. A row is any struct with a
// `when` member, a predicate on the record; a null `when` always holds (a table's default row).
#pragma once

#include <cstddef>

template <typename Row, size_t N, typename Record>
const Row* FirstMatch(const Row (&rows)[N], const Record& record) {
    for (const Row& row : rows)
        if (!row.when || row.when(record)) return &row;
    return nullptr;
}

// Keyed lookups: the row whose `key` equals the key, or null.
template <typename Row, size_t N, typename Key>
const Row* FindByKey(const Row (&rows)[N], const Key& key) {
    for (const Row& row : rows)
        if (row.key == key) return &row;
    return nullptr;
}
