// The texts the windows compose from an entry's: the second line of the overlap messages and
// the week strip's tooltip.
#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

#include "ui/common/messages.h"

namespace {

TEST(Messages, OverlapDetailAndHoverTexts) {
    const ScheduleEntry friday{4 * 86400 + 28800, 4 * 86400 + 61200, 0x1303C, 2, 0, 32000};
    EXPECT_EQ(OverlapDetailText(friday), "It overlaps 08:00:00 on Friday to 17:00:00 on Friday (Alarm 1 Level NO).");
    EXPECT_EQ(EntryHoverText(friday),
              "08:00:00 on Friday - 17:00:00 on Friday\nAlarm 1 Level NO, 25.0 / 30.0 images per second (PAL / NTSC)");
    const ScheduleEntry foreign{604800, 0, 0xA000, 2, 4294967295u, 32000};
    EXPECT_EQ(OverlapDetailText(foreign), "It overlaps 00:00:00 on Day 8 to 00:00:00 on Monday (Continuous).");
    EXPECT_EQ(EntryHoverText(foreign),
              "00:00:00 on Day 8 - 00:00:00 on Monday\nContinuous, 0.0 / 0.0 images per second (PAL / NTSC)");
}

TEST(Messages, CopyOverlapTexts) {
    EXPECT_EQ(CopyOverlapText(std::vector<int>{4}), "The copy for Thursday overlaps another entry.");
    EXPECT_EQ(CopyOverlapText(std::vector<int>{1, 6, 7}),
              "The copies for Monday, Saturday and Sunday overlap other entries.");
}

// Counted texts take the singular for one only: none and many read as plural.
TEST(Messages, EntriesTextsCountInTheirPluralForm) {
    const std::pair<std::size_t, const char*> cases[] = {
        {0, "0 entries"}, {1, "1 entry"}, {2, "2 entries"}, {256, "256 entries"}};
    for (const auto& [count, text] : cases) EXPECT_EQ(EntriesText(count), text);
}

TEST(Messages, StorageFailureReasons) {
    struct Case {
        StorageStep failed;
        ErrorKind kind;
        std::optional<std::uintmax_t> size;
        bool onCard;
        const char* reason;
    };
    const Case cases[] = {
        {StorageStep::kCreate, ErrorKind::kReadOnlyMedium, {}, true, "The medium is read-only"},
        {StorageStep::kWrite, ErrorKind::kNoSpace, {}, true, "The card is full"},
        {StorageStep::kWrite, ErrorKind::kNoSpace, {}, false, "The disk is full"},
        {StorageStep::kOpenForUpdate, ErrorKind::kPermissionDenied, {}, false, "Permission denied"},
        {StorageStep::kTooLarge, ErrorKind::kOther, 2 * 1048576, false,
         "The file is 2.0 MiB; files above 1 MiB are never overwritten"},
        {StorageStep::kTooLarge, ErrorKind::kOther, 1048577, false,
         "The file is 1,048,577 bytes; files above 1 MiB are never overwritten"},
        {StorageStep::kRead, ErrorKind::kOther, 6655, false, "The file is 6,655 bytes; a configuration file is 6,656 bytes"},
        {StorageStep::kRead, ErrorKind::kOther, 1, false, "The file is 1 byte; a configuration file is 6,656 bytes"},
        {StorageStep::kRead, ErrorKind::kOther, 0, false, "The file is empty; a configuration file is 6,656 bytes"},
        {StorageStep::kCardRemoved, ErrorKind::kOther, {}, true, "The card was removed"},
        {StorageStep::kReadBack, ErrorKind::kOther, {}, true, "The medium does not hold what was written"},
    };
    for (const Case& c : cases) {
        StorageOutcome outcome{c.failed, "/x/CONFIG01.DAT", {c.kind == ErrorKind::kOther ? 0 : 5, "", c.kind}, c.size};
        EXPECT_EQ(StorageFailureReason(outcome, c.onCard), c.reason);
    }
    // Where the editor has no words of its own, the system's.
    const StorageOutcome other{StorageStep::kWrite, "/x", {71, "Protocol error", ErrorKind::kOther}, {}};
    EXPECT_EQ(StorageFailureReason(other, false), "Protocol error");
}

}  // namespace
