// vantor: the desktop program.
#include <QApplication>

#include "launcher/CVantorV5App.h"
#include "widgets/QtMessages.h"

int RunVantor(QApplication& app);

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    vantor::CVantorV5App::NameApplication();
    vantor::QtMessages messages;
    vantor::SetMessages(&messages);
    int result = RunVantor(app);
    vantor::SetMessages(nullptr);
    return result;
}
