// Copy To Cards over 8 cards whose file layer takes 100 ms for each sync, beside one such
// card: the cards are written side by side, so 8 should cost little more than the slowest
// one. The same 8 one after the other shows what the workers save. Then what the dialog's
// rescan costs with 8 cards inserted (each card's file read and compared), beside finding
// the same cards as Save To Card does.
// Runs in the folder named by DVR_BENCH_DIR, else the current folder.
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "bench/bench_cards.h"
#include "document/card_copy_run.h"
#include "storage/card_survey.h"

namespace {
constexpr int kCards = 8;

const BenchCards& TheMedia() {
    static const BenchCards cards("dvr-card-copy-bench", kCards);
    return cards;
}

void CopyToCards(benchmark::State& state, int cards, std::size_t sideBySide) {
    const ConfigImage schedule = FullImage();
    const std::vector<CardRoot> targets = TheMedia().FirstCards(cards);  // made before the clock runs
    for (auto _ : state) {
        CardCopyRun run(targets, schedule, {}, SlowCopy);
        run.Start(sideBySide);
        run.Wait();
        if (run.CopiedCount() != static_cast<std::size_t>(cards)) state.SkipWithError("a card was not copied");
    }
}
BENCHMARK_CAPTURE(CopyToCards, one, 1, 0)
    ->Name("CopyToCards/baseline_one_card_100ms_sync")->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK_CAPTURE(CopyToCards, eight, kCards, 0)
    ->Name("CopyToCards/eight_cards_side_by_side")->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK_CAPTURE(CopyToCards, serial, kCards, 1)
    ->Name("CopyToCards/eight_cards_one_at_a_time")->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void SurveyEightCards(benchmark::State& state) {
    const CardLocator locator = TheMedia().Locator();
    const ConfigImage schedule = FullImage();
    for (auto _ : state) {
        auto cards = SurveyInsertedCards(locator, schedule);
        if (cards.size() != kCards) state.SkipWithError("expected 8 cards");
        benchmark::DoNotOptimize(cards);
    }
}
BENCHMARK(SurveyEightCards)->Name("SurveyCards/eight_cards_read_and_compared")->UseRealTime();

void FindEightCards(benchmark::State& state) {
    const CardLocator locator = TheMedia().Locator();
    for (auto _ : state) {
        auto cards = locator.Cards();
        benchmark::DoNotOptimize(cards);
    }
}
BENCHMARK(FindEightCards)->Name("SurveyCards/baseline_eight_cards_found")->UseRealTime();
}  // namespace

BENCHMARK_MAIN();
