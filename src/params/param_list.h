// CParamList: the parameter tables in order, owned. Adding a table whose name is taken
// replaces the old table in its place.
//
// Parameter file (.par), little-endian:
//   0  "PAR\0"     4  u16 header size 32     6  u16 200
//   8  u32 file size: 32 + 8 * n + sum of table sizes
//  12  u32 offset of the first table's values: 32 + 8 * n
//  16  u16 8 (directory entry size)          18  u16 n, the number of tables     20  12 zero
//  32  n directory entries: name (letter and 0), u16 size in bytes, u32 offset from file start
//      then each table's raw values in list order.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "params/param_data.h"
#include "platform/archive.h"

namespace varno {

class CParamList {
public:
    CParamData& Add(std::unique_ptr<CParamData> table);
    CParamData* Find(std::string_view name) const;
    const std::vector<std::unique_ptr<CParamData>>& Tables() const { return tables_; }
    std::size_t GetCount() const { return tables_.size(); }
    void RemoveAll() { tables_.clear(); }

    // The default tables C (100 counters), D (1000 bytes), T (200 timers), all zero.
    void SetDefaultTables(const CCommentList* comments);

    std::uint32_t FileSize() const;
    void WriteParamFile(CArchive& ar) const;
    // Reads a parameter file (or the same section of a target file) into the tables of the
    // list. False, with every table unchanged, when the data is shorter than the header or
    // does not start with the tag. A listed table is cleared to zero and filled with as many
    // bytes as the entry, the table and the data all have; entries naming no table of the
    // list are skipped, tables without an entry keep their values.
    bool ReadParamFile(std::span<const std::uint8_t> bytes);

private:
    std::vector<std::unique_ptr<CParamData>> tables_;
};

}  // namespace varno
