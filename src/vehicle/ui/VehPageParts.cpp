#include "vehicle/ui/VehPageParts.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "core/TextUtil.h"
#include "vehicle/VehTestRules.h"
#include "vehicle/ui/CVehnoSelection.h"
#include "widgets/CNEdit.h"

namespace vantor {

RecordNavigator::Texts VehNavigatorTexts(const QString& title, const QString& nextTip,
                                         const QString& deleteTip, const QString& record) {
    RecordNavigator::Texts texts;
    texts.title = title;
    texts.listTip = title;
    texts.nextTip = nextTip;
    texts.deleteTip = deleteTip;
    texts.retainTip = "A new " + record + " starts as a copy of the one shown";
    texts.pushFailed = "The " + record.toStdString() + " shown could not be kept.";
    return texts;
}

void ApplyFieldRule(PageFields* fields, size_t field, const FieldRule& rule) {
    CNEdit* edit = fields->Edit(field);
    if (!edit) return;
    const bool readOnly = edit->isReadOnly();
    edit->ApplyRule(rule);
    edit->setReadOnly(readOnly);
    edit->SetText(edit->GetText());
}

void LimitVehicleNumber(PageFields* fields, size_t field, int vehicleCount) {
    ApplyFieldRule(fields, field, VehicleNumberRule(fields->Rule(field), vehicleCount));
}

QPushButton* AddButtonBeside(QWidget* page, PageFields* fields, size_t field, const QString& text) {
    auto* button = new QPushButton(text, page);
    button->setAutoDefault(false);
    fields->AddBeside(field, button);
    return button;
}

void ChooseVehicle(QWidget* page, CVehData& data, PageFields* fields, size_t field) {
    CVehnoSelection selection(data, page);
    if (selection.exec() != QDialog::Accepted || selection.SelectedVehicle() < 1) return;
    fields->Edit(field)->SetText(IntToText(selection.SelectedVehicle()));
}

QWidget* ButtonRow(QWidget* page, std::initializer_list<std::pair<QString, QString>> buttons,
                   std::vector<QPushButton*>& out) {
    auto* row = new QWidget(page);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 4, 0, 0);
    for (const auto& [text, tip] : buttons) {
        auto* button = new QPushButton(text, row);
        button->setAutoDefault(false);
        if (!tip.isEmpty()) button->setToolTip(tip);
        layout->addWidget(button);
        out.push_back(button);
    }
    layout->addStretch(1);
    return row;
}

}  // namespace vantor
