#pragma once
// The QX3 group 5 (instrumentation) record as the SWG import reads it.
#include <array>

#include "core/Qx3Columns.h"

namespace vantor {

class CSWGGR5 {
  public:
    static constexpr size_t kRecordLength = 203;
    // The group 5 layout; the four pairs not named in Column hold nothing an
    // SWG test keeps.
    static constexpr std::array<Qx3Column, 18> kColumns = {{
        {1, 1},
        {2, 3},
        {5, 2},
        {7, 2},
        {9, 4},
        {13, 2},
        {15, 3},
        {18, 5},
        {23, 70},
        {93, 9},
        {102, 5},
        {107, 3},
        {110, 5},
        {115, 5},
        {120, 5},
        {125, 6},
        {131, 2},
        {133, 70},
    }};
    enum Column : size_t {
        kCurveNumber = 1,
        kSensorType = 2,
        kSensorLocation = 3,
        kSensorAttachment = 4,
        kAxisDirection = 5,
        kUnits = 6,  // one column pair holds both the X and the Y units
        kPrefilterFrequency = 7,
        kInstrumentRating = 10,
        kChannelMaximum = 11,
        kFirstPoint = 13,
        kLastPoint = 14,
        kTimeIncrement = 15,
        kDataStatus = 16,
        kComments = 17,
    };
};

}  // namespace vantor
