#include "component/CCompGR1.h"

#include "component/CCompData.h"

namespace vantor {

namespace {
// Layout columns, in offset order; those without a target are not imported.
struct Target {
    Qx3Column column;
    std::string CCompData::*field;
};
const Target kTargets[] = {
    {{2, 1}, nullptr},
    {{3, 70}, &CCompData::testTitle_},
    {{73, 70}, &CCompData::testObjectives_},
    {{143, 9}, &CCompData::testDate_},
    {{152, 3}, &CCompData::testPerformer_},
    {{155, 17}, &CCompData::contractNumber_},
    {{172, 25}, nullptr},
    {{197, 10}, &CCompData::testReferenceNumber_},
    {{207, 3}, &CCompData::testType_},
    {{210, 3}, nullptr},
    {{213, 3}, nullptr},
    {{216, 3}, &CCompData::ambientTemperature_},
    {{219, 3}, nullptr},
    {{222, 3}, nullptr},
    {{225, 70}, &CCompData::testComments_},
};
}  // namespace

const Qx3Columns& CCompGR1::Layout() {
    static const Qx3Columns layout = [] {
        std::vector<Qx3Column> columns;
        for (const auto& t : kTargets)
            columns.push_back(t.column);
        return Qx3Columns("GR1", columns, 295);
    }();
    return layout;
}

bool CCompGR1::Import(const std::string& path, CCompData& data) {
    return Layout().Read(path, Qx3Columns::Records::One, [&](std::string_view line, int) {
        for (size_t i = 0; i < std::size(kTargets); ++i)
            if (kTargets[i].field) data.*kTargets[i].field = Layout().Value(line, i);
        return true;
    });
}

}  // namespace vantor
