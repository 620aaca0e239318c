#include "ui/week_strip/week_strip.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>

#include <wx/dcbuffer.h>
#include <wx/graphics.h>
#include <wx/settings.h>

#include "model/entry_texts.h"
#include "model/week_time.h"
#include "ui/common/accessibility.h"
#include "ui/common/messages.h"

wxDEFINE_EVENT(wxEVT_WEEK_STRIP_SELECT, wxCommandEvent);
wxDEFINE_EVENT(wxEVT_WEEK_STRIP_ACTIVATE, wxCommandEvent);
wxDEFINE_EVENT(wxEVT_WEEK_STRIP_DRAWN, wxCommandEvent);
wxDEFINE_EVENT(wxEVT_WEEK_STRIP_MOVED, wxCommandEvent);

namespace {
constexpr int kDays = 7;
constexpr int kHours = 24;
constexpr int kLabelledEvery = 6;  // hours between labelled ticks
// The rows' labels and the legend's texts, in English; drawn and measured translated.
constexpr std::array<const char*, kDays> kDayLabels = {
    // TRANSLATORS: the week strip's row labels, Monday to Sunday, as short as they can be.
    wxTRANSLATE("Mon"), wxTRANSLATE("Tue"), wxTRANSLATE("Wed"), wxTRANSLATE("Thu"),
    wxTRANSLATE("Fri"), wxTRANSLATE("Sat"), wxTRANSLATE("Sun")};

struct LegendItem {
    TriggerClass trigger;
    const char* text;
};
constexpr std::array<LegendItem, 4> kLegend = {{
    {TriggerClass::Continuous, wxTRANSLATE("Continuous")},
    // TRANSLATORS: on the week strip's legend: entries recording on alarm input 1, of either kind.
    {TriggerClass::Alarm1, wxTRANSLATE("Alarm 1")},
    {TriggerClass::Alarm2, wxTRANSLATE("Alarm 2")},
    {TriggerClass::Vmd, wxTRANSLATE("VMD")},
}};
// TRANSLATORS: on the week strip's legend, beside the hatching of the times no entry records.
constexpr const char* kUnrecordedLegend = wxTRANSLATE("Not recorded");
constexpr std::size_t kLegendLines = kLegend.size() + 1;

// Sizes in device-independent pixels.
constexpr int kMargin = 4;
constexpr int kBottomMargin = 2;
constexpr int kLabelGap = 6;     // day labels to the axis
constexpr int kLegendGap = 12;   // axis to the legend
constexpr int kRowHeight = 14;   // preferred row height
constexpr int kBarInset = 2;     // bar to the row's edges
constexpr int kTickLength = 4;
constexpr int kSwatch = 10;
constexpr int kSwatchGap = 4;
constexpr int kLegendSpacing = 3;
constexpr int kOutline = 2;      // the selected entry's outline
constexpr int kPreferredAxisWidth = kHours * 12;
constexpr int kMinDragDistance = 3;  // when the system names no drag threshold
constexpr unsigned char kSpanAlpha = 96;  // the span being drawn lets the bars below show
constexpr double kMovedFrom = 0.4;  // how much colour an entry keeps where it is moved away from
constexpr int kEndZone = 4;  // how near an end of a bar the pointer takes hold of that end
constexpr int kHatchSpacing = 6;   // between the lines hatching unrecorded stretches
constexpr double kHatchStrength = 0.4;  // how far the hatching goes from the rows' background to their text
constexpr int kCoverageLines = 2;  // recorded time and triggers' times; the unrecorded stretches
constexpr int kCoverageGap = 24;   // between the recorded time and the triggers' times

constexpr int kTipOffset = 16;  // from the pointer to the times shown beside it during a drag
constexpr int kTipPadding = 4;

// Where the pointer rests on nothing: what the mouse does here, and where the keys are listed.
// One line, so that it covers little. In English; shown translated.
constexpr const char* kStripTip = wxTRANSLATE("Drag to draw, move or resize; keys in the menu");

// A ghost that may not go where it is: a colour none of the triggers takes (Okabe-Ito vermilion).
const wxColour kRefusedColour(0xD5, 0x5E, 0x00);

wxString HourText(int hour) { return wxString::Format("%02d:00", hour); }

wxColour Blend(const wxColour& a, const wxColour& b, double towardsB) {
    auto mix = [towardsB](unsigned char x, unsigned char y) {
        return static_cast<unsigned char>(x + (y - x) * towardsB + 0.5);
    };
    return wxColour(mix(a.Red(), b.Red()), mix(a.Green(), b.Green()), mix(a.Blue(), b.Blue()));
}

// Everything is drawn as filled, pixel-aligned rectangles: no pen half-pixel blur on any DPI.
void FillRect(wxDC& dc, const wxRect& rect, const wxColour& colour) {
    if (rect.width <= 0 || rect.height <= 0) return;
    // A see-through colour is blended by a graphics context: a plain device context on
    // Windows (GDI) would paint it opaque and hide what lies below.
    if (colour.Alpha() != wxALPHA_OPAQUE) {
        if (const std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::CreateFromUnknownDC(dc)); gc) {
            gc->SetPen(*wxTRANSPARENT_PEN);
            gc->SetBrush(wxBrush(colour));
            gc->DrawRectangle(rect.x, rect.y, rect.width, rect.height);
            return;
        }
    }
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(colour));
    dc.DrawRectangle(rect);
}

// A filled box with a 1-pixel edge in a darker shade, so that bars that touch stay apart.
void FillEdgedRect(wxDC& dc, const wxRect& rect, const wxColour& colour) {
    if (rect.width < 3 || rect.height < 3) {
        FillRect(dc, rect, colour);
        return;
    }
    FillRect(dc, rect, colour.ChangeLightness(65));
    FillRect(dc, wxRect(rect).Deflate(1), colour);
}

