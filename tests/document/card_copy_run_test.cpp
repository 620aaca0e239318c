// Copy To Cards as it runs: cards side by side, a failure that stops no other card, Copy
// Again over the failed ones, and a stop that finishes the cards begun and skips the rest.
#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <thread>

#include "document/card_copy_run.h"
#include "storage/card_copy.h"
#include "support/images.h"
#include "support/temp_dir.h"

namespace {
using namespace std::chrono_literals;

std::vector<CardRoot> Cards(std::initializer_list<const char*> labels) {
    std::vector<CardRoot> cards;
    for (const char* label : labels) cards.push_back({label, std::filesystem::path("/media") / label});
    return cards;
}

StorageOutcome ReadOnly(const CardRoot& card) {
    return {StorageStep::kOpenForUpdate, card.root / kCardConfigFile, {EROFS, "Read-only file system", ErrorKind::kReadOnlyMedium}, {}};
}

// Holds copies until opened, counting those begun and the most in progress at once.
class Gate {
public:
    StorageOutcome Pass(const CardRoot& card) {
        std::unique_lock lock(mutex_);
        begun_.insert(card.label);
        most_ = std::max(most_, ++inside_);
        changed_.notify_all();
        changed_.wait_for(lock, 5s, [this] { return open_; });
        --inside_;
        return {};
    }
    // Waits (at most 5 s) until count copies are inside at once.
    bool AwaitInside(int count) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, 5s, [&] { return inside_ >= count; });
    }
    void Open() {
        std::lock_guard lock(mutex_);
        open_ = true;
        changed_.notify_all();
    }
    std::set<std::string> Begun() {
        std::lock_guard lock(mutex_);
        return begun_;
    }
    int Most() {
        std::lock_guard lock(mutex_);
        return most_;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool open_ = false;
    int inside_ = 0;
    int most_ = 0;
    std::set<std::string> begun_;
};

std::vector<CardCopyState> States(const CardCopyRun& run) {
    std::vector<CardCopyState> states;
    for (const CardCopyResult& r : run.Results()) states.push_back(r.state);
    return states;
}
}  // namespace

TEST(CardCopyRun, EveryCardAtOnce) {
    Gate gate;
    CardCopyRun run(Cards({"A", "B", "C", "D", "E", "F", "G", "H"}), EditedImage(), {},
                    [&](const CardRoot& card, const ConfigImage&) { return gate.Pass(card); });
    run.Start();
    EXPECT_TRUE(gate.AwaitInside(8)) << "the cards were not written side by side";
    EXPECT_FALSE(run.Finished());
    gate.Open();
    run.Wait();
    EXPECT_EQ(gate.Most(), 8);
    EXPECT_TRUE(run.EveryCardCopied());
}

// One card failing among several, then Copy Again over it alone.
TEST(CardCopyRun, AFailureStopsNoOtherCardAndCopyAgainTakesItAlone) {
    using S = CardCopyState;
    std::mutex mutex;
    std::map<std::string, int> copies;
    std::vector<std::pair<std::size_t, S>> told;
    bool locked = true;
    CardCopyRun run(
        Cards({"FLEETA", "FLEETB", "FLEETC", "FLEETD"}), EditedImage(),
        [&](std::size_t index, const CardCopyResult& result) {
            std::lock_guard lock(mutex);
            told.emplace_back(index, result.state);
        },
        [&](const CardRoot& card, const ConfigImage&) {
            std::lock_guard lock(mutex);
            ++copies[card.label];
            return card.label == "FLEETB" && locked ? ReadOnly(card) : StorageOutcome{};
        });
    EXPECT_FALSE(run.EveryCardCopied()) << "before the start";
    const auto before = std::chrono::system_clock::now();
    run.Start();
    run.Wait();

    EXPECT_EQ(States(run), (std::vector<S>{S::kCopied, S::kFailed, S::kCopied, S::kCopied}));
    const std::vector<CardCopyResult> results = run.Results();
    EXPECT_EQ(results[1].outcome.error.kind, ErrorKind::kReadOnlyMedium);
    EXPECT_FALSE(results[1].verifiedAt);
    ASSERT_TRUE(results[3].verifiedAt);
    EXPECT_GE(*results[3].verifiedAt, before);
    EXPECT_EQ(run.CopiedCount(), 3u);
    EXPECT_EQ(run.CardsToCopyAgain(), Cards({"FLEETB"}));
    EXPECT_FALSE(run.EveryCardCopied());
    // Each card is told begun, then its end.
    for (std::size_t i = 0; i < 4; ++i) {
        std::vector<S> states;
        for (const auto& [index, state] : told)
            if (index == i) states.push_back(state);
        EXPECT_EQ(states, (std::vector<S>{S::kCopying, results[i].state})) << i;
    }

    locked = false;  // the card's switch moved
    run.CopyAgain();
    run.Wait();
    EXPECT_EQ(copies, (std::map<std::string, int>{{"FLEETA", 1}, {"FLEETB", 2}, {"FLEETC", 1}, {"FLEETD", 1}}));
    EXPECT_TRUE(run.CardsToCopyAgain().empty());
    EXPECT_TRUE(run.EveryCardCopied());
}

