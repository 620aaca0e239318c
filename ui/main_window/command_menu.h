#pragma once
// The main window's menu of commands, opened by a right-click, Shift+F10 or the Menu key:
// what can be done with the selected entry, Undo and Redo, Print Preview and Print, and the
// About box, each with the key that does the same from the window.
#include <memory>

#include <wx/menu.h>

#include "document/config_document.h"

// The commands as they stand for document: those needing a selected entry are greyed
// without one, Undo and Redo when there is nothing to take back or make again.
std::unique_ptr<wxMenu> MakeCommandMenu(const ConfigDocument& document);
