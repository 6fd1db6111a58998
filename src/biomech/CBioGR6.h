#pragma once
// QX3 biomechanics group 6: the occupant. The occupant type decides whether
// the line holds a biological occupant (with four ribs) or a dummy.
#include <string_view>

#include "biomech/BioGroupColumn.h"
#include "biomech/CBioData.h"

namespace vantor {

struct CBioGR6 {
    static constexpr std::string_view kName = "GR6";
    static constexpr std::uint16_t kLineLength = 862;
    static constexpr BioGroupColumn kOccupantType = {4, 2, CBioData::kOccupantType};

    // Only animals and cadavers were recorded as biological occupants here.
    static bool IsBiological(std::string_view type) { return type == "AN" || type == "CD"; }

    static constexpr BioGroupColumn kBiological[] = {
        {2, 2, CBioData::kOccLocation},
        {6, 1, CBioData::kOccSex},
        {83, 2, CBioData::kOccSeatPosition},
        {320, 2, CBioData::kOccAge},
        {322, 3, CBioData::kOccWeight},
        {325, 2, CBioData::kOccFracturedRibs},
        {327, 2, CBioData::kOccRibFractures},
        {329, 10, CBioData::kOccReferenceNumber},
        {339, 2, CBioData::kOccNumberOfTests},
        {341, 9, CBioData::kOccDateOfDeath},
        {350, 70, CBioData::kOccCauseOfDeath},
        {420, 70, CBioData::kOccAppearance},
        {490, 3, CBioData::kOccBedConfinement},
        {493, 70, CBioData::kOccAnomaly},
        {563, 3, CBioData::kOccCardiovascularPressure},
        {566, 3, CBioData::kOccHeadPressure},
        {569, 3, CBioData::kOccPulmonaryPressure},
        {792, 70, CBioData::kOccComments},
    };

    // Four ribs follow one another; offsets within one rib, positions in the
    // QX5 RIB record.
    static constexpr int kRibs = 4;
    static constexpr std::uint16_t kFirstRib = 572;
    static constexpr std::uint16_t kRibWidth = 55;
    static constexpr BioGroupColumn kRib[] = {
        {0, 3, 1 + CBioData::kRibLocation},      {3, 12, 1 + CBioData::kRibMomentOfInertia},
        {15, 6, 1 + CBioData::kRibNeutralAxis},  {21, 6, 1 + CBioData::kRibSpanLength},
        {27, 6, 1 + CBioData::kRibDeflection},   {33, 5, 1 + CBioData::kRibLoad},
        {38, 5, 1 + CBioData::kRibBreakLoad},    {43, 6, 1 + CBioData::kRibMarrowArea},
        {49, 6, 1 + CBioData::kRibCrossSection},
    };

    static constexpr BioGroupColumn kDummy[] = {
        {2, 2, CBioData::kDumLocation},
        {6, 1, CBioData::kDumSex},
        {83, 2, CBioData::kDumSeatPosition},
        {87, 5, CBioData::kDumHic},
        {92, 7, CBioData::kDumHicLower},
        {99, 7, CBioData::kDumHicUpper},
        {106, 2, CBioData::kDumCalibrationMethod},
        {108, 2, CBioData::kDumSize},
        {110, 70, CBioData::kDumManufacturer},
        {180, 70, CBioData::kDumModification},
        {250, 70, CBioData::kDumDescription},
        {322, 3, CBioData::kDumComponentWeight},
        {792, 70, CBioData::kDumComments},
    };
};

}  // namespace vantor