// A frame of the given thickness just outside rect.
void FrameRect(wxDC& dc, const wxRect& rect, int thickness, const wxColour& colour) {
    const wxRect outer = wxRect(rect).Inflate(thickness);
    FillRect(dc, wxRect(outer.x, outer.y, outer.width, thickness), colour);
    FillRect(dc, wxRect(outer.x, rect.GetBottom() + 1, outer.width, thickness), colour);
    FillRect(dc, wxRect(outer.x, rect.y, thickness, rect.height), colour);
    FillRect(dc, wxRect(rect.GetRight() + 1, rect.y, thickness, rect.height), colour);
}

// Lines rising to the right across each of rects, spacing apart. They lie where x + y is a
// multiple of spacing, so that the hatching of neighbouring rectangles joins up. Where the
// device draws through a graphics context (GTK) the toolkit's hatched brush fills the
// rectangles instead: one repeated pattern, anchored to the device so that it joins up too,
// and many times quicker than stroking each line.
void Hatch(wxDC& dc, std::span<const wxRect> rects, int spacing, const wxColour& colour) {
    if (spacing <= 0) return;
    if (dc.GetGraphicsContext()) {
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(wxBrush(colour, wxBRUSHSTYLE_BDIAGONAL_HATCH));
        for (const wxRect& rect : rects)
            if (rect.width > 0 && rect.height > 0) dc.DrawRectangle(rect);
        dc.SetBrush(wxNullBrush);
        dc.SetPen(wxNullPen);
        return;
    }
    dc.SetPen(wxPen(colour, 1));
    for (const wxRect& rect : rects) {
        if (rect.width <= 0 || rect.height <= 0) continue;
        const int left = rect.x, top = rect.y, right = rect.GetRight(), bottom = rect.GetBottom();
        const int past = ((left + top) % spacing + spacing) % spacing;  // past the last line before
        const int first = left + top + (past == 0 ? 0 : spacing - past);
        for (int sum = first; sum <= right + bottom; sum += spacing) {
            const int x1 = std::max(left, sum - bottom), x2 = std::min(right, sum - top);
            dc.DrawLine(x1, sum - x1, x2, sum - x2);
        }
    }
    dc.SetPen(wxNullPen);
}

// The hatching of what no entry records: from the system's colours of the rows, so that it
// reads in a light and a dark theme alike; lines rather than a tint, so that a grey printout
// keeps it.
wxColour HatchColour() {
    return Blend(wxSystemSettings::GetColour(wxSYS_COLOUR_LISTBOX), wxSystemSettings::GetColour(wxSYS_COLOUR_LISTBOXTEXT),
                 kHatchStrength);
}

bool IsDarkTheme() { return wxSystemSettings::GetAppearance().IsDark(); }

// wxGTK draws wxCURSOR_SIZING as the X font's "sizing" glyph, which cursor themes lack; its
// four arrows, as Windows shows them for wxCURSOR_SIZING, are wxCURSOR_SIZENWSE ("fleur").
wxCursor CursorOf(CWeekStrip::Pointer pointer) {
    switch (pointer) {
        case CWeekStrip::Pointer::kSystem: break;
        case CWeekStrip::Pointer::kDraw: return wxCursor(wxCURSOR_CROSS);
        case CWeekStrip::Pointer::kResize: return wxCursor(wxCURSOR_SIZEWE);
#ifdef __WXGTK__
        case CWeekStrip::Pointer::kMove: return wxCursor(wxCURSOR_SIZENWSE);
#else
        case CWeekStrip::Pointer::kMove: return wxCursor(wxCURSOR_SIZING);
#endif
        case CWeekStrip::Pointer::kRefused: return wxCursor(wxCURSOR_NO_ENTRY);
    }
    return wxNullCursor;
}
}  // namespace

// clang-format off
wxBEGIN_EVENT_TABLE(CWeekStrip, wxControl)
    EVT_PAINT(CWeekStrip::OnPaint)
    EVT_SIZE(CWeekStrip::OnSize)
    EVT_LEFT_DOWN(CWeekStrip::OnLeftDown)
    EVT_LEFT_DCLICK(CWeekStrip::OnLeftDClick)
    EVT_LEFT_UP(CWeekStrip::OnLeftUp)
    EVT_MOUSE_CAPTURE_LOST(CWeekStrip::OnCaptureLost)
    EVT_CHAR_HOOK(CWeekStrip::OnCharHook)
    EVT_MOTION(CWeekStrip::OnMotion)
    EVT_LEAVE_WINDOW(CWeekStrip::OnLeave)
    EVT_SYS_COLOUR_CHANGED(CWeekStrip::OnSysColourChanged)
    EVT_DPI_CHANGED(CWeekStrip::OnDPIChanged)
    EVT_KEY_DOWN(CWeekStrip::OnKeyDown)
    EVT_SET_FOCUS(CWeekStrip::OnFocus)
    EVT_KILL_FOCUS(CWeekStrip::OnFocus)
wxEND_EVENT_TABLE()
// clang-format on

CWeekStrip::CWeekStrip(wxWindow* parent, wxWindowID id, ConfigDocument& document) : document_(document) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);  // OnPaint covers every pixel
    Create(parent, id, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE | wxFULL_REPAINT_ON_RESIZE | wxWANTS_CHARS);
    SetAccessibleName(this, _("Week"));
    entries_ = document_.Entries();
    segments_ = WeekSegments(entries_);
    UpdateCoverage();
    SetAccessibleDescription(this, Description());
    ShowTip();
    listenerId_ = document_.AddListener([this](const ConfigDocument::Change& change) { OnDocumentChange(change); });
}

CWeekStrip::~CWeekStrip() {
    if (HasCapture()) ReleaseMouse();
    document_.RemoveListener(listenerId_);
}

