#include "component/CCompGR9.h"

#include "component/CCompData.h"
#include "component/CompQx3Target.h"

namespace vantor {

namespace {
using D = CCompData;
constexpr CompQx3Target kTargets[] = {
    {{1, 1}, D::kComponentNumber},
    {{2, 4}, D::kComponentTested},
    {{6, 2}, D::kComponentType},
    {{8, 1}, D::kModificationIndicator},
    {{9, 70}, D::kModificationDescription},
    {{79, 6}, D::kComponentWeight},
    {{85, 5}},
    {{90, 6}},
    {{96, 6}},
    {{102, 2}},
    {{104, 2}},
    {{106, 2}},
    {{108, 2}},
    {{110, 20}},
    {{130, 1}},
    {{131, 2}, D::kOccupantType},
    {{133, 2}, D::kDummySize},
    {{135, 70}, D::kDummyManufacturer},
    {{205, 70}},
    {{275, 70}},
    {{345, 70}, D::kComponentComments},
};
}  // namespace

const Qx3Columns& CCompGR9::Layout() {
    static const Qx3Columns layout("GR9", ColumnsOf(kTargets), 415);
    return layout;
}

bool CCompGR9::Import(const std::string& path, CCompData& data) {
    RecordTable& components = data.components_;
    int read = 0;
    bool ok = Layout().Read(path, Qx3Columns::Records::All, [&](std::string_view line, int n) {
        if (n > components.Count()) components.SetCount(n);
        StoreColumns(Layout(), kTargets, line, components, n);
        components.Set(n, D::kCompVehicleNumber, {});
        read = n;
        return true;
    });
    if (ok) components.SetCount(read);
    return ok;
}

}  // namespace vantor
