#pragma once
// QX3 biomechanics group Y: one CHEST BAND GAUGE record per line, its numbers
// normalised ("  7." becomes "7").
#include <string_view>

#include "biomech/BioGroupColumn.h"
#include "biomech/CBioData.h"

namespace vantor {

struct CBioGRY {
    static constexpr std::string_view kName = "GRY";
    static constexpr std::uint16_t kLineLength = 13;
    using Form = BioGroupColumn::Form;
    static constexpr BioGroupColumn kColumns[] = {
        {1, 2, CBioData::kGaugeChestBand, Form::Integer},
        {3, 2, CBioData::kGaugeNumber, Form::Integer},
        {5, 5, CBioData::kGaugeDistance, Form::Real},
        {10, 3, CBioData::kGaugeCurve, Form::Integer},
    };
    static constexpr int kEmptied[] = {CBioData::kGaugeComments};
};

}  // namespace vantor
