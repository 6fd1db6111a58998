#pragma once
// The program: start-up checks, the launcher, and the end of the run.
#include <QSize>
#include <string>

class QWidget;

namespace vantor {

class CVantorV5App {
  public:
    // Checks the environment, opens the codes database and runs the launcher
    // until it ends. Every failure has been told to the user. Returns false in
    // every case: the program ends when start-up returns.
    bool InitInstance();
    // Closes the codes database; the program's exit status.
    int ExitInstance();

    // The About box over parent (Help, "About Vantor" in every editor).
    static void OnAppAbout(QWidget* parent = nullptr);

    // Names the program for the system. Window titles stay exactly as each
    // window gives them: no display name is set, which the window system
    // would append to every title.
    static void NameApplication();

    // A desktop of at least 1024 by 768 pixels.
    static bool ScreenLargeEnough(QSize desktop);

    // The codes database start-up found (empty before).
    const std::string& CodesPath() const { return codesPath_; }

  private:
    std::string codesPath_;
};

// The single application object.
CVantorV5App& VantorApp();

}  // namespace vantor
