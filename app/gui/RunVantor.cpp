// Start-up of the desktop program: the editors this build holds, then the
// application object's checks and launcher.
#include <QApplication>

#include "editor/EditorRegistry.h"
#include "launcher/CVantorV5App.h"
#include "swg/ui/CSWGPropertySheet.h"
#include "tca/ui/CTcaPropertySheet.h"
#include "vehicle/ui/CVehiclePropertySheet.h"

namespace {
// Each test type's editor is registered here once it exists, e.g.
//   RegisterEditorFactory(EditorType::SWG, [](CChooseDB* launcher, int) -> QWidget* {
//       return new CSWGPropertySheet(launcher);
//   });
void RegisterEditors() {
    vantor::CSWGPropertySheet::Register();
    vantor::CTcaPropertySheet::Register();
    vantor::CVehiclePropertySheet::Register();
}
}  // namespace

int RunVantor(QApplication&) {
    RegisterEditors();
    vantor::CVantorV5App& app = vantor::VantorApp();
    app.InitInstance();
    return app.ExitInstance();
}
