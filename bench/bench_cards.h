#pragma once
// Cards for the Copy To Cards benchmarks: a folder of cards, each holding a configuration with
// settings of its own around another schedule, removed with the folder at the end; the full
// schedule to copy; and a copy over a file layer whose every sync takes as long as a slow card's.
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "bench/full_schedule.h"
#include "bench/slow_sync_file_system.h"
#include "storage/card_copy.h"
#include "storage/card_probe.h"
#include "storage/config_file.h"

constexpr auto kSlowCardSyncTime = std::chrono::milliseconds(100);

class BenchCards {
public:
    // count cards in DVR_BENCH_DIR (else the current folder), in a folder named for name.
    BenchCards(const std::string& name, int count) {
        const char* dir = std::getenv("DVR_BENCH_DIR");
        folder_ = std::filesystem::path(dir ? dir : ".") / (name + "-" + std::to_string(::getpid()));
        for (int i = 0; i < count; ++i) {
            const std::filesystem::path root = folder_ / ("CARD" + std::to_string(i));
            std::filesystem::create_directories(root);
            ConfigImage own;
            own.SetWord(kOffW6, 1000 + static_cast<std::uint32_t>(i));
            SaveConfigFile(root / kCardConfigFile, own);
            std::ofstream(root / kCardMarkerFile) << "marker";
            cards_.push_back({root.filename().string(), root});
        }
    }
    ~BenchCards() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    BenchCards(const BenchCards&) = delete;
    BenchCards& operator=(const BenchCards&) = delete;

    // Finds the cards as Save To Card finds mounted ones.
    CardLocator Locator() const { return CardLocator({folder_}, /*mountedOnly=*/false); }
    const std::vector<CardRoot>& Cards() const { return cards_; }
    std::vector<CardRoot> FirstCards(int count) const { return {cards_.begin(), cards_.begin() + count}; }

private:
    std::filesystem::path folder_;
    std::vector<CardRoot> cards_;
};

// The full schedule as the image a copy takes it from.
inline ConfigImage FullImage() {
    ConfigImage image;
    for (const ScheduleEntry& entry : FullSchedule()) AppendEntry(image, entry);
    return image;
}

// Copies the schedule onto card as Copy To Cards does, over a slow card's file layer.
inline StorageOutcome SlowCopy(const CardRoot& card, const ConfigImage& schedule) {
    SlowSyncFileSystem fs(kSlowCardSyncTime);
    return CopyScheduleToCard(card.root, schedule, fs);
}
