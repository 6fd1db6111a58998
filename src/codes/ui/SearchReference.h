#pragma once
// "VEHNO Selection": picks a vehicle number of the open test. Vehicle tests
// offer their one or two vehicles (with a barrier, vehicle 0 stands for it);
// component tests offer vehicles 0 and 1.
#include <QDialog>
#include <string>
#include <vector>

class QLineEdit;
class QPushButton;

namespace vantor {

class CListCtrlEx;

class SearchReference : public QDialog {
    Q_OBJECT

  public:
    // What the list shows of one vehicle.
    struct Vehicle {
        std::string maker, model, year, korvaNumber, comment;
    };
    enum Mode { kVehicleTest = 0, kComponentTest = 1 };

    // vehicles is indexed by vehicle number (vehicle tests use 1 and 2,
    // component tests 0 and 1); a vehicle not given shows empty cells.
    SearchReference(QWidget* parent, std::string testConfiguration, std::vector<Vehicle> vehicles,
                    int mode);

    // The chosen vehicle number; empty after "Clear Entry".
    std::string GetVehicleNumber() const { return vehno_; }

    CListCtrlEx* List() const { return list_; }
    QLineEdit* ChosenField() const { return chosen_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }
    QPushButton* ClearEntryButton() const { return clear_; }

    void OnSelectionChanged();
    void OnOK();
    void OnClearEntry();
    void accept() override { OnOK(); }

  private:
    void AddRow(const QString& vehno, const Vehicle& vehicle);

    std::string vehno_;
    CListCtrlEx* list_ = nullptr;
    QLineEdit* chosen_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* clear_ = nullptr;
};

}  // namespace vantor
