#include "video/ui/CHsvdPage.h"

#include <QLabel>

#include "video/CHighSpeedVideoData.h"
#include "widgets/CNEdit.h"

namespace vantor {

namespace {

// The camera rules in ".hs5" order.
enum CameraRule : size_t { kNumber, kTestReference, kScale, kView, kCommentary };

constexpr PageFields::Row kTestRows[] = {
    {kTestReference, "Test Reference Number:"},
};
constexpr PageFields::Row kCameraRows[] = {
    {kScale, "Video Frame Number Scale Factor:"},
    {kView, "View Description:", true, true},
    {kCommentary, "Camera Commentary:", true, true},
    {kNumber, "Camera Number:"},
};

}  // namespace

CHsvdPage::CHsvdPage(CHighSpeedVideoData* data, QWidget* parent)
    : CRecordPage("High-Speed Digital Video Info", parent) {
    AddRecord(data->VideoTestAccess(), kTestRows);

    RecordNavigator::Texts texts;
    texts.title = "Camera Number";
    texts.listTip = "Camera number list";
    texts.nextTip = "Move to the next camera";
    texts.deleteTip = "Delete the current record";
    texts.retainTip = "Retain data for the record of next number";
    texts.pushFailed = "Error: the shown camera could not be kept.";
    PageFields* cameras = AddRepeated(data->CameraAccess(), kCameraRows, texts);
    // The camera number follows the record's place; it is kept, not typed.
    cameras->Label(kNumber)->hide();
    cameras->Edit(kNumber)->hide();
}

}  // namespace vantor
