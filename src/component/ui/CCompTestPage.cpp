#include "component/ui/CCompTestPage.h"

#include "component/CCompData.h"

namespace vantor {

namespace {

// TEST fields in file order.
enum TestField : size_t {
    kVersion,
    kTitle,
    kObjectives,
    kDate,
    kPerformer,
    kContract,
    kReference,
    kType,
    kTemperature,
    kTotalCurves,
    kComments,
};

constexpr PageFields::Row kRows[] = {
    {kVersion},
    {kTitle, {}, true},
    {kObjectives, {}, true},
    {kDate},
    {kPerformer},
    {kContract},
    {kReference},
    {kType},
    {kTemperature},
    {kTotalCurves},
    {kComments, {}, true, true},
};
static_assert(kTotalCurves == CCompData::kTestTotalCurves);

}  // namespace

CCompTestPage::CCompTestPage(CCompData* data, QWidget* parent)
    : CRecordPage("General Test Info", parent) {
    AddRecord(data->TestAccess(), kRows);
}

}  // namespace vantor
