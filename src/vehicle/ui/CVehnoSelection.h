#pragma once
// "Vehicle Number Selection": picks vehicle 1 or 2 of the test from a list
// of its vehicles (only those the test has), with make, model, model year
// and KORVA number. A double click picks the vehicle at once.
#include <QDialog>

class QPushButton;

namespace vantor {

class CListCtrlEx;
class CVehData;

class CVehnoSelection : public QDialog {
    Q_OBJECT

  public:
    CVehnoSelection(CVehData& data, QWidget* parent = nullptr);

    // The vehicle picked with OK or a double click: 1 or 2, 0 when none.
    int SelectedVehicle() const { return selected_; }

    CListCtrlEx* List() const { return list_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

    void accept() override;
    void reject() override;

  private:
    int SelectedRow() const;

    int selected_ = 0;
    CListCtrlEx* list_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace vantor
