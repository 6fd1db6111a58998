// vantor: the desktop program.
#include <QApplication>

#include "widgets/QtMessages.h"

int RunVantor(QApplication& app);

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Vantor v5");
    QApplication::setApplicationDisplayName("Vantor v5");
    vantor::QtMessages messages;
    vantor::SetMessages(&messages);
    int result = RunVantor(app);
    vantor::SetMessages(nullptr);
    return result;
}
