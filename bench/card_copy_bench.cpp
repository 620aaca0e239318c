// Copy To Cards over 8 cards whose file layer takes 100 ms for each sync, beside one such
// card: the cards are written side by side, so 8 should cost little more than the slowest
// one. The same 8 one after the other shows what the workers save. Then what the dialog's
// rescan costs with 8 cards inserted (each card's file read and compared), beside finding
// the same cards as Save To Card does.
// Runs in the folder named by DVR_BENCH_DIR, else the current folder.
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <benchmark/benchmark.h>

#include "document/card_copy_run.h"
#include "full_schedule.h"
#include "storage/card_copy.h"
#include "storage/card_survey.h"
#include "storage/config_file.h"

namespace {
namespace fs = std::filesystem;
constexpr int kCards = 8;
constexpr auto kSyncTime = std::chrono::milliseconds(100);

// The system's file layer with a slow medium behind it: every sync takes 100 ms more.
class SlowSyncFileSystem final : public FileSystem {
public:
    std::optional<std::uintmax_t> SizeOf(const fs::path& path) override { return inner_->SizeOf(path); }
    bool Exists(const fs::path& path) override { return inner_->Exists(path); }
    Handle Open(const fs::path& path, Mode mode) override { return inner_->Open(path, mode); }
    std::optional<std::uintmax_t> SizeOfOpen(Handle file) override { return inner_->SizeOfOpen(file); }
    std::size_t Read(Handle file, std::uint8_t* buffer, std::size_t size) override {
        return inner_->Read(file, buffer, size);
    }
    std::size_t Write(Handle file, const std::uint8_t* data, std::size_t size) override {
        return inner_->Write(file, data, size);
    }
    bool Flush(Handle file) override { return inner_->Flush(file); }
    bool Sync(Handle file) override {
        std::this_thread::sleep_for(kSyncTime);
        return inner_->Sync(file);
    }
    bool Close(Handle file) override { return inner_->Close(file); }
    bool SyncFolder(const fs::path& folder) override { return inner_->SyncFolder(folder); }
    SystemError LastError() const override { return inner_->LastError(); }

private:
    std::unique_ptr<FileSystem> inner_ = NewSystemFileSystem();
};

// A media folder with 8 cards, each with its own settings around another schedule.
class Media {
public:
    Media() {
        const char* dir = std::getenv("DVR_BENCH_DIR");
        folder_ = fs::path(dir ? dir : ".") / ("dvr-card-copy-bench-" + std::to_string(::getpid()));
        for (int i = 0; i < kCards; ++i) {
            const fs::path root = folder_ / ("CARD" + std::to_string(i));
            fs::create_directories(root);
            ConfigImage own;
            own.SetWord(kOffW6, 1000 + i);
            SaveConfigFile(root / kCardConfigFile, own);
            std::ofstream(root / kCardMarkerFile) << "marker";
            cards_.push_back({root.filename().string(), root});
        }
    }
    ~Media() {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    const fs::path& Folder() const { return folder_; }
    std::vector<CardRoot> Cards(int count) const { return {cards_.begin(), cards_.begin() + count}; }

private:
    fs::path folder_;
    std::vector<CardRoot> cards_;
};

const Media& TheMedia() {
    static const Media media;
    return media;
}

ConfigImage FullImage() {
    ConfigImage image;
    for (const ScheduleEntry& entry : FullSchedule()) AppendEntry(image, entry);
    return image;
}

StorageOutcome SlowCopy(const CardRoot& card, const ConfigImage& schedule) {
    SlowSyncFileSystem fs;
    return CopyScheduleToCard(card.root, schedule, fs);
}

void CopyToCards(benchmark::State& state, int cards, std::size_t sideBySide) {
    const ConfigImage schedule = FullImage();
    const std::vector<CardRoot> targets = TheMedia().Cards(cards);  // made before the clock runs
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
    const CardLocator locator({TheMedia().Folder()}, /*mountedOnly=*/false);
    const ConfigImage schedule = FullImage();
    for (auto _ : state) {
        auto cards = SurveyInsertedCards(locator, schedule);
        if (cards.size() != kCards) state.SkipWithError("expected 8 cards");
        benchmark::DoNotOptimize(cards);
    }
}
BENCHMARK(SurveyEightCards)->Name("SurveyCards/eight_cards_read_and_compared")->UseRealTime();

void FindEightCards(benchmark::State& state) {
    const CardLocator locator({TheMedia().Folder()}, /*mountedOnly=*/false);
    for (auto _ : state) {
        auto cards = locator.Cards();
        benchmark::DoNotOptimize(cards);
    }
}
BENCHMARK(FindEightCards)->Name("SurveyCards/baseline_eight_cards_found")->UseRealTime();
}  // namespace

BENCHMARK_MAIN();
