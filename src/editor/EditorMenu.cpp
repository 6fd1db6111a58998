#include "editor/EditorMenu.h"

namespace vantor {

namespace {

using C = EditorCommand;

constexpr EditorMenuItem kItems[] = {
    {"&File", "Load Test (.qx5, .hs5 and .ip5)", C::LoadTest},
    {"&File", "Save Test (.qx5, .hs5 and .ip5)", C::SaveTest},
    {"&File", "Save Report (.qxr, .hsr and .ipr)", C::SaveReport},
    {"&File", "Load HSVD Data Only", C::LoadHsvd, true},
    {"&File", "Save HSVD Data Only", C::SaveHsvd},
    {"&File", "Save HSVD Report Only", C::SaveHsvdReport},
    {"&File", "Load Intrusion Data Only", C::LoadIntrusion, true},
    {"&File", "Save Intrusion Data Only", C::SaveIntrusion},
    {"&File", "Save Intrusion Report Only", C::SaveIntrusionReport},
    {"&File", "&Print", C::Print, true},
    {"&File", "E&xit", C::Exit, true},
    {"&Edit", "&Undo All Pages", C::UndoAllPages},
    {"&Edit", "&Redo All Pages", C::RedoAllPages},
    {"&Edit", "&Copy\tCtrl+C", C::Copy},
    {"&Edit", "&Paste\tCtrl+V", C::Paste},
    {"&Edit", "&Clear All Pages", C::ClearAllPages, true},
    {"&Database", "Vehicle Database", C::VehicleDatabase},
    {"&Database", "Component Database", C::ComponentDatabase},
    {"&Database", "Biomechanics Database", C::BiomechanicsDatabase},
    {"&Database", "Crash Avoidance Database", C::CrashAvoidanceDatabase},
    {"&Database", "SWG Database", C::SWGDatabase},
    {"&Help", "&Contents...", C::HelpContents},
    {"&Help", "&About Vantor", C::About, true},
};

}  // namespace

std::span<const EditorMenuItem> EditorMenuTable() {
    return kItems;
}

}  // namespace vantor
