#pragma once
// Where the columns of a QX3 component group file go: one entry per layout
// column, in offset order, naming the record field that takes it.
#include <span>
#include <string_view>
#include <vector>

#include "core/Qx3Columns.h"
#include "core/RecordTable.h"

namespace vantor {

struct CompQx3Target {
    static constexpr int kNone = -1;
    Qx3Column column;
    int field = kNone;      // the record column that takes it, or kNone
    int alsoField = kNone;  // a second column that takes the same value
};

std::vector<Qx3Column> ColumnsOf(std::span<const CompQx3Target> targets);
// Stores the targeted columns of one line into record `record`.
void StoreColumns(const Qx3Columns& layout, std::span<const CompQx3Target> targets,
                  std::string_view line, RecordTable& table, int record);

}  // namespace vantor
