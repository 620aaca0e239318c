#include "ui/template_layout.h"

#include <algorithm>
#include <cmath>

#include <wx/statbox.h>

void TemplateLayout::Add(wxWindow* control, int x, int y, int width, int height, Fit fit) {
    items_.push_back({control, x, y, width, height, fit});
}

void TemplateLayout::AddGroup(wxWindow* parent, const wxString& caption, int x, int y, int width, int height) {
    Add(new wxStaticBox(parent, wxID_ANY, caption, wxDefaultPosition, kPlacedByLayout), x, y, width, height,
        kNoMeasure);
}

wxRect TemplateLayout::ToPixels(wxWindow* window, int x, int y, int width, int height) const {
    const wxPoint origin = window->ConvertDialogToPixels(wxPoint(x, y));
    const wxPoint end = window->ConvertDialogToPixels(wxPoint(x + width, y + height));
    const int left = static_cast<int>(std::lround(origin.x * scaleX_));
    const int top = static_cast<int>(std::lround(origin.y * scaleY_));
    const int right = static_cast<int>(std::lround(end.x * scaleX_));
    const int bottom = static_cast<int>(std::lround(end.y * scaleY_));
    return wxRect(left, top, right - left, bottom - top);
}

void TemplateLayout::Apply(wxWindow* window, int widthDlu, int heightDlu) {
    // Every box is measured at the template's own size, so the factors come out as the
    // most demanding control needs them whatever order the controls were added in.
    scaleX_ = scaleY_ = 1.0;
    double needX = 1.0, needY = 1.0;
    for (const Item& item : items_) {
        const wxRect box = ToPixels(window, item.x, item.y, item.width, item.height);
        wxSize best;
        if (item.fit == kNoMeasure) {
            // A group box's caption must fit on its top edge, with some room at each end.
            // Nothing else of it is measured: asking GTK for a best size costs time at start-up.
            auto* group = dynamic_cast<wxStaticBox*>(item.control);
            if (!group) continue;
            best = wxSize(group->GetTextExtent(group->GetLabelText()).x + 24, 0);
        } else {
            best = item.control->GetBestSize();
        }
        // One pixel to spare: each edge of a stretched box is rounded on its own, which can
        // take a pixel off its size.
        if (box.width > 0) needX = std::max(needX, double(best.x + 1) / box.width);
        if (item.fit == kFitBox && box.height > 0) needY = std::max(needY, double(best.y + 1) / box.height);
    }
    scaleX_ = needX;
    scaleY_ = needY;
    for (const Item& item : items_) {
        wxRect box = ToPixels(window, item.x, item.y, item.width, item.height);
        if (item.fit == kNaturalHeight) box.height = item.control->GetBestSize().y;
        if (item.fit == kFitBox) {
            const wxSize best = item.control->GetBestSize();
            // GTK may report a pixel or two more once a button has become the default one:
            // grow about the box's centre rather than clip.
            if (best.x > box.width) box.Inflate((best.x - box.width + 1) / 2, 0);
            if (best.y > box.height) box.Inflate(0, (best.y - box.height + 1) / 2);
        }
        item.control->SetSize(box);
    }
    const wxRect whole = ToPixels(window, 0, 0, widthDlu, heightDlu);
    window->SetClientSize(whole.GetSize());
}
