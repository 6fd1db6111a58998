#include "editor/CDataPage.h"

namespace vantor {

void CDataPage::Activate() {
    if (!created_) {
        created_ = true;
        OnFirstShow();
    }
    Refresh();
}

void CDataPage::Deactivate() {
    if (created_) PushToData();
}

}  // namespace vantor
