#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include <wx/dcmemory.h>
#include <wx/dialog.h>
#include <wx/modalhook.h>
#include <wx/frame.h>
#include <wx/settings.h>
#include <wx/tooltip.h>

#include "support/entries.h"
#include "support/images.h"
#include "ui/common/accessibility.h"
#include "ui/week_strip/week_strip.h"

namespace {

constexpr WeekTime H = 3600;
constexpr WeekTime D = 86400;
const wxSize kStripSize(900, 140);

ScheduleEntry Entry(int day, WeekTime from, int stopDay, WeekTime to, int trigger) {
    const WeekTime start = (day - 1) * D + from;
    const WeekTime stop = (stopDay - 1) * D + to;
    return ScheduleEntry{start, stop, 0x10000u | (static_cast<std::uint32_t>(trigger) << 12) | 30u, 2, 0, 32000};
}

// Office hours, a night wrapping past Sunday, alarms at the weekend, one motion entry.
std::vector<ScheduleEntry> OfficeWeek() {
    std::vector<ScheduleEntry> entries;
    for (int day = 1; day <= 5; ++day) entries.push_back(Entry(day, 8 * H, day, 17 * H, 0));  // 0..4
    entries.push_back(Entry(7, 22 * H, 1, 6 * H, 0));                                          // 5
    entries.push_back(Entry(6, 9 * H, 6, 18 * H, 1));                                          // 6
    entries.push_back(Entry(7, 10 * H, 7, 16 * H, 8));                                         // 7
    entries.push_back(Entry(3, 19 * H, 3, 23 * H + 1800, 9));                                  // 8
    return entries;
}
constexpr int kWednesday = 2, kNight = 5, kSaturday = 6, kSunday = 7, kMotion = 8;

class WeekStripTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame_ = new wxFrame(nullptr, wxID_ANY, "Week strip");
        strip_ = new CWeekStrip(frame_, wxID_ANY, document_);
        frame_->SetClientSize(kStripSize);
        strip_->SetSize(kStripSize);
        SetSchedule(OfficeWeek());
        frame_->Bind(wxEVT_WEEK_STRIP_SELECT, [this](wxCommandEvent& e) { selects_.push_back(e.GetInt()); });
        frame_->Bind(wxEVT_WEEK_STRIP_ACTIVATE, [this](wxCommandEvent& e) { activates_.push_back(e.GetInt()); });
        frame_->Bind(wxEVT_WEEK_STRIP_DRAWN, [this](wxCommandEvent&) { drawn_.push_back(strip_->DrawnSpan()); });
    }
    // Deleted at once: the strip must go while the document it listens to is still there.
    void TearDown() override { delete frame_; }

    // The strip draws what the document holds, as after a load.
    void SetSchedule(const std::vector<ScheduleEntry>& entries) {
        document_.Load(ImageOf(entries));
        document_.SelectSlot(std::nullopt);
    }

    const WeekSegment& SegmentOf(int slot, int day) const {
        for (const WeekSegment& s : strip_->Segments())
            if (static_cast<int>(s.slot) == slot && s.day == day) return s;
        throw std::runtime_error("no such bar");
    }
    wxPoint CentreOf(int slot, int day) const {
        const wxRect bar = strip_->BarRect(SegmentOf(slot, day));
        return wxPoint(bar.x + bar.width / 2, bar.y + bar.height / 2);
    }
    // Where a given second of a day lies, whether or not a bar is there.
    wxPoint PointAt(int day, WeekTime second) const {
        const wxRect bar = strip_->BarRect(WeekSegment{day, second, second + 1, 0});
        return wxPoint(bar.x, bar.y + bar.height / 2);
    }
    void Key(int code, int modifiers) {
        wxKeyEvent event(wxEVT_KEY_DOWN);
        event.m_keyCode = code;
        event.SetAltDown((modifiers & wxMOD_ALT) != 0);
        event.SetControlDown((modifiers & wxMOD_CONTROL) != 0);
        event.SetShiftDown((modifiers & wxMOD_SHIFT) != 0);
        strip_->GetEventHandler()->ProcessEvent(event);
    }
    void Mouse(wxEventType type, const wxPoint& at, bool leftDown = false, bool shift = false) {
        wxMouseEvent event(type);
        event.SetPosition(at);
        event.SetLeftDown(leftDown || type == wxEVT_LEFT_DOWN);
        event.SetShiftDown(shift);
        event.SetEventObject(strip_);
        event.SetId(strip_->GetId());
        strip_->GetEventHandler()->ProcessEvent(event);
    }
    wxImage Rendered(const wxSize& size) const {
        wxBitmap bitmap(size, 24);
        {
            wxMemoryDC dc(bitmap);
            strip_->Render(dc, size);
        }
        return bitmap.ConvertToImage();
    }
    static wxColour Pixel(const wxImage& image, const wxPoint& p) {
        return wxColour(image.GetRed(p.x, p.y), image.GetGreen(p.x, p.y), image.GetBlue(p.x, p.y));
    }

    ConfigDocument document_;
    wxFrame* frame_ = nullptr;
    CWeekStrip* strip_ = nullptr;
    std::vector<int> selects_;
    std::vector<int> activates_;
    std::vector<DragSpan> drawn_;
};

