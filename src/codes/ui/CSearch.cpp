#include "codes/ui/CSearch.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>

#include "codes/CodeStatements.h"
#include "core/Messages.h"
#include "core/TextUtil.h"
#include "widgets/CListCtrlEx.h"
#include "widgets/QtMessages.h"

namespace vantor {

namespace {

QString Show(std::string_view bytes) {
    return QtMessages::FromBytes(bytes);
}

}  // namespace

CSearch::CSearch(QWidget* parent, std::string codeName, std::string reference,
                 std::string customSql, bool attachmentMode)
    : QDialog(parent),
      form_(Form::CodeTable),
      codeName_(std::move(codeName)),
      reference_(std::move(reference)),
      customSql_(std::move(customSql)),
      attachmentMode_(attachmentMode) {
    // The channel-type table and the two sensor look-ups are chosen by name.
    if (codeName_ == "CHANTYP" || codeName_ == "BIO_YUNITS" || codeName_ == "BIO_SENLOC")
        modeWord_ = codeName_;
    BuildWindow();
}

CSearch::CSearch(QWidget* parent, std::string modeWord, std::vector<std::string> vehicles,
                 std::vector<std::string> components, std::vector<std::string> third,
                 std::vector<std::string> comments)
    : QDialog(parent),
      form_(Form::List),
      modeWord_(std::move(modeWord)),
      lists_{std::move(vehicles), std::move(components), std::move(third), std::move(comments)} {
    BuildWindow();
}

CSearch::CSearch(QWidget* parent, std::string codeName, std::string reference,
                 std::vector<std::string> allowed)
    : QDialog(parent),
      form_(Form::CodeTable),
      codeName_(std::move(codeName)),
      reference_(std::move(reference)),
      allowed_(std::move(allowed)) {
    if (codeName_ == "CHANTYP") modeWord_ = codeName_;
    BuildWindow();
}

CSearch::~CSearch() = default;

void CSearch::SetFieldNames(std::string f1, std::string f2, std::string f3, std::string f4) {
    fieldNames_ = {std::move(f1), std::move(f2), std::move(f3), std::move(f4)};
}

void CSearch::BuildWindow() {
    setWindowTitle("Code Search");
    setSizeGripEnabled(true);

    quickSearch_ = new QLineEdit;
    quickSearch_->setFixedWidth(140);
    ok_ = new QPushButton("OK");
    ok_->setDefault(true);
    cancel_ = new QPushButton("Cancel");
    clear_ = new QPushButton("Clear Entry");
    clear_->setAutoDefault(false);
    cancel_->setAutoDefault(false);

    list_ = new CListCtrlEx;
    list_->SetHighlightMode(2);
    list_->verticalHeader()->setDefaultSectionSize(list_->fontMetrics().height() + 6);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel("Quick Search:"));
    top->addWidget(quickSearch_);
    top->addStretch(1);
    top->addWidget(ok_);
    top->addWidget(cancel_);
    top->addWidget(clear_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(list_, 1);
    // Wide enough for the longest column set without scrolling sideways.
    resize(760, 440);

    connect(quickSearch_, &QLineEdit::textChanged, this, &CSearch::OnQuickSearchChanged);
    connect(list_, &QTableWidget::cellClicked, this, [this](int row, int) { OnRowClicked(row); });
    connect(list_, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { OnRowDoubleClicked(row); });
    connect(ok_, &QPushButton::clicked, this, &CSearch::OnOK);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(clear_, &QPushButton::clicked, this, &CSearch::OnClearEntry);
}

int CSearch::exec() {
    // Fill the list once the window is up, so that a "nothing found" message
    // stands over the search window.
    QTimer::singleShot(0, this, [this] {
        Populate();
        if (closeAtOnce_) done(QDialog::Accepted);
    });
    return QDialog::exec();
}

void CSearch::Populate() {
    if (populated_) return;
    populated_ = true;
    if (!codeName_.empty()) setWindowTitle(Show(codeName_ + " Search"));
    if (form_ == Form::List) {
        if (modeWord_ == "ListCompCompData") {
            setWindowTitle("VEHNO and COMPNO Search");
            FillList(Mode::ListComponents);
        } else if (modeWord_ == "ListCompInstConfData") {
            setWindowTitle("VEHNO, COMPNO and CONFNO Search");
            FillList(Mode::ListConfigurations);
        }
        return;
    }
    if (!allowed_.empty()) return FillAllowed();
    quickSearch_->setFocus();
    if (attachmentMode_) return FillAttachment();
    if (modeWord_ == "CHANTYP") return FillChannelType();
    if (modeWord_ == "BIO_YUNITS") return FillYUnits();
    if (modeWord_ == "BIO_SENLOC") {
        setWindowTitle("SENLOC Search");
        return FillSensorLocation();
    }
    FillStandard();
}

void CSearch::SetColumns(std::initializer_list<std::pair<const char*, int>> columns) {
    for (const auto& [title, width] : columns)
        list_->InsertColumn(-1, title, width);
}

void CSearch::ShowRows(const std::vector<int>& centred) {
    list_->setUpdatesEnabled(false);
    list_->setRowCount(0);
    for (const auto& cells : rows_) {
        int row = list_->InsertRow(-1, cells.empty() ? QString() : Show(cells[0]));
        for (size_t c = 1; c < cells.size() && static_cast<int>(c) < list_->columnCount(); ++c)
            list_->SetCellText(row, static_cast<int>(c), Show(cells[c]));
        for (int c : centred)
            if (QTableWidgetItem* item = list_->item(row, c))
                item->setTextAlignment(Qt::AlignCenter);
    }
    list_->setUpdatesEnabled(true);
    dataLoaded_ = !rows_.empty();
}

void CSearch::FillStandard() {
    mode_ = Mode::Standard;
    SetColumns({{"Code", 70}, {"Description", 300}, {"Comments", 250}, {"Code Name", 80}});
    bool ok = CodeLists().CodeList(codeName_, reference_, customSql_, rows_);
    for (auto& row : rows_)
        row.push_back(codeName_);
    ShowRows();
    if (ok && rows_.empty()) ShowPlain("No Data Fetched.\n\r");
}

void CSearch::FillChannelType() {
    mode_ = Mode::ChannelType;
    SetColumns(
        {{"Code", 50}, {"Description", 250}, {"Comments", 250}, {"ISO IS", 30}, {"UNITS", 30}});
    bool ok = CodeLists().ChannelTypeList(codeName_, reference_, rows_);
    ShowRows();
    if (ok && rows_.empty()) ShowPlain("No Data Fetched.\n\r");
}

void CSearch::FillAllowed() {
    mode_ = Mode::Allowed;
    SetColumns({{"Code", 70}, {"Description", 300}, {"Comments", 250}, {"Code Name", 80}});
    bool ok =
        CodeLists().AllowedCodeList(codeName_, reference_, testType_, customSql_, allowed_, rows_);
    for (auto& row : rows_)
        row.push_back(codeName_);
    ShowRows();
    if (ok && rows_.empty())
        ShowPlain("No Data Retrieved.\n\r" + CodeLists::AllowedListStatement(codeName_, reference_,
                                                                             testType_, customSql_,
                                                                             allowed_));
}

void CSearch::FillAttachment() {
    mode_ = Mode::Attachment;
    const int widths[] = {60, 180, 110, 90};
    for (int i = 0; i < 4; ++i)
        list_->InsertColumn(-1, Show(fieldNames_[i]), widths[i]);
    std::vector<std::string> names(fieldNames_.begin(), fieldNames_.end());
    bool ok = CodeLists().AttachmentList(customSql_, names, rows_);
    ShowRows();
    if (ok && rows_.empty()) {
        ShowPlain("No related SENLOC Data Found for this UNIT.\n\r" + customSql_);
        // Nothing goes with the unit: the caller gets empty results at once.
        code_.clear();
        results_ = {};
        selectedRow_ = -1;
        closeAtOnce_ = true;
    }
}

void CSearch::FillYUnits() {
    mode_ = Mode::YUnits;
    SetColumns({{"UNITS", 60}, {"UNITSD", 180}, {"MEASUREMENT_TYPE", 180}});
    std::vector<YUnitsChoice> choices;
    bool ok = CodeLists().YUnitsList(reference_, choices);
    rows_.clear();
    sensorLocations_.clear();
    for (auto& choice : choices) {
        rows_.push_back(std::move(choice.cells));
        sensorLocations_.push_back(std::move(choice.sensorLocation));
    }
    ShowRows();
    if (ok && rows_.empty())
        ShowPlain("No Data Catched.\n\r" + AttachmentUnitsRowsStatement(reference_));
}

void CSearch::FillSensorLocation() {
    mode_ = Mode::SensorLocation;
    SetColumns({{"SENLOC", 60}, {"SENLOCD", 180}, {"SENLOC_COMMENT", 180}});
    bool ok = CodeLists().SensorLocationList(reference_, rows_);
    ShowRows();
    if (ok && rows_.empty())
        ShowPlain("No Data Catched.\n\r" + AttachmentLocationRowsStatement(reference_));
}

void CSearch::FillList(Mode mode) {
    mode_ = mode;
    if (mode == Mode::ListComponents)
        SetColumns({{"Vehicle #", 90},
                    {"Component #", 110},
                    {"Component Code", 150},
                    {"Component Comment", 240}});
    else
        SetColumns(
            {{"Vehicle #", 80}, {"Component #", 110}, {"Configuration #", 140}, {"Comment", 250}});

    // The columns may come in different lengths; a missing cell is empty.
    size_t count = 0;
    for (const auto& column : lists_)
        count = std::max(count, column.size());
    rows_.assign(count, std::vector<std::string>(4));
    for (size_t c = 0; c < 4; ++c)
        for (size_t r = 0; r < lists_[c].size(); ++r)
            rows_[r][c] = TrimmedBlanks(lists_[c][r]);

    // By vehicle, then component, as plain text; rows equal in their first
    // three columns are listed once.
    std::stable_sort(rows_.begin(), rows_.end(), [](const auto& a, const auto& b) {
        if (a[0] != b[0]) return a[0] < b[0];
        return a[1] < b[1];
    });
    rows_.erase(std::unique(rows_.begin(), rows_.end(),
                            [](const auto& a, const auto& b) {
                                return a[0] == b[0] && a[1] == b[1] && a[2] == b[2];
                            }),
                rows_.end());
    if (mode == Mode::ListComponents)
        ShowRows({0, 1, 2});
    else
        ShowRows({2});
}

int CSearch::CodeColumn() const {
    if (mode_ == Mode::ListComponents) return 1;
    if (mode_ == Mode::ListConfigurations) return 2;
    return 0;
}

int CSearch::CurrentRow() const {
    auto selected = list_->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void CSearch::SelectRow(int row) {
    list_->selectRow(row);
    list_->scrollToItem(list_->item(row, 0));
}

void CSearch::OnQuickSearchChanged(const QString& text) {
    if (suppressQuickSearch_) {
        suppressQuickSearch_ = false;
        return;
    }
    QString typed = text.trimmed().toUpper();
    if (typed.isEmpty() || typed == previousQuickSearch_) return;
    // The list is never filtered: the first row that begins with the text is
    // chosen, and without one the choice stays as it was.
    for (int row = 0; row < list_->rowCount(); ++row) {
        if (list_->CellText(row, 0).startsWith(typed, Qt::CaseInsensitive)) {
            SelectRow(row);
            break;
        }
    }
    previousQuickSearch_ = typed;
}

void CSearch::OnRowClicked(int row) {
    if (row < 0 || row >= static_cast<int>(rows_.size())) return;
    const auto& cells = rows_[row];
    const size_t column = static_cast<size_t>(CodeColumn());
    code_ = column < cells.size() ? cells[column] : std::string();
    // The field shows the clicked code without searching for it again.
    const QString shown = Show(code_);
    if (shown != quickSearch_->text()) {
        suppressQuickSearch_ = true;
        quickSearch_->setText(shown);
        suppressQuickSearch_ = false;
    }
}

void CSearch::OnRowDoubleClicked(int row) {
    OnRowClicked(row);
    OnOK();
}

void CSearch::OnOK() {
    const int row = CurrentRow();
    if (row < 0 || row >= static_cast<int>(rows_.size())) {
        reject();
        return;
    }
    selectedRow_ = row;
    selectedCells_.clear();
    for (const auto& cell : rows_[row])
        selectedCells_.push_back(TrimmedBlanks(cell));
    const auto& cells = selectedCells_;
    auto cell = [&cells](size_t c) { return c < cells.size() ? cells[c] : std::string(); };

    // The selected row decides, however it was selected (a click, the quick
    // search or the keyboard).
    code_ = cell(static_cast<size_t>(CodeColumn()));
    if (form_ == Form::CodeTable) {
        for (size_t i = 0; i < results_.size(); ++i)
            results_[i] = cell(i + 1);
        if (mode_ == Mode::Attachment) {
            // "LOC ( description )": the location code and the blank after it.
            const std::string& second = results_[0];
            results_[0] = second.substr(0, second.find('('));
        } else if (mode_ == Mode::YUnits) {
            results_[0] = static_cast<size_t>(row) < sensorLocations_.size() ? sensorLocations_[row]
                                                                             : std::string();
        }
        code_ = TrimmedBlanks(code_);
    }
    done(QDialog::Accepted);
}

void CSearch::OnClearEntry() {
    code_.clear();
    results_ = {};
    selectedRow_ = -1;
    selectedCells_.clear();
    done(QDialog::Accepted);
}

std::string CSearch::SelectedColumn(int n) const {
    if (n < 2 || n > 5) return {};
    return results_[static_cast<size_t>(n - 2)];
}

}  // namespace vantor
