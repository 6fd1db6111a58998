#pragma once
// Column layout of one kind of vehicle QX3 group file: the shared fixed-column
// reader's layout plus, for every column, the field of the record kind it
// fills.
#include <string>
#include <string_view>
#include <vector>

#include "core/Qx3Columns.h"
#include "vehicle/VehFields.h"

namespace vantor {

class CVehGroupLayout {
  public:
    virtual ~CVehGroupLayout() = default;

    int Group() const { return group_; }
    VehSection Section() const { return section_; }
    const Qx3Columns& Columns() const { return columns_; }
    // The field column i fills, or -1 when the column is not imported.
    int FieldOf(size_t column) const { return fields_.at(column); }
    // Fields of the record kind that the group file does not hold but an
    // import sets to a fixed value.
    struct FixedValue {
        size_t field;
        std::string_view value;
    };
    const std::vector<FixedValue>& FixedValues() const { return fixed_; }

  protected:
    CVehGroupLayout(int group, VehSection section, size_t length)
        : group_(group), section_(section), length_(length), columns_(Kind(), {}, length) {}
    // Appends a column right after the previous one.
    void Add(size_t width, int field) {
        const size_t start = slices_.empty() ? 0 : slices_.back().offset + slices_.back().length;
        slices_.push_back({static_cast<std::uint16_t>(start), static_cast<std::uint16_t>(width)});
        fields_.push_back(field);
        columns_ = Qx3Columns(Kind(), slices_, length_);
    }
    void AddSkipped(size_t width) { Add(width, -1); }
    void AddRun(size_t count, size_t width, size_t firstField) {
        for (size_t k = 0; k < count; ++k)
            Add(width, static_cast<int>(firstField + k));
    }
    void Fix(size_t field, std::string_view value) { fixed_.push_back({field, value}); }

  private:
    std::string Kind() const { return "GR" + std::to_string(group_); }

    int group_;
    VehSection section_;
    size_t length_;
    std::vector<Qx3Column> slices_;
    std::vector<int> fields_;
    Qx3Columns columns_;
    std::vector<FixedValue> fixed_;
};

}  // namespace vantor
