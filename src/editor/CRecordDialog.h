#pragma once
// A modal dialog that edits some fields of one record: the rows in a grid
// (two columns of rows when there are many), OK and Cancel. The record's
// values are shown when the dialog opens and handed back only on OK; Cancel
// leaves the record as it was. OK keeps the dialog open while a field holds
// a value its rule refuses, with that field focused.
#include <QDialog>
#include <memory>
#include <span>
#include <vector>

#include "core/RecordAccess.h"
#include "editor/PageFields.h"

class QPushButton;

namespace vantor {

class CNEdit;

class CRecordDialog : public QDialog {
    Q_OBJECT

  public:
    // More rows than this are laid out in two columns.
    static constexpr size_t kRowsInOneColumn = 10;

    CRecordDialog(const QString& title, std::unique_ptr<RecordAccess> records, int record,
                  std::span<const PageFields::Row> rows, QWidget* parent = nullptr);
    ~CRecordDialog() override;

    PageFields* Fields() const { return fields_; }
    CNEdit* Field(size_t field) const;
    int Record() const { return record_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

    // Shows the record's values (done again each time the dialog opens).
    void Load();
    // Hands every field to the record; false (nothing stored, the first
    // refused field focused) while a field is invalid.
    bool Store();

    void accept() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    bool Held() const { return record_ >= 1 && record_ <= records_->Count(); }

    std::unique_ptr<RecordAccess> records_;
    int record_;
    std::vector<size_t> shown_;  // rule fields, in the order of the rows
    PageFields* fields_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace vantor
