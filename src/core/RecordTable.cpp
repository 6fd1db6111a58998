#include "core/RecordTable.h"

#include <stdexcept>

namespace vantor {

RecordTable::RecordTable(size_t columns) : columns_(columns, std::vector<std::string>(1)) {}

std::string& RecordTable::At(int record, size_t column) {
    if (record < 0 || record > count_) throw std::out_of_range("record number");
    return columns_.at(column)[static_cast<size_t>(record)];
}

const std::string& RecordTable::At(int record, size_t column) const {
    if (record < 0 || record > count_) throw std::out_of_range("record number");
    return columns_.at(column)[static_cast<size_t>(record)];
}

int RecordTable::Add() {
    SetCount(count_ + 1);
    return count_;
}

void RecordTable::SetCount(int count) {
    if (count < 0) count = 0;
    for (auto& column : columns_)
        column.resize(static_cast<size_t>(count) + 1);
    count_ = count;
}

void RecordTable::Delete(int record) {
    if (record < 1 || record > count_) return;
    for (auto& column : columns_)
        column.erase(column.begin() + record);
    --count_;
}

void RecordTable::CopyRecord(int from, int to) {
    if (from < 0 || from > count_ || to < 1 || to > count_) return;
    for (auto& column : columns_)
        column[static_cast<size_t>(to)] = column[static_cast<size_t>(from)];
}

void RecordTable::Renumber(size_t column) {
    for (int r = 1; r <= count_; ++r)
        At(r, column) = std::to_string(r);
}

std::vector<std::string> RecordTable::Record(int record) const {
    std::vector<std::string> fields;
    fields.reserve(columns_.size());
    for (size_t c = 0; c < columns_.size(); ++c)
        fields.push_back(At(record, c));
    return fields;
}

}  // namespace vantor
