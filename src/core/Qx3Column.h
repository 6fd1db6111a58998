#pragma once
// QX3 group files hold fixed-width records: each field is a run of columns,
// counted from 0.
#include <cstddef>
#include <string>
#include <string_view>

namespace vantor {

struct Qx3Column {
    size_t start;
    size_t length;
};

// The field as it stands in the record, blanks included; shorter or empty
// when the record ends inside or before it.
inline std::string Qx3Field(std::string_view record, Qx3Column column) {
    if (column.start >= record.size()) return {};
    return std::string(record.substr(column.start, column.length));
}

}  // namespace vantor