void CWeekStrip::OnDocumentChange(const ConfigDocument::Change& change) {
    if (change.kind == ConfigDocument::ChangeKind::kModified) return;
    if (change.kind != ConfigDocument::ChangeKind::kSelection) {
        // The entry being moved may have changed or gone: let it be.
        if (drag_ == Drag::kPressedOnEntry || drag_ == Drag::kMoving) EndDrag(false);
        entries_ = document_.Entries();
        segments_ = WeekSegments(entries_);
        UpdateCoverage();
        if (hovered_) {
            hovered_.reset();
            ShowTip();
        }
    }
    SetAccessibleDescription(this, Description());
    Refresh();
}

wxString CWeekStrip::Description() const {
    const OptionalSlot slot = SelectedSlot();
    wxString description = _("No entry selected");
    if (slot && *slot < entries_.size()) {
        const ColumnTexts texts = EntryTexts(entries_[*slot]);
        // TRANSLATORS: what a screen reader hears of the week strip: the selected entry's start,
        // stop and trigger, "08:00:00 on Friday to 17:00:00 on Friday, Continuous".
        description = wxString::Format(_("%s to %s, %s"), wxString::FromUTF8(texts[ListColumn::kStart]),
                                       wxString::FromUTF8(texts[ListColumn::kStop]),
                                       wxString::FromUTF8(texts[ListColumn::kTrigger]));
    }
    for (const wxString& line : coverageLines_) description << '\n' << line;
    return description;
}

void CWeekStrip::UpdateCoverage() {
    coverage_ = CoverageOf(entries_);
    unrecorded_ = UnrecordedSegments(coverage_);
    coverageLines_.clear();
    for (const std::string& line : ::CoverageLines(coverage_)) coverageLines_.push_back(wxString::FromUTF8(line));
}

std::vector<wxString> CWeekStrip::CoverageLines() const { return coverageLines_; }

void CWeekStrip::OnKeyDown(wxKeyEvent& event) {
    if (DropDragOnEscape(event) || MoveByKey(event)) return;
#ifdef __WXMSW__
    // The strip wants its arrow keys, so Windows hands it Tab too; it passes the focus on.
    // (GTK moves the focus on Tab itself, before the strip sees the key.)
    if (event.GetKeyCode() == WXK_TAB && !event.ControlDown() && !event.AltDown()) {
        Navigate(event.ShiftDown() ? wxNavigationKeyEvent::IsBackward : wxNavigationKeyEvent::IsForward);
        return;
    }
#endif
    // Up and Left go to the entry listed before the selected one, Down and Right to the one
    // after; with nothing selected, to the first or the last.
    const int key = event.GetKeyCode();
    int step = 0;
    if (key == WXK_UP || key == WXK_LEFT || key == WXK_NUMPAD_UP || key == WXK_NUMPAD_LEFT) step = -1;
    if (key == WXK_DOWN || key == WXK_RIGHT || key == WXK_NUMPAD_DOWN || key == WXK_NUMPAD_RIGHT) step = 1;
    const std::size_t rows = document_.RowCount();
    if (step == 0 || event.HasAnyModifiers() || rows == 0) {
        event.Skip();
        return;
    }
    const OptionalRow row = document_.SelectedRow();
    RowIndex next = step > 0 ? 0 : rows - 1;
    if (row) next = step > 0 ? std::min(*row + 1, rows - 1) : (*row == 0 ? 0 : *row - 1);
    document_.SelectRow(next);
    SendSlotEvent(wxEVT_WEEK_STRIP_SELECT, document_.SlotOfRow(next));
}

bool CWeekStrip::MoveByKey(const wxKeyEvent& event) {
    const int modifiers = event.GetModifiers() & ~wxMOD_SHIFT;
    if (modifiers != wxMOD_ALT && modifiers != wxMOD_CONTROL) return false;
    const int key = event.GetKeyCode();
    int steps = 0;
    int days = 0;
    if (key == WXK_LEFT || key == WXK_NUMPAD_LEFT) steps = -1;
    if (key == WXK_RIGHT || key == WXK_NUMPAD_RIGHT) steps = 1;
    if (key == WXK_UP || key == WXK_NUMPAD_UP) days = -1;
    if (key == WXK_DOWN || key == WXK_NUMPAD_DOWN) days = 1;
    return MoveSelected(modifiers == wxMOD_CONTROL, days, steps, event.ShiftDown());
}

bool CWeekStrip::MoveSelected(bool stopOnly, int days, int steps, bool fine) {
    const OptionalSlot slot = SelectedSlot();
    if ((steps == 0 && days == 0) || !slot || *slot >= entries_.size()) return false;
    const std::uint32_t step = fine ? kFineDragStep : kDragStep;
    const ScheduleEntry& entry = entries_[*slot];
    if (!stopOnly)
        ApplyMove(*slot, days != 0 ? MoveByDays(entry, days) : MoveBySteps(entry, steps, step));
    else
        ApplyMove(*slot, days != 0 ? MoveStopByDays(entry, days, step) : MoveStopBySteps(entry, steps, step));
    return true;
}

void CWeekStrip::OnFocus(wxFocusEvent& event) {
    event.Skip();
    Refresh();  // the focus frame comes or goes
}

wxColour CWeekStrip::TriggerColour(TriggerClass trigger, bool dark) {
    // Okabe-Ito colours. On a dark background the deep blue is too dim, so continuous
    // recording takes the palette's sky blue there.
    switch (trigger) {
        case TriggerClass::Continuous: return dark ? wxColour(0x56, 0xB4, 0xE9) : wxColour(0x00, 0x72, 0xB2);
        case TriggerClass::Alarm1: return wxColour(0xE6, 0x9F, 0x00);
        case TriggerClass::Alarm2: return wxColour(0x00, 0x9E, 0x73);
        case TriggerClass::Vmd: return wxColour(0xCC, 0x79, 0xA7);
    }
    return wxColour(0x00, 0x72, 0xB2);
}

