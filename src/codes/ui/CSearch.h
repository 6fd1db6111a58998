#pragma once
// The code search window: lists the codes a coded field may take (or a few
// dependent choices, or the component and configuration numbers of the open
// test), finds one by its first letters as the user types, and hands the
// chosen code back to the page. It never changes the test itself.
#include <QDialog>
#include <array>
#include <string>
#include <vector>

#include "codes/CodeLists.h"

class QLineEdit;
class QPushButton;

namespace vantor {

class CListCtrlEx;

class CSearch : public QDialog {
    Q_OBJECT

  public:
    enum class Mode {
        None,                // nothing to list (an unknown list mode word)
        Standard,            // a code table for a reference word
        ChannelType,         // channel types with their ISO designation and unit
        Allowed,             // a code table restricted to the caller's codes
        Attachment,          // sensor attachments that go with a unit
        YUnits,              // the metric units of a sensor attachment
        SensorLocation,      // the sensor locations of an attachment and unit
        ListComponents,      // vehicle, component and component code of the test
        ListConfigurations,  // vehicle, component and configuration of the test
    };

    // Code-table form: the codes of KORVADB_<codeName> for the reference
    // word, or the rows of the caller's statement. The code names
    // "BIO_YUNITS" and "BIO_SENLOC" choose the two sensor look-ups; their
    // reference slot holds the sensor attachment or the condition.
    CSearch(QWidget* parent, std::string codeName, std::string reference,
            std::string customSql = {}, bool attachmentMode = false);
    // List form: "ListCompCompData" or "ListCompInstConfData" with the test's
    // four parallel columns.
    CSearch(QWidget* parent, std::string modeWord, std::vector<std::string> vehicles,
            std::vector<std::string> components, std::vector<std::string> third,
            std::vector<std::string> comments);
    // Allowed-code form: the code table restricted to the allowed codes.
    CSearch(QWidget* parent, std::string codeName, std::string reference,
            std::vector<std::string> allowed);
    ~CSearch() override;

    // Test-type word (FCW, LDW, DRO, SSR pick their own sensor locations).
    void SetTestType(std::string word) { testType_ = std::move(word); }
    // Columns of the attachment mode, as the caller's statement names them.
    void SetFieldNames(std::string f1, std::string f2, std::string f3, std::string f4);

    // Chooses the mode and fills the list; the window does it once when it
    // opens. Tells the user when there is nothing to list.
    void Populate();
    // Shows the window modally (filled when it opens).
    int exec() override;

    // Results, valid after OK.
    std::string GetSelectedCode() const { return code_; }
    std::string GetSelectedDescription() const { return results_[0]; }
    std::string GetSelectedUnits() const { return results_[3]; }
    // Column n (2 to 5) of the chosen row, after the mode's own rules.
    std::string SelectedColumn(int n) const;
    int SelectedRow() const { return selectedRow_; }
    const std::vector<std::string>& SelectedCells() const { return selectedCells_; }

    Mode GetMode() const { return mode_; }
    // The attachment mode closes at once when nothing goes with the unit.
    bool ClosesAtOnce() const { return closeAtOnce_; }
    // The rows as listed (bytes as read).
    const CodeListRows& Rows() const { return rows_; }

    QLineEdit* QuickSearchField() const { return quickSearch_; }
    CListCtrlEx* List() const { return list_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }
    QPushButton* ClearEntryButton() const { return clear_; }

    void OnQuickSearchChanged(const QString& text);
    void OnRowClicked(int row);
    void OnRowDoubleClicked(int row);
    void OnOK();
    void OnClearEntry();
    void accept() override { OnOK(); }

  private:
    enum class Form { CodeTable, List };
    void BuildWindow();
    void SetColumns(std::initializer_list<std::pair<const char*, int>> columns);
    void ShowRows(const std::vector<int>& centred = {});
    void FillStandard();
    void FillChannelType();
    void FillAllowed();
    void FillAttachment();
    void FillYUnits();
    void FillSensorLocation();
    void FillList(Mode mode);
    // The column a click copies into the selected code.
    int CodeColumn() const;
    void SelectRow(int row);
    int CurrentRow() const;

    Form form_;
    std::string codeName_;
    std::string reference_;
    std::string customSql_;
    std::string modeWord_;
    std::string testType_;
    std::vector<std::string> allowed_;
    std::array<std::string, 4> fieldNames_{"SENATT", "SENLOC", "SENATTD", "SENATT_COMMENT"};
    bool attachmentMode_ = false;
    bool populated_ = false;
    bool dataLoaded_ = false;
    bool suppressQuickSearch_ = false;
    bool closeAtOnce_ = false;
    std::array<std::vector<std::string>, 4> lists_;  // the list form's columns
    std::vector<std::string> sensorLocations_;       // Y units: per row
    Mode mode_ = Mode::None;

    CodeListRows rows_;
    std::string code_;
    std::array<std::string, 4> results_;  // columns 2 to 5
    int selectedRow_ = -1;
    std::vector<std::string> selectedCells_;
    QString previousQuickSearch_;

    QLineEdit* quickSearch_ = nullptr;
    CListCtrlEx* list_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* clear_ = nullptr;
};

}  // namespace vantor
