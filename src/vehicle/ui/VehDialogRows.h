#pragma once
// The rows of the measurement dialogs: runs of fields that follow each other
// in their record (BX1 to BX21, the clearance distances ...).
#include <array>
#include <cstddef>

#include "editor/PageFields.h"

namespace vantor {

template <size_t N>
constexpr std::array<PageFields::Row, N> FieldRun(size_t first) {
    std::array<PageFields::Row, N> rows{};
    for (size_t i = 0; i < N; ++i)
        rows[i].field = first + i;
    return rows;
}

}  // namespace vantor
