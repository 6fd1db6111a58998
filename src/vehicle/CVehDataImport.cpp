// Bringing older or side data into a vehicle test: the QX3 group files and
// the intrusion file.
#include "core/Messages.h"
#include "core/TextFile.h"
#include "core/TextUtil.h"
#include "vehicle/CVehData.h"

namespace vantor {

const CVehGroupLayout& CVehData::GroupLayout(int group) const {
    switch (group) {
        case 1:
            return m_gr1;
        case 2:
            return m_gr2;
        case 3:
            return m_gr3;
        case 4:
            return m_gr4;
        default:
            return m_gr5;
    }
}

bool CVehData::ImportQx3(const std::string& path, int group) {
    if (group < 1 || group > 5) return false;
    const CVehGroupLayout& layout = GroupLayout(group);
    TextLines file;
    if (!file.Load(path)) return false;

    const std::string badFormat =
        path + " is not in proper GR" + std::to_string(group) + " format.";
    const VehSection section = layout.Section();
    const bool repeated = section == VehSection::Occupant || section == VehSection::Instrumentation;
    RecordTable& table = Table(section);
    int imported = 0;
    bool ok = true;
    for (const std::string& line : file.Lines()) {
        if (line.starts_with("#")) continue;
        if (line.size() != layout.RecordLength()) {
            ShowPlain(badFormat, "ERROR");
            ok = false;
            break;
        }
        int record = 1;
        if (section == VehSection::Vehicle) {
            for (const CVehGroupLayout::Column& column : layout.Columns())
                if (column.field == static_cast<int>(kVehNumber))
                    VehicleRecordCount = TextToInt(CVehGroupLayout::Cut(line, column));
            if (VehicleRecordCount < 1 || VehicleRecordCount > kMaxVehicles) {
                ShowPlain("Invalid Vehicle Number", "ERROR");
                VehicleRecordCount = 1;
                ok = false;
                break;
            }
            record = VehicleRecordCount;
        } else if (repeated) {
            record = imported + 1;
            if (record > table.Count()) table.Add();
        }
        for (const CVehGroupLayout::Column& column : layout.Columns())
            if (column.field >= 0)
                Set(section, record, static_cast<size_t>(column.field),
                    CVehGroupLayout::Cut(line, column));
        for (const auto& fixed : layout.FixedValues())
            Set(section, record, fixed.field, fixed.value);
        ++imported;
        if (section == VehSection::Test || section == VehSection::Barrier) break;
    }
    // A file without a single record is not a group file of this kind.
    if (ok && imported == 0) {
        ShowPlain(badFormat, "ERROR");
        ok = false;
    }
    // The records read replace those the test had.
    if (repeated && imported > 0) table.SetCount(imported);
    return ok;
}

bool CVehData::ReadIntrusion(const std::string& path, bool reportOpenFailure) {
    if (!m_intrusion.ReadIp5(path, reportOpenFailure)) return false;
    if (TrimWhite(m_testReferenceNumber).empty())
        m_testReferenceNumber = m_intrusion.m_testReferenceNumber;
    return true;
}

}  // namespace vantor
