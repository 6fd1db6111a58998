#include "vehicle/ui/CVehnoSelection.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "vehicle/CVehData.h"
#include "vehicle/VehRecordAccess.h"
#include "widgets/CListCtrlEx.h"
#include "widgets/QtMessages.h"

namespace vantor {

namespace {

// The columns after "VEHNO": the vehicle fields they show.
constexpr VehicleField kColumns[] = {kVehMake, kVehModel, kVehModelYear, kVehKorvaNumber};
constexpr const char* kHeadings[] = {"VEHNO", "Maker", "Model", "Year", "KORVA No"};

}  // namespace

CVehnoSelection::CVehnoSelection(CVehData& data, QWidget* parent) : QDialog(parent) {
    setWindowTitle("Vehicle Number Selection");
    list_ = new CListCtrlEx(this);
    list_->SetHighlightMode(2);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (const char* heading : kHeadings)
        list_->InsertColumn(-1, heading, 90);

    const auto vehicles = VehAccess(data, VehSection::Vehicle);
    const int count = std::clamp(data.VehicleCount, 1, CVehData::kMaxVehicles);
    for (int vehicle = 1; vehicle <= count; ++vehicle) {
        const int row = list_->InsertRow(-1, QString::number(vehicle));
        for (size_t c = 0; c < std::size(kColumns); ++c)
            list_->SetCellText(row, static_cast<int>(c) + 1,
                               QtMessages::FromBytes(vehicles->Get(vehicle, kColumns[c])));
    }
    list_->resizeColumnsToContents();

    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    cancel_ = buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
    ok_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CVehnoSelection::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CVehnoSelection::reject);
    connect(list_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        list_->selectRow(row);
        accept();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    resize(520, 200);
}

int CVehnoSelection::SelectedRow() const {
    const auto rows = list_->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void CVehnoSelection::accept() {
    const int row = SelectedRow();
    selected_ = row < 0 ? 0 : list_->CellText(row, 0).toInt();
    QDialog::accept();
}

void CVehnoSelection::reject() {
    selected_ = 0;
    QDialog::reject();
}

}  // namespace vantor
