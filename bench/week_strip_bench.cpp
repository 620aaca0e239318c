// Drawing the week strip for a full schedule, next to clearing the same bitmap; finding the bar
// under the mouse (every mouse move over the strip); and one step of moving an entry across the
// full schedule: the mouse move that takes its ghost to a new place and the repaint it asks for.
// Needs an X display: run it under xvfb-run when there is none.

#include <algorithm>

#include <benchmark/benchmark.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/settings.h>

#include "bench/full_schedule.h"
#include "bench/wx_bench_main.h"
#include "ui/week_strip/week_strip.h"

namespace {

const wxSize kArea(900, 140);  // about the strip's size in the main window

// One hidden strip for all benchmarks; the frame gives it its font and colours.
CWeekStrip* Strip() {
    static CWeekStrip* strip = [] {
        static ConfigDocument document;
        ConfigImage image;
        for (const ScheduleEntry& entry : FullSchedule()) AppendEntry(image, entry);
        document.Load(image);
        document.SelectSlot(100);
        auto* frame = new wxFrame(nullptr, wxID_ANY, "Week");
        auto* s = new CWeekStrip(frame, wxID_ANY, document);
        s->SetSize(kArea);
        return s;
    }();
    return strip;
}

void ClearBitmap(benchmark::State& state) {
    wxBitmap bitmap(kArea, 24);
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    for (auto _ : state) {
        dc.Clear();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(ClearBitmap)->Name("WeekStrip/clear_900x140")->Unit(benchmark::kMicrosecond);

void RenderFullSchedule(benchmark::State& state) {
    CWeekStrip* strip = Strip();
    wxBitmap bitmap(kArea, 24);
    wxMemoryDC dc(bitmap);
    for (auto _ : state) {
        strip->Render(dc, kArea);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * strip->Segments().size());
}
BENCHMARK(RenderFullSchedule)->Name("WeekStrip/render_256_entries_900x140")->Unit(benchmark::kMicrosecond);

void SlotAtPoint(benchmark::State& state) {
    CWeekStrip* strip = Strip();
    const wxRect last = strip->BarRect(strip->Segments().back());
    const wxPoint miss(last.GetRight() + 2, last.y);  // past the last bar: every bar is tested
    for (auto _ : state) benchmark::DoNotOptimize(strip->SlotAtPoint(miss));
}
BENCHMARK(SlotAtPoint)->Name("WeekStrip/slot_at_point_256_entries")->Unit(benchmark::kMicrosecond);

// A mouse event on the strip with the button held (or not), as GTK would send it.
void SendMouse(CWeekStrip* strip, wxEventType type, const wxPoint& at) {
    wxMouseEvent event(type);
    event.SetPosition(at);
    event.SetLeftDown(type != wxEVT_LEFT_UP);
    event.SetEventObject(strip);
    strip->GetEventHandler()->ProcessEvent(event);
}

void GhostMove(benchmark::State& state) {
    // A strip of its own on the screen: a move captures the mouse, which a hidden window cannot.
    ConfigDocument document;
    ConfigImage image;
    for (const ScheduleEntry& entry : FullSchedule()) AppendEntry(image, entry);
    document.Load(image);
    auto* frame = new wxFrame(nullptr, wxID_ANY, "Week");
    auto* strip = new CWeekStrip(frame, wxID_ANY, document);
    frame->SetClientSize(kArea);
    strip->SetSize(kArea);
    frame->Show();
    // The middle entry by its middle, then to and fro over the others past the drag threshold,
    // so that every step lands the ghost somewhere new and finds an entry in its way.
    const wxRect bar = strip->BarRect(strip->Segments()[kFullScheduleEntries / 2]);
    const wxPoint press(bar.x + bar.width / 2, bar.y + bar.height / 2);
    const int reach = 4 * std::max(wxSystemSettings::GetMetric(wxSYS_DRAG_X, strip), 3);
    SendMouse(strip, wxEVT_LEFT_DOWN, press);
    SendMouse(strip, wxEVT_MOTION, press + wxPoint(reach, 0));
    if (!strip->IsMoving()) state.SkipWithError("the press did not become a move");
    wxBitmap bitmap(kArea, 24);
    wxMemoryDC dc(bitmap);
    int step = 0;
    for (auto _ : state) {
        const wxPoint to = press + wxPoint(step % 2 == 0 ? 2 * reach : reach, 0);
        ++step;
        SendMouse(strip, wxEVT_MOTION, to);
        strip->Render(dc, kArea);
        benchmark::ClobberMemory();
    }
    SendMouse(strip, wxEVT_LEFT_UP, press);  // back where it was: nothing changes
    // Now, while the document the strip listens to is still there.
    delete frame;
}
BENCHMARK(GhostMove)->Name("WeekStrip/ghost_move_256_entries_900x140")->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return wxbench::Run(argc, argv); }
