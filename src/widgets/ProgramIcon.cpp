#include "widgets/ProgramIcon.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace vantor {

QPixmap ProgramBitmap(QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QRectF frame(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);
    QLinearGradient shade(frame.topLeft(), frame.bottomLeft());
    shade.setColorAt(0, QColor(40, 80, 160));
    shade.setColorAt(1, QColor(10, 30, 80));
    painter.setBrush(shade);
    painter.setPen(QPen(QColor(5, 15, 45), 1));
    qreal corner = std::min(size.width(), size.height()) / 6.0;
    painter.drawRoundedRect(frame, corner, corner);

    // A "V" with a small "5" beside it, the version the users know it by.
    QFont font("Sans Serif");
    font.setBold(true);
    font.setPixelSize(std::max(6, size.height() * 3 / 4));
    painter.setFont(font);
    painter.setPen(Qt::white);
    QRectF left(frame.left(), frame.top(), frame.width() * 0.72, frame.height());
    painter.drawText(left, Qt::AlignCenter, "V");
    font.setPixelSize(std::max(5, size.height() * 2 / 5));
    painter.setFont(font);
    painter.setPen(QColor(255, 210, 40));
    QRectF right(frame.left() + frame.width() * 0.58, frame.top() + frame.height() * 0.35,
                 frame.width() * 0.40, frame.height() * 0.6);
    painter.drawText(right, Qt::AlignCenter, "5");
    return pixmap;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int side : {16, 32, 48, 64})
        icon.addPixmap(ProgramBitmap(QSize(side, side)));
    return icon;
}

}  // namespace vantor
