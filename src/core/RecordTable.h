#pragma once
// A repeated-record section: records numbered from 1, slot 0 present and
// unused. A record's fields are kept packed in one piece of text, each field
// its length and its bytes, so a test of many thousand curves costs little
// more than its file; a record whose fields are all empty costs nothing.
#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

class RecordTable {
  public:
    explicit RecordTable(size_t columns = 0);

    size_t Columns() const { return columns_; }
    int Count() const { return count_; }
    bool Empty() const { return count_ == 0; }

    // Field `column` of record `record` (0..Count(); slot 0 may be read). The
    // view lasts until the record is next changed.
    std::string_view Get(int record, size_t column) const;
    // The same field as text of its own, for building other text.
    // (const, so that assigning to it fails to build rather than do nothing)
    const std::string Value(int record, size_t column) const {
        return std::string(Get(record, column));
    }
    void Set(int record, size_t column, std::string_view value);
    // Every record's field `column`, slot 0 first.
    const std::vector<std::string> Column(size_t column) const;
    // The fields of one record, in column order.
    std::vector<std::string> Record(int record) const;

    // Room for this many records, for a reader that adds them one by one.
    void Reserve(int records) { rows_.reserve(static_cast<size_t>(std::max(records, 0)) + 1); }
    // Appends an empty record and returns its number.
    int Add();
    // Sets the record count; new records are empty, dropped ones are erased.
    void SetCount(int count);
    // Removes a record; the later ones move down one number.
    void Delete(int record);
    // Copies every field of record `from` into record `to`.
    void CopyRecord(int from, int to);
    // Back to no records (slot 0 only).
    void Clear() { SetCount(0); }
    // No records and slot 0 emptied too.
    void Reset();
    // Writes 1, 2, 3 ... into `column`, as every save numbers the records.
    void Renumber(size_t column);

  private:
    void CheckPlace(int record, size_t column) const;

    size_t columns_;
    // One packed record per slot; an empty string is a record of empty fields.
    std::vector<std::string> rows_;
    int count_ = 0;
};

}  // namespace vantor
