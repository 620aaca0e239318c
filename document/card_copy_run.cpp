#include "document/card_copy_run.h"

#include <algorithm>
#include <exception>
#include <system_error>

#include "storage/card_copy.h"

namespace {
StorageOutcome CopyToCard(const CardRoot& card, const ConfigImage& schedule) {
    return CopyScheduleToCard(card.root, schedule);
}

bool NotCopied(const CardCopyResult& result) {
    return result.state == CardCopyState::kFailed || result.state == CardCopyState::kSkipped;
}
}  // namespace

CardCopyRun::CardCopyRun(std::vector<CardRoot> cards, const ConfigImage& schedule, Listener listener,
                         CopyFunction copy)
    : schedule_(schedule), listener_(std::move(listener)), copy_(copy ? std::move(copy) : CopyFunction(CopyToCard)) {
    for (CardRoot& card : cards) results_.push_back({std::move(card), CardCopyState::kWaiting, {}, {}});
}

CardCopyRun::~CardCopyRun() { Stop(); }

void CardCopyRun::Start(std::size_t sideBySide) {
    {
        std::lock_guard lock(mutex_);
        if (running_ > 0) return;
    }
    JoinWorkers();  // those of an earlier start, all ended
    std::vector<std::pair<std::size_t, CardCopyResult>> unstarted;
    {
        std::lock_guard lock(mutex_);
        const std::size_t waiting = static_cast<std::size_t>(std::count_if(
            results_.begin(), results_.end(), [](const CardCopyResult& r) { return r.state == CardCopyState::kWaiting; }));
        const std::size_t workers = sideBySide == 0 ? waiting : std::min(sideBySide, waiting);
        stopRequested_ = false;
        // Each worker takes cards until none waits: should the system refuse some threads,
        // those that started copy the rest one after another.
        SystemError refused;
        for (std::size_t i = 0; i < workers; ++i) {
            try {
                workers_.emplace_back(&CardCopyRun::Work, this);
            } catch (const std::system_error& e) {
                refused = {e.code().value(), e.what(), ErrorKind::kOther};
                break;
            }
            ++running_;
        }
        // Without a single worker the cards fail here, rather than wait for ever.
        for (std::size_t i = 0; running_ == 0 && i < results_.size(); ++i) {
            if (results_[i].state != CardCopyState::kWaiting) continue;
            results_[i].state = CardCopyState::kFailed;
            results_[i].outcome = {StorageStep::kWrite, CardConfigPath(results_[i].card.root), refused, {}};
            unstarted.emplace_back(i, results_[i]);
        }
    }
    for (const auto& [index, result] : unstarted) Tell(index, result);
}

void CardCopyRun::CopyAgain(std::size_t sideBySide) {
    {
        std::lock_guard lock(mutex_);
        if (running_ > 0) return;
        for (CardCopyResult& result : results_)
            if (NotCopied(result)) result = {result.card, CardCopyState::kWaiting, {}, {}};
    }
    Start(sideBySide);
}

void CardCopyRun::RequestStop() {
    std::lock_guard lock(mutex_);
    stopRequested_ = true;
}

void CardCopyRun::Wait() {
    {
        std::unique_lock lock(mutex_);
        ended_.wait(lock, [this] { return running_ == 0; });
    }
    JoinWorkers();
}

void CardCopyRun::Stop() {
    RequestStop();
    Wait();
}

bool CardCopyRun::Finished() const {
    std::lock_guard lock(mutex_);
    return running_ == 0;
}

std::vector<CardCopyResult> CardCopyRun::Results() const {
    std::lock_guard lock(mutex_);
    return results_;
}

std::size_t CardCopyRun::CardCount() const {
    std::lock_guard lock(mutex_);
    return results_.size();
}

std::size_t CardCopyRun::CopiedCount() const {
    std::lock_guard lock(mutex_);
    return static_cast<std::size_t>(std::count_if(
        results_.begin(), results_.end(), [](const CardCopyResult& r) { return r.state == CardCopyState::kCopied; }));
}

std::vector<CardRoot> CardCopyRun::CardsToCopyAgain() const {
    std::lock_guard lock(mutex_);
    std::vector<CardRoot> cards;
    for (const CardCopyResult& result : results_)
        if (NotCopied(result)) cards.push_back(result.card);
    return cards;
}

bool CardCopyRun::EveryCardCopied() const {
    std::lock_guard lock(mutex_);
    return running_ == 0 && !results_.empty() &&
           std::all_of(results_.begin(), results_.end(),
                       [](const CardCopyResult& r) { return r.state == CardCopyState::kCopied; });
}

void CardCopyRun::Work() {
    const ConfigImage schedule = schedule_;  // a worker reads nothing another one holds
    while (const std::optional<std::size_t> index = Begin()) {
        StorageOutcome outcome;
        try {
            outcome = copy_(results_[*index].card, schedule);  // the card is this worker's alone now
        } catch (const std::exception& e) {
            // Nothing a copy does should throw; if it does, the card failed and the others go on.
            outcome = {StorageStep::kWrite, CardConfigPath(results_[*index].card.root), {0, e.what()}, {}};
        }
        Finish(*index, std::move(outcome));
    }
    std::lock_guard lock(mutex_);
    if (--running_ == 0) ended_.notify_all();
}

std::optional<std::size_t> CardCopyRun::Begin() {
    std::vector<std::pair<std::size_t, CardCopyResult>> skipped;
    std::optional<std::pair<std::size_t, CardCopyResult>> begun;
    {
        std::lock_guard lock(mutex_);
        for (std::size_t i = 0; i < results_.size() && !begun; ++i) {
            CardCopyResult& result = results_[i];
            if (result.state != CardCopyState::kWaiting) continue;
            result.state = stopRequested_ ? CardCopyState::kSkipped : CardCopyState::kCopying;
            if (stopRequested_)
                skipped.emplace_back(i, result);
            else
                begun.emplace(i, result);
        }
    }
    for (const auto& [index, result] : skipped) Tell(index, result);
    if (!begun) return std::nullopt;
    Tell(begun->first, begun->second);
    return begun->first;
}

void CardCopyRun::Finish(std::size_t index, StorageOutcome outcome) {
    CardCopyResult told;
    {
        std::lock_guard lock(mutex_);
        CardCopyResult& result = results_[index];
        if (outcome.Succeeded()) {
            result.state = CardCopyState::kCopied;
            result.verifiedAt = std::chrono::system_clock::now();
        } else {
            result.state = CardCopyState::kFailed;
        }
        result.outcome = std::move(outcome);
        told = result;
    }
    Tell(index, told);
}

void CardCopyRun::Tell(std::size_t index, const CardCopyResult& result) const {
    if (listener_) listener_(index, result);
}

void CardCopyRun::JoinWorkers() {
    for (std::thread& worker : workers_) worker.join();
    workers_.clear();
}
