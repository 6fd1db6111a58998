#include "component/ui/CCompVehPage.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "codes/CodeStatements.h"
#include "codes/ui/CSearch.h"
#include "component/CCompData.h"
#include "component/CompFieldRules.h"
#include "component/ui/CRolloverVehicle.h"
#include "core/KorvaNumber.h"
#include "core/Messages.h"
#include "core/TextUtil.h"
#include "widgets/CEditKorvaNo.h"
#include "widgets/CNEdit.h"
#include "widgets/QtMessages.h"

namespace vantor {

namespace {

using P = CCompVehPage;

// The rollover vehicle fields stand beside the plain ones.
constexpr PageFields::Row kRows[] = {
    {P::kNumber},      {.field = P::kVimf, .beside = true},
    {P::kMake},        {.field = P::kLoad, .beside = true},
    {P::kModel},       {.field = P::kEngine, .beside = true},
    {P::kModelYear},   {.field = P::kDisplacement, .beside = true},
    {P::kKorva},       {.field = P::kTransmission, .beside = true},
    {P::kBody},        {.field = P::kFuel, .beside = true},
    {P::kVin},         {.field = P::kEquipment, .beside = true},
    {P::kCrashTested}, {P::kComments, {}, true},
};

constexpr size_t kRolloverFields[] = {P::kVimf,         P::kLoad, P::kEngine,   P::kDisplacement,
                                      P::kTransmission, P::kFuel, P::kEquipment};

// The ROLLOVER values a rollover test shows on this page, three to a line.
constexpr int kSummary[] = {52, 53, 54, 55, 2, 5, 29, 30, 17, 21, 20, 24, 6, 31};
constexpr int kSummaryPerLine = 3;

constexpr std::string_view kElectric = "ELEC";
const QColor kNoDisplacementBack(0xC0, 0xC0, 0xC0);

}  // namespace

CCompVehPage::CCompVehPage(CCompData* data, QWidget* parent)
    : CRecordPage("Vehicle Info", parent), data_(data) {
    PageFields* fields = AddRecord(data->VehicleAccess(), kRows);

    // The number is set with the spin button only.
    Field(kNumber)->setReadOnly(true);
    auto* spin = new QWidget(this);
    auto* arrows = new QVBoxLayout(spin);
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    spinUp_ = new QToolButton(spin);
    spinUp_->setArrowType(Qt::UpArrow);
    spinDown_ = new QToolButton(spin);
    spinDown_->setArrowType(Qt::DownArrow);
    for (QToolButton* arrow : {spinUp_, spinDown_}) {
        arrow->setFixedSize(18, Field(kNumber)->sizeHint().height() / 2);
        arrows->addWidget(arrow);
    }
    fields->AddBeside(kNumber, spin);
    connect(spinUp_, &QToolButton::clicked, this, &CCompVehPage::OnSpinUp);
    connect(spinDown_, &QToolButton::clicked, this, &CCompVehPage::OnSpinDown);

    editKorva_ = new QPushButton("EDIT", this);
    editKorva_->setAutoDefault(false);
    fields->AddBeside(kKorva, editKorva_);
    connect(editKorva_, &QPushButton::clicked, this, &CCompVehPage::OnEditKorva);

    fields->SetSearchHandler(kModel, [fields] {
        fields->SearchModelOfMake(kMake, kModel, kComponentRef, ComponentModelsStatement);
    });
    connect(fields, &PageFields::FieldChanged, this, [this](size_t field) {
        if (field == kKorva) CheckKorva();
    });
    connect(fields, &PageFields::CodeChosen, this, [this](size_t field) {
        if (field == kEngine) ApplyEngine(true);
    });

    moreInfo_ = new QPushButton("More Info", this);
    moreInfo_->setAutoDefault(false);
    moreInfo_->setFixedWidth(moreInfo_->sizeHint().width());
    connect(moreInfo_, &QPushButton::clicked, this, &CCompVehPage::OnMoreInfo);
    AddWideWidget(moreInfo_);

    summary_ = new QWidget(this);
    auto* grid = new QGridLayout(summary_);
    grid->setContentsMargins(0, 8, 0, 0);
    grid->setVerticalSpacing(4);
    const auto rollover = RolloverFields();
    for (size_t i = 0; i < std::size(kSummary); ++i) {
        const int position = kSummary[i];
        const int line = static_cast<int>(i) / kSummaryPerLine;
        const int column = static_cast<int>(i) % kSummaryPerLine * 2;
        auto* label = new QLabel(
            QtMessages::FromBytes(rollover[static_cast<size_t>(position)].rule.screenLabel),
            summary_);
        label->setWordWrap(true);
        auto* value = new QLineEdit(summary_);
        value->setReadOnly(true);
        value->setFocusPolicy(Qt::NoFocus);
        value->setFixedWidth(90);
        grid->addWidget(label, line, column);
        grid->addWidget(value, line, column + 1);
        grid->setColumnStretch(column, 1);
        summaryValues_.emplace_back(position, value);
    }
    AddWideWidget(summary_);
}

QLineEdit* CCompVehPage::SummaryValue(int position) const {
    for (const auto& [p, value] : summaryValues_)
        if (p == position) return value;
    return nullptr;
}

void CCompVehPage::Refresh() {
    CRecordPage::Refresh();
    ApplyRolloverState();
    CheckKorva();
}

void CCompVehPage::ApplyRolloverState() {
    const bool rollover = data_->IsRollover();
    for (size_t field : kRolloverFields)
        Fields()->SetFieldEnabled(field, rollover);
    summary_->setVisible(rollover);
    moreInfo_->setEnabled(rollover);
    // A rollover test is of the test vehicle itself.
    spinUp_->setEnabled(!rollover);
    spinDown_->setEnabled(!rollover);
    if (rollover) {
        ApplyEngine(false);
        ShowSummary();
    }
}

void CCompVehPage::ApplyEngine(bool focus) {
    if (!data_->IsRollover()) return;
    CNEdit* displacement = Field(kDisplacement);
    if (TrimWhite(Fields()->Value(kEngine)) == kElectric) {
        Fields()->SetFieldEnabled(kDisplacement, false);
        displacement->SetText("");
        QPalette colors = displacement->palette();
        colors.setColor(QPalette::Disabled, QPalette::Base, kNoDisplacementBack);
        displacement->setPalette(colors);
        return;
    }
    Fields()->SetFieldEnabled(kDisplacement, true);
    displacement->SetText(displacement->GetText());
    if (focus) displacement->setFocus();
}

void CCompVehPage::ShowSummary() {
    const auto rollover = RolloverFields();
    for (const auto& [position, value] : summaryValues_)
        value->setText(QString::fromStdString(
            RolloverValueText(data_->rollover_, rollover[static_cast<size_t>(position)])));
}

void CCompVehPage::CheckKorva() {
    // An empty number is allowed; a typed one must be well formed.
    CNEdit* korva = Field(kKorva);
    const std::string number = TrimWhite(korva->GetText());
    if (!number.empty() && korva->IsValid() && !IsValidKorvaNumber(number)) korva->SetValid(false);
}

void CCompVehPage::OnSpinUp() {
    if (data_->vehicleCount_ != 0) return;
    PushToData();
    data_->vehicleCount_ = 1;
    Refresh();
}

void CCompVehPage::OnSpinDown() {
    if (data_->vehicleCount_ != 1) return;
    PushToData();
    data_->vehicleCount_ = 0;
    Refresh();
}

void CCompVehPage::OnEditKorva() {
    const std::string current = TrimWhite(Fields()->Value(kKorva));
    CEditKorvaNo dialog(IsValidKorvaNumber(current) ? current : std::string(),
                        Fields()->Value(kModelYear), this);
    if (dialog.exec() != QDialog::Accepted) return;
    Field(kKorva)->SetText(dialog.Number());
}

void CCompVehPage::OnMoreInfo() {
    // The dialog edits the data's block: the page's own fields go first.
    PushToData();
    CRolloverVehicle dialog(data_->rollover_, this);
    if (dialog.exec() == QDialog::Accepted) Refresh();
}

}  // namespace vantor
