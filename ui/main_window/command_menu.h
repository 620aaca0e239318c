#pragma once
// The main window's menu of commands, opened by a right-click, Shift+F10 or the Menu key:
// what can be done with the selected entry and its day, Undo and Redo, Print Preview and
// Print, and the About box, each with the key that does the same from the window.
#include <memory>
#include <optional>

#include <wx/menu.h>

#include "document/config_document.h"

// The commands as they stand for document: those needing a selected entry are greyed
// without one, Undo and Redo when there is nothing to take back or make again, the whole-day
// commands when no entry starts on day (the day they act on; none: no day to act on).
std::unique_ptr<wxMenu> MakeCommandMenu(const ConfigDocument& document, std::optional<int> day = std::nullopt);
