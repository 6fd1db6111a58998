// Bringing older or side data into a vehicle test: the QX3 group files and
// the intrusion file.
#include "core/Messages.h"
#include "core/TextUtil.h"
#include "vehicle/CVehData.h"

namespace vantor {

const CVehGroupLayout& CVehData::GroupLayout(int group) const {
    switch (group) {
        case 1:
            return gr1_;
        case 2:
            return gr2_;
        case 3:
            return gr3_;
        case 4:
            return gr4_;
        default:
            return gr5_;
    }
}

bool CVehData::ImportQx3(const std::string& path, int group) {
    if (group < 1 || group > 5) return false;
    const CVehGroupLayout& layout = GroupLayout(group);
    const VehSection section = layout.Section();
    const bool single = section == VehSection::Test || section == VehSection::Barrier;
    const bool repeated = section == VehSection::Occupant || section == VehSection::Instrumentation;
    RecordTable& table = Table(section);
    int imported = 0;
    auto store = [&](std::string_view line, int number) {
        int record = 1;
        if (section == VehSection::Vehicle) {
            for (size_t c = 0; c < layout.Columns().Size(); ++c)
                if (layout.FieldOf(c) == static_cast<int>(kVehNumber))
                    VehicleRecordCount = TextToInt(layout.Columns().Take(line, c));
            if (VehicleRecordCount < 1 || VehicleRecordCount > kMaxVehicles) {
                ShowError("Invalid Vehicle Number", "ERROR");
                VehicleRecordCount = 1;
                return false;
            }
            record = VehicleRecordCount;
        } else if (repeated) {
            record = number;
            if (record > table.Count()) table.Add();
        }
        for (size_t c = 0; c < layout.Columns().Size(); ++c)
            if (layout.FieldOf(c) >= 0)
                Set(section, record, static_cast<size_t>(layout.FieldOf(c)),
                    layout.Columns().Value(line, c));
        for (const auto& fixed : layout.FixedValues())
            Set(section, record, fixed.field, fixed.value);
        imported = number;
        return true;
    };
    const bool ok = layout.Columns().Read(
        path, single ? Qx3Columns::Records::One : Qx3Columns::Records::All, store);
    // The records read replace those the test had.
    if (repeated && imported > 0) table.SetCount(imported);
    return ok;
}

bool CVehData::ReadIntrusion(const std::string& path, bool reportOpenFailure) {
    if (!intrusion_.ReadIp5(path, reportOpenFailure)) return false;
    if (TrimWhite(testReferenceNumber_).empty())
        testReferenceNumber_ = intrusion_.testReferenceNumber_;
    return true;
}

}  // namespace vantor
