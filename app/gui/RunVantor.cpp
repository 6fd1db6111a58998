// Start-up of the desktop program: the editors this build holds, then the
// application object's checks and launcher.
#include <QApplication>

#include "biomech/ui/CBioMechPropertySheet.h"
#include "component/ui/CComponentPropertySheet.h"
#include "editor/EditorRegistry.h"
#include "launcher/CVantorV5App.h"
#include "swg/ui/CSWGPropertySheet.h"
#include "tca/ui/CTcaPropertySheet.h"
#include "vehicle/ui/CVehiclePropertySheet.h"

namespace {
// Every test type's editor, registered with the launcher.
void RegisterEditors() {
    vantor::CVehiclePropertySheet::Register();
    vantor::CComponentPropertySheet::Register();
    vantor::CBioMechPropertySheet::Register();
    vantor::CSWGPropertySheet::Register();
    vantor::CTcaPropertySheet::Register();
}
}  // namespace

int RunVantor(QApplication&) {
    RegisterEditors();
    vantor::CVantorV5App& app = vantor::VantorApp();
    app.InitInstance();
    return app.ExitInstance();
}