const CWeekStrip::TextMetrics& CWeekStrip::Metrics() const {
    if (metrics_.valid) return metrics_;
    TextMetrics m;
    m.valid = true;
    for (const char* label : kDayLabels) m.dayWidth = std::max(m.dayWidth, GetTextExtent(wxGetTranslation(label)).x);
    for (const LegendItem& item : kLegend)
        m.legendWidth = std::max(m.legendWidth, GetTextExtent(wxGetTranslation(item.text)).x);
    m.legendWidth = std::max(m.legendWidth, GetTextExtent(wxGetTranslation(kUnrecordedLegend)).x);
    m.hourLabelWidth = GetTextExtent(HourText(kHours)).x;
    m.charHeight = GetCharHeight();
    metrics_ = m;
    return metrics_;
}

CWeekStrip::Geometry CWeekStrip::Measure(const wxSize& area) const {
    const TextMetrics& m = Metrics();
    const int margin = FromDIP(kMargin);
    // The hour labels stand centred under their ticks; the first and last reach past the axis.
    const int halfHourLabel = (m.hourLabelWidth + 1) / 2;

    Geometry g;
    g.labelLeft = margin;
    g.plotLeft = std::max(margin + m.dayWidth + FromDIP(kLabelGap), margin + halfHourLabel);
    g.legendLeft = area.x - margin - (FromDIP(kSwatch) + FromDIP(kSwatchGap) + m.legendWidth);
    g.plotRight = std::max(g.plotLeft + 1, g.legendLeft - FromDIP(kLegendGap) - halfHourLabel);

    g.rowsTop = margin;
    g.rowHeight = std::max(1, (area.y - g.rowsTop - AxisHeight() - CoverageHeight()) / kDays);
    g.barInset = std::min(FromDIP(kBarInset), (g.rowHeight - 1) / 3);
    g.axisTop = g.rowsTop + kDays * g.rowHeight;
    g.coverageTop = g.axisTop + AxisHeight();
    return g;
}

wxSize CWeekStrip::DoGetBestSize() const {
    // Lay out a wide area and keep what lies beside its axis; the axis gets a preferred width.
    const wxSize wide(10 * FromDIP(kPreferredAxisWidth), 0);
    const Geometry g = Measure(wide);
    const int width = wide.x - (g.plotRight - g.plotLeft) + FromDIP(kPreferredAxisWidth);
    const int charHeight = Metrics().charHeight;
    const int legendHeight = static_cast<int>(kLegendLines) *
                             (std::max(charHeight, FromDIP(kSwatch)) + FromDIP(kLegendSpacing));
    // Rows no lower than a line of text, so that the day labels never crowd each other.
    const int rowHeight = std::max(FromDIP(kRowHeight), charHeight);
    const int rows = std::max(kDays * rowHeight, legendHeight);
    return wxSize(width, g.rowsTop + rows + AxisHeight() + CoverageHeight());
}

int CWeekStrip::AxisHeight() const {
    // A pixel of gap, the ticks, another pixel, the hour labels and a bottom margin.
    return 1 + FromDIP(kTickLength) + FromDIP(1) + Metrics().charHeight + FromDIP(kBottomMargin);
}

int CWeekStrip::CoverageHeight() const {
    return kCoverageLines * Metrics().charHeight + FromDIP(kBottomMargin);
}

int CWeekStrip::XOfSecond(const Geometry& g, std::uint32_t second) const {
    const std::int64_t width = g.plotRight - g.plotLeft;
    return g.plotLeft + static_cast<int>((second * width + kSecondsPerDay / 2) / kSecondsPerDay);
}

wxRect CWeekStrip::BarRect(const Geometry& g, const WeekSegment& segment) const {
    const int left = XOfSecond(g, segment.first);
    const int right = std::max(left + 1, XOfSecond(g, segment.end));  // a one-second entry still shows
    const int top = g.rowsTop + (segment.day - 1) * g.rowHeight + g.barInset;
    return wxRect(left, top, right - left, std::max(1, g.rowHeight - 2 * g.barInset));
}

bool CWeekStrip::InPlot(const Geometry& g, const wxPoint& point) const {
    return point.x >= g.plotLeft && point.x < g.plotRight && point.y >= g.rowsTop &&
           point.y < g.rowsTop + kDays * g.rowHeight;
}

StripPoint CWeekStrip::PointOnStrip(const Geometry& g, const wxPoint& point) const {
    // The inverse of XOfSecond, to the nearest second; rows above or below the strip are
    // left for the model to bring onto it.
    const std::int64_t width = g.plotRight - g.plotLeft;
    const std::int64_t x = std::clamp<std::int64_t>(point.x - g.plotLeft, 0, width);
    StripPoint at;
    at.day = 1 + (point.y - g.rowsTop) / g.rowHeight;
    at.secondOfDay = static_cast<std::uint32_t>((x * kSecondsPerDay + width / 2) / width);
    return at;
}

std::uint32_t CWeekStrip::EndTolerance(const Geometry& g) const {
    const std::int64_t width = g.plotRight - g.plotLeft;
    return static_cast<std::uint32_t>(FromDIP(kEndZone) * std::int64_t{kSecondsPerDay} / width);
}

StripHit CWeekStrip::HitAtPoint(const Geometry& g, const wxPoint& point) const {
    // The drawn bar says which entry, so that one too short to fill a pixel is still taken.
    const StripPoint at = PointOnStrip(g, point);
    return GrabAt(segments_, at.day, at.secondOfDay, EndTolerance(g), SlotAtPoint(point));
}

wxRect CWeekStrip::BarRect(const WeekSegment& segment, const wxSize& area) const {
    return BarRect(Measure(area), segment);
}

std::optional<int> CWeekStrip::DayAtPoint(const wxPoint& point) const {
    const Geometry g = Measure(GetClientSize());
    if (point.y < g.rowsTop || point.y >= g.rowsTop + kDays * g.rowHeight) return std::nullopt;
    return 1 + (point.y - g.rowsTop) / g.rowHeight;
}

