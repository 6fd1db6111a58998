#include "video/ui/CHsvdPage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "widgets/CNEdit.h"
#include "core/TextUtil.h"
#include "editor/PageFields.h"
#include "video/CHighSpeedVideoData.h"
#include "video/HsvdFieldRules.h"

namespace vantor {

namespace {

// The camera rules in ".hs5" order.
enum CameraRule : size_t { kNumber, kTestReference, kScale, kView, kCommentary };

// Camera table column of a camera rule (the test reference is not kept per
// camera).
size_t ColumnOf(size_t rule) {
    switch (rule) {
        case kNumber:
            return CHighSpeedVideoData::kCameraNumber;
        case kScale:
            return CHighSpeedVideoData::kScaleFactor;
        case kView:
            return CHighSpeedVideoData::kViewDescription;
        default:
            return CHighSpeedVideoData::kCommentary;
    }
}

constexpr size_t kCameraFields[] = {kNumber, kScale, kView, kCommentary};

}  // namespace

CHsvdPage::CHsvdPage(CHighSpeedVideoData* data, QWidget* parent) : CDataPage(parent), data_(data) {
    fields_ = new PageFields(this, CameraRules());
    const PageFields::Row rows[] = {
        {kTestReference, "Test Reference Number:"},
        {kScale, "Video Frame Number Scale Factor:"},
        {kView, "View Description:", true},
        {kCommentary, "Camera Commentary:", true},
        {kNumber, "Camera Number:"},
    };
    QGridLayout* form = fields_->Build(rows);
    // The camera number follows the record's place; it is kept, not typed.
    fields_->Label(kNumber)->hide();
    fields_->Edit(kNumber)->hide();

    RecordNavigator::Texts texts;
    texts.title = "Camera Number";
    texts.listTip = "Camera number list";
    texts.nextTip = "Move to the next camera";
    texts.deleteTip = "Delete the current record";
    texts.retainTip = "Retain data for the record of next number";
    texts.pushFailed = "Error: the shown camera could not be kept.";
    navigator_ = new RecordNavigator(*this, texts);

    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addLayout(form);
    left->addStretch(1);
    columns->addLayout(left, 1);
    columns->addWidget(navigator_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);

    connect(fields_, &PageFields::FieldChanged, this, &CDataPage::ValidityChanged);
    connect(navigator_, &RecordNavigator::RecordShown, this, &CDataPage::ValidityChanged);
    ShowRecord(0);
}

CNEdit* CHsvdPage::Field(size_t cameraRule) const {
    return fields_->Edit(cameraRule);
}

bool CHsvdPage::PushRecord(int r) {
    if (!data_ || r < 1) return false;
    if (r > data_->m_cameras.Count()) data_->m_cameras.SetCount(r);
    for (size_t rule : kCameraFields)
        data_->m_cameras.At(r, ColumnOf(rule)) = fields_->Value(rule);
    return true;
}

void CHsvdPage::ShowRecord(int r) {
    const bool shown = data_ && r >= 1 && r <= data_->m_cameras.Count();
    for (size_t rule : kCameraFields) {
        fields_->SetValue(rule, shown ? data_->m_cameras.At(r, ColumnOf(rule)) : std::string());
        // Nothing to type into until a camera exists.
        if (rule != kNumber) fields_->SetFieldEnabled(rule, shown);
    }
}

void CHsvdPage::InitRecord(int r, int copyOf) {
    if (!data_) return;
    if (r > data_->m_cameras.Count()) data_->m_cameras.SetCount(r);
    if (copyOf >= 1 && copyOf <= data_->m_cameras.Count()) {
        data_->m_cameras.CopyRecord(copyOf, r);
    } else {
        for (size_t column = 0; column < data_->m_cameras.Columns(); ++column)
            data_->m_cameras.At(r, column).clear();
    }
    data_->m_cameras.At(r, CHighSpeedVideoData::kCameraNumber) = IntToText(r);
}

void CHsvdPage::RemoveRecord(int r) {
    if (!data_ || r < 1 || r > data_->m_cameras.Count()) return;
    data_->m_cameras.Delete(r);
    // Cameras are numbered by their place.
    data_->m_cameras.Renumber(CHighSpeedVideoData::kCameraNumber);
}

bool CHsvdPage::PushToData() {
    if (!IsCreated()) return true;
    if (!data_) return false;
    data_->m_testReferenceNumber = fields_->Value(kTestReference);
    return navigator_->PushCurrent();
}

void CHsvdPage::Refresh() {
    if (!data_) return;
    fields_->SetValue(kTestReference, data_->m_testReferenceNumber);
    // The cameras are the data's own records: the count follows them.
    navigator_->SetCount(data_->m_cameras.Count());
    navigator_->Refresh();
}

void CHsvdPage::ShowFirstCamera() {
    navigator_->Reset(data_ ? data_->m_cameras.Count() : 0);
    if (IsCreated()) Refresh();
}

void CHsvdPage::ResetControls() {
    ShowFirstCamera();
}

bool CHsvdPage::AllFieldsValid() const {
    return fields_->AllValid();
}

bool CHsvdPage::ValidateAllCameras() {
    if (!data_) return false;
    // The editor has handed every page to the data: the data decides, and the
    // test reference shown here may be older than the test page's.
    fields_->SetValue(kTestReference, data_->m_testReferenceNumber);
    const int shown = navigator_->Current();
    for (int r = 1; r <= data_->m_cameras.Count(); ++r) {
        ShowRecord(r);
        if (!AllFieldsValid()) {
            // Leave the failing camera in front.
            navigator_->SetCount(data_->m_cameras.Count());
            navigator_->SetCurrent(r);
            navigator_->Refresh();
            return false;
        }
    }
    ShowRecord(shown);
    return true;
}

}  // namespace vantor
