// Start-up until the launcher exists: tells the user what this build holds.
#include <QApplication>

#include "core/Messages.h"

int RunVantor(QApplication&) {
    vantor::ShowPlain("This build of Vantor v5 holds the file layer only; the launcher is not part of it yet.",
                      "Vantor v5");
    return 0;
}
