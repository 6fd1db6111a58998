#pragma once
// The menu bar every test editor carries: one table of items with their
// command numbers, in menu order. Each editor decides per command whether it
// runs, is greyed, or is present without effect.
#include <span>
#include <string_view>

namespace vantor {

enum class EditorCommand : int {
    LoadTest = 32774,
    SaveTest = 32775,
    SaveReport = 32783,
    LoadHsvd = 182,
    SaveHsvd = 183,
    SaveHsvdReport = 187,
    LoadIntrusion = 190,
    SaveIntrusion = 191,
    SaveIntrusionReport = 192,
    Print = 57607,
    Exit = 32781,
    UndoAllPages = 32798,
    RedoAllPages = 32797,
    Copy = 57634,
    Paste = 57637,
    ClearAllPages = 32782,
    VehicleDatabase = 32776,
    ComponentDatabase = 32777,
    BiomechanicsDatabase = 32778,
    CrashAvoidanceDatabase = 32801,
    SWGDatabase = 32779,
    HelpContents = 57667,
    About = 57664,
};

struct EditorMenuItem {
    std::string_view menu;  // "&File", "&Edit", "&Database", "&Help"
    std::string_view text;  // as the menu shows it; a tab sets off the shortcut
    EditorCommand command;
    bool separatorBefore = false;
};

// Every item of the editors' menu bar, menu by menu, in order.
std::span<const EditorMenuItem> EditorMenuTable();

// What an editor does with a command.
enum class CommandState {
    Enabled,   // runs its handler
    Disabled,  // greyed
    NoEffect,  // can be chosen but does nothing
};

}  // namespace vantor
