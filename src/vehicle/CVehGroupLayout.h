#pragma once
// Column layout of one kind of QX3 group file: fixed-width records of an
// exact length, each field a (start, width) slice taken without trimming.
#include <string>
#include <string_view>
#include <vector>

#include "core/Qx3Column.h"
#include "vehicle/VehFields.h"

namespace vantor {

class CVehGroupLayout {
  public:
    struct Column {
        Qx3Column slice;
        int field = -1;  // field of the record kind, or -1 when the column is not imported
    };

    virtual ~CVehGroupLayout() = default;

    int Group() const { return group_; }
    VehSection Section() const { return section_; }
    size_t RecordLength() const { return length_; }
    const std::vector<Column>& Columns() const { return columns_; }
    // Fields of the record kind that the group file does not hold but an
    // import sets to a fixed value.
    struct FixedValue {
        size_t field;
        std::string_view value;
    };
    const std::vector<FixedValue>& FixedValues() const { return fixed_; }

    // The slice of a record line, blanks included.
    static std::string Cut(std::string_view line, const Column& column) {
        return Qx3Field(line, column.slice);
    }

  protected:
    CVehGroupLayout(int group, VehSection section, size_t length)
        : group_(group), section_(section), length_(length) {}
    // Appends a column right after the previous one.
    void Add(size_t width, int field) {
        const size_t start =
            columns_.empty() ? 0 : columns_.back().slice.start + columns_.back().slice.length;
        columns_.push_back({{start, width}, field});
    }
    void AddSkipped(size_t width) { Add(width, -1); }
    void AddRun(size_t count, size_t width, size_t firstField) {
        for (size_t k = 0; k < count; ++k)
            Add(width, static_cast<int>(firstField + k));
    }
    void Fix(size_t field, std::string_view value) { fixed_.push_back({field, value}); }

  private:
    int group_;
    VehSection section_;
    size_t length_;
    std::vector<Column> columns_;
    std::vector<FixedValue> fixed_;
};

}  // namespace vantor
