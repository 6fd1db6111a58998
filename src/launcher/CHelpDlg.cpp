#include "launcher/CHelpDlg.h"

#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace vantor {

QString CHelpDlg::PageHtml() {
    return R"(<h2>Working in a test editor</h2>
<p>Each tab holds one kind of record of the test. Type into the fields; every field
shows its unit and range as a tooltip when the mouse rests on it.</p>
<h3>Colours</h3>
<table border="1" cellpadding="4" cellspacing="0">
<tr><td style="background:#ffffff">black on white</td><td>the value is within its range</td></tr>
<tr><td style="background:#ffff00;color:#ff0000">red on yellow</td><td>the value is out of range,
or a code that the codes database does not hold for this test type</td></tr>
<tr><td style="background:#ebebeb">black on light grey</td><td>a code confirmed by the codes
database, or a value that is shown but not typed</td></tr>
<tr><td style="background:#64ffc8;color:#ff0000">red on mint</td><td>a field that disagrees
with the curve files (instrumentation pages)</td></tr>
</table>
<p>While any field of the pages that are saved is red on yellow, <b>Save Test</b> is greyed.</p>
<h3>Search buttons</h3>
<p>Coded fields are not typed: press <b>Search...</b> beside the field. The code list opens;
type the first letters of a code in <b>Quick Search</b> to jump to it, click a row, then
<b>OK</b> (or double-click the row). <b>Clear Entry</b> empties the field; <b>Cancel</b>
leaves it as it was.</p>
<h3>Records</h3>
<p>On pages with several records (curves, cameras) the list shows the record numbers.
<b>&gt;</b> goes to the next record, or adds a new one after the last; with
<b>Retain the Last Record for the New</b> checked the new record starts as a copy of the
one before. <b>x</b> deletes the record shown, without asking.</p>
<h3>File menu</h3>
<ul>
<li><b>Load Test</b> reads a test file (.qx5, or the older .qx4), with its high-speed video
file (.hs5) beside it; group files of the oldest format (.gr1 ...) are added to the entries.</li>
<li><b>Save Test</b> writes the test as a .qx5 file, and the cameras as a .hs5 file beside
it; <b>Save Report</b> writes the readable report (.qxr, .hsr).</li>
<li>The <b>HSVD Data Only</b> items load or save the camera file alone.</li>
<li><b>Print</b> prints a test file or a report as text.</li>
<li><b>Exit</b> ends the program.</li>
</ul>
<h3>Edit and Database menus</h3>
<p><b>Clear All Pages</b> empties every page. The <b>Database</b> menu closes this editor
and opens the one of another test type; entries not saved are lost.</p>)";
}

CHelpDlg::CHelpDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Vantor Help");
    auto* browser = new QTextBrowser;
    browser->setHtml(PageHtml());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser);
    layout->addWidget(buttons);
    resize(640, 600);
}

}  // namespace vantor
