#pragma once
// A repeated-record section held as parallel columns of text: one column per
// field, records numbered from 1, slot 0 of every column present and unused.
#include <cstddef>
#include <string>
#include <vector>

namespace vantor {

class RecordTable {
  public:
    explicit RecordTable(size_t columns = 0);

    size_t Columns() const { return columns_.size(); }
    int Count() const { return count_; }
    bool Empty() const { return count_ == 0; }

    // Field `column` of record `record` (1..Count()). Slot 0 may be read.
    std::string& At(int record, size_t column);
    const std::string& At(int record, size_t column) const;
    std::vector<std::string>& Column(size_t column) { return columns_[column]; }
    const std::vector<std::string>& Column(size_t column) const { return columns_[column]; }

    // Appends an empty record and returns its number.
    int Add();
    // Sets the record count; new records are empty, dropped ones are erased.
    void SetCount(int count);
    // Removes a record; the later ones move down one number in every column.
    void Delete(int record);
    // Copies every field of record `from` into record `to`.
    void CopyRecord(int from, int to);
    // Back to no records (slot 0 only).
    void Clear() { SetCount(0); }
    // Writes 1, 2, 3 ... into `column`, as every save numbers the records.
    void Renumber(size_t column);
    // The fields of one record, in column order.
    std::vector<std::string> Record(int record) const;

  private:
    std::vector<std::vector<std::string>> columns_;
    int count_ = 0;
};

}  // namespace vantor
