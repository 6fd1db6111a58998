#pragma once
// Moving between the records of a repeated-record page (curves, cameras,
// vehicles): the record numbers as a list or a drop-down, "<" (when asked
// for) to go back a record, ">" to go to the next record or add one past the
// last, "x" to delete the shown record, and a check box ("Retain the Last
// Record for the New") to start a new record as a copy of the one before. The
// page
// supplies the record operations; the navigator keeps the count and the
// current record (0 when there is none).
#include <QGroupBox>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace vantor {

class RecordNavigator : public QGroupBox {
    Q_OBJECT

  public:
    class Client {
      public:
        virtual ~Client() = default;
        // Copies the controls into record r; false when there is nowhere to.
        virtual bool PushRecord(int r) = 0;
        // Fills the controls from record r, or empties them for 0.
        virtual void ShowRecord(int r) = 0;
        // Makes record r a new record: a copy of record `copyOf`, or the
        // defaults when copyOf is 0.
        virtual void InitRecord(int r, int copyOf) = 0;
        // Removes record r; the later ones move up one number.
        virtual void RemoveRecord(int r) = 0;
    };

    enum class Style { List, DropDown };

    struct Texts {
        QString title;           // the group's caption
        QString nextTip;         // tooltip of ">"
        QString deleteTip;       // tooltip of "x"
        QString deleteText;      // text beside "x" (may be empty)
        QString listTip;         // tooltip of the list
        QString retainTip;       // tooltip of the check box
        std::string pushFailed;  // message when ">" cannot keep the shown record
        Style style = Style::List;
        bool previous = false;  // offers "<"
        QString previousTip;    // tooltip of "<"
        QString deleteButton = "x";
        QString retainText = "Retain the Last Record for the New";
        QString totalText;  // shown before the record count; no count when empty
        // The buttons do nothing while the Enter key is held down, so that a
        // held key cannot add or delete records one after another.
        bool enterGuard = false;
    };

    RecordNavigator(Client& client, const Texts& texts, QWidget* parent = nullptr);

    int Count() const { return count_; }
    int Current() const { return current_; }
    // A new record count (after a load or a clear); the first record, if any,
    // becomes the current one.
    void Reset(int count);
    // A new record count that keeps the current record where it still exists.
    void SetCount(int count);
    // Brings record r (clamped to the records there are) to the front without
    // keeping the shown one; Refresh shows it.
    void SetCurrent(int r);
    // Rebuilds the list and shows the current record.
    void Refresh();
    // Keeps the shown record in the data (when there is one).
    bool PushCurrent();

    // Whether the Enter key is down now (as the application saw it).
    static bool EnterHeld();

    void OnPrevious();
    void OnNext();
    void OnDelete();
    void OnListSelected(int row);

    QListWidget* List() const { return list_; }                // null for a drop-down
    QComboBox* Selector() const { return selector_; }          // null for a list
    QPushButton* PreviousButton() const { return previous_; }  // null without "<"
    QLabel* TotalLabel() const { return total_; }              // null without a count
    QPushButton* NextButton() const { return next_; }
    QPushButton* DeleteButton() const { return delete_; }
    QCheckBox* RetainBox() const { return retain_; }

  signals:
    // The record count changed (a record was added or deleted).
    void CountChanged(int count);
    // A record (or none) is now shown.
    void RecordShown(int current);

  private:
    void RebuildList();
    // A click of a button, unless the Enter key stops it.
    void Click(void (RecordNavigator::*action)());

    Client& client_;
    std::string pushFailed_;
    int count_ = 0;
    int current_ = 0;
    bool rebuilding_ = false;
    QListWidget* list_ = nullptr;
    QComboBox* selector_ = nullptr;
    QPushButton* previous_ = nullptr;
    QLabel* total_ = nullptr;
    QString totalText_;
    bool enterGuard_ = false;
    QPushButton* next_;
    QPushButton* delete_;
    QCheckBox* retain_;
};

}  // namespace vantor
