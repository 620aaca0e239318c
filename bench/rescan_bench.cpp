// What one rescan of the select card dialog costs with no card present, next to the least
// the file system can do for the same roots: one stat call each. The dialog rescans every
// 250 ms on the window's own thread, so this is time the window cannot answer in.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "storage/card_probe.h"

namespace {
namespace fs = std::filesystem;
constexpr int kRoots = 24;  // as many as there are drive letters C to Z

// A folder with 24 empty subfolders, each standing for a mounted medium without a card.
class EmptyMedia {
public:
    EmptyMedia() {
        folder_ = fs::temp_directory_path() / ("dvr-rescan-bench-" + std::to_string(::getpid()));
        fs::create_directories(folder_);
        for (int i = 0; i < kRoots; ++i) {
            const fs::path root = folder_ / ("MEDIUM" + std::to_string(i));
            fs::create_directory(root);
            markers_.push_back((root / kCardMarkerFile).string());
        }
    }
    ~EmptyMedia() {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    const fs::path& Folder() const { return folder_; }
    const std::vector<std::string>& Markers() const { return markers_; }

private:
    fs::path folder_;
    std::vector<std::string> markers_;
};

const EmptyMedia& Media() {
    static const EmptyMedia media;
    return media;
}

void BM_RescanNoCard(benchmark::State& state) {
    const CardLocator locator({Media().Folder()}, /*mountedOnly=*/false);
    if (locator.CandidateRoots().size() != kRoots) state.SkipWithError("expected 24 candidate roots");
    for (auto _ : state) {
        auto cards = locator.Cards();
        benchmark::DoNotOptimize(cards);
    }
}
BENCHMARK(BM_RescanNoCard);

void BM_Stat24(benchmark::State& state) {
    struct stat info;
    for (auto _ : state) {
        int missing = 0;
        for (const std::string& marker : Media().Markers()) missing += ::stat(marker.c_str(), &info) != 0;
        benchmark::DoNotOptimize(missing);
    }
}
BENCHMARK(BM_Stat24);
}  // namespace

BENCHMARK_MAIN();
