#pragma once
// A picture of the recording schedule: seven rows, Monday to Sunday, under a 24-hour axis,
// with every entry drawn as bars over the seconds it records, coloured by its trigger, and
// the stretches nothing records hatched; beneath, how much of the week is recorded and what
// is not. It
// draws the document's entries and selection. Clicking a bar selects its entry,
// double-clicking opens it; clicking a day's label selects the day's first entry; hovering
// shows its times; with the focus, the arrow keys move the selection from entry to entry in
// the order of the list. Dragging along the rows from
// an empty spot draws a span for a new entry; dragging a bar moves its entry, dragging an end
// of it (from inside the bar) moves that end, the entry following as a see-through ghost; the
// times stand beside the pointer, and no tooltip shows during a drag or while a dialog is
// open. Escape drops either drag. Alt+arrows move the selected entry, Ctrl+arrows its stop.
// Moves go to the document.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include <wx/control.h>
#include <wx/dc.h>
#include <wx/modalhook.h>

#include "document/config_document.h"
#include "model/schedule_entry.h"
#include "model/week_coverage.h"
#include "model/week_drag.h"
#include "model/week_move.h"
#include "model/week_segments.h"

// Sent when a bar is clicked (SELECT) or double-clicked (ACTIVATE); GetInt() is the slot.
wxDECLARE_EVENT(wxEVT_WEEK_STRIP_SELECT, wxCommandEvent);
wxDECLARE_EVENT(wxEVT_WEEK_STRIP_ACTIVATE, wxCommandEvent);
// Sent when a drag from an empty spot ends; the strip's DrawnSpan() is the span drawn.
wxDECLARE_EVENT(wxEVT_WEEK_STRIP_DRAWN, wxCommandEvent);
// Sent when a move or resize has gone to the document; GetInt() is the slot, the strip's
// MoveOutcome() what became of it.
wxDECLARE_EVENT(wxEVT_WEEK_STRIP_MOVED, wxCommandEvent);

#define EVT_WEEK_STRIP_SELECT(id, fn) wx__DECLARE_EVT1(wxEVT_WEEK_STRIP_SELECT, id, wxCommandEventHandler(fn))
#define EVT_WEEK_STRIP_ACTIVATE(id, fn) wx__DECLARE_EVT1(wxEVT_WEEK_STRIP_ACTIVATE, id, wxCommandEventHandler(fn))
#define EVT_WEEK_STRIP_DRAWN(id, fn) wx__DECLARE_EVT1(wxEVT_WEEK_STRIP_DRAWN, id, wxCommandEventHandler(fn))
#define EVT_WEEK_STRIP_MOVED(id, fn) wx__DECLARE_EVT1(wxEVT_WEEK_STRIP_MOVED, id, wxCommandEventHandler(fn))

class CWeekStrip : public wxControl {
public:
    CWeekStrip(wxWindow* parent, wxWindowID id, ConfigDocument& document);
    ~CWeekStrip() override;

    // The selected entry's slot, whose bars are outlined.
    OptionalSlot SelectedSlot() const { return document_.SelectedSlot(); }
    // Moves the selected entry (or, stopOnly, its stop) by days, or by steps of 15 minutes (of
    // one with fine), as Alt or Ctrl with the arrows do; false with nothing to move.
    bool MoveSelected(bool stopOnly, int days, int steps, bool fine = false);
    // What a screen reader hears of the strip: the selected entry, or that none is, then the
    // coverage lines; translated.
    wxString Description() const;
    // The week's coverage of the schedule drawn, and its lines as the strip shows them, translated.
    const WeekCoverage& Coverage() const { return coverage_; }
    std::vector<wxString> CoverageLines() const;

    const std::vector<WeekSegment>& Segments() const { return segments_; }

    // The span of the last drag that ended in a DRAWN event; empty before the first.
    DragSpan DrawnSpan() const { return drawn_; }
    // Whether a span is being drawn: the button is down and the pointer has moved away.
    bool IsDrawing() const { return drag_ == Drag::kDrawing; }
    // Whether an entry is being moved or resized: pressed on a bar, the pointer moved away.
    bool IsMoving() const { return drag_ == Drag::kMoving; }
    // What the document made of the last move or resize the strip handed it.
    const EditOutcome& MoveOutcome() const { return moveOutcome_; }
    // The pointer over the strip: the system's own, an empty stretch to draw on, an end to
    // resize, an entry to move, or a place the entry may not go.
    enum class Pointer { kSystem, kDraw, kResize, kMove, kRefused };
    Pointer PointerShown() const { return pointer_; }
    // The times shown beside the pointer during a drag; empty otherwise.
    const wxString& DragTip() const { return dragTip_; }

