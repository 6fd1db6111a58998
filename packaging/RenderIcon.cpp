// vantor_render_icon: paints the program's emblem into the PNG files of the
// desktop icon theme, so the menu entry shows the picture the program's own
// windows carry. Used by the build only; never installed.
//
//   vantor_render_icon FOLDER SIZE...   writes FOLDER/<SIZE>x<SIZE>/apps/vantor.png
#include <QDir>
#include <QGuiApplication>
#include <QSize>
#include <QString>
#include <cstdio>

#include "widgets/ProgramIcon.h"

int main(int argc, char** argv) {
    // Painting needs no window: the offscreen platform works with or without
    // a display, so the build behaves the same everywhere.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: vantor_render_icon FOLDER SIZE...\n");
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i < argc; ++i) {
        bool number = false;
        int side = QString::fromLocal8Bit(argv[i]).toInt(&number);
        if (!number || side < 16 || side > 1024) {
            std::fprintf(stderr, "vantor_render_icon: bad size %s (16 to 1024)\n", argv[i]);
            return 2;
        }
        QString apps = QString("%1x%1/apps").arg(side);
        QString path = folder.filePath(apps + "/vantor.png");
        if (!folder.mkpath(apps) || !vantor::ProgramBitmap(QSize(side, side)).save(path, "PNG")) {
            std::fprintf(stderr, "vantor_render_icon: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
