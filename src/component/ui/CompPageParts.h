#pragma once
// What the component pages share: the navigator of a repeated-record page
// (the three pages differ only in their words) and the look-up of the
// vehicle, component and configuration numbers the test already holds, so
// that a configuration or a curve names a component and configuration that
// exist.
#include <QString>
#include <initializer_list>
#include <string>
#include <vector>

#include "editor/RecordNavigator.h"

namespace vantor {

class PageFields;
class RecordTable;

// `page` is the page's class name, which the message of a failed store
// names.
RecordNavigator::Texts CompNavigatorTexts(const QString& title, const QString& nextTip,
                                          const QString& deleteTip, const std::string& page);

// A "Search..." button beside each of `fields` (the vehicle, component and,
// where listed, configuration number of the page's record). A click lists
// the rows of `table` (its `columns`: vehicle, component, third column,
// comment) in the list mode `modeWord`; the chosen row's first values go
// into `fields` in order. Clear Entry empties the field whose button was
// pressed.
// The object name of the look-up button beside `field`.
QString NumberLookUpName(size_t field);

void AddNumberLookUp(QWidget* page, PageFields* fields, std::vector<size_t> numberFields,
                     const RecordTable& table, std::vector<size_t> columns,
                     const std::string& modeWord);

}  // namespace vantor
