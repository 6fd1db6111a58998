#pragma once
// What several vehicle pages share: the navigator texts of a repeated record
// kind, the vehicle-number range that follows the test's vehicle count, and a
// line of buttons that open the measurement dialogs of the record shown.
#include <QString>
#include <initializer_list>
#include <utility>
#include <vector>

#include "editor/PageFields.h"
#include "editor/RecordNavigator.h"

class QPushButton;
class QWidget;

namespace vantor {

class CVehData;
struct FieldRule;

// The navigator of a repeated vehicle record kind; "x", ">" and the retain box
// read as on every vehicle page.
RecordNavigator::Texts VehNavigatorTexts(const QString& title, const QString& nextTip,
                                         const QString& deleteTip, const QString& record);

// Applies a rule that depends on the test (vehicle-number range, first-point
// range) to a shown field and checks its value again.
void ApplyFieldRule(PageFields* fields, size_t field, const FieldRule& rule);

// A vehicle number of an occupant, restraint, curve or intrusion point:
// 0 to 1 on a one-vehicle test, 1 to 2 on a two-vehicle test.
void LimitVehicleNumber(PageFields* fields, size_t field, int vehicleCount);

// A button of the page's own right after a field (the KORVA number's "Edit",
// a vehicle number's "Search...").
QPushButton* AddButtonBeside(QWidget* page, PageFields* fields, size_t field, const QString& text);

// The "Search..." beside a vehicle number: the test's vehicles to pick from;
// the one picked goes into the field.
void ChooseVehicle(QWidget* page, CVehData& data, PageFields* fields, size_t field);

// A row of buttons (text, tool tip) for the page's wide line; the buttons are
// returned in the order given.
QWidget* ButtonRow(QWidget* page, std::initializer_list<std::pair<QString, QString>> buttons,
                   std::vector<QPushButton*>& out);

}  // namespace vantor
