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
    {{3, 70}, &CCompData::m_testTitle},
    {{73, 70}, &CCompData::m_testObjectives},
    {{143, 9}, &CCompData::m_testDate},
    {{152, 3}, &CCompData::m_testPerformer},
    {{155, 17}, &CCompData::m_contractNumber},
    {{172, 25}, nullptr},
    {{197, 10}, &CCompData::m_testReferenceNumber},
    {{207, 3}, &CCompData::m_testType},
    {{210, 3}, nullptr},
    {{213, 3}, nullptr},
    {{216, 3}, &CCompData::m_ambientTemperature},
    {{219, 3}, nullptr},
    {{222, 3}, nullptr},
    {{225, 70}, &CCompData::m_testComments},
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
            if (kTargets[i].field) data.*kTargets[i].field = Layout().Take(line, i);
        return true;
    });
}

}  // namespace vantor