std::optional<int> CWeekStrip::DayLabelAt(const Geometry& g, const wxPoint& point) const {
    if (point.x < g.labelLeft || point.x >= g.plotLeft) return std::nullopt;
    return DayAtPoint(point);
}

OptionalSlot CWeekStrip::SlotAtPoint(const wxPoint& point) const {
    // Hit-test what is drawn, so that a bar too short for its seconds to fill a pixel can
    // still be clicked. The bar drawn last is on top.
    const Geometry g = Measure(GetClientSize());
    OptionalSlot found;
    for (const WeekSegment& segment : segments_) {
        if (BarRect(g, segment).Contains(point)) found = segment.slot;
    }
    return found;
}

wxString CWeekStrip::TooltipText(SlotIndex slot) const {
    if (slot >= entries_.size()) return wxString();
    return wxString::FromUTF8(EntryHoverText(entries_[slot]));
}

void CWeekStrip::RenderWeek(wxDC& dc, const wxSize& area) const {
    const Geometry g = Measure(area);
    FillRect(dc, wxRect(area), GetBackgroundColour());
    dc.SetFont(GetFont());
    DrawGrid(dc, g);
    DrawUnrecorded(dc, g);
    DrawBars(dc, g);
    DrawLegend(dc, g);
    DrawCoverage(dc, g);
}

void CWeekStrip::Render(wxDC& dc, const wxSize& area) const {
    RenderWeek(dc, area);
    const Geometry g = Measure(area);
    DrawSelected(dc, g);
    if (drag_ == Drag::kDrawing) DrawSpan(dc, g);
    if (drag_ == Drag::kMoving) DrawGhost(dc, g);
    if (!dragTip_.empty()) DrawDragTip(dc, area);
    if (HasFocus()) {
        // The keyboard focus: a frame in the selection colour around the rows.
        const wxRect plot(g.plotLeft, g.rowsTop, g.plotRight - g.plotLeft, kDays * g.rowHeight);
        FrameRect(dc, wxRect(plot).Inflate(FromDIP(2)), FromDIP(2), wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT));
    }
}

void CWeekStrip::DrawGrid(wxDC& dc, const Geometry& g) const {
    const wxColour plotBack = wxSystemSettings::GetColour(wxSYS_COLOUR_LISTBOX);
    const wxColour plotText = wxSystemSettings::GetColour(wxSYS_COLOUR_LISTBOXTEXT);
    const wxColour text = GetForegroundColour();
    const wxColour frame = Blend(GetBackgroundColour(), text, 0.45);
    const wxColour rowLine = Blend(plotBack, plotText, 0.10);
    const wxColour hourLine = Blend(plotBack, plotText, 0.22);
    const int width = g.plotRight - g.plotLeft;
    const int height = kDays * g.rowHeight;

    const wxRect plot(g.plotLeft, g.rowsTop, width, height);
    FillRect(dc, wxRect(plot).Inflate(1), frame);
    FillRect(dc, plot, plotBack);
    for (int day = 1; day < kDays; ++day)
        FillRect(dc, wxRect(g.plotLeft, g.rowsTop + day * g.rowHeight, width, 1), rowLine);
    for (int hour = kLabelledEvery; hour < kHours; hour += kLabelledEvery)
        FillRect(dc, wxRect(XOfSecond(g, hour * 3600), g.rowsTop, 1, height), hourLine);

    dc.SetTextForeground(text);
    const int charHeight = dc.GetCharHeight();
    for (int day = 0; day < kDays; ++day) {
        const int y = g.rowsTop + day * g.rowHeight + (g.rowHeight - charHeight) / 2;
        dc.DrawText(wxGetTranslation(kDayLabels[day]), g.labelLeft, y);
    }

    // Hour ticks under the rows: long and labelled every six hours, short in between.
    const int tick = FromDIP(kTickLength);
    const int tickTop = g.axisTop + 1;
    for (int hour = 0; hour <= kHours; ++hour) {
        const int x = hour == 0 ? g.plotLeft - 1 : XOfSecond(g, hour * 3600);
        const bool labelled = hour % kLabelledEvery == 0;
        FillRect(dc, wxRect(x, tickTop, 1, labelled ? tick : tick / 2), frame);
        if (labelled) {
            const wxString label = HourText(hour);
            dc.DrawText(label, x - dc.GetTextExtent(label).x / 2, tickTop + tick + FromDIP(1));
        }
    }
}

void CWeekStrip::DrawBars(wxDC& dc, const Geometry& g) const {
    const bool dark = IsDarkTheme();
    for (const WeekSegment& segment : segments_) {
        const TriggerClass trigger = ClassOfTrigger(TriggerOf(entries_[segment.slot]));
        FillEdgedRect(dc, BarRect(g, segment), TriggerColour(trigger, dark));
    }
}

void CWeekStrip::DrawUnrecorded(wxDC& dc, const Geometry& g) const {
    // A day with any stretch unrecorded is hatched across, under its bars: the bars cover what
    // is recorded and leave the hatching where nothing is. Seven rectangles at the most rather
    // than one for each of up to 256 gaps.
    std::array<bool, kDays> hatched{};
    for (const WeekSegment& segment : unrecorded_)
        if (segment.day >= 1 && segment.day <= kDays) hatched[static_cast<std::size_t>(segment.day - 1)] = true;
    std::vector<wxRect> rects;
    for (int day = 1; day <= kDays; ++day)
        if (hatched[static_cast<std::size_t>(day - 1)])
            rects.push_back(BarRect(g, WeekSegment{day, 0, static_cast<std::uint32_t>(kSecondsPerDay), 0}));
    Hatch(dc, rects, FromDIP(kHatchSpacing), HatchColour());
}

