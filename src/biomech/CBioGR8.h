#pragma once
// QX3 biomechanics group 8: one OCCUPANT INJURY record per line.
#include <string_view>

#include "biomech/BioGroupColumn.h"
#include "biomech/CBioData.h"

namespace vantor {

struct CBioGR8 {
    static constexpr std::string_view kName = "GR8";
    static constexpr std::uint16_t kLineLength = 79;
    static constexpr BioGroupColumn kColumns[] = {
        {4, 1, 1 + CBioData::kInjRegion}, {5, 1, 1 + CBioData::kInjAspect},
        {6, 1, 1 + CBioData::kInjLesion}, {7, 1, 1 + CBioData::kInjOrgan},
        {8, 1, 1 + CBioData::kInjAis},    {9, 70, 1 + CBioData::kInjComments},
    };
    // Group files predate the 1990 scale.
    static constexpr int kEmptied[] = {1 + CBioData::kInjAis90};
};

}  // namespace vantor
