#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "model/overlap.h"
#include "support/entries.h"

namespace {

// A slot from a table, -1 standing for none.
OptionalSlot SlotOrNone(int slot) { return slot < 0 ? std::nullopt : OptionalSlot(slot); }

constexpr WeekTime H = 3600;
constexpr WeekTime D = 86400;

struct Case {
    const char* name;
    WeekTime existingStart, existingStop;
    WeekTime start, stop;
    bool fits;
};

// One existing entry against one candidate, covering plain, wrapping and whole-week intervals
// on both sides and the half-open ends.
const Case kMatrix[] = {
    // Existing Monday 08:00-17:00.
    {"touching after", 8 * H, 17 * H, 17 * H, 18 * H, true},
    {"one second into the end", 8 * H, 17 * H, 17 * H - 1, 18 * H, false},
    {"touching before", 8 * H, 17 * H, 7 * H, 8 * H, true},
    {"one second into the start", 8 * H, 17 * H, 7 * H, 8 * H + 1, false},
    {"inside", 8 * H, 17 * H, 9 * H, 10 * H, false},
    {"around", 8 * H, 17 * H, 7 * H, 18 * H, false},
    {"same", 8 * H, 17 * H, 8 * H, 17 * H, false},
    {"another day", 8 * H, 17 * H, D + 8 * H, D + 17 * H, true},
    {"complement wraps", 8 * H, 17 * H, 17 * H, 8 * H, true},
    {"wrap ending in it", 8 * H, 17 * H, 6 * D, 9 * H, false},
    {"wrap starting in it", 8 * H, 17 * H, 16 * H, 7 * H, false},
    {"wrap clear of it", 8 * H, 17 * H, 6 * D, 8 * H, true},
    {"whole week candidate", 8 * H, 17 * H, 0, 0, false},
    {"whole week candidate elsewhere", 8 * H, 17 * H, 3 * D, 3 * D, false},
    // Existing Sunday 22:00 to Monday 06:00.
    {"after the wrap", 6 * D + 22 * H, 6 * H, 6 * H, 7 * H, true},
    {"before the wrap", 6 * D + 22 * H, 6 * H, 6 * D + 21 * H, 6 * D + 22 * H, true},
    {"into the Monday part", 6 * D + 22 * H, 6 * H, 5 * H, 7 * H, false},
    {"into the Sunday part", 6 * D + 22 * H, 6 * H, 6 * D + 21 * H, 6 * D + 22 * H + 1, false},
    {"Monday midnight", 6 * D + 22 * H, 6 * H, 0, 1, false},
    {"last second of the week", 6 * D + 22 * H, 6 * H, 604799, 604799 + 1, false},
    {"any wrapping candidate", 6 * D + 22 * H, 6 * H, 5 * D, 1 * H, false},
    {"a narrow wrapping candidate", 6 * D + 23 * H, 1, 604799, 0, false},
    {"whole week against a wrap", 6 * D + 22 * H, 6 * H, 12 * H, 12 * H, false},
    {"middle of the week", 6 * D + 22 * H, 6 * H, 2 * D, 3 * D, true},
    // Existing entries whose stop is Monday midnight, the end of the week.
    {"ends at the end of the week", 6 * D, 0, 0, H, true},
    {"ends at the end of the week, touching", 6 * D, 0, 5 * D, 6 * D, true},
    {"ends at the end of the week, inside", 6 * D, 0, 6 * D + H, 6 * D + 2 * H, false},
    // Existing whole-week entry.
    {"whole week existing", 5 * H, 5 * H, D, D + 1, false},
    {"whole week existing, wrapping candidate", 0, 0, 6 * D, H, false},
    {"whole week both", 0, 0, 0, 0, false},
};

TEST(Overlap, OneExistingEntry) {
    for (const Case& c : kMatrix) {
        SCOPED_TRACE(c.name);
        const std::vector<ScheduleEntry> entries = {DefaultEntry(c.existingStart, c.existingStop)};
        EXPECT_EQ(FitsSchedule(entries, c.start, c.stop, std::nullopt), c.fits);
        // Excluding the existing entry (an edit of it) always fits.
        EXPECT_TRUE(FitsSchedule(entries, c.start, c.stop, 0));
    }
}

TEST(Overlap, OverlapIsSymmetric) {
    // Whether two intervals clash cannot depend on which of them is already in the schedule.
    for (const Case& c : kMatrix) {
        SCOPED_TRACE(c.name);
        const std::vector<ScheduleEntry> swapped = {DefaultEntry(c.start, c.stop)};
        EXPECT_EQ(FitsSchedule(swapped, c.existingStart, c.existingStop, std::nullopt), c.fits);
    }
}

TEST(Overlap, EmptyScheduleTakesAnything) {
    const std::vector<ScheduleEntry> none;
    for (auto [s, e] : {std::pair<WeekTime, WeekTime>{0, 0}, {5, 5}, {10, 20}, {604799, 0}, {6 * D, H}}) {
        EXPECT_TRUE(FitsSchedule(none, s, e, std::nullopt)) << s << "-" << e;
    }
}

TEST(Overlap, SeveralEntriesAndExclusion) {
    const std::vector<ScheduleEntry> entries = {
        DefaultEntry(8 * H, 17 * H),           // 0: Monday day
        DefaultEntry(6 * D + 22 * H, 6 * H),   // 1: Sunday night into Monday
        DefaultEntry(2 * D, 2 * D + H),        // 2: Wednesday first hour
    };
    struct Probe {
        const char* name;
        WeekTime start, stop;
        int exclude;
        bool fits;
    };
    const Probe probes[] = {
        {"gap between", 17 * H, 2 * D, -1, true},
        {"exact gap Monday", 6 * H, 8 * H, -1, true},
        {"hits the last entry only", D, 2 * D + 1, -1, false},
        {"edit without change", 2 * D, 2 * D + H, 2, true},
        {"copy without change", 2 * D, 2 * D + H, -1, false},
        {"edit grows into a neighbour", 2 * H, 9 * H, 0, false},
        {"edit of the neighbour frees its space", 2 * H, 9 * H, 1, false},
        {"edit into its own old space only", 7 * H, 18 * H, 0, true},
        {"whole week with others present", 0, 0, 0, false},
        {"excluded index beyond the schedule", 2 * D, 2 * D + H, 3, false},
    };
    for (const Probe& p : probes) {
        SCOPED_TRACE(p.name);
        EXPECT_EQ(FitsSchedule(entries, p.start, p.stop, SlotOrNone(p.exclude)), p.fits);
    }
    // Whole week fits a schedule whose only entry is the one being edited.
    const std::vector<ScheduleEntry> one = {DefaultEntry(8 * H, 17 * H)};
    EXPECT_TRUE(FitsSchedule(one, 0, 0, 0));
}

TEST(Overlap, FirstOverlapNamesTheEarliestSlotHit) {
    // Slots 1 and 2 overlap each other, as only a foreign file can hold them.
    const std::vector<ScheduleEntry> entries = {DefaultEntry(8 * H, 17 * H), DefaultEntry(D + 8 * H, D + 17 * H),
                                                DefaultEntry(D + 12 * H, D + 20 * H),
                                                DefaultEntry(6 * D + 22 * H, 2 * H)};
    struct Probe {
        WeekTime start, stop;
        int exclude, slot;
    };
    const Probe probes[] = {{17 * H, D, -1, -1}, {H, 3 * H, -1, 3}, {D + 16 * H, D + 18 * H, -1, 1},
                            {5 * D, 5 * D, -1, 0}, {9 * H, 10 * H, 0, -1}, {D + 16 * H, D + 18 * H, 1, 2}};
    for (const Probe& p : probes) {
        EXPECT_EQ(FirstOverlap(entries, p.start, p.stop, SlotOrNone(p.exclude)), SlotOrNone(p.slot))
            << p.start << "-" << p.stop;
        EXPECT_EQ(FitsSchedule(entries, p.start, p.stop, SlotOrNone(p.exclude)), p.slot < 0) << p.start << "-" << p.stop;
    }
}

}  // namespace
