#include "biomech/ui/BioRecordTexts.h"

namespace vantor {

RecordNavigator::Texts BioRecordTexts(std::string_view pageClass, const QString& title,
                                      const QString& nextTip, const QString& deleteTip) {
    RecordNavigator::Texts texts;
    texts.title = title;
    texts.nextTip = nextTip;
    texts.deleteTip = deleteTip;
    texts.listTip = "Record numbers";
    texts.retainTip = "A new record starts as a copy of the last one";
    texts.pushFailed = "Error: see " + std::string(pageClass) + "::OnNextcurveButton()";
    texts.enterGuard = true;
    return texts;
}

}  // namespace vantor
