#pragma once
// QX3 biomechanics group Z: one CHEST BAND record per line.
#include <string_view>

#include "biomech/BioGroupColumn.h"
#include "biomech/CBioData.h"

namespace vantor {

struct CBioGRZ {
    static constexpr std::string_view kName = "GRZ";
    static constexpr std::uint16_t kLineLength = 44;
    static constexpr BioGroupColumn kColumns[] = {
        {3, 5, 1 + CBioData::kCbDepth},
        {8, 5, 1 + CBioData::kCbBreadth},
        {13, 5, 1 + CBioData::kCbLength},
        {18, 4, 1 + CBioData::kCbAnteriorLocation},
        {22, 4, 1 + CBioData::kCbPosteriorLocation},
        {26, 3, 1 + CBioData::kCbSternumCurve},
        {29, 5, 1 + CBioData::kCbSternumDistance},
        {34, 3, 1 + CBioData::kCbSpineCurve},
        {37, 5, 1 + CBioData::kCbSpineDistance},
        {42, 2, 1 + CBioData::kCbGaugeCount},
    };
    static constexpr int kEmptied[] = {1 + CBioData::kCbComments};
};

}  // namespace vantor
