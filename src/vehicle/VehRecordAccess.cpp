// The vehicle test's record kinds by position.
#include "vehicle/VehRecordAccess.h"

#include "vehicle/VehFieldRules.h"

namespace vantor {

namespace {

class VehRecords : public RecordAccess {
  public:
    VehRecords(CVehData& data, VehSection section)
        : data_(data), section_(section), rules_(VehRules(section)) {}

    const RecordRules& Rules() const override { return rules_; }
    int Count() const override {
        return Single() ? 1 : data_.Table(section_).Count();
    }
    std::string Get(int record, size_t field) const override {
        if (record < 1 || record > Count()) return {};
        return data_.Get(section_, record, field);
    }
    void Set(int record, size_t field, std::string_view value) override {
        if (record < 1 || record > Count()) return;
        data_.Set(section_, record, field, value);
    }
    int Add() override { return Repeated() ? data_.AddRecord(section_) : Count(); }
    void Delete(int record) override {
        if (Repeated() && record >= 1 && record <= Count()) data_.Table(section_).Delete(record);
    }
    void Copy(int from, int to) override {
        if (from < 1 || to < 1 || from > Count() || to > Count() || from == to) return;
        data_.Table(section_).CopyRecord(from, to);
    }

  private:
    bool Single() const { return section_ == VehSection::Test || section_ == VehSection::Barrier; }
    // The vehicle slots are fixed; the other kinds grow and shrink.
    bool Repeated() const { return !Single() && section_ != VehSection::Vehicle; }

    CVehData& data_;
    VehSection section_;
    RecordRules rules_;
};

std::vector<int> IdentityColumns(size_t count) {
    std::vector<int> columns;
    for (size_t c = 0; c < count; ++c)
        columns.push_back(static_cast<int>(c));
    return columns;
}

}  // namespace

std::unique_ptr<RecordAccess> VehAccess(CVehData& data, VehSection section) {
    return std::make_unique<VehRecords>(data, section);
}

std::unique_ptr<RecordAccess> IntrusionAccess(CVehData& data) {
    static const RecordRules rules = IntrusionRules();
    return std::make_unique<TableRecords>(data.intrusion_.points_, rules,
                                          IdentityColumns(CIntrusionData::kFieldCount),
                                          CIntrusionData::kRecordNumber);
}

}  // namespace vantor
