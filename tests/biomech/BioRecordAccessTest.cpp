#include "biomech/BioRecordAccess.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

using D = CBioData;

struct Kind {
    const char* name;
    BioRecord record;
    size_t textField;  // a plain field of the kind, set and read back
};
constexpr Kind kKinds[] = {
    {"TEST", BioRecord::Test, D::kTitle},
    {"DUMMY OCCUPANT", BioRecord::DummyOccupant, D::kDumManufacturer},
    {"BIO OCCUPANT", BioRecord::BioOccupant, D::kOccCauseOfDeath},
    {"RESTRAINT", BioRecord::Restraint, 1 + D::kRstComments},
    {"ANTHROPOMETRY", BioRecord::Anthropometry, 37},
    {"RIB", BioRecord::Rib, 1 + D::kRibLoad},
    {"OCCUPANT INJURY", BioRecord::OccupantInjury, 1 + D::kInjComments},
    {"INSTRUMENTATION", BioRecord::Instrumentation, 1 + D::kInstManufacturer},
    {"CHEST BAND", BioRecord::ChestBand, 1 + D::kCbComments},
    {"CHEST BAND GAUGE", BioRecord::ChestBandGauge, D::kGaugeComments},
};

TEST(BioRecordAccess, EveryKindStoresWhereTheDataObjectKeepsIt) {
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        D data;
        auto access = BioAccess(data, kind.record);
        EXPECT_EQ(&access->Rules(), &D::Rules(kind.record));
        const bool repeated = D::IsRepeated(kind.record);
        EXPECT_EQ(access->Count(), repeated ? 0 : 1);
        if (repeated) {
            // Nothing held yet: nowhere to store.
            access->Set(1, kind.textField, "lost");
            EXPECT_EQ(access->Get(1, kind.textField), "");
            EXPECT_EQ(access->Add(), 1);
            EXPECT_EQ(access->Add(), 2);
        }
        access->Set(1, kind.textField, "first");
        EXPECT_EQ(access->Get(1, kind.textField), "first");
        EXPECT_EQ(data.Field(kind.record, 1, static_cast<int>(kind.textField)), "first");
        // A field past the kind's rules and a record past the count are no-ops.
        access->Set(1, access->Rules().fields.size(), "x");
        EXPECT_EQ(access->Get(access->Count() + 1, kind.textField), "");
        if (!repeated) {
            EXPECT_EQ(access->Add(), 1);
            access->Delete(1);
            EXPECT_EQ(access->Get(1, kind.textField), "first");
            continue;
        }
        access->Copy(1, 2);
        EXPECT_EQ(access->Get(2, kind.textField), "first");
        access->Set(2, kind.textField, "second");
        access->Delete(1);
        EXPECT_EQ(access->Count(), 1);
        EXPECT_EQ(access->Get(1, kind.textField), "second");
    }
}

TEST(BioRecordAccess, RecordNumbersArePlacesNotTyped) {
    for (const Kind& kind : kKinds) {
        if (!D::IsNumbered(kind.record)) continue;
        SCOPED_TRACE(kind.name);
        D data;
        auto access = BioAccess(data, kind.record);
        access->Add();
        access->Add();
        access->Add();
        access->Set(3, 0, "9");
        EXPECT_EQ(access->Get(3, 0), "3");
        access->Delete(1);
        EXPECT_EQ(access->Get(1, 0), "1");
        EXPECT_EQ(access->Get(2, 0), "2");
    }
    // A gauge is keyed by its chest band and gauge numbers, both typed.
    D data;
    auto gauges = BioAccess(data, BioRecord::ChestBandGauge);
    gauges->Add();
    gauges->Set(1, D::kGaugeChestBand, "4");
    EXPECT_EQ(data.gauge_.Value(1, D::kGaugeChestBand), "4");
}

TEST(BioRecordAccess, CurvesCarryTheirDefaultsAndTheTotalFollowsThem) {
    D data;
    auto curves = BioAccess(data, BioRecord::Instrumentation);
    auto test = BioAccess(data, BioRecord::Test);
    curves->Add();
    curves->Add();
    EXPECT_EQ(curves->Get(2, 1 + D::kInstXUnits), "SEC");
    EXPECT_EQ(curves->Get(2, 1 + D::kInstDataStatus), "AM");
    EXPECT_EQ(curves->Get(2, 1 + D::kInstChannelStatus), "P");
    EXPECT_EQ(test->Get(1, D::kTotalCurves), "2");
    curves->Delete(1);
    EXPECT_EQ(data.totalCurves_, 1);
    EXPECT_EQ(test->Get(1, D::kTotalCurves), "1");
}

TEST(BioRecordAccess, TestReferenceIsTheVideoDataOne) {
    D data;
    BioAccess(data, BioRecord::Test)->Set(1, D::kReferenceNumber, "REF-7");
    EXPECT_EQ(data.testReferenceNumber_, "REF-7");
    EXPECT_EQ(BioAccess(data, BioRecord::Test)->Get(1, D::kVersion), "B5");
}

}  // namespace
}  // namespace vantor
