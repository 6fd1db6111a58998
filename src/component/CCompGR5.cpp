#include "component/CCompGR5.h"

#include <algorithm>

#include "component/CCompData.h"
#include "component/CompQx3Target.h"
#include "core/Messages.h"
#include "core/TextUtil.h"

namespace vantor {

namespace {
using D = CCompData;
constexpr size_t kCurveColumn = 1;
constexpr CompQx3Target kTargets[] = {
    {{1, 1}, D::kInstComponentNumber},
    {{2, 3}},  // the curve number: the record it goes to
    {{5, 1}},
    {{6, 2}, D::kSensorType},
    {{8, 4}, D::kSensorAttachment},
    {{12, 2}, D::kAxis},
    {{14, 3}, D::kXUnits, D::kYUnits},
    {{17, 5}, D::kPrefilterFrequency},
    {{22, 70}, D::kInstrumentManufacturer},
    {{92, 9}, D::kCalibrationDate},
    {{101, 5}, D::kInstrumentRating},
    {{106, 3}, D::kChannelMaxRating},
    {{109, 5}, D::kInitialVelocity},
    {{114, 5}, D::kFirstPoint},
    {{119, 5}, D::kLastPoint},
    {{124, 6}, D::kTimeStep},
    {{130, 2}, D::kDataStatus},
    {{132, 70}, D::kInstrumentComments},
};
}  // namespace

const Qx3Columns& CCompGR5::Layout() {
    static const Qx3Columns layout("GR5", ColumnsOf(kTargets), 202);
    return layout;
}

bool CCompGR5::Import(const std::string& path, CCompData& data) {
    RecordTable& curves = data.instrumentation_;
    int highest = 0;
    bool ok = Layout().Read(path, Qx3Columns::Records::All, [&](std::string_view line, int) {
        const int curve = TextToInt(Layout().Take(line, kCurveColumn));
        if (curve < 1) {
            // Curves are numbered from 1; slot 0 is never a record.
            ShowError(Layout().FormatMessage(path), "ERROR");
            return false;
        }
        if (curve > curves.Count()) curves.SetCount(curve);
        StoreColumns(Layout(), kTargets, line, curves, curve);
        for (size_t c : {D::kInstVehicleNumber, D::kInstConfigurationNumber, D::kChannelStatus})
            curves.Set(curve, c, {});
        highest = std::max(highest, curve);
        return true;
    });
    if (!ok) return false;
    curves.SetCount(highest);
    data.totalCurves_ = highest;
    return true;
}

}  // namespace vantor
