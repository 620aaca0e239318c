// The schedule model's hot paths, each next to the least work of the same shape: the list
// texts of a full schedule (a rebuild after every load), the overlap test of one candidate
// against a full schedule (every OK of the item dialog) and the week's coverage with its texts
// (every change the strip hears of).
#include <algorithm>
#include <cstdio>
#include <utility>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "bench/full_schedule.h"
#include "model/entry_texts.h"
#include "model/overlap.h"
#include "model/week_coverage.h"

namespace {

// A candidate in the gap after the last entry: it fits, so every entry is looked at.
constexpr WeekTime kGapStart = (kFullScheduleEntries - 1) * kSlotSpacing + kEntryLength;
constexpr WeekTime kGapStop = kGapStart + 60;

void EntryTexts_FullSchedule(benchmark::State& state) {
    const auto entries = FullSchedule();
    for (auto _ : state) {
        for (const auto& entry : entries) {
            auto texts = EntryTexts(entry);
            benchmark::DoNotOptimize(texts);
        }
    }
    state.SetItemsProcessed(state.iterations() * entries.size());
}
BENCHMARK(EntryTexts_FullSchedule)->Name("EntryTexts/256_entries");

void CopyEntries(benchmark::State& state) {
    const auto entries = FullSchedule();
    for (auto _ : state) {
        std::vector<ScheduleEntry> copy(entries);
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * entries.size());
}
BENCHMARK(CopyEntries)->Name("EntryTexts/baseline_copy_256_entries");

void OneSnprintfPerEntry(benchmark::State& state) {
    const auto entries = FullSchedule();
    for (auto _ : state) {
        for (const auto& entry : entries) {
            char text[32];
            std::snprintf(text, sizeof text, "%02u:%02u", entry.start / 3600 % 24, entry.start / 60 % 60);
            std::string s(text);
            benchmark::DoNotOptimize(s);
        }
    }
    state.SetItemsProcessed(state.iterations() * entries.size());
}
BENCHMARK(OneSnprintfPerEntry)->Name("EntryTexts/baseline_snprintf_per_entry");

void FitsSchedule_FullSchedule(benchmark::State& state) {
    const auto entries = FullSchedule();
    if (!FitsSchedule(entries, kGapStart, kGapStop, std::nullopt)) state.SkipWithError("candidate should fit");
    for (auto _ : state) {
        bool fits = FitsSchedule(entries, kGapStart, kGapStop, std::nullopt);
        benchmark::DoNotOptimize(fits);
    }
}
BENCHMARK(FitsSchedule_FullSchedule)->Name("FitsSchedule/one_candidate_256_entries");

// The same question for plain intervals that never wrap: the least a test over 256 entries costs.
void PlainLoop(benchmark::State& state) {
    const auto entries = FullSchedule();
    for (auto _ : state) {
        WeekTime start = kGapStart;
        WeekTime stop = kGapStop;
        benchmark::DoNotOptimize(start);
        benchmark::DoNotOptimize(stop);
        bool fits = true;
        for (const auto& e : entries) fits &= (stop <= e.start || e.stop <= start);
        benchmark::DoNotOptimize(fits);
    }
}
BENCHMARK(PlainLoop)->Name("FitsSchedule/baseline_plain_loop_256");

void Coverage_FullSchedule(benchmark::State& state) {
    const auto entries = FullSchedule();
    for (auto _ : state) {
        const WeekCoverage coverage = CoverageOf(entries);
        auto lines = CoverageLines(coverage);
        auto bars = UnrecordedSegments(coverage);
        benchmark::DoNotOptimize(lines);
        benchmark::DoNotOptimize(bars);
    }
    state.SetItemsProcessed(state.iterations() * entries.size());
}
BENCHMARK(Coverage_FullSchedule)->Name("Coverage/texts_and_bars_256_entries");

// The entries' intervals copied out and sorted: the least any union of them costs.
void SortIntervals(benchmark::State& state) {
    const auto entries = FullSchedule();
    for (auto _ : state) {
        std::vector<std::pair<WeekTime, WeekTime>> intervals;
        intervals.reserve(entries.size());
        for (auto it = entries.rbegin(); it != entries.rend(); ++it) intervals.emplace_back(it->start, it->stop);
        std::sort(intervals.begin(), intervals.end());
        benchmark::DoNotOptimize(intervals.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * entries.size());
}
BENCHMARK(SortIntervals)->Name("Coverage/baseline_sort_256_intervals");

}  // namespace

BENCHMARK_MAIN();
