#pragma once
// QX3 biomechanics group 1: the TEST record.
#include <string_view>

#include "biomech/BioGroupColumn.h"
#include "biomech/CBioData.h"

namespace vantor {

struct CBioGR1 {
    static constexpr std::string_view kName = "GR1";
    static constexpr std::uint16_t kLineLength = 299;
    static constexpr BioGroupColumn kColumns[] = {
        {3, 70, CBioData::kTitle},
        {73, 70, CBioData::kObjectives},
        {143, 9, CBioData::kTestDate},
        {152, 3, CBioData::kPerformer},
        {155, 17, CBioData::kContractNumber},
        {172, 10, CBioData::kReferenceNumber},
        {185, 3, CBioData::kTestConfiguration},
        {194, 3, CBioData::kAmbientTemperature},
        {197, 3, CBioData::kRecorderType},
        {200, 3, CBioData::kDataLink},
        {203, 5, CBioData::kClosingSpeed},
        {208, 3, CBioData::kImpactAngle},
        {229, 70, CBioData::kTestComments},
    };
};

}  // namespace vantor
