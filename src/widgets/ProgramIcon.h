#pragma once
// The program's emblem: the launcher's picture and every window's icon.
#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace vantor {

QPixmap ProgramBitmap(QSize size);
QIcon ProgramIcon();

}  // namespace vantor
