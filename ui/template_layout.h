#pragma once
// Lays out a window from its dialog template: every control has a box in dialog units,
// converted with the window's own font (wxDLG_UNIT). GTK themes draw controls larger than
// the boxes were drawn for, so when a control's best size does not fit its box, the whole
// template is stretched (horizontally and vertically on their own) until every one fits.
// Stretching every box by the same factors keeps the template's arrangement: nothing that
// stood apart starts to overlap, and nothing is clipped.
#include <vector>

#include <wx/gdicmn.h>
#include <wx/window.h>

// The size to create a kNoMeasure control with: any given size keeps wx from asking GTK for
// the control's best size at creation, which Apply never needs and which costs start-up time.
inline const wxSize kPlacedByLayout{1, 1};

class TemplateLayout {
public:
    enum Fit {
        kFitBox,          // the control fills its box, which must hold its best size
        kNaturalHeight,   // drop-down lists: the box height is the list's, the control keeps its own
        kNoMeasure,       // group boxes: filled, never measured (their label is measured as text)
    };

    // x, y, width, height in dialog units, as in the template.
    void Add(wxWindow* control, int x, int y, int width, int height, Fit fit = kFitBox);
    // A group box of parent with its caption, placed like any other box (kNoMeasure).
    void AddGroup(wxWindow* parent, const wxString& caption, int x, int y, int width, int height);

    // Positions every control and gives the window a client size of widthDlu x heightDlu
    // (stretched like the boxes). Call once, after all controls are added.
    void Apply(wxWindow* window, int widthDlu, int heightDlu);

    // The factors Apply chose (1.0 when the template fitted as it is).
    double ScaleX() const { return scaleX_; }
    double ScaleY() const { return scaleY_; }

    // Where a dialog-unit box ends up in pixels; valid after Apply.
    wxRect ToPixels(wxWindow* window, int x, int y, int width, int height) const;

private:
    struct Item {
        wxWindow* control;
        int x, y, width, height;
        Fit fit;
    };
    std::vector<Item> items_;
    double scaleX_ = 1.0;
    double scaleY_ = 1.0;
};
