#pragma once
// QX3 biomechanics group 5: one curve (INSTRUMENTATION record) per line, kept
// at the record of its curve number.
#include <string_view>

#include "biomech/BioGroupColumn.h"
#include "biomech/CBioData.h"

namespace vantor {

struct CBioGR5 {
    static constexpr std::string_view kName = "GR5";
    static constexpr std::uint16_t kLineLength = 203;
    static constexpr BioGroupColumn kCurveNumber = {2, 3, 0};
    // Positions in the QX5 record: field 0 is the curve number.
    static constexpr BioGroupColumn kColumns[] = {
        {5, 2, 1 + CBioData::kInstSensorType},
        {7, 2, 1 + CBioData::kInstSensorLocation},
        {9, 4, 1 + CBioData::kInstSensorAttachment},
        {13, 2, 1 + CBioData::kInstAxis},
        // One column gives both the X and the Y units.
        {15, 3, 1 + CBioData::kInstXUnits},
        {15, 3, 1 + CBioData::kInstYUnits},
        {18, 5, 1 + CBioData::kInstPrefilter},
        {23, 70, 1 + CBioData::kInstManufacturer},
        {93, 9, 1 + CBioData::kInstCalibrationDate},
        {102, 5, 1 + CBioData::kInstRating},
        {107, 3, 1 + CBioData::kInstChannelMaxRating},
        {110, 5, 1 + CBioData::kInstInitialVelocity},
        {115, 5, 1 + CBioData::kInstFirstPoint},
        {120, 5, 1 + CBioData::kInstLastPoint},
        {125, 6, 1 + CBioData::kInstTimeIncrement},
        {131, 2, 1 + CBioData::kInstDataStatus},
        {133, 70, 1 + CBioData::kInstComments},
    };
    static constexpr int kEmptied[] = {1 + CBioData::kInstChannelStatus};
};

}  // namespace vantor
