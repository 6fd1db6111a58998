// The biomechanics record kinds by position.
#include "biomech/BioRecordAccess.h"

namespace vantor {

namespace {

class BioRecords : public RecordAccess {
  public:
    BioRecords(CBioData& data, BioRecord record) : data_(data), record_(record) {}

    const RecordRules& Rules() const override { return CBioData::Rules(record_); }
    int Count() const override { return data_.RecordCount(record_); }
    std::string Get(int record, size_t field) const override {
        if (!Holds(record) || field >= Rules().fields.size()) return {};
        return data_.Field(record_, record, static_cast<int>(field));
    }
    void Set(int record, size_t field, std::string_view value) override {
        if (!Holds(record) || field >= Rules().fields.size()) return;
        data_.SetField(record_, record, static_cast<int>(field), std::string(value));
    }
    int Add() override {
        RecordTable* table = data_.Table(record_);
        if (!table) return 1;
        const int added = record_ == BioRecord::Instrumentation ? data_.AddInstrumentation()
                                                                : table->Add();
        FollowCurves();
        return added;
    }
    void Delete(int record) override {
        RecordTable* table = data_.Table(record_);
        if (!table || !Holds(record)) return;
        table->Delete(record);
        FollowCurves();
    }
    void Copy(int from, int to) override {
        RecordTable* table = data_.Table(record_);
        if (!table || !Holds(from) || !Holds(to) || from == to) return;
        table->CopyRecord(from, to);
    }

  private:
    bool Holds(int record) const { return record >= 1 && record <= Count(); }
    // The TEST record counts the curves the test carries.
    void FollowCurves() {
        if (record_ == BioRecord::Instrumentation) data_.totalCurves_ = Count();
    }

    CBioData& data_;
    BioRecord record_;
};

}  // namespace

std::unique_ptr<RecordAccess> BioAccess(CBioData& data, BioRecord record) {
    return std::make_unique<BioRecords>(data, record);
}

}  // namespace vantor