void CWeekStrip::DrawCoverage(wxDC& dc, const Geometry& g) const {
    // The recorded time, the triggers' times beside it, and the unrecorded stretches below;
    // shortened where the strip is too narrow (its description carries them whole).
    const int right = g.legendLeft + FromDIP(kSwatch) + FromDIP(kSwatchGap) + Metrics().legendWidth;
    const int charHeight = dc.GetCharHeight();
    dc.SetTextForeground(GetForegroundColour());
    auto draw = [&](FittedLine& line, const std::string& text, int x, int y) {
        if (text.empty() || x >= right) return 0;
        if (line.text != text || line.room != right - x || line.charHeight != charHeight) {
            line = {text, right - x, charHeight, wxString::FromUTF8(text), 0};
            line.width = dc.GetTextExtent(line.shown).x;
            if (line.width > line.room) {
                line.shown = wxControl::Ellipsize(line.shown, dc, wxELLIPSIZE_END, line.room);
                line.width = dc.GetTextExtent(line.shown).x;
            }
        }
        dc.DrawText(line.shown, x, y);
        return line.width;
    };
    const int recorded = draw(fittedLines_[0], RecordedText(coverage_), g.labelLeft, g.coverageTop);
    draw(fittedLines_[1], TriggerTimesText(coverage_), g.labelLeft + recorded + FromDIP(kCoverageGap), g.coverageTop);
    draw(fittedLines_[2], UnrecordedText(coverage_), g.labelLeft, g.coverageTop + charHeight);
}

void CWeekStrip::DrawSelected(wxDC& dc, const Geometry& g) const {
    const bool dark = IsDarkTheme();
    // The selected entry's bars last, so that no neighbour covers their outline. While it is
    // being moved they are faded, so that the ghost stands out over them.
    const OptionalSlot selected = SelectedSlot();
    if (!selected) return;
    const bool movedFrom = drag_ == Drag::kMoving && grabbed_.slot == selected;
    const wxColour plotBack = wxSystemSettings::GetColour(wxSYS_COLOUR_LISTBOX);
    const wxColour outline = wxSystemSettings::GetColour(wxSYS_COLOUR_LISTBOXTEXT);
    for (const WeekSegment& segment : segments_) {
        if (segment.slot != selected) continue;
        const wxRect bar = BarRect(g, segment);
        const wxColour colour = TriggerColour(ClassOfTrigger(TriggerOf(entries_[segment.slot])), dark);
        FillEdgedRect(dc, bar, movedFrom ? Blend(plotBack, colour, kMovedFrom) : colour);
        FrameRect(dc, bar, FromDIP(kOutline), outline);
    }
}

void CWeekStrip::DrawLegend(wxDC& dc, const Geometry& g) const {
    const bool dark = IsDarkTheme();
    const int swatch = FromDIP(kSwatch);
    const int charHeight = dc.GetCharHeight();
    const int line = std::max(charHeight, swatch) + FromDIP(kLegendSpacing);
    dc.SetTextForeground(GetForegroundColour());
    int y = g.rowsTop;
    for (const LegendItem& item : kLegend) {
        FillEdgedRect(dc, wxRect(g.legendLeft, y + (line - swatch) / 2, swatch, swatch),
                      TriggerColour(item.trigger, dark));
        dc.DrawText(wxGetTranslation(item.text), g.legendLeft + swatch + FromDIP(kSwatchGap), y + (line - charHeight) / 2);
        y += line;
    }
    // The hatching of what no entry records, on the rows' background.
    const wxRect box(g.legendLeft, y + (line - swatch) / 2, swatch, swatch);
    FillEdgedRect(dc, box, wxSystemSettings::GetColour(wxSYS_COLOUR_LISTBOX));
    const wxRect inside = wxRect(box).Deflate(1);
    Hatch(dc, std::span(&inside, 1), FromDIP(kHatchSpacing) / 2, HatchColour());
    dc.DrawText(wxGetTranslation(kUnrecordedLegend), g.legendLeft + swatch + FromDIP(kSwatchGap), y + (line - charHeight) / 2);
}

void CWeekStrip::DrawSpan(wxDC& dc, const Geometry& g) const {
    // A new entry records continuously until the operator picks otherwise.
    DrawSeeThrough(dc, g, SpanSegments(drawing_), TriggerColour(TriggerClass::Continuous, IsDarkTheme()));
}

void CWeekStrip::DrawGhost(wxDC& dc, const Geometry& g) const {
    if (!ghost_) return;
    const wxColour colour =
        ghostInTheWay_ ? kRefusedColour : TriggerColour(ClassOfTrigger(TriggerOf(*ghost_)), IsDarkTheme());
    DrawSeeThrough(dc, g, WeekSegments(std::span(&*ghost_, 1)), colour);
}

void CWeekStrip::DrawDragTip(wxDC& dc, const wxSize& area) const {
    // Below and to the right of the pointer as a tooltip stands, kept inside the strip so
    // that it never covers the window around it: above the pointer where there is no room
    // below, and to its left where it would run over the legend.
    dc.SetFont(GetFont());
    const wxSize text = dc.GetMultiLineTextExtent(dragTip_);
    const int padding = FromDIP(kTipPadding);
    const wxSize box(text.x + 2 * padding, text.y + 2 * padding);
    const int offset = FromDIP(kTipOffset);
    int y = pointerPixel_.y + offset;
    if (y + box.y > area.y) y = pointerPixel_.y - offset - box.y;
    const int legendLeft = Measure(area).legendLeft;
    int x = pointerPixel_.x + offset;
    if (x + box.x > legendLeft) x = pointerPixel_.x - offset - box.x;
    x = std::min(x, area.x - box.x);
    const wxRect rect(std::max(0, x), std::max(0, y), box.x, box.y);
    const wxColour back = wxSystemSettings::GetColour(wxSYS_COLOUR_INFOBK);
    const wxColour fore = wxSystemSettings::GetColour(wxSYS_COLOUR_INFOTEXT);
    FillRect(dc, rect, Blend(back, fore, 0.5));
    FillRect(dc, wxRect(rect).Deflate(1), back);
    dc.SetTextForeground(fore);
    dc.DrawText(dragTip_, rect.x + padding, rect.y + padding);
}

