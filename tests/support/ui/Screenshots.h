#pragma once
// Pictures of the windows for the documentation and for checking the layout
// by eye: every page of an editor, and any dialog, saved as PNG files.
#include <QString>
#include <QStringList>

class QWidget;

namespace vantor {

class CEditorSheet;

class Screenshots {
  public:
    // Pictures go into folder (created when missing), named
    // prefix-NN-title.png.
    Screenshots(QString folder, QString prefix);

    // Brings every page of the editor to the front in turn and saves the
    // whole window; the first page is in front again afterwards.
    void SaveEditorPages(CEditorSheet& editor);
    // Saves one window as it is shown now (shown first when it is not).
    void SaveWindow(QWidget& window, const QString& title);

    const QStringList& Saved() const { return saved_; }

  private:
    QString NextName(const QString& title);
    QString folder_;
    QString prefix_;
    QStringList saved_;
};

}  // namespace vantor
