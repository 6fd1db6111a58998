#pragma once
// A page built from field-rule tables: the fields of one or more record kinds,
// each shown through its RecordAccess. Single records (TEST) are shown whole;
// one repeated record kind (curves, cameras) is shown a record at a time with
// the RecordNavigator beside the fields. A page of an editor is this class, a
// table of rows and the few rules of its own (hooks below).
#include <memory>
#include <span>
#include <vector>

#include "core/RecordAccess.h"
#include "editor/CDataPage.h"
#include "editor/PageFields.h"
#include "editor/RecordNavigator.h"

class QGridLayout;

namespace vantor {

class CNEdit;

class CRecordPage : public CDataPage, private RecordNavigator::Client {
    Q_OBJECT

  public:
    explicit CRecordPage(const QString& title, QWidget* parent = nullptr);
    ~CRecordPage() override;

    QString Title() const override { return title_; }
    bool PushToData() override;
    void Refresh() override;
    bool AllFieldsValid() const override;
    void ResetControls() override;

    // The fields of the single record kind added first (or of the repeated
    // one when the page has no other).
    PageFields* Fields() const;
    PageFields* RepeatedFields() const;
    // The records of the repeated kind (null on a page without one).
    RecordAccess* RepeatedRecords() const;
    // The edit field of a rule field of the first part that shows it.
    CNEdit* Field(size_t field) const;
    RecordNavigator* Navigator() const { return navigator_; }

    // Shows every repeated record in turn and checks it with the page's
    // fields; stops at the first that fails and leaves it in front. The
    // page's own entries must have been handed to the data first.
    bool ValidateAllRecords() override;
    void SetTextEncoding(TextEncoding encoding) override;

  protected:
    // Record 1 of `records`, shown whatever record the navigator shows.
    PageFields* AddRecord(std::unique_ptr<RecordAccess> records,
                          std::span<const PageFields::Row> rows);
    // The repeated record kind, one record at a time with the navigator.
    PageFields* AddRepeated(std::unique_ptr<RecordAccess> records,
                            std::span<const PageFields::Row> rows,
                            const RecordNavigator::Texts& texts);

    // A control of the page's own (a question answered by a check box) on a
    // line of its own below the rows added so far.
    void AddWideWidget(QWidget* widget);

    // The text of the search buttons of the parts added after it.
    void SetSearchText(const QString& text) { searchText_ = text; }

    // After the repeated fields show record r (0: none).
    virtual void OnRecordShown(int) {}
    // After the repeated fields were handed to record r.
    virtual void OnRecordPushed(int) {}
    // Whether a shown field goes back into its record now (a field greyed
    // by an answer of the page keeps what the record holds).
    virtual bool Pushes(size_t) const { return true; }
    // After the page handed its values to the data.
    virtual void OnPushed() {}

  private:
    struct Part {
        std::unique_ptr<RecordAccess> records;
        PageFields* fields = nullptr;
        std::vector<size_t> shown;  // rule fields on the page
        bool repeated = false;
    };
    Part& AddPart(std::unique_ptr<RecordAccess> records, std::span<const PageFields::Row> rows,
                  bool repeated);
    // `tellDates`: a stored date that is no date is told (when the page is
    // refreshed, not while records are walked).
    void ShowPart(Part& part, int record, bool tellDates = false);
    void PushPart(Part& part, int record);
    void OnDatePicked(Part& part, size_t field);
    Part* RepeatedPart() const;

    // RecordNavigator::Client
    bool PushRecord(int r) override;
    void ShowRecord(int r) override;
    void InitRecord(int r, int copyOf) override;
    void RemoveRecord(int r) override;

    QString title_;
    QString searchText_ = "Search...";
    std::vector<std::unique_ptr<Part>> parts_;
    RecordNavigator* navigator_ = nullptr;
    QGridLayout* form_ = nullptr;
    TextEncoding encoding_ = TextEncoding::Utf8;
};

}  // namespace vantor
