#include "editor/CRecordPage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/TextUtil.h"
#include "widgets/CNEdit.h"

namespace vantor {

CRecordPage::CRecordPage(const QString& title, QWidget* parent) : CDataPage(parent), title_(title) {
    auto* columns = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    left->addLayout(form_ = new QGridLayout);
    // The rows stay at the top.
    left->addStretch(1);
    form_->setColumnStretch(1, 1);
    form_->setVerticalSpacing(4);
    columns->addLayout(left, 1);
}

CRecordPage::~CRecordPage() = default;

CRecordPage::Part& CRecordPage::AddPart(std::unique_ptr<RecordAccess> records,
                                        std::span<const PageFields::Row> rows, bool repeated) {
    auto part = std::make_unique<Part>();
    part->fields = new PageFields(this, records->Rules());
    part->fields->SetEncoding(encoding_);
    part->fields->SetSearchText(searchText_);
    part->records = std::move(records);
    part->repeated = repeated;
    for (const PageFields::Row& row : rows)
        part->shown.push_back(row.field);
    // One grid for every record kind, so their fields line up.
    part->fields->Build(rows, form_);

    Part* p = part.get();
    connect(p->fields, &PageFields::FieldChanged, this, &CDataPage::ValidityChanged);
    connect(p->fields, &PageFields::CodeChosen, this, &CDataPage::ValidityChanged);
    connect(p->fields, &PageFields::DatePicked, this, [this, p](size_t f) { OnDatePicked(*p, f); });
    parts_.push_back(std::move(part));
    return *p;
}

void CRecordPage::AddWideWidget(QWidget* widget) {
    // An empty grid still reports one row.
    const int line = form_->count() == 0 ? 0 : form_->rowCount();
    form_->addWidget(widget, line, 0, 1, -1);
}

PageFields* CRecordPage::AddRecord(std::unique_ptr<RecordAccess> records,
                                   std::span<const PageFields::Row> rows) {
    Part& part = AddPart(std::move(records), rows, false);
    return part.fields;
}

PageFields* CRecordPage::AddRepeated(std::unique_ptr<RecordAccess> records,
                                     std::span<const PageFields::Row> rows,
                                     const RecordNavigator::Texts& texts) {
    Part& part = AddPart(std::move(records), rows, true);
    navigator_ = new RecordNavigator(*this, texts, this);
    static_cast<QHBoxLayout*>(layout())->addWidget(navigator_);
    connect(navigator_, &RecordNavigator::RecordShown, this, &CDataPage::ValidityChanged);
    // Nothing to type into until a record exists: ">" adds the first.
    ShowPart(part, 0);
    return part.fields;
}

CRecordPage::Part* CRecordPage::RepeatedPart() const {
    for (const auto& part : parts_)
        if (part->repeated) return part.get();
    return nullptr;
}

PageFields* CRecordPage::Fields() const {
    return parts_.empty() ? nullptr : parts_.front()->fields;
}

PageFields* CRecordPage::RepeatedFields() const {
    Part* part = RepeatedPart();
    return part ? part->fields : nullptr;
}

RecordAccess* CRecordPage::RepeatedRecords() const {
    Part* part = RepeatedPart();
    return part ? part->records.get() : nullptr;
}

CNEdit* CRecordPage::Field(size_t field) const {
    for (const auto& part : parts_)
        if (part->fields->Has(field)) return part->fields->Edit(field);
    return nullptr;
}

void CRecordPage::SetTextEncoding(TextEncoding encoding) {
    encoding_ = encoding;
    for (auto& part : parts_)
        part->fields->SetEncoding(encoding);
}

void CRecordPage::ShowPart(Part& part, int record, bool tellDates) {
    const bool held = record >= 1 && record <= part.records->Count();
    for (size_t f : part.shown) {
        part.fields->SetValue(f, held ? part.records->Get(record, f) : std::string());
        if (part.repeated) part.fields->SetFieldEnabled(f, held);
        if (part.fields->Rule(f).kind == FieldKind::Date) {
            std::string date = part.fields->Value(f);
            if (tellDates && !date.empty()) ParseTestDate(date, part.records->Rules().section);
            part.fields->ShowDateInPicker(f);
        }
    }
    part.fields->ValidateCodes();
}

void CRecordPage::PushPart(Part& part, int record) {
    for (size_t f : part.shown) {
        // Counts and computed values are shown, never typed; a value picked
        // from a drop-down is the user's.
        if (part.fields->Rule(f).kind == FieldKind::ReadOnly && !part.fields->IsChosen(f)) continue;
        if (!Pushes(f)) continue;
        part.records->Set(record, f, part.fields->Value(f));
    }
}

void CRecordPage::OnDatePicked(Part& part, size_t field) {
    // The picked date goes straight into the record, in capitals.
    const int record = part.repeated ? navigator_->Current() : 1;
    if (record >= 1) part.records->Set(record, field, ToUpper(part.fields->Value(field)));
}

bool CRecordPage::PushRecord(int r) {
    Part* part = RepeatedPart();
    if (!part || r < 1 || r > part->records->Count()) return false;
    PushPart(*part, r);
    OnRecordPushed(r);
    return true;
}

void CRecordPage::ShowRecord(int r) {
    if (Part* part = RepeatedPart()) ShowPart(*part, r);
    OnRecordShown(r);
}

void CRecordPage::InitRecord(int r, int copyOf) {
    Part* part = RepeatedPart();
    if (!part) return;
    const int added = part->records->Add();
    if (copyOf >= 1 && added == r) part->records->Copy(copyOf, r);
}

void CRecordPage::RemoveRecord(int r) {
    if (Part* part = RepeatedPart()) part->records->Delete(r);
}

bool CRecordPage::PushToData() {
    if (!IsCreated()) return true;
    for (auto& part : parts_)
        if (!part->repeated) PushPart(*part, 1);
    if (navigator_ && !navigator_->PushCurrent()) return false;
    OnPushed();
    return true;
}

void CRecordPage::Refresh() {
    for (auto& part : parts_)
        if (!part->repeated) ShowPart(*part, 1, true);
    if (Part* part = RepeatedPart()) {
        // The records are the data's own: the count follows them.
        navigator_->SetCount(part->records->Count());
        navigator_->Refresh();
    }
    emit ValidityChanged();
}

void CRecordPage::ResetControls() {
    if (Part* part = RepeatedPart()) navigator_->Reset(part->records->Count());
    if (IsCreated()) Refresh();
}

bool CRecordPage::AllFieldsValid() const {
    for (const auto& part : parts_)
        if (!part->fields->AllValid()) return false;
    return true;
}

bool CRecordPage::ValidateAllRecords() {
    for (auto& part : parts_)
        if (!part->repeated) ShowPart(*part, 1);
    Part* part = RepeatedPart();
    if (!part) return AllFieldsValid();
    const int shown = navigator_->Current();
    const int count = part->records->Count();
    for (int r = 1; r <= count; ++r) {
        ShowRecord(r);
        if (!AllFieldsValid()) {
            // Leave the failing record in front.
            navigator_->SetCount(count);
            navigator_->SetCurrent(r);
            navigator_->Refresh();
            return false;
        }
    }
    ShowRecord(shown);
    return true;
}

}  // namespace vantor