TEST_F(WeekStripTest, ClicksSelectAndDoubleClicksActivateTheBarUnderTheMouse) {
    const wxRect motion = strip_->BarRect(SegmentOf(kMotion, 3));
    struct Case {
        const char* name;
        wxEventType type;
        wxPoint at;
        std::optional<int> select, activate;
    };
    const Case cases[] = {
        {"office hours on Wednesday", wxEVT_LEFT_DOWN, CentreOf(kWednesday, 3), kWednesday, {}},
        {"the night's Monday part", wxEVT_LEFT_DOWN, CentreOf(kNight, 1), kNight, {}},
        {"double click on the motion entry", wxEVT_LEFT_DCLICK, CentreOf(kMotion, 3), {}, kMotion},
        {"last pixel of a bar", wxEVT_LEFT_DOWN, wxPoint(motion.GetRight(), motion.y), kMotion, {}},
        {"first pixel past a bar", wxEVT_LEFT_DOWN, wxPoint(motion.GetRight() + 1, motion.y), {}, {}},
        {"Monday evening, nothing scheduled", wxEVT_LEFT_DOWN, PointAt(1, 20 * H), {}, {}},
        {"double click on nothing", wxEVT_LEFT_DCLICK, PointAt(4, 3 * H), {}, {}},
        {"the day labels", wxEVT_LEFT_DOWN, wxPoint(2, CentreOf(0, 1).y), {}, {}},
        {"the legend", wxEVT_LEFT_DOWN, wxPoint(kStripSize.x - 20, 10), {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        selects_.clear();
        activates_.clear();
        document_.SelectSlot(std::nullopt);
        Mouse(c.type, c.at);
        EXPECT_EQ(selects_, c.select ? std::vector<int>{*c.select} : std::vector<int>{});
        EXPECT_EQ(activates_, c.activate ? std::vector<int>{*c.activate} : std::vector<int>{});
        // A click or double-click on a bar selects it at once; a click on nothing selects nothing.
        const std::optional<int> selected = c.select ? c.select : c.activate;
        EXPECT_EQ(strip_->SelectedSlot(), selected ? OptionalSlot(*selected) : std::nullopt);
    }
}

TEST_F(WeekStripTest, DraggingFromAnEmptySpotDrawsASnappedSpan) {
    frame_->Show();  // a drag captures the mouse, which takes a window on the screen
    constexpr WeekTime M = 60;
    // A pixel covers a couple of minutes: a fine drag lands within one of the minute aimed at.
    const int secondsPerPixel = D / strip_->BarRect(WeekSegment{1, 0, D, 0}).width + 1;
    enum class Stop { kRelease, kEscape, kEscapeUncaptured, kCaptureLost };
    struct Case {
        const char* name;
        wxPoint press;
        std::vector<wxPoint> moves;  // the last is where the button comes up
        bool shift;
        Stop stop;
        std::optional<DragSpan> drawn;
        std::optional<int> select;
    };
    const wxPoint evening = PointAt(1, 18 * H + 5 * M);
    const Case cases[] = {
        {"along Monday evening", evening, {PointAt(1, 20 * H), PointAt(1, 21 * H + 55 * M)}, false, Stop::kRelease,
         DragSpan{18 * H, 22 * H}, {}},
        {"on past midnight into Tuesday", PointAt(1, 22 * H + 5 * M), {PointAt(2, H), PointAt(2, 2 * H + 55 * M)},
         false, Stop::kRelease, DragSpan{22 * H, D + 3 * H}, {}},
        {"leftwards on Thursday", PointAt(4, 20 * H + 5 * M), {PointAt(4, 18 * H + 55 * M)}, false, Stop::kRelease,
         DragSpan{3 * D + 19 * H, 3 * D + 20 * H}, {}},
        {"by the minute with Shift", PointAt(1, 18 * H + 7 * M), {PointAt(1, 19 * H + 23 * M)}, true, Stop::kRelease,
         DragSpan{18 * H + 7 * M, 19 * H + 23 * M}, {}},
        {"Escape mid-drag", evening, {PointAt(1, 21 * H)}, false, Stop::kEscape, {}, {}},
        {"Escape mid-drag, mouse not captured", evening, {PointAt(1, 21 * H)}, false, Stop::kEscapeUncaptured, {}, {}},
        {"capture lost mid-drag", evening, {PointAt(1, 21 * H)}, false, Stop::kCaptureLost, {}, {}},
        {"press on a bar", CentreOf(0, 1), {PointAt(1, 21 * H)}, false, Stop::kRelease, {}, 0},
        {"click without moving", evening, {evening + wxPoint(1, 0)}, false, Stop::kRelease, {}, {}},
        // Just past Monday's office hours: a new entry from where they stop, which keep their times.
        {"a pixel past a stop", PointAt(1, 17 * H), {PointAt(1, 19 * H)}, false, Stop::kRelease,
         DragSpan{17 * H, 19 * H}, {}},
        {"two pixels past a stop", PointAt(1, 17 * H) + wxPoint(1, 0), {PointAt(1, 19 * H)}, false, Stop::kRelease,
         DragSpan{17 * H, 19 * H}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        selects_.clear();
        drawn_.clear();
        SetSchedule(OfficeWeek());  // a press on a bar moves its entry
        Mouse(wxEVT_LEFT_DOWN, c.press);
        for (const wxPoint& at : c.moves) Mouse(wxEVT_MOTION, at, true, c.shift);
        EXPECT_EQ(strip_->IsDrawing(), c.stop != Stop::kRelease || c.drawn.has_value());
        if (strip_->IsDrawing()) {
            // The span's times stand beside the pointer, and no tooltip does.
            EXPECT_EQ(strip_->PointerShown(), CWeekStrip::Pointer::kDraw);
            EXPECT_TRUE(strip_->DragTip().Contains(" on Monday to ") || strip_->DragTip().Contains(" on Thursday to "))
                << strip_->DragTip();
            EXPECT_EQ(strip_->GetToolTip(), nullptr);
        }
        if (c.stop == Stop::kEscape || c.stop == Stop::kEscapeUncaptured) {
            wxKeyEvent escape(c.stop == Stop::kEscape ? wxEVT_KEY_DOWN : wxEVT_CHAR_HOOK);
            escape.m_keyCode = WXK_ESCAPE;
            strip_->GetEventHandler()->ProcessEvent(escape);
        } else if (c.stop == Stop::kCaptureLost) {
            wxMouseCaptureLostEvent lost(strip_->GetId());
            strip_->GetEventHandler()->ProcessEvent(lost);
        }
        EXPECT_EQ(strip_->IsDrawing(), c.stop == Stop::kRelease && c.drawn.has_value());
        Mouse(wxEVT_LEFT_UP, c.moves.back(), false, c.shift);

        EXPECT_FALSE(strip_->IsDrawing());
        EXPECT_FALSE(strip_->HasCapture());
        EXPECT_EQ(selects_, c.select ? std::vector<int>{*c.select} : std::vector<int>{});
        ASSERT_EQ(drawn_.size(), c.drawn ? 1u : 0u);
        if (!c.drawn) continue;
        const int slack = c.shift ? secondsPerPixel : 0;
        EXPECT_NEAR(drawn_[0].start, c.drawn->start, slack);
        EXPECT_NEAR(drawn_[0].stop, c.drawn->stop, slack);
        EXPECT_EQ(drawn_[0].start % (c.shift ? kFineDragStep : kDragStep), 0u);
        EXPECT_EQ(strip_->DrawnSpan(), drawn_[0]);
        EXPECT_EQ(document_.Image().Entry(0), OfficeWeek()[0]);
    }
}

// Monday 08:00 to 12:00, Monday 16:00 to 18:00 in the way, a night from Sunday 22:00 to Monday 02:00.
std::vector<ScheduleEntry> MondayWithNeighbours() {
    return {DefaultEntry(8 * H, 12 * H), DefaultEntry(16 * H, 18 * H), DefaultEntry(6 * D + 22 * H, 2 * H)};
}

TEST_F(WeekStripTest, DraggingABarMovesOrResizesItsEntryAsOneUndoStep) {
    frame_->Show();  // a drag captures the mouse, which takes a window on the screen
    enum class Stop { kRelease, kEscape, kCaptureLost, kReload };
    struct Case {
        const char* name;
        int slot;
        wxPoint press, release;
        Stop stop;
        WeekTime start, stop_;  // the entry afterwards
    };
    SetSchedule(MondayWithNeighbours());
    const Case cases[] = {
        {"middle, three hours right", 0, PointAt(1, 10 * H), PointAt(1, 13 * H), Stop::kRelease, 11 * H, 15 * H},
        {"middle, a row down", 0, PointAt(1, 10 * H), PointAt(2, 10 * H), Stop::kRelease, D + 8 * H, D + 12 * H},
        {"stop end, two hours right", 0, PointAt(1, 12 * H - 60), PointAt(1, 14 * H - 60), Stop::kRelease, 8 * H,
         14 * H},
        {"start end, an hour left", 0, PointAt(1, 8 * H + 60), PointAt(1, 7 * H + 60), Stop::kRelease, 7 * H, 12 * H},
        {"the night's Monday piece moves all of it", 2, PointAt(1, H), PointAt(1, 3 * H), Stop::kRelease, 0, 4 * H},
        {"onto the entry in the way", 0, PointAt(1, 10 * H), PointAt(1, 17 * H), Stop::kRelease, 8 * H, 12 * H},
        {"Escape", 0, PointAt(1, 10 * H), PointAt(1, 13 * H), Stop::kEscape, 8 * H, 12 * H},
        {"capture lost", 0, PointAt(1, 10 * H), PointAt(1, 13 * H), Stop::kCaptureLost, 8 * H, 12 * H},
        {"a load meanwhile", 2, PointAt(1, H), PointAt(1, 3 * H), Stop::kReload, 6 * D + 22 * H, 2 * H},
        {"a click", 0, PointAt(1, 10 * H), PointAt(1, 10 * H) + wxPoint(1, 0), Stop::kRelease, 8 * H, 12 * H},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetSchedule(MondayWithNeighbours());
        const ScheduleEntry before = document_.Image().Entry(c.slot);
        Mouse(wxEVT_LEFT_DOWN, c.press);
        EXPECT_EQ(strip_->SelectedSlot(), OptionalSlot(c.slot));
        Mouse(wxEVT_MOTION, c.release, true);
        if (c.stop == Stop::kEscape) Key(WXK_ESCAPE, 0);
        if (c.stop == Stop::kCaptureLost) {
            wxMouseCaptureLostEvent lost(strip_->GetId());
            strip_->GetEventHandler()->ProcessEvent(lost);
        }
        if (c.stop == Stop::kReload) document_.Load(ImageOf(MondayWithNeighbours()));  // selects the last
        Mouse(wxEVT_LEFT_UP, c.release);
        EXPECT_FALSE(strip_->IsMoving());
        EXPECT_FALSE(strip_->HasCapture());
        EXPECT_EQ(strip_->PointerShown(), CWeekStrip::Pointer::kSystem);
        const ScheduleEntry after = DefaultEntry(c.start, c.stop_);
        EXPECT_EQ(document_.Image().Entry(c.slot), after);
        EXPECT_EQ(strip_->SelectedSlot(), OptionalSlot(c.slot));
        // A change is one undo step; no change leaves none.
        EXPECT_EQ(document_.CanUndo(), after != before);
        document_.Undo();
        EXPECT_EQ(document_.Image().Entry(c.slot), before);
    }
}

TEST_F(WeekStripTest, TheGhostShowsWhereTheEntryWouldGoAndWhetherItMay) {
    SetSchedule(MondayWithNeighbours());
    frame_->Show();
    const wxPoint beside = PointAt(1, 13 * H);  // where only the ghost will be
    const wxColour empty = Pixel(Rendered(kStripSize), beside);
    // The pointer says what a press would do: resize just inside an end, move in the middle of
    // a bar, draw on empty strip, also just past an end; off the rows it is the system's own.
    const wxPoint pointers[] = {PointAt(1, 12 * H - 60), PointAt(1, 8 * H), PointAt(1, 10 * H), PointAt(1, 12 * H),
                                PointAt(1, 12 * H) + wxPoint(1, 0), PointAt(4, 10 * H), wxPoint(2, 2)};
    const CWeekStrip::Pointer shapes[] = {CWeekStrip::Pointer::kResize, CWeekStrip::Pointer::kResize,
                                          CWeekStrip::Pointer::kMove,   CWeekStrip::Pointer::kDraw,
                                          CWeekStrip::Pointer::kDraw,   CWeekStrip::Pointer::kDraw,
                                          CWeekStrip::Pointer::kSystem};
    for (std::size_t i = 0; i < std::size(pointers); ++i) {
        Mouse(wxEVT_MOTION, pointers[i]);
        EXPECT_EQ(strip_->PointerShown(), shapes[i]) << i;
    }

    Mouse(wxEVT_LEFT_DOWN, PointAt(1, 10 * H));
    Mouse(wxEVT_MOTION, PointAt(1, 12 * H), true);  // fits: 10:00 to 14:00
    ASSERT_TRUE(strip_->IsMoving());
    EXPECT_EQ(strip_->DragTip(), "10:00:00 on Monday to 14:00:00 on Monday");
    EXPECT_EQ(strip_->GetToolTip(), nullptr);
    EXPECT_EQ(strip_->PointerShown(), CWeekStrip::Pointer::kMove);
    const wxColour fits = Pixel(Rendered(kStripSize), beside);
    const wxColour continuous = CWeekStrip::TriggerColour(TriggerClass::Continuous, wxSystemSettings::GetAppearance().IsDark());
    EXPECT_NE(fits, empty);
    EXPECT_NE(fits, continuous);  // see-through
    EXPECT_NE(Pixel(Rendered(kStripSize), PointAt(1, 9 * H)), continuous);  // faded where it leaves

    Mouse(wxEVT_MOTION, PointAt(1, 15 * H), true);  // 13:00 to 17:00 would overlap
    EXPECT_EQ(strip_->DragTip(), "13:00:00 on Monday to 17:00:00 on Monday\n"
                                 "It overlaps 16:00:00 on Monday to 18:00:00 on Monday (Continuous).");
    EXPECT_EQ(strip_->PointerShown(), CWeekStrip::Pointer::kRefused);
    const wxColour refused = Pixel(Rendered(kStripSize), beside);
    EXPECT_NE(refused, empty);
    EXPECT_NE(refused, fits);
    Key(WXK_ESCAPE, 0);
}

TEST_F(WeekStripTest, AltArrowsMoveTheSelectedEntryAndCtrlArrowsItsStop) {
    constexpr WeekTime M = 60;
    struct Case {
        int key, modifiers;
        WeekTime start, stop;  // of Monday 08:00 to 12:00 afterwards
        bool refused;
    };
    const int alt = wxMOD_ALT, ctrl = wxMOD_CONTROL, shift = wxMOD_SHIFT;
    const Case cases[] = {
        {WXK_RIGHT, alt, 8 * H + 15 * M, 12 * H + 15 * M, false},
        {WXK_LEFT, alt | shift, 8 * H - M, 12 * H - M, false},
        {WXK_DOWN, alt, D + 8 * H, D + 12 * H, false},
        {WXK_UP, alt, 6 * D + 8 * H, 6 * D + 12 * H, false},
        {WXK_RIGHT, ctrl, 8 * H, 12 * H + 15 * M, false},
        {WXK_NUMPAD_LEFT, ctrl | shift, 8 * H, 12 * H - M, false},
        {WXK_DOWN, ctrl, 8 * H, 12 * H, true},  // over Monday 16:00
        {WXK_UP, ctrl, 8 * H, 8 * H + 15 * M, false},  // never shorter than a step
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.key << " with " << c.modifiers);
        SetSchedule(MondayWithNeighbours());
        document_.SelectSlot(0);
        Key(c.key, c.modifiers);
        const ScheduleEntry expected = DefaultEntry(c.start, c.stop);
        EXPECT_EQ(document_.Image().Entry(0), expected);
        EXPECT_EQ(strip_->MoveOutcome().result, c.refused ? EditOutcome::Result::kOverlap : EditOutcome::Result::kDone);
        // A screen reader hears the new times.
        EXPECT_EQ(GetAccessibleDescription(strip_), wxString::FromUTF8(DragTipText(expected) + ", Continuous"));
    }
}

TEST_F(WeekStripTest, TheSpanBeingDrawnLetsTheBarsBelowShow) {
    const bool dark = wxSystemSettings::GetAppearance().IsDark();
    const wxColour alarm = CWeekStrip::TriggerColour(TriggerClass::Alarm1, dark);
    const wxColour continuous = CWeekStrip::TriggerColour(TriggerClass::Continuous, dark);
    const wxPoint empty = PointAt(6, 7 * H + 30 * 60);
    const wxPoint onAlarm = CentreOf(kSaturday, 6);
    const wxColour emptyBefore = Pixel(Rendered(kStripSize), empty);
    frame_->Show();
    // From Saturday 07:00, before the alarm entry, to the middle of it.
    Mouse(wxEVT_LEFT_DOWN, PointAt(6, 7 * H));
    Mouse(wxEVT_MOTION, onAlarm + wxPoint(40, 0), true);
    ASSERT_TRUE(strip_->IsDrawing());
    const wxImage image = Rendered(kStripSize);
    for (const wxPoint& at : {empty, onAlarm}) {
        const wxColour pixel = Pixel(image, at);
        EXPECT_NE(pixel, continuous);
        EXPECT_NE(pixel, alarm);
        EXPECT_NE(pixel, emptyBefore);
    }
    // The times beside the pointer follow the span.
    EXPECT_TRUE(strip_->DragTip().StartsWith("07:00:00 on Saturday to ")) << strip_->DragTip();
}

TEST_F(WeekStripTest, EntryWrappingPastSundayEndsOnSundayAndResumesOnMonday) {
    const wxRect monday = strip_->BarRect(SegmentOf(kNight, 1));
    const wxRect sunday = strip_->BarRect(SegmentOf(kNight, 7));
    const wxRect wholeMonday = strip_->BarRect(WeekSegment{1, 0, D, 0});
    const wxRect wholeSunday = strip_->BarRect(WeekSegment{7, 0, D, 0});
    EXPECT_EQ(strip_->Segments().size(), 10u);  // nine entries; the night has two bars

    EXPECT_EQ(monday.y, wholeMonday.y);
    EXPECT_EQ(monday.x, wholeMonday.x);
    EXPECT_NEAR(monday.width, wholeMonday.width * 6.0 / 24, 1.0);
    EXPECT_EQ(sunday.y, wholeSunday.y);
    EXPECT_EQ(sunday.GetRight(), wholeSunday.GetRight());
    EXPECT_NEAR(sunday.x - wholeSunday.x, wholeSunday.width * 22.0 / 24, 1.0);

    // Monday 08:00 office hours start to the right of the night's end, not on top of it.
    EXPECT_GT(strip_->BarRect(SegmentOf(0, 1)).x, monday.GetRight());
    EXPECT_EQ(strip_->SlotAtPoint(CentreOf(kNight, 1)), kNight);
    EXPECT_EQ(strip_->SlotAtPoint(CentreOf(kNight, 7)), kNight);
}

TEST_F(WeekStripTest, ASecondLongEntryStillHasAClickableBar) {
    SetSchedule({Entry(4, 12 * H, 4, 12 * H + 1, 0), Entry(4, 12 * H + 1, 4, 13 * H, 1)});
    const wxRect tiny = strip_->BarRect(SegmentOf(0, 4));
    EXPECT_GE(tiny.width, 1);
    // The hour-long neighbour starts on the same pixel and is drawn over it, so it wins there.
    EXPECT_EQ(strip_->SlotAtPoint(wxPoint(tiny.x, tiny.y)), 1);
    SetSchedule({Entry(4, 12 * H, 4, 12 * H + 1, 0)});
    EXPECT_EQ(strip_->SlotAtPoint(wxPoint(tiny.x, tiny.y)), 0);
}

TEST_F(WeekStripTest, BarsAreDrawnInTheirTriggerColourAndTheSelectionIsOutlined) {
    document_.SelectSlot(kSaturday);
    const wxImage image = Rendered(kStripSize);
    const bool dark = wxSystemSettings::GetAppearance().IsDark();
    struct Case {
        int slot, day;
        TriggerClass trigger;
    };
    const Case bars[] = {
        {0, 1, TriggerClass::Continuous},
        {kNight, 7, TriggerClass::Continuous},
        {kSaturday, 6, TriggerClass::Alarm1},
        {kSunday, 7, TriggerClass::Alarm2},
        {kMotion, 3, TriggerClass::Vmd},
    };
    for (const Case& c : bars) {
        SCOPED_TRACE(c.slot);
        EXPECT_EQ(Pixel(image, CentreOf(c.slot, c.day)), CWeekStrip::TriggerColour(c.trigger, dark));
    }
    const wxColour empty = Pixel(image, PointAt(1, 20 * H));
    for (TriggerClass t : {TriggerClass::Continuous, TriggerClass::Alarm1, TriggerClass::Alarm2, TriggerClass::Vmd})
        EXPECT_NE(empty, CWeekStrip::TriggerColour(t, dark));

    const wxColour outline = wxSystemSettings::GetColour(wxSYS_COLOUR_LISTBOXTEXT);
    const wxRect selected = strip_->BarRect(SegmentOf(kSaturday, 6));
    const wxRect other = strip_->BarRect(SegmentOf(kSunday, 7));
    EXPECT_EQ(Pixel(image, wxPoint(selected.x - 1, selected.y + selected.height / 2)), outline);
    EXPECT_NE(Pixel(image, wxPoint(other.x - 1, other.y + other.height / 2)), outline);
}

TEST_F(WeekStripTest, TheFourTriggerColoursDifferInBothThemes) {
    const TriggerClass all[] = {TriggerClass::Continuous, TriggerClass::Alarm1, TriggerClass::Alarm2,
                                TriggerClass::Vmd};
    for (bool dark : {false, true}) {
        for (TriggerClass a : all) {
            for (TriggerClass b : all) {
                if (a == b) continue;
                EXPECT_NE(CWeekStrip::TriggerColour(a, dark), CWeekStrip::TriggerColour(b, dark));
            }
        }
    }
}

TEST_F(WeekStripTest, HoveringABarShowsItsTimesTriggerAndRate) {
    struct Case {
        int slot, day;
        const char* text;
    };
    const Case cases[] = {
        {0, 1, "08:00:00 on Monday - 17:00:00 on Monday\nContinuous"},
        {kNight, 7, "22:00:00 on Sunday - 06:00:00 on Monday\nContinuous"},
        {kSaturday, 6, "09:00:00 on Saturday - 18:00:00 on Saturday\nAlarm 1 Edge NO"},
        {kSunday, 7, "10:00:00 on Sunday - 16:00:00 on Sunday\nAlarm 2 Level NC"},
        {kMotion, 3, "19:00:00 on Wednesday - 23:30:00 on Wednesday\nVMD"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Mouse(wxEVT_MOTION, CentreOf(c.slot, c.day));
        EXPECT_EQ(strip_->GetToolTipText(), wxString(c.text) + ", 25.0 / 30.0 images per second (PAL / NTSC)");
    }
    // Off the bars a short tip tells what the mouse does and where the keys are.
    Mouse(wxEVT_MOTION, PointAt(1, 20 * H));
    EXPECT_EQ(strip_->GetToolTipText(), "Drag to draw, move or resize; keys in the menu");
    EXPECT_EQ(strip_->TooltipText(-1), "");
    EXPECT_EQ(strip_->TooltipText(9), "");
}

// Stands in for a dialog being shown: notes whether the strip has a tip at that moment and
// answers in the dialog's place. Hooks registered later are asked first, so a strip made after
// this one has already heard of the dialog.
class TipWhileShown : public wxModalDialogHook {
public:
    explicit TipWhileShown(const wxWindow* strip) : strip_(strip) { Register(); }
    const wxWindow* strip_;
    bool tip = true;

protected:
    int Enter(wxDialog*) override {
        tip = strip_->GetToolTip() != nullptr;
        return wxID_OK;
    }
    void Exit(wxDialog*) override {}
};

TEST_F(WeekStripTest, NoTipShowsWhileADialogIsOpen) {
    TipWhileShown shown(nullptr);
    auto* second = new CWeekStrip(frame_, wxID_ANY, document_);
    second->SetSize(kStripSize);
    shown.strip_ = second;
    ASSERT_NE(second->GetToolTip(), nullptr);
    wxDialog dialog(frame_, wxID_ANY, "Over the strip");
    EXPECT_EQ(dialog.ShowModal(), wxID_OK);
    EXPECT_FALSE(shown.tip);
    // The tip comes back once the dialog has closed; the answering hook told only the strip of
    // the opening, so the strip is told of the close here.
    wxModalDialogHook::CallExit(&dialog);
    EXPECT_EQ(second->GetToolTipText(), "Drag to draw, move or resize; keys in the menu");
}

TEST_F(WeekStripTest, BestSizeHoldsEverythingWithoutClipping) {
    const wxSize best = strip_->GetBestSize();
    strip_->SetSize(best);
    EXPECT_GE(strip_->BarRect(WeekSegment{1, 0, D, 0}).height + 2 * strip_->FromDIP(2), strip_->FromDIP(14));
    const wxImage image = Rendered(best);
    const wxColour background = strip_->GetBackgroundColour();
    // Nothing reaches the outermost pixels: hour labels, legend and bars all fit inside.
    for (int x = 0; x < best.x; ++x) {
        ASSERT_EQ(Pixel(image, wxPoint(x, 0)), background) << x;
        ASSERT_EQ(Pixel(image, wxPoint(x, best.y - 1)), background) << x;
    }
    for (int y = 0; y < best.y; ++y) {
        ASSERT_EQ(Pixel(image, wxPoint(0, y)), background) << y;
        ASSERT_EQ(Pixel(image, wxPoint(best.x - 1, y)), background) << y;
    }
}

TEST_F(WeekStripTest, ForeignTimesDrawNoBarAndNamesTheStrip) {
    ScheduleEntry foreign = Entry(1, 0, 1, H, 0);
    foreign.start = 604800;
    SetSchedule({foreign, Entry(2, 0, 2, H, 9)});
    ASSERT_EQ(strip_->Segments().size(), 1u);
    EXPECT_EQ(strip_->Segments()[0].slot, 1u);
    EXPECT_NO_THROW(Rendered(kStripSize));
    EXPECT_EQ(GetAccessibleName(strip_), "Week");
    EXPECT_TRUE(strip_->AcceptsFocus());
    // A screen reader hears which entry is selected.
    EXPECT_EQ(GetAccessibleDescription(strip_), "No entry selected");
    document_.SelectSlot(1);
    EXPECT_EQ(GetAccessibleDescription(strip_), "00:00:00 on Tuesday to 01:00:00 on Tuesday, VMD");
}

}  // namespace
