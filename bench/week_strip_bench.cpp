// Drawing the week strip for a full schedule, next to clearing the same bitmap, and finding
// the bar under the mouse (every mouse move over the strip). Needs an X display: run it under
// xvfb-run when there is none.

#include <benchmark/benchmark.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>

#include "bench/full_schedule.h"
#include "bench/wx_bench_main.h"
#include "ui/week_strip.h"

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

}  // namespace

int main(int argc, char** argv) { return wxbench::Run(argc, argv); }