    // Where a bar is drawn, in a drawing area of the given size or of the client size.
    wxRect BarRect(const WeekSegment& segment, const wxSize& area) const;
    wxRect BarRect(const WeekSegment& segment) const { return BarRect(segment, GetClientSize()); }
    // The day (1 = Monday .. 7) of the row under a client point, its label included; none above
    // or below the rows.
    std::optional<int> DayAtPoint(const wxPoint& point) const;
    // The slot of the bar under a client point (the one on top where bars overlap), if any.
    OptionalSlot SlotAtPoint(const wxPoint& point) const;
    // The slot's start, stop, trigger and rate as the list shows them, translated; empty for a
    // slot the schedule lacks.
    wxString TooltipText(SlotIndex slot) const;

    // Draws the whole strip into dc over an area of the given size; OnPaint uses it.
    void Render(wxDC& dc, const wxSize& area) const;
    // Draws the week alone, without what only the screen shows (the selected entry's outline,
    // the keyboard focus, a span being drawn): the picture a printout takes.
    void RenderWeek(wxDC& dc, const wxSize& area) const;

    // The fill colour of a trigger class, for a light or a dark theme. The four are told
    // apart under the common kinds of colour blindness.
    static wxColour TriggerColour(TriggerClass trigger, bool dark);

    bool AcceptsFocus() const override { return true; }
    bool SetFont(const wxFont& font) override;

protected:
    wxSize DoGetBestSize() const override;

private:
    // Pixel geometry of the strip in an area of a given size.
    struct Geometry {
        int labelLeft = 0;         // day labels
        int plotLeft = 0, plotRight = 0;  // the 24-hour axis, x of 00:00 and 24:00
        int rowsTop = 0, rowHeight = 0;   // row of day d spans rowsTop + (d-1)*rowHeight
        int barInset = 0;          // gap between a bar and its row's edges
        int axisTop = 0;           // ticks and hour labels below the rows
        int legendLeft = 0;        // legend to the right of the axis
        int coverageTop = 0;       // the coverage lines below the hour labels
    };
    // Widths and heights of the strip's texts, measured once and again after a change of
    // font, DPI or theme (the bar under the mouse is looked for on every mouse move).
    struct TextMetrics {
        bool valid = false;
        int dayWidth = 0, legendWidth = 0, hourLabelWidth = 0, charHeight = 0;
    };
    const TextMetrics& Metrics() const;
    Geometry Measure(const wxSize& area) const;
    int AxisHeight() const;
    int CoverageHeight() const;  // the coverage lines beneath the axis
    int XOfSecond(const Geometry& g, std::uint32_t second) const;
    wxRect BarRect(const Geometry& g, const WeekSegment& segment) const;
    bool InPlot(const Geometry& g, const wxPoint& point) const;
    // The row and second under a point; left or right of the axis counts as its ends.
    StripPoint PointOnStrip(const Geometry& g, const wxPoint& point) const;
    // How near an end of a bar, in seconds, the pointer takes hold of that end.
    std::uint32_t EndTolerance(const Geometry& g) const;
    // The day whose label is under a point; none elsewhere.
    std::optional<int> DayLabelAt(const Geometry& g, const wxPoint& point) const;
    // The entry and part a press at a point takes hold of: the bar drawn there; none elsewhere.
    StripHit HitAtPoint(const Geometry& g, const wxPoint& point) const;
    // The pointer that says what a press at a point would do.
    Pointer PointerAt(const wxPoint& point) const;

    void DrawGrid(wxDC& dc, const Geometry& g) const;
    void DrawBars(wxDC& dc, const Geometry& g) const;
    // Hatches the stretches no entry records.
    void DrawUnrecorded(wxDC& dc, const Geometry& g) const;
    void DrawCoverage(wxDC& dc, const Geometry& g) const;
    // The selected entry's bars again, outlined: on the screen only, never on paper.
    void DrawSelected(wxDC& dc, const Geometry& g) const;
    void DrawLegend(wxDC& dc, const Geometry& g) const;
    void DrawSpan(wxDC& dc, const Geometry& g) const;
    void DrawGhost(wxDC& dc, const Geometry& g) const;
    void DrawDragTip(wxDC& dc, const wxSize& area) const;
    void DrawSeeThrough(wxDC& dc, const Geometry& g, const std::vector<WeekSegment>& bars, const wxColour& colour) const;

