#pragma once
// "Contents...": a short page on how to work in an editor: the menus, the
// colours of the fields and the search buttons.
#include <QDialog>

namespace vantor {

class CHelpDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CHelpDlg(QWidget* parent = nullptr);
    static QString PageHtml();
};

}  // namespace vantor