// Stopped with two cards begun of four, two at a time: the two finish, the others are
// skipped without being touched, and Stop returns only once the two are done.
TEST(CardCopyRun, StopFinishesTheCardsBegunAndSkipsTheRest) {
    using S = CardCopyState;
    Gate gate;
    std::atomic<int> skippedTold = 0;
    CardCopyRun run(
        Cards({"A", "B", "C", "D"}), EditedImage(),
        [&](std::size_t, const CardCopyResult& r) { skippedTold += r.state == S::kSkipped; },
        [&](const CardRoot& card, const ConfigImage&) { return gate.Pass(card); });
    run.Start(/*sideBySide=*/2);
    ASSERT_TRUE(gate.AwaitInside(2));
    std::thread opener([&] {
        std::this_thread::sleep_for(50ms);
        gate.Open();
    });
    run.Stop();
    EXPECT_EQ(States(run), (std::vector<S>{S::kCopied, S::kCopied, S::kSkipped, S::kSkipped}));
    opener.join();
    EXPECT_EQ(gate.Begun(), (std::set<std::string>{"A", "B"}));
    EXPECT_EQ(skippedTold, 2);
    EXPECT_FALSE(run.EveryCardCopied());
    EXPECT_EQ(run.CardsToCopyAgain(), Cards({"C", "D"}));
}

TEST(CardCopyRun, NothingToCopyIsNoSuccess) {
    CardCopyRun run({}, EditedImage());
    run.Start();
    run.Wait();
    EXPECT_TRUE(run.Finished());
    EXPECT_FALSE(run.EveryCardCopied());
}

// Two real cards with settings of their own: each takes the schedule and keeps the rest.
TEST(CardCopyRun, TwoCardsKeepTheirOwnSettings) {
    TempDir media;
    std::vector<CardRoot> cards;
    std::vector<Bytes> before;
    for (std::uint8_t seed : {0x21, 0x63}) {
        const auto root = media / ("CARD" + std::to_string(seed));
        std::filesystem::create_directory(root);
        WriteBytes(root / kCardMarkerFile, {});
        ImageBytes own = PatternImage(seed, 7, 3, 1);
        WriteLE32(own, kOffTrailer, 3);
        before.push_back(ToBytes(own));
        WriteBytes(root / kCardConfigFile, before.back());
        cards.push_back({root.filename().string(), root});
    }
    const ConfigImage schedule = EditedImage();
    CardCopyRun run(cards, schedule);
    run.Start();
    run.Wait();
    ASSERT_TRUE(run.EveryCardCopied());
    for (std::size_t i = 0; i < cards.size(); ++i) {
        const Bytes after = ReadBytes(cards[i].root / kCardConfigFile);
        ASSERT_EQ(after.size(), kImageSize);
        EXPECT_TRUE(std::equal(after.begin() + kOffEntryCount, after.begin() + kOffExtensionWords,
                               schedule.bytes.begin() + kOffEntryCount));
        EXPECT_TRUE(std::equal(after.begin() + kOffExtensionWords, after.begin() + kOffTrailer,
                               before[i].begin() + kOffExtensionWords));
        EXPECT_TRUE(std::equal(after.begin() + kOffTail, after.end(), before[i].begin() + kOffTail));
    }
}