void CWeekStrip::DrawSeeThrough(wxDC& dc, const Geometry& g, const std::vector<WeekSegment>& bars,
                                const wxColour& colour) const {
    // See-through, so that an entry below stays visible, with a solid edge.
    const wxColour fill(colour.Red(), colour.Green(), colour.Blue(), kSpanAlpha);
    for (const WeekSegment& segment : bars) {
        const wxRect bar = BarRect(g, segment);
        FillRect(dc, bar, fill);
        if (bar.width >= 3 && bar.height >= 3) FrameRect(dc, wxRect(bar).Deflate(1), 1, colour);
    }
}

void CWeekStrip::SendSlotEvent(wxEventType type, SlotIndex slot) {
    wxCommandEvent event(type, GetId());
    event.SetEventObject(this);
    event.SetInt(static_cast<int>(slot));
    ProcessWindowEvent(event);
}

void CWeekStrip::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    Render(dc, GetClientSize());
}

void CWeekStrip::OnSize(wxSizeEvent& event) {
    Refresh();
    event.Skip();
}

void CWeekStrip::OnLeftDown(wxMouseEvent& event) {
    event.Skip();
    SetFocus();
    if (drag_ != Drag::kNone) EndDrag(false);  // a release we never heard of
    if (const OptionalSlot slot = SlotAtPoint(event.GetPosition())) {
        document_.SelectSlot(slot);
        SendSlotEvent(wxEVT_WEEK_STRIP_SELECT, *slot);
    }
    const Geometry g = Measure(GetClientSize());
    if (const std::optional<int> day = DayLabelAt(g, event.GetPosition())) {
        // A day's label selects the day's first entry, for the commands on the day.
        if (const OptionalRow row = document_.FirstRowOfDay(*day)) {
            document_.SelectRow(row);
            SendSlotEvent(wxEVT_WEEK_STRIP_SELECT, document_.SlotOfRow(*row));
        }
        return;
    }
    // On a bar the press may become a move or resize; elsewhere on the rows a new span, from
    // the end of an entry just beside the press if there is one.
    grabbed_ = HitAtPoint(g, event.GetPosition());
    if (grabbed_.part != EntryPart::None)
        drag_ = Drag::kPressedOnEntry;
    else if (InPlot(g, event.GetPosition()))
        drag_ = Drag::kPressed;
    else
        return;
    pressPixel_ = event.GetPosition();
    pressPoint_ = PointOnStrip(g, pressPixel_);
    if (drag_ == Drag::kPressed)
        pressPoint_.secondOfDay = DrawFrom(segments_, pressPoint_.day, pressPoint_.secondOfDay, EndTolerance(g));
}

void CWeekStrip::OnLeftUp(wxMouseEvent& event) {
    event.Skip();
    if (drag_ == Drag::kDrawing) FollowDrag(event);
    if (drag_ == Drag::kMoving) FollowMove(event);
    EndDrag(drag_ == Drag::kDrawing || drag_ == Drag::kMoving);
}

void CWeekStrip::OnLeftDClick(wxMouseEvent& event) {
    event.Skip();
    if (drag_ != Drag::kNone) EndDrag(false);
    const OptionalSlot slot = SlotAtPoint(event.GetPosition());
    if (!slot) return;
    document_.SelectSlot(slot);
    SendSlotEvent(wxEVT_WEEK_STRIP_ACTIVATE, *slot);
}

void CWeekStrip::OnMotion(wxMouseEvent& event) {
    event.Skip();
    // Without the mouse captured the release may have happened outside: drop the drag.
    if (drag_ != Drag::kNone && !event.LeftIsDown()) EndDrag(false);
    const bool pressed = drag_ == Drag::kPressed || drag_ == Drag::kPressedOnEntry;
    if (pressed && PastDragThreshold(event.GetPosition())) {
        drag_ = drag_ == Drag::kPressed ? Drag::kDrawing : Drag::kMoving;
        if (!HasCapture()) CaptureMouse();
        // The entry being changed is the selected one.
        if (drag_ == Drag::kMoving && SelectedSlot() != grabbed_.slot) {
            document_.SelectSlot(grabbed_.slot);
            SendSlotEvent(wxEVT_WEEK_STRIP_SELECT, *grabbed_.slot);
        }
        // The times beside the pointer take the tooltip's place until the drag ends.
        ShowTip();
    }
    if (drag_ == Drag::kDrawing) {
        FollowDrag(event);
        return;
    }
    if (drag_ == Drag::kMoving) {
        FollowMove(event);
        return;
    }
    ShowHover(SlotAtPoint(event.GetPosition()));
    if (drag_ == Drag::kNone) ShowPointer(PointerAt(event.GetPosition()));
}

CWeekStrip::Pointer CWeekStrip::PointerAt(const wxPoint& point) const {
    const Geometry g = Measure(GetClientSize());
    switch (HitAtPoint(g, point).part) {
        case EntryPart::Start:
        case EntryPart::Stop: return Pointer::kResize;
        case EntryPart::Body: return Pointer::kMove;
        case EntryPart::None: break;
    }
    return InPlot(g, point) ? Pointer::kDraw : Pointer::kSystem;
}

bool CWeekStrip::PastDragThreshold(const wxPoint& point) const {
    const int dx = std::max(wxSystemSettings::GetMetric(wxSYS_DRAG_X, this), FromDIP(kMinDragDistance));
    const int dy = std::max(wxSystemSettings::GetMetric(wxSYS_DRAG_Y, this), FromDIP(kMinDragDistance));
    return std::abs(point.x - pressPixel_.x) >= dx || std::abs(point.y - pressPixel_.y) >= dy;
}

