#pragma once
// The QX3 group 1 (test) record as the SWG import reads it.
#include <array>

#include "core/Qx3Columns.h"

namespace vantor {

class CSWGGR1 {
  public:
    static constexpr size_t kRecordLength = 299;
    // The group 1 layout shared by all test types; SWG reads the columns named
    // in Column and leaves the others to the types that use them.
    static constexpr std::array<Qx3Column, 22> kColumns = {{
        {0, 2},   {2, 1},   {3, 70},  {73, 70}, {143, 9}, {152, 3},  {155, 17}, {172, 10},
        {182, 3}, {185, 3}, {188, 3}, {191, 3}, {194, 3}, {197, 3},  {200, 3},  {203, 5},
        {208, 6}, {214, 6}, {220, 3}, {223, 3}, {226, 3}, {229, 70},
    }};
    enum Column : size_t {
        kTitle = 2,
        kObjectives = 3,
        kTestDate = 4,
        kTestPerformer = 5,
        kContractNumber = 6,
        kTestReference = 7,
        kTestType = 8,
        kAmbientTemperature = 12,
        kRecorderType = 13,
        kDataLinkType = 14,
        kComments = 21,
    };
};

}  // namespace vantor
