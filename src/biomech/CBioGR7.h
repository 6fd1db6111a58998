#pragma once
// QX3 biomechanics group 7: the 38 anthropometric measurements, five
// characters each, in record order.
#include <string_view>

#include "biomech/BioGroupColumn.h"
#include "biomech/CBioData.h"

namespace vantor {

struct CBioGR7 {
    static constexpr std::string_view kName = "GR7";
    static constexpr std::uint16_t kLineLength = 194;
    static constexpr std::uint16_t kFirst = 4;
    static constexpr std::uint16_t kWidth = 5;

    static constexpr BioGroupColumn Column(int k) {
        return {static_cast<std::uint16_t>(kFirst + kWidth * k), kWidth, k};
    }
};

static_assert(CBioGR7::Column(CBioData::kAnthropometryFieldCount - 1).offset + CBioGR7::kWidth ==
              CBioGR7::kLineLength);

}  // namespace vantor
