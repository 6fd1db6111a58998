// The component test's record kinds by position, for the record pages.
#include <algorithm>

#include "component/CCompData.h"
#include "component/CompFieldRules.h"
#include "core/TextUtil.h"

namespace vantor {

namespace {

using D = CCompData;

// The curve total is not kept as text: it reads as the number of curves held.
class CompTestRecord : public MemberRecord {
  public:
    explicit CompTestRecord(D& data)
        : MemberRecord(CompTestRecordRules(), Members(data)), data_(data) {}
    std::string Get(int record, size_t field) const override {
        if (field == D::kTestTotalCurves)
            return record == 1 ? IntToText(data_.instrumentation_.Count()) : "";
        return MemberRecord::Get(record, field);
    }

  private:
    static std::vector<std::string*> Members(D& data) {
        std::vector<std::string*> members;
        for (size_t f = 0; f < CompTestRecordRules().fields.size(); ++f)
            members.push_back(data.TestText(f));
        return members;
    }
    D& data_;
};

// The page shows one vehicle record, the test vehicle: slot 1, where the
// readers put the fields whatever number the file gives. Its number field
// is the vehicle count (0: a component tested without a vehicle, which the
// file writes as the non-vehicle line; 1: the test vehicle), so setting 0
// and then 1 again keeps what was typed. Fields 1 to 8 are the slot's
// columns; the rest are the rollover vehicle's typed values, which the file
// carries for a rollover test only.
class CompVehicleRecord : public RecordAccess {
  public:
    explicit CompVehicleRecord(D& data) : data_(data) {}

    const RecordRules& Rules() const override { return CompVehicleRecordRules(); }
    int Count() const override { return 1; }
    std::string Get(int record, size_t field) const override {
        if (record != 1) return {};
        if (field == kNumber) return IntToText(data_.vehicleCount_);
        if (field < kPlainVehicleFields) return data_.vehicles_.Value(kSlot, field - 1);
        const RolloverField* typed = Extension(field);
        return typed ? RolloverValueText(data_.rollover_, *typed) : std::string();
    }
    void Set(int record, size_t field, std::string_view value) override {
        if (record != 1) return;
        if (field == kNumber) {
            // Kept within the slots, as the readers keep a number read.
            data_.vehicleCount_ = std::clamp(TextToInt(value), 0, D::kVehicleSlots - 1);
        } else if (field < kPlainVehicleFields) {
            data_.vehicles_.Set(kSlot, field - 1, std::string(value));
        } else if (const RolloverField* typed = Extension(field)) {
            SetRolloverValue(data_.rollover_, *typed, value);
        }
    }
    int Add() override { return 1; }
    void Delete(int) override {}
    void Copy(int, int) override {}

  private:
    static constexpr size_t kNumber = 0;
    static constexpr int kSlot = 1;

    static const RolloverField* Extension(size_t field) {
        auto extension = VehicleExtensionFields();
        const size_t k = field - kPlainVehicleFields;
        return field >= kPlainVehicleFields && k < extension.size() ? &extension[k] : nullptr;
    }
    D& data_;
};

// The curve number stands where the sensor type column begins: it is the
// record's place, as every save numbers the curves 1, 2, 3 ... The fields
// around it are the columns in order. The TEST record's curve total follows
// the curves added and deleted here.
class CompInstrumentationRecords : public TableRecords {
  public:
    explicit CompInstrumentationRecords(D& data)
        : TableRecords(data.instrumentation_, CompInstrumentationRecordRules(), Columns()),
          data_(data) {}
    int Add() override {
        const int record = TableRecords::Add();
        data_.totalCurves_ = Count();
        return record;
    }
    void Delete(int record) override {
        TableRecords::Delete(record);
        data_.totalCurves_ = Count();
    }

  private:
    static std::vector<int> Columns() {
        constexpr size_t kCurve = D::kSensorType;
        std::vector<int> columns;
        for (size_t f = 0; f < CompInstrumentationRecordRules().fields.size(); ++f)
            columns.push_back(f < kCurve    ? static_cast<int>(f)
                              : f == kCurve ? kPlace
                                            : static_cast<int>(f - 1));
        return columns;
    }
    D& data_;
};

}  // namespace

std::unique_ptr<RecordAccess> CCompData::TestAccess() {
    return std::make_unique<CompTestRecord>(*this);
}

std::unique_ptr<RecordAccess> CCompData::VehicleAccess() {
    return std::make_unique<CompVehicleRecord>(*this);
}

// The component and configuration records keep every field, their vehicle,
// component and configuration numbers included, in a column of the same
// place; those numbers are keys typed by the user, so deleting a record
// renumbers none of them.
std::unique_ptr<RecordAccess> CCompData::ComponentAccess() {
    return std::make_unique<TableRecords>(components_, CompComponentRecordRules(),
                                          TableRecords::Shifted(CompComponentRecordRules(), 0));
}

std::unique_ptr<RecordAccess> CCompData::ConfigurationAccess() {
    return std::make_unique<TableRecords>(configurations_, CompConfigurationRecordRules(),
                                          TableRecords::Shifted(CompConfigurationRecordRules(), 0));
}

std::unique_ptr<RecordAccess> CCompData::InstrumentationAccess() {
    return std::make_unique<CompInstrumentationRecords>(*this);
}

}  // namespace vantor
