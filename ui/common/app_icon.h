#pragma once
// The application icon in every size it is drawn at, decoded from the PNGs built into the
// program. Every window of the editor shows it: SetIcons(AppIcons()).
#include <wx/icon.h>
#include <wx/iconbndl.h>

wxIconBundle AppIcons();
// The icon nearest to size x size pixels (the next larger one when there is no exact size).
wxIcon AppIcon(int size);