void CWeekStrip::FollowDrag(const wxMouseEvent& event) {
    const Geometry g = Measure(GetClientSize());
    const std::uint32_t step = event.ShiftDown() ? kFineDragStep : kDragStep;
    const DragSpan span = SpanOfDrag(pressPoint_, PointOnStrip(g, event.GetPosition()), step);
    ShowPointer(Pointer::kDraw);
    pointerPixel_ = event.GetPosition();
    if (span == drawing_) {
        Refresh();  // the times follow the pointer
        return;
    }
    drawing_ = span;
    hovered_.reset();
    dragTip_ = wxString::FromUTF8(SpanText(span));
    Refresh();
}

void CWeekStrip::FollowMove(const wxMouseEvent& event) {
    // Any change to the entries ends the move first, so the grabbed slot is still the entry's.
    const Geometry g = Measure(GetClientSize());
    const std::uint32_t step = event.ShiftDown() ? kFineDragStep : kDragStep;
    const ScheduleEntry& entry = entries_[*grabbed_.slot];
    const ScheduleEntry ghost = DragEntry(entry, grabbed_.part, pressPoint_, PointOnStrip(g, event.GetPosition()), step);
    pointerPixel_ = event.GetPosition();
    if (ghost == ghost_) {
        Refresh();  // the times follow the pointer
        return;
    }
    ghost_ = ghost;
    ghostInTheWay_ = SlotInTheWay(entries_, *grabbed_.slot, ghost);
    dragTip_ = wxString::FromUTF8(DragTipText(ghost));
    if (ghostInTheWay_) dragTip_ += "\n" + wxString::FromUTF8(OverlapDetailText(entries_[*ghostInTheWay_]));
    hovered_.reset();
    if (ghostInTheWay_)
        ShowPointer(Pointer::kRefused);
    else
        ShowPointer(grabbed_.part == EntryPart::Body ? Pointer::kMove : Pointer::kResize);
    Refresh();
}

void CWeekStrip::EndDrag(bool apply) {
    const Drag was = drag_;
    const DragSpan span = drawing_;
    const std::optional<ScheduleEntry> ghost = ghost_;
    drag_ = Drag::kNone;
    drawing_ = DragSpan{};
    ghost_.reset();
    ghostInTheWay_.reset();
    dragTip_.clear();
    if (HasCapture()) ReleaseMouse();
    if (was != Drag::kDrawing && was != Drag::kMoving) return;
    hovered_.reset();
    ShowPointer(Pointer::kSystem);
    Refresh();
    // Told only once the mouse is free and the strip is at rest: a handler may open a dialog,
    // over which no tip of the strip shows.
    if (apply && was == Drag::kMoving && ghost) ApplyMove(*grabbed_.slot, *ghost);
    if (apply && was == Drag::kDrawing) {
        drawn_ = span;
        wxCommandEvent event(wxEVT_WEEK_STRIP_DRAWN, GetId());
        event.SetEventObject(this);
        ProcessWindowEvent(event);
    }
    ShowTip();
}

void CWeekStrip::ApplyMove(SlotIndex slot, const ScheduleEntry& moved) {
    if (slot >= entries_.size() || moved == entries_[slot]) return;
    moveOutcome_ = document_.SetTimes(slot, moved.start, moved.stop);
    SendSlotEvent(wxEVT_WEEK_STRIP_MOVED, slot);
}

void CWeekStrip::OnCaptureLost(wxMouseCaptureLostEvent&) { EndDrag(false); }

// With the mouse captured wxGTK sends no CHAR_HOOK, so Escape comes as a KEY_DOWN; without
// the capture it comes as a CHAR_HOOK, which the main window would otherwise swallow.
void CWeekStrip::OnCharHook(wxKeyEvent& event) {
    if (!DropDragOnEscape(event)) event.Skip();
}

bool CWeekStrip::DropDragOnEscape(const wxKeyEvent& event) {
    if (drag_ == Drag::kNone || event.GetKeyCode() != WXK_ESCAPE) return false;
    EndDrag(false);
    return true;
}

void CWeekStrip::ShowHover(OptionalSlot slot) {
    if (slot == hovered_) return;
    hovered_ = slot;
    ShowTip();
}

void CWeekStrip::ShowTip() {
    // None during a drag, whose times stand beside the pointer, nor while a dialog is open.
    const bool quiet = drag_ == Drag::kDrawing || drag_ == Drag::kMoving || openDialogs_.Any();
    const wxString tip = quiet ? wxString() : hovered_ ? TooltipText(*hovered_) : wxGetTranslation(kStripTip);
    if (tip == GetToolTipText() && (GetToolTip() != nullptr) == !tip.empty()) return;
    if (tip.empty())
        UnsetToolTip();
    else
        SetToolTip(tip);
}

int CWeekStrip::OpenDialogs::Enter(wxDialog* dialog) {
    if (dialog != wxGetTopLevelParent(strip_)) {
        ++count_;
        strip_->ShowTip();
    }
    return wxID_NONE;  // every dialog shows as it would without the strip
}

void CWeekStrip::OpenDialogs::Exit(wxDialog* dialog) {
    if (dialog == wxGetTopLevelParent(strip_) || count_ == 0) return;
    --count_;
    strip_->ShowTip();
}

void CWeekStrip::ShowPointer(Pointer pointer) {
    if (pointer == pointer_) return;
    pointer_ = pointer;
    SetCursor(CursorOf(pointer));
}

void CWeekStrip::OnLeave(wxMouseEvent& event) {
    event.Skip();
    if (drag_ != Drag::kDrawing && drag_ != Drag::kMoving) ShowHover(std::nullopt);
}

bool CWeekStrip::SetFont(const wxFont& font) {
    metrics_.valid = false;
    InvalidateBestSize();
    return wxControl::SetFont(font);
}

void CWeekStrip::OnSysColourChanged(wxSysColourChangedEvent& event) {
    event.Skip();
    metrics_.valid = false;  // a new theme may bring a new default font
    Refresh();
}

void CWeekStrip::OnDPIChanged(wxDPIChangedEvent& event) {
    event.Skip();
    metrics_.valid = false;
    Refresh();
}
