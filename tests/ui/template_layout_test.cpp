// Stretching a dialog template: every control gets at least its best size, whatever order
// the controls were added in, and the arrangement of the boxes is kept.
#include <gtest/gtest.h>

#include <wx/dialog.h>

#include "ui/template_layout.h"

namespace {
// A control that asks for a fixed best size.
class Wants : public wxWindow {
public:
    Wants(wxWindow* parent, wxSize best) : wxWindow(parent, wxID_ANY), best_(best) {}

protected:
    wxSize DoGetBestSize() const override { return best_; }

private:
    wxSize best_;
};
}  // namespace

TEST(TemplateLayout, EveryControlFitsWhateverTheOrder) {
    struct Box {
        int x, y, w, h;
        double stretchX, stretchY;  // best size over the box's size at scale 1
    };
    // Each needs more stretch than the one before it, then less: the order that under-measured
    // a control when boxes were measured at the factors found so far.
    const std::vector<Box> boxes = {
        {10, 10, 40, 12, 1.2, 1.1}, {60, 10, 40, 12, 1.6, 1.5}, {10, 30, 40, 12, 2.1, 1.9}, {60, 30, 40, 12, 0.5, 0.5}};
    for (bool reversed : {false, true}) {
        SCOPED_TRACE(reversed ? "reversed" : "in order");
        wxDialog dialog(nullptr, wxID_ANY, "layout");
        TemplateLayout layout;
        std::vector<Wants*> controls;
        std::vector<Box> order = boxes;
        if (reversed) std::reverse(order.begin(), order.end());
        for (const Box& b : order) {
            const wxSize box = dialog.ConvertDialogToPixels(wxSize(b.w, b.h));
            auto* control = new Wants(&dialog, wxSize(int(box.x * b.stretchX), int(box.y * b.stretchY)));
            controls.push_back(control);
            layout.Add(control, b.x, b.y, b.w, b.h);
        }
        layout.Apply(&dialog, 110, 50);
        for (Wants* control : controls) {
            EXPECT_GE(control->GetSize().x, control->GetBestSize().x);
            EXPECT_GE(control->GetSize().y, control->GetBestSize().y);
        }
        // Side by side and one above the other, as in the template.
        const wxRect first = controls[reversed ? 3 : 0]->GetRect(), second = controls[reversed ? 2 : 1]->GetRect();
        EXPECT_LT(first.GetRight(), second.GetLeft());
        EXPECT_LT(first.GetBottom(), controls[reversed ? 1 : 2]->GetRect().GetTop());
        EXPECT_GE(layout.ScaleX(), 2.1);
        EXPECT_GE(layout.ScaleY(), 1.9);
    }
}
