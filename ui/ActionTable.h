#pragma once

#include "texts/Texts.h"

#include <span>

namespace molvane {

/// One command of the main window: its name, the menu it stands in, its shortcut and its
/// texts. The hint's short part is the tool-tip, its long part the status-bar text.
struct ActionEntry
{
    const char *name; ///< nullptr: a separator in @p menu, which has no texts
    const char *menu;
    const char *shortcut; ///< alternatives separated by "; ", the first shown in the menu
    TextId caption;
    TextId hint;
};

/// One menu of the menu bar: the name its entries refer to, and its title.
struct MenuEntry
{
    const char *name;
    TextId title;
    const char *parent = nullptr; ///< a submenu stands in this menu where its entries do
};

/// Every menu entry, menu by menu in menu-bar order.
std::span<const ActionEntry> MainActions();
/// The menus, in menu-bar order.
std::span<const MenuEntry> MainMenus();
/// The tool bar, left to right; nullptr stands for a separator.
std::span<const char *const> ToolBarActions();

} // namespace molvane
