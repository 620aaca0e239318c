#include "ui/common/app_icon.h"

#include <wx/image.h>
#include <wx/mstream.h>

#include "app_icon_data.h"

namespace {
wxIconBundle LoadBundle() {
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
    wxIconBundle bundle;
    for (const EmbeddedPng& png : kAppIconPngs) {
        wxMemoryInputStream stream(png.data, png.size);
        wxImage image(stream, wxBITMAP_TYPE_PNG);
        if (!image.IsOk()) continue;  // a window without an icon still works
        wxIcon icon;
        icon.CopyFromBitmap(wxBitmap(image));
        bundle.AddIcon(icon);
    }
    return bundle;
}
}  // namespace

wxIconBundle AppIcons() {
    // Decoded once and kept for the whole run (never destroyed, so no GTK object outlives
    // the toolkit's shutdown); wxIconBundle shares its data, so copies are cheap.
    static const wxIconBundle* const bundle = new wxIconBundle(LoadBundle());
    return *bundle;
}

wxIcon AppIcon(int size) { return AppIcons().GetIcon(wxSize(size, size), wxIconBundle::FALLBACK_NEAREST_LARGER); }
