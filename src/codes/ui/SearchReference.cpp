#include "codes/ui/SearchReference.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/TextUtil.h"
#include "widgets/CListCtrlEx.h"
#include "widgets/QtMessages.h"

namespace vantor {

SearchReference::SearchReference(QWidget* parent, std::string testConfiguration,
                                 std::vector<Vehicle> vehicles, int mode)
    : QDialog(parent) {
    setWindowTitle("VEHNO Selection");
    setSizeGripEnabled(true);
    chosen_ = new QLineEdit;
    chosen_->setReadOnly(true);  // shows the choice; the list makes it
    chosen_->setFixedWidth(100);
    ok_ = new QPushButton("OK");
    ok_->setDefault(true);
    cancel_ = new QPushButton("Cancel");
    cancel_->setAutoDefault(false);
    clear_ = new QPushButton("Clear Entry");
    clear_->setAutoDefault(false);
    list_ = new CListCtrlEx;
    list_->SetHighlightMode(2);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel("VEHNO:"));
    top->addWidget(chosen_);
    top->addStretch(1);
    top->addWidget(ok_);
    top->addWidget(cancel_);
    top->addWidget(clear_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(list_, 1);
    resize(700, 260);

    list_->InsertColumn(-1, "VEHNO", 60);
    list_->InsertColumn(-1, "Maker", 60);
    list_->InsertColumn(-1, "Model", 60);
    list_->InsertColumn(-1, "Year", 60);
    list_->InsertColumn(-1, mode == kComponentTest ? "KORVA No." : "KORVA No", 90);
    list_->InsertColumn(-1, "Comment", 260);

    auto vehicle = [&vehicles](size_t n) { return n < vehicles.size() ? vehicles[n] : Vehicle{}; };
    if (mode == kComponentTest) {
        AddRow("0", vehicle(0));
        AddRow("1", vehicle(1));
    } else if (VehicleCountForConfig(TrimmedBlanks(testConfiguration)) == 2) {
        AddRow("1", vehicle(1));
        AddRow("2", vehicle(2));
    } else {
        AddRow("0", {"", "", "", "", "Neither a vehicle nor an impactor; e.g., a barrier."});
        AddRow("1", vehicle(1));
    }

    connect(list_, &QTableWidget::itemSelectionChanged, this, &SearchReference::OnSelectionChanged);
    connect(list_, &QTableWidget::cellDoubleClicked, this, [this](int, int) {
        OnSelectionChanged();
        OnOK();
    });
    connect(ok_, &QPushButton::clicked, this, &SearchReference::OnOK);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(clear_, &QPushButton::clicked, this, &SearchReference::OnClearEntry);
}

void SearchReference::AddRow(const QString& vehno, const Vehicle& vehicle) {
    int row = list_->InsertRow(-1, vehno);
    const std::string* cells[] = {&vehicle.maker, &vehicle.model, &vehicle.year,
                                  &vehicle.korvaNumber, &vehicle.comment};
    for (int c = 0; c < 5; ++c)
        list_->SetCellText(row, c + 1, QtMessages::FromBytes(*cells[c]));
    if (QTableWidgetItem* year = list_->item(row, 3)) year->setTextAlignment(Qt::AlignCenter);
}

void SearchReference::OnSelectionChanged() {
    auto selected = list_->selectionModel()->selectedRows();
    if (selected.isEmpty()) return;
    vehno_ = list_->CellText(selected.first().row(), 0).trimmed().toStdString();
    chosen_->setText(QString::fromStdString(vehno_));
}

void SearchReference::OnOK() {
    auto selected = list_->selectionModel()->selectedRows();
    if (selected.isEmpty()) {
        reject();
        return;
    }
    vehno_ = list_->CellText(selected.first().row(), 0).trimmed().toStdString();
    done(QDialog::Accepted);
}

void SearchReference::OnClearEntry() {
    vehno_.clear();
    chosen_->clear();
    done(QDialog::Accepted);
}

}  // namespace vantor
