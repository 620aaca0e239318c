// How long the window's event loop is held while the Copy To Cards dialog copies onto 8 cards
// whose file layer takes 100 ms for each sync: the longest gap between two ticks of a 1 ms
// timer, from Copy until every card has answered (each row told, the list read again). Beside
// it the same gap with the dialog open and nothing copied for as long, and the 8 copies made
// on the window's own thread, as a window without workers would make them.
// Needs an X display; scripts/bench.sh gives it a private Xvfb. The cards are folders in
// DVR_BENCH_DIR, else the current folder.
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>
#include <wx/evtloop.h>
#include <wx/timer.h>

#include "bench/bench_cards.h"
#include "bench/wx_bench_main.h"
#include "ui/dialogs/copy_to_cards_dlg.h"

namespace {
using Clock = std::chrono::steady_clock;
constexpr int kCards = 8;

// Runs the event loop with a 1 ms timer from start until 50 ms after done holds (the window
// redraws what changed); the longest time between two ticks, in seconds: how long at the most
// the loop could not answer anything.
double LongestHold(const std::function<void()>& start, const std::function<bool()>& done) {
    wxGUIEventLoop loop;
    wxTimer tick;
    Clock::time_point last = Clock::now();
    Clock::duration longest{};
    std::optional<Clock::time_point> settled;  // done, and 50 ms more for the window to show it
    tick.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        const Clock::time_point now = Clock::now();
        longest = std::max(longest, now - last);
        last = now;
        if (!settled && done()) settled = now + std::chrono::milliseconds(50);
        if (settled && now >= *settled) loop.Exit();
    });
    tick.Start(1);
    tick.CallAfter([&] {
        last = Clock::now();
        start();
    });
    loop.Run();
    tick.Stop();
    return std::chrono::duration<double>(longest).count();
}

// The dialog over the 8 cards, shown, every card listed and ticked.
class OpenDialog {
public:
    explicit OpenDialog(const BenchCards& media, CardCopyRun::CopyFunction copy = SlowCopy)
        : dlg_(nullptr, media.Locator(), FullImage(), std::move(copy)) {
        dlg_.InitDialog();
        dlg_.Show();
        Press(CCopyToCardsDlg::ID_SELECT_ALL);
        // The first turns of a new event loop draw the new window: not timed.
        LongestHold([] {}, [] { return true; });
    }
    ~OpenDialog() { dlg_.Hide(); }
    CCopyToCardsDlg& Dialog() { return dlg_; }
    void Press(int id) {
        wxCommandEvent click(wxEVT_BUTTON, id);
        click.SetEventObject(dlg_.FindWindow(id));
        dlg_.FindWindow(id)->ProcessWindowEvent(click);
    }

private:
    CCopyToCardsDlg dlg_;
};

const BenchCards& TheMedia() {
    static const BenchCards cards("dvr-card-window-bench", kCards);
    return cards;
}

void CopyEightCards(benchmark::State& state) {
    OpenDialog open(TheMedia());
    if (open.Dialog().Labels().size() != kCards) state.SkipWithError("expected 8 cards");
    double longest = 0;
    for (auto _ : state) {
        const double held = LongestHold([&] { open.Press(wxID_OK); }, [&] { return !open.Dialog().IsCopying(); });
        state.SetIterationTime(held);
        longest = std::max(longest, held);
        if (!open.Dialog().EveryCardCopied()) state.SkipWithError("a card was not copied");
    }
    state.counters["longest_ms"] = longest * 1000;
}
BENCHMARK(CopyEightCards)
    ->Name("WindowHeld/copy_eight_cards_100ms_sync")
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(20);

// The same dialog open for as long as the copy takes, with nothing copied.
void IdleDialog(benchmark::State& state) {
    OpenDialog open(TheMedia());
    double longest = 0;
    for (auto _ : state) {
        const Clock::time_point end = Clock::now() + kSlowCardSyncTime + std::chrono::milliseconds(20);
        const double held = LongestHold([] {}, [&] { return Clock::now() >= end; });
        state.SetIterationTime(held);
        longest = std::max(longest, held);
    }
    state.counters["longest_ms"] = longest * 1000;
}
BENCHMARK(IdleDialog)
    ->Name("WindowHeld/baseline_dialog_open_nothing_copied")
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(20);

// The 8 copies one after the other on the window's thread, from one click.
void CopiesOnTheWindowsThread(benchmark::State& state) {
    OpenDialog open(TheMedia());
    for (auto _ : state) {
        bool copied = false;
        const double held = LongestHold(
            [&] {
                const ConfigImage schedule = FullImage();
                for (const CardRoot& card : TheMedia().Cards()) SlowCopy(card, schedule);
                copied = true;
            },
            [&] { return copied; });
        state.SetIterationTime(held);
    }
}
BENCHMARK(CopiesOnTheWindowsThread)
    ->Name("WindowHeld/baseline_eight_copies_on_the_window_thread")
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(3);
}  // namespace

int main(int argc, char** argv) { return wxbench::Run(argc, argv); }
