#include "core/RecordTable.h"

#include <stdexcept>

namespace vantor {

namespace {

// A field's length goes before its bytes, seven bits to a byte, low bits
// first; every byte but the last has its top bit set. Most fields are shorter
// than 128 bytes and so cost one byte more than their text.
void PutLength(std::string& row, size_t length) {
    while (length >= 0x80) {
        row += static_cast<char>((length & 0x7f) | 0x80);
        length >>= 7;
    }
    row += static_cast<char>(length);
}

size_t LengthSize(size_t length) {
    size_t bytes = 1;
    for (; length >= 0x80; length >>= 7)
        ++bytes;
    return bytes;
}

size_t TakeLength(std::string_view row, size_t& at) {
    size_t length = 0;
    for (int shift = 0;; shift += 7) {
        const auto byte = static_cast<unsigned char>(row[at++]);
        length |= static_cast<size_t>(byte & 0x7f) << shift;
        if (!(byte & 0x80)) return length;
    }
}

// Where field `column` of a packed record lies: its length bytes start at
// `start`, its text runs from `text` to `end`.
struct Place {
    size_t start, text, end;
};

Place Locate(std::string_view row, size_t column) {
    size_t at = 0;
    for (size_t c = 0;; ++c) {
        const size_t start = at;
        const size_t length = TakeLength(row, at);
        if (c == column) return {start, at, at + length};
        at += length;
    }
}

}  // namespace

RecordTable::RecordTable(size_t columns) : columns_(columns), rows_(1) {}

void RecordTable::CheckPlace(int record, size_t column) const {
    if (record < 0 || record > count_) throw std::out_of_range("record number");
    if (column >= columns_) throw std::out_of_range("column");
}

std::string_view RecordTable::Get(int record, size_t column) const {
    CheckPlace(record, column);
    const std::string& row = rows_[static_cast<size_t>(record)];
    if (row.empty()) return {};
    const Place place = Locate(row, column);
    return std::string_view(row).substr(place.text, place.end - place.text);
}

void RecordTable::Set(int record, size_t column, std::string_view value) {
    CheckPlace(record, column);
    std::string& row = rows_[static_cast<size_t>(record)];
    if (row.empty()) {
        if (value.empty()) return;
        row.assign(columns_, '\0');
    }
    const Place place = Locate(row, column);
    // Built anew at its exact size: no spare capacity kept per record, and a
    // value that is a view into this very record is read before it changes.
    std::string packed;
    packed.reserve(row.size() - (place.end - place.start) + LengthSize(value.size()) +
                   value.size());
    packed.append(row, 0, place.start);
    PutLength(packed, value.size());
    packed.append(value);
    packed.append(row, place.end, std::string::npos);
    row = std::move(packed);
}

const std::vector<std::string> RecordTable::Column(size_t column) const {
    std::vector<std::string> values;
    values.reserve(rows_.size());
    for (int r = 0; r <= count_; ++r)
        values.emplace_back(Get(r, column));
    return values;
}

std::vector<std::string> RecordTable::Record(int record) const {
    std::vector<std::string> fields;
    fields.reserve(columns_);
    for (size_t c = 0; c < columns_; ++c)
        fields.emplace_back(Get(record, c));
    return fields;
}

void RecordTable::Reset() {
    SetCount(0);
    rows_[0].clear();
    rows_[0].shrink_to_fit();
}

int RecordTable::Add() {
    SetCount(count_ + 1);
    return count_;
}

void RecordTable::SetCount(int count) {
    if (count < 0) count = 0;
    rows_.resize(static_cast<size_t>(count) + 1);
    count_ = count;
}

void RecordTable::Delete(int record) {
    if (record < 1 || record > count_) return;
    rows_.erase(rows_.begin() + record);
    --count_;
}

void RecordTable::CopyRecord(int from, int to) {
    if (from < 0 || from > count_ || to < 1 || to > count_) return;
    rows_[static_cast<size_t>(to)] = rows_[static_cast<size_t>(from)];
}

void RecordTable::Renumber(size_t column) {
    for (int r = 1; r <= count_; ++r)
        Set(r, column, std::to_string(r));
}

}  // namespace vantor
