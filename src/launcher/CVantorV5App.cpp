#include "launcher/CVantorV5App.h"

#include <QApplication>
#include <QScreen>
#include <filesystem>
#include <system_error>

#include "codes/CodesDatabase.h"
#include "core/Messages.h"
#include "launcher/CAboutDlg.h"
#include "launcher/CChooseDB.h"
#include "widgets/ProgramIcon.h"

namespace vantor {

CVantorV5App& VantorApp() {
    static CVantorV5App app;
    return app;
}

void CVantorV5App::NameApplication() {
    QApplication::setApplicationName("Vantor v5");
}

bool CVantorV5App::ScreenLargeEnough(QSize desktop) {
    return desktop.width() >= 1024 && desktop.height() >= 768;
}

bool CVantorV5App::InitInstance() {
    // The windowing system must be up before anything is shown.
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        ShowPlain("Ole Init fails!");
        return false;
    }
    QApplication::setWindowIcon(ProgramIcon());

    // The codes database is looked for in the working folder only, never
    // beside the program file.
    std::error_code error;
    std::filesystem::path folder = std::filesystem::current_path(error);
    std::filesystem::path codes = folder / "ncodes.mdb";
    if (error || !std::filesystem::is_regular_file(codes, error)) {
        ShowError("ncodes.mdb was not found in the path.", "Error");
        return false;
    }

    // The whole desktop counts, panels and task bars included: a 1024x768
    // screen is enough.
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || !ScreenLargeEnough(screen->size())) {
        ShowError("Your screen resolution must be at least 1024x768 to use Vantor v5.0", "Error");
        return false;
    }

    codesPath_ = codes.string();
    if (!OpenCodesDatabase(codesPath_)) return false;  // the codes layer has told the user

    {
        CChooseDB launcher;
        launcher.RunModal();
    }
    return false;
}

int CVantorV5App::ExitInstance() {
    CloseCodesDatabase();
    return 0;
}

void CVantorV5App::OnAppAbout(QWidget* parent) {
    CAboutDlg about(parent);
    about.exec();
}

}  // namespace vantor
