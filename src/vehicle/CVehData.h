#pragma once
// A full-vehicle crash test: the TEST record, up to two VEHICLE records, the
// BARRIER record, the OCCUPANT, RESTRAINT and INSTRUMENTATION records, the
// high-speed video cameras (inherited) and the intrusion points, with the
// QX5/QX4 files, the report and the QX3 import.
//
// Every field is text exactly as typed or read, addressed by (section, record,
// field) with the positions of VehFields.h. Three fields are not stored in the
// tables and must go through Get/Set: the TEST reference number (it is the
// high-speed video data's), the TEST curve total (the number of
// INSTRUMENTATION records) and the numbers that are positions (the vehicle
// slot, the curve number).
#include <string>
#include <string_view>

#include "core/RecordTable.h"
#include "curves/CurveCheckState.h"
#include "vehicle/CIntrusionData.h"
#include "vehicle/CVehGR1.h"
#include "vehicle/CVehGR2.h"
#include "vehicle/CVehGR3.h"
#include "vehicle/CVehGR4.h"
#include "vehicle/CVehGR5.h"
#include "vehicle/VehFields.h"
#include "video/CHighSpeedVideoData.h"

namespace vantor {

class TextLines;

class CVehData : public CHighSpeedVideoData {
  public:
    static constexpr int kMaxVehicles = 2;

    CVehData();

    // Layouts of the QX3 group files.
    CVehGR1 gr1_;
    CVehGR2 gr2_;
    CVehGR3 gr3_;
    CVehGR4 gr4_;
    CVehGR5 gr5_;

    CIntrusionData intrusion_;

    // Vehicles the test configuration calls for (1 or 2): the QX5 writer
    // writes this many VEHICLE lines.
    int VehicleCount = 1;
    // The vehicle number of the last VEHICLE line read: the report prints this
    // many vehicle blocks.
    int VehicleRecordCount = 1;

    CurveCheckState curveCheck_;
    std::string scratch_;

    // --- Records ---------------------------------------------------------
    std::string Get(VehSection section, int record, size_t field) const;
    void Set(VehSection section, int record, size_t field, std::string_view value);
    std::string Test(size_t field) const { return Get(VehSection::Test, 1, field); }
    void SetTest(size_t field, std::string_view value) { Set(VehSection::Test, 1, field, value); }
    std::string Vehicle(int slot, size_t field) const {
        return Get(VehSection::Vehicle, slot, field);
    }

    // The columns of a record kind (count, add, delete, move). TEST and
    // BARRIER hold one record, VEHICLE always two slots.
    RecordTable& Table(VehSection section);
    const RecordTable& Table(VehSection section) const;

    int TotalNumberOfCurves() const { return instruments_.Count(); }
    int OccupantCount() const { return occupants_.Count(); }
    int RestraintCount() const { return restraints_.Count(); }

    // Appends a record as the screens create one: empty, with the vehicle
    // number "1" on a one-vehicle test and "SEC" as X units for a curve.
    int AddRecord(VehSection section);

    // Back to the construction defaults, cameras and intrusion points
    // included. The curve-check flag given by the launcher is kept.
    void Reset();

    // Vehicles the test configuration calls for.
    void UpdateVehicleCount();

    // Presence rules: a section is written (and reported) only when true.
    bool HasTestData() const;
    bool HasVehicleData() const;  // vehicle 1
    bool HasBarrierData() const;
    bool WritesBarrier() const;  // never for the vehicle-to-vehicle configurations

    // --- Files -------------------------------------------------------------
    // Writes the QX5 file. Stores what a save stores: the coded VEHICLE
    // defaults of the vehicles written, upper-cased dates; a file that cannot
    // be written leaves the test unchanged.
    bool WriteQx5(const std::string& path);
    bool WriteReport(const std::string& path) const;
    // Reads a QX5 file into the current data; false (reading nothing beyond
    // the TEST section) when the file has no TEST record, unless it is one
    // this program wrote for a test without TEST data (no TEST marker, and
    // other vehicle sections or the vehicle header).
    bool ReadQx5(const std::string& path);
    // Reads a QX4 file; true whenever the file opened and holds a vehicle
    // section.
    bool ReadQx4(const std::string& path);
    // Imports one QX3 group file (1 to 5) into the current data.
    bool ImportQx3(const std::string& path, int group);
    // Every value WriteQx5 would write that a record line cannot carry ('|',
    // a line break, marker text); WriteQx5 refuses such a test.
    void CheckRecordLines(std::vector<FieldIssue>& out) const;
    // Reads the intrusion file; an empty test reference number takes the
    // intrusion file's.
    bool ReadIntrusion(const std::string& path, bool reportOpenFailure);

  private:
    bool ReadSection(const TextLines& file, VehSection section, int version);
    void StoreLine(VehSection section, int record, std::string_view line, int version);
    // A record's fields as its QX5 line carries them, and how many records
    // of the section WriteQx5 writes (0: no section).
    std::vector<std::string> WrittenFields(VehSection section, int record) const;
    int WrittenRecords(VehSection section) const;
    int ReportRecordCount(VehSection section) const;
    const CVehGroupLayout& GroupLayout(int group) const;

    RecordTable test_{kTestFieldCount};
    RecordTable vehicles_{kVehFieldCount};
    RecordTable barrier_{kBarFieldCount};
    RecordTable occupants_{kOccFieldCount};
    RecordTable restraints_{kRstFieldCount};
    RecordTable instruments_{kInstFieldCount};
};

}  // namespace vantor