    // A press on an empty spot becomes a drag once the pointer has moved a few pixels.
    bool PastDragThreshold(const wxPoint& point) const;
    void FollowDrag(const wxMouseEvent& event);
    void FollowMove(const wxMouseEvent& event);
    // Ends a drag; apply hands a drawn span to the window, a moved entry to the document.
    void EndDrag(bool apply);
    bool DropDragOnEscape(const wxKeyEvent& event);  // true when it did
    // Alt+arrows move the selected entry, Ctrl+arrows its stop; true when the key was one of them.
    bool MoveByKey(const wxKeyEvent& event);
    // Hands the slot's entry, moved, to the document and tells the window; no change, no call.
    void ApplyMove(SlotIndex slot, const ScheduleEntry& moved);
    void ShowHover(OptionalSlot slot);
    // Sets the tooltip the strip stands in: the hovered entry's, the strip's own, or none.
    void ShowTip();
    void ShowPointer(Pointer pointer);

    void OnDocumentChange(const ConfigDocument::Change& change);
    // Works out coverage_, its hatched bars and its lines again from entries_.
    void UpdateCoverage();
    void SendSlotEvent(wxEventType type, SlotIndex slot);
    void OnKeyDown(wxKeyEvent& event);
    void OnFocus(wxFocusEvent& event);
    void OnPaint(wxPaintEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftDClick(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnLeave(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void OnSysColourChanged(wxSysColourChangedEvent& event);
    void OnDPIChanged(wxDPIChangedEvent& event);

    ConfigDocument& document_;
    int listenerId_ = 0;
    std::vector<ScheduleEntry> entries_;  // the document's, as last drawn
    std::vector<WeekSegment> segments_;
    WeekCoverage coverage_;                 // of entries_
    std::vector<wxString> coverageLines_;   // coverage_ in words, as the strip and its description give it
    std::vector<WeekSegment> unrecorded_;   // the bars of coverage_'s unrecorded stretches
    // A coverage line as last drawn, shortened to its room once rather than at every paint
    // (a drag repaints the strip many times a second).
    struct FittedLine {
        std::string text;
        int room = -1;
        int charHeight = 0;
        wxString shown;
        int width = 0;
    };
    mutable std::array<FittedLine, 3> fittedLines_;
    OptionalSlot hovered_;  // the slot whose tooltip is set
    // kPressed and kDrawing on an empty spot, kPressedOnEntry and kMoving on an entry's bar.
    enum class Drag { kNone, kPressed, kDrawing, kPressedOnEntry, kMoving };
    Drag drag_ = Drag::kNone;
    wxPoint pressPixel_;
    StripPoint pressPoint_;
    DragSpan drawing_;  // while drag_ is kDrawing
    DragSpan drawn_;
    StripHit grabbed_;                     // from kPressedOnEntry on
    std::optional<ScheduleEntry> ghost_;   // where the grabbed entry would go, while kMoving
    OptionalSlot ghostInTheWay_;           // the entry the ghost would overlap
    EditOutcome moveOutcome_;
    Pointer pointer_ = Pointer::kSystem;
    wxString dragTip_;     // while kDrawing or kMoving
    wxPoint pointerPixel_;  // where dragTip_ stands beside

    // Counts the modal dialogs open over the window, message boxes and the system's dialogs
    // included, so that no tip of the strip shows over them.
    class OpenDialogs : public wxModalDialogHook {
    public:
        explicit OpenDialogs(CWeekStrip* strip) : strip_(strip) { Register(); }
        bool Any() const { return count_ > 0; }

    protected:
        int Enter(wxDialog* dialog) override;
        void Exit(wxDialog* dialog) override;

    private:
        CWeekStrip* strip_;  // its own window's modal run is not counted
        int count_ = 0;
    };
    OpenDialogs openDialogs_{this};
    mutable TextMetrics metrics_;

    wxDECLARE_EVENT_TABLE();
};
