#pragma once
// "About Vantor": what the tool is for, the product version and the codes
// database version.
#include <QDialog>

class QTextBrowser;

namespace vantor {

class CAboutDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    // The page as shown; the About box is an HTML page.
    QString PageHtml() const { return html_; }
    // The database line as it reads: "Database Version: ..." or
    // "No Database Version Table.".
    static QString DatabaseLine();

  private:
    QString html_;
};

}  // namespace vantor
