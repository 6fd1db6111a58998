#include "editor/EditorRegistry.h"

namespace vantor {

namespace {
std::array<EditorFactory, kEditorTypeCount>& Factories() {
    static std::array<EditorFactory, kEditorTypeCount> factories;
    return factories;
}
}  // namespace

std::string_view EditorTitle(EditorType type) {
    switch (type) {
        case EditorType::Vehicle:
            return "Vehicle Data";
        case EditorType::Component:
            return "Component Data";
        case EditorType::Biomechanics:
            return "Biomechanics Data";
        case EditorType::SWG:
            return "SWG Data";
        case EditorType::CrashAvoidance:
            return "Crash Avoidance Data";
    }
    return {};
}

void RegisterEditorFactory(EditorType type, EditorFactory factory) {
    Factories()[static_cast<int>(type)] = std::move(factory);
}

const EditorFactory& RegisteredEditorFactory(EditorType type) {
    return Factories()[static_cast<int>(type)];
}

}  // namespace vantor
