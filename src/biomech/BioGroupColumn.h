#pragma once
// One column of a QX3 group-file record: where it stands in the fixed-width
// line and which field of the record it fills.
#include <cstdint>

namespace vantor {

struct BioGroupColumn {
    enum class Form : std::uint8_t { AsIs, Integer, Real };

    std::uint16_t offset;
    std::uint16_t length;
    int position;  // the field's position in the QX5 record
    Form form = Form::AsIs;
};

}  // namespace vantor
