#include "launcher/CAboutDlg.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "codes/CodesDatabase.h"
#include "core/ProductVersion.h"
#include "widgets/ProgramIcon.h"
#include "widgets/QtMessages.h"

namespace vantor {

QString CAboutDlg::DatabaseLine() {
    bool failed = false;
    std::optional<std::string> version = QueryDatabaseVersion(&failed);
    if (!version) return "No Database Version Table.";
    return "Database Version: " + QtMessages::FromBytes(*version);
}

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle("About Vantor");
    setWindowIcon(ProgramIcon());

    html_ = QString(R"(<html><body>
<h2>Vantor v5</h2>
<p>Vantor is the data-entry and validation tool for the laboratory's test records:
full-vehicle crash tests, component tests, biomechanics tests, SWG calibration
tests and crash-avoidance tests.</p>
<p>Pick a test type in the launcher; its editor holds one page per record kind.
Every field shows its unit and allowed range as a hint and turns yellow while its
value is out of range. Coded fields are checked against the codes database and
can be picked from it. Before saving, the editor checks all pages and can compare
the measured curve files with the instrumentation records.</p>
<p>Tests are saved as QX5 files with a report beside them; QX4 files and QX3
group files can be read.</p>
<p>Version: %1<br>%2</p>
</body></html>)")
                .arg(QString::fromStdString(ProductVersion()).toHtmlEscaped(),
                     DatabaseLine().toHtmlEscaped());

    auto* page = new QTextBrowser;
    page->setHtml(html_);
    page->setOpenLinks(false);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(page);
    layout->addWidget(buttons);
    resize(460, 360);
}

}  // namespace vantor
