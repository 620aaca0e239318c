#pragma once
// Copy To Cards as it runs: one worker thread per card, side by side, each copying the
// schedule onto its card. The workers share nothing but the run's own result list, which is
// kept under a lock. A failed card never stops the others.
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "storage/card_probe.h"
#include "storage/config_image.h"
#include "storage/storage_outcome.h"

enum class CardCopyState {
    kWaiting,  // not begun yet
    kCopying,  // being read, written and verified
    kCopied,   // written and verified (verifiedAt says when)
    kFailed,   // not copied (outcome says why); the card is as it was or as far as the write got
    kSkipped,  // never begun: the run was stopped first
};

struct CardCopyResult {
    CardRoot card;
    CardCopyState state = CardCopyState::kWaiting;
    StorageOutcome outcome;  // with kFailed
    std::optional<std::chrono::system_clock::time_point> verifiedAt;  // with kCopied
};

class CardCopyRun {
public:
    // Copies the schedule onto one card; called on a worker thread, for one card at a time.
    using CopyFunction = std::function<StorageOutcome(const CardRoot& card, const ConfigImage& schedule)>;
    // Hears of each card's change of state (begun, copied, failed, skipped) with its index in
    // cards and its result. Called on the worker thread, never under the run's lock: a window
    // passes it on to its own thread (CallAfter) and must not Wait or Stop from inside it.
    using Listener = std::function<void(std::size_t index, const CardCopyResult& result)>;

    // A run over cards (in the order given) copying a copy of schedule through copy
    // (CopyScheduleToCard by default). Nothing starts before Start.
    CardCopyRun(std::vector<CardRoot> cards, const ConfigImage& schedule, Listener listener = {},
                CopyFunction copy = {});
    // Stops and waits: no worker outlives the run.
    ~CardCopyRun();
    CardCopyRun(const CardCopyRun&) = delete;
    CardCopyRun& operator=(const CardCopyRun&) = delete;

    // Starts a worker for every waiting card, at most sideBySide at once (0: all of them).
    // Each begins its card unless a stop was asked for first. Does nothing while running.
    // Start, CopyAgain, Wait, Stop and the destructor belong to the owner's thread alone.
    // Should the system start no thread at all, the cards fail at once (told on this thread).
    void Start(std::size_t sideBySide = 0);
    // Copy Again: every failed or skipped card is waiting again and the run starts over them;
    // copied cards stay copied. Does nothing while running.
    void CopyAgain(std::size_t sideBySide = 0);
    // Cards not begun yet will be skipped; cards begun finish. Returns at once.
    void RequestStop();
    // Waits until every worker has ended (every card copied, failed or skipped).
    void Wait();
    // RequestStop, then Wait: never leaves a half-written card behind. A window that must not
    // block meanwhile calls RequestStop, polls Finished, and then Wait returns at once.
    void Stop();

    // No worker is running (before Start, or once all have ended).
    bool Finished() const;
    // Every card's result, in the order of cards.
    std::vector<CardCopyResult> Results() const;
    std::size_t CardCount() const;
    std::size_t CopiedCount() const;   // cards copied and verified
    // The cards Copy Again would take: failed or skipped, in the order of cards.
    std::vector<CardRoot> CardsToCopyAgain() const;
    // The modified flag may be cleared: the run is finished and every one of its cards
    // (at least one) was copied and verified.
    bool EveryCardCopied() const;

private:
    void Work();                                    // one worker: takes waiting cards until none is left
    std::optional<std::size_t> Begin();             // the next waiting card, now copying; none when done
    void Finish(std::size_t index, StorageOutcome outcome);
    void Tell(std::size_t index, const CardCopyResult& result) const;
    void JoinWorkers();

    const ConfigImage schedule_;
    const Listener listener_;
    const CopyFunction copy_;
    mutable std::mutex mutex_;  // guards everything below
    std::vector<CardCopyResult> results_;
    std::size_t running_ = 0;  // workers not ended yet
    bool stopRequested_ = false;
    std::condition_variable ended_;
    std::vector<std::thread> workers_;  // started and joined on the owner's thread only
};
