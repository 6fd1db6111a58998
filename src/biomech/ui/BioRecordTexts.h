#pragma once
// The navigator texts of the biomechanics repeated-record pages: their own
// tooltips, the store-failure message naming the page's class, and the
// buttons ignored while Enter is held.
#include <string_view>

#include "editor/RecordNavigator.h"

namespace vantor {

RecordNavigator::Texts BioRecordTexts(std::string_view pageClass, const QString& title,
                                      const QString& nextTip, const QString& deleteTip);

}  // namespace vantor
