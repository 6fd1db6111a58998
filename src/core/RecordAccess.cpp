#include "core/RecordAccess.h"

#include <algorithm>

#include "core/TextUtil.h"

namespace vantor {

TableRecords::TableRecords(RecordTable& table, const RecordRules& rules, std::vector<int> columns,
                           int numberColumn)
    : table_(table), rules_(rules), columns_(std::move(columns)), numberColumn_(numberColumn) {}

std::vector<int> TableRecords::Shifted(const RecordRules& rules, size_t first) {
    std::vector<int> columns;
    for (size_t f = 0; f < rules.fields.size(); ++f)
        columns.push_back(f < first ? kPlace : static_cast<int>(f - first));
    return columns;
}

int TableRecords::ColumnOf(size_t field) const {
    return field < columns_.size() ? columns_[field] : kNotKept;
}

std::string TableRecords::Get(int record, size_t field) const {
    if (record < 1 || record > Count()) return {};
    const int column = ColumnOf(field);
    if (column == kPlace) return IntToText(record);
    // A record counted but not held (a group file with gaps) reads as empty.
    if (column < 0 || static_cast<size_t>(column) >= table_.Columns() || record > table_.Count())
        return {};
    return std::string(table_.Get(record, static_cast<size_t>(column)));
}

void TableRecords::Set(int record, size_t field, std::string_view value) {
    const int column = ColumnOf(field);
    if (record < 1 || record > Count() || column < 0 || column == numberColumn_) return;
    if (static_cast<size_t>(column) >= table_.Columns()) return;
    if (record > table_.Count()) table_.SetCount(record);
    table_.Set(record, static_cast<size_t>(column), value);
}

int TableRecords::Add() {
    const int record = Count() + 1;
    if (record > table_.Count()) table_.SetCount(record);
    FillDefaults(record);
    return record;
}

void TableRecords::FillDefaults(int record) {
    for (size_t f = 0; f < rules_.fields.size(); ++f) {
        const int column = ColumnOf(f);
        if (column >= 0 && static_cast<size_t>(column) < table_.Columns())
            table_.Set(record, static_cast<size_t>(column), rules_.fields[f].defaultValue);
    }
    if (numberColumn_ >= 0)
        table_.Set(record, static_cast<size_t>(numberColumn_), IntToText(record));
}

void TableRecords::Delete(int record) {
    if (record < 1 || record > table_.Count()) return;
    table_.Delete(record);
    if (numberColumn_ >= 0) table_.Renumber(static_cast<size_t>(numberColumn_));
}

void TableRecords::Copy(int from, int to) {
    if (from < 1 || from > Count() || to < 1 || to > Count()) return;
    if (std::max(from, to) > table_.Count()) table_.SetCount(std::max(from, to));
    table_.CopyRecord(from, to);
    if (numberColumn_ >= 0) table_.Set(to, static_cast<size_t>(numberColumn_), IntToText(to));
}

MemberRecord::MemberRecord(const RecordRules& rules, std::vector<std::string*> members)
    : rules_(rules), members_(std::move(members)) {}

std::string* MemberRecord::MemberOf(size_t field) const {
    return field < members_.size() ? members_[field] : nullptr;
}

std::string MemberRecord::Get(int record, size_t field) const {
    const std::string* member = MemberOf(field);
    return record == 1 && member ? *member : std::string();
}

void MemberRecord::Set(int record, size_t field, std::string_view value) {
    if (std::string* member = MemberOf(field); record == 1 && member) *member = std::string(value);
}

}  // namespace vantor
