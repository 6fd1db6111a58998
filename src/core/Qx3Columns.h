#pragma once
// The fixed-column layout of one QX3 group file kind ("GR1", "GR5" ...): an
// (offset, length) pair per column and the exact length every record line
// must have, with the reading rules all group files share.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

struct Qx3Column {
    std::uint16_t offset = 0;
    std::uint16_t length = 0;
};

// The field as it stands in the record, blanks included; shorter or empty
// when the record ends inside or before it.
inline std::string Qx3Field(std::string_view record, Qx3Column column) {
    if (column.offset >= record.size()) return {};
    return std::string(record.substr(column.offset, column.length));
}

class TextLines;

// Why a group file that starts with an empty line is not imported: a file of
// nothing but line ends is empty ("PATH is empty; it holds no GR1 record."),
// any other is not in the kind's format.
std::string EmptyStartMessage(const TextLines& file, std::string_view path, std::string_view kind);

class Qx3Columns {
  public:
    Qx3Columns(std::string_view kind, std::vector<Qx3Column> columns, std::size_t recordLength);

    const std::string& Kind() const { return kind_; }
    std::size_t RecordLength() const { return recordLength_; }
    std::size_t Size() const { return columns_.size(); }
    const Qx3Column& operator[](std::size_t i) const { return columns_.at(i); }

    // Column i of a record line, blanks kept; empty where the line is short.
    std::string Take(std::string_view line, std::size_t i) const;
    // Column i as the test keeps it: without the column padding, as a QX5
    // read would give it back, so that a save, a read and a save agree.
    std::string Value(std::string_view line, std::size_t i) const;

    // path + " is not in proper GR1 format." (with this layout's kind).
    std::string FormatMessage(std::string_view path) const;

    enum class Records { One, All };
    // Called with each record line and its number (1, 2, ... in file order);
    // returning false stops the import as a failure (the callback has said why).
    using RecordHandler = std::function<bool(std::string_view line, int number)>;

    // Reads a group file: an open failure gives the can't-open message, an
    // empty first line gives EmptyStartMessage, "#" lines are skipped, a line of the
    // wrong length (or a file without any record line) gives the format
    // message in a box titled "ERROR". Lines handed over before a failure
    // stay stored. Records::One stops after the first record line.
    bool Read(const std::string& path, Records records, const RecordHandler& onRecord) const;

  private:
    std::string kind_;
    std::vector<Qx3Column> columns_;
    std::size_t recordLength_;
};

}  // namespace vantor
