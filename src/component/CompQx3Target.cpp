#include "component/CompQx3Target.h"

namespace vantor {

std::vector<Qx3Column> ColumnsOf(std::span<const CompQx3Target> targets) {
    std::vector<Qx3Column> columns;
    for (const auto& t : targets)
        columns.push_back(t.column);
    return columns;
}

void StoreColumns(const Qx3Columns& layout, std::span<const CompQx3Target> targets,
                  std::string_view line, RecordTable& table, int record) {
    for (size_t i = 0; i < targets.size(); ++i) {
        for (int field : {targets[i].field, targets[i].alsoField})
            if (field != CompQx3Target::kNone)
                table.Set(record, static_cast<size_t>(field), layout.Value(line, i));
    }
}

}  // namespace vantor
