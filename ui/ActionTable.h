#pragma once

#include <span>

namespace molvane {

/// One command of the main window: its name (also the key of its caption and hint in the
/// text table), the menu it stands in and its shortcut.
struct ActionEntry
{
    const char *name; ///< nullptr: a separator in @p menu
    const char *menu;
    const char *shortcut;
};

/// Every menu entry, menu by menu in menu-bar order.
std::span<const ActionEntry> MainActions();
/// The tool bar, left to right; nullptr stands for a separator.
std::span<const char *const> ToolBarActions();

} // namespace molvane
