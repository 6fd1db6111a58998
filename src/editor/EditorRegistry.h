#pragma once
// The editors the launcher can open, one per test type. Each editor is a
// window (QWidget) created with its host (the launcher), through which it
// switches test type and ends the program, and with the curve-check flag the
// launcher hands it. The program registers the factories of the editors it
// holds at start.
#include <QWidget>
#include <array>
#include <functional>
#include <string_view>

namespace vantor {

enum class EditorType { Vehicle, Component, Biomechanics, SWG, CrashAvoidance };
constexpr int kEditorTypeCount = 5;

// The window title of a type's editor ("Vehicle Data" ...).
std::string_view EditorTitle(EditorType type);

// What an editor needs of the window that opened it. The launcher implements
// it; the editors never see the launcher itself.
class EditorHost {
  public:
    virtual ~EditorHost() = default;
    // Discards any editor of another type and opens the editor of `type`.
    virtual void OpenEditor(EditorType type) = 0;
    // Destroys every editor and ends the program.
    virtual void CloseAllEditors() = 0;
    // Help, "About Vantor" and Help, "Contents...".
    virtual void ShowAbout(QWidget* parent) = 0;
    virtual void ShowHelp(QWidget* parent) = 0;
};

using EditorFactory = std::function<QWidget*(EditorHost* host, int curveCheck)>;

// Makes `factory` the way to create the editor of `type` (empty: none).
void RegisterEditorFactory(EditorType type, EditorFactory factory);
// The factory registered for `type`; empty when this build has no such editor.
const EditorFactory& RegisteredEditorFactory(EditorType type);

}  // namespace vantor
