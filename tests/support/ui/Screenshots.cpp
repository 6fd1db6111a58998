#include "support/ui/Screenshots.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QRegularExpression>
#include <QTabWidget>

#include "editor/CDataPage.h"
#include "editor/CEditorSheet.h"

namespace vantor {

Screenshots::Screenshots(QString folder, QString prefix)
    : folder_(std::move(folder)), prefix_(std::move(prefix)) {
    QDir().mkpath(folder_);
}

QString Screenshots::NextName(const QString& title) {
    QString slug = title.toLower();
    slug.replace(QRegularExpression("[^a-z0-9]+"), "-");
    slug.remove(QRegularExpression("^-+|-+$"));
    return QDir(folder_).filePath(
        QString("%1-%2-%3.png").arg(prefix_).arg(saved_.size() + 1, 2, 10, QChar('0')).arg(slug));
}

void Screenshots::SaveWindow(QWidget& window, const QString& title) {
    if (!window.isVisible()) window.show();
    QApplication::processEvents();
    const QString name = NextName(title);
    // Full colour: the field colours are what the pictures are for.
    const QImage picture = window.grab().toImage().convertToFormat(QImage::Format_RGB888);
    if (picture.save(name, "PNG", 9)) saved_.push_back(name);
}

void Screenshots::SaveEditorPages(CEditorSheet& editor) {
    if (!editor.isVisible()) editor.show();
    for (int i = 0; i < editor.PageCount(); ++i) {
        editor.ShowPage(i);
        SaveWindow(editor, editor.Page(i)->Title());
    }
    editor.ShowPage(0);
}

}  // namespace vantor
