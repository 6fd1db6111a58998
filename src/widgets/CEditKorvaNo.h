#pragma once
// "Edit KORVA No.": builds a test vehicle's KORVA number from four drop-downs
// (office, model year, manufacturer, test order) or takes it typed, and lets
// it out with OK only when it is complete and well formed.
#include <QDialog>
#include <string>
#include <string_view>

class QComboBox;
class QLabel;
class QPushButton;

namespace vantor {

class CNEdit;

class CEditKorvaNo : public QDialog {
    Q_OBJECT

  public:
    // number: the field's current number (may be empty); defaultYear: the
    // test's model year, offered when there is no number yet.
    explicit CEditKorvaNo(std::string_view number, std::string_view defaultYear = {},
                          QWidget* parent = nullptr);

    // The number to write back into the field after OK.
    std::string Number() const;

    QComboBox* OfficeBox() const { return office_; }
    QComboBox* YearBox() const { return year_; }
    QComboBox* ManufacturerBox() const { return manufacturer_; }
    QComboBox* TestOrderBox() const { return testOrder_; }
    CNEdit* NumberEdit() const { return number_; }
    QLabel* NumberLabel() const { return numberLabel_; }
    QPushButton* OkButton() const { return ok_; }

    void accept() override;

  private:
    void Compose();
    void CheckNumber();

    QComboBox* office_;
    QComboBox* year_;
    QComboBox* manufacturer_;
    QComboBox* testOrder_;
    CNEdit* number_;
    QLabel* numberLabel_;
    QPushButton* ok_;
    QPushButton* fresh_;
};

}  // namespace vantor
