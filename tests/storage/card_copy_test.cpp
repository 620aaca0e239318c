// Copy To Cards on one card: only the entry count and the slots change, the card's own
// bytes stay, a file that is no configuration is never written, and a card that goes or
// takes no writes is reported as such with nothing created.
#include <gtest/gtest.h>

#include "storage/card_copy.h"
#include "storage/card_probe.h"
#include "storage/config_file.h"
#include "support/faulty_file_system.h"
#include "support/images.h"
#include "support/storage_step_names.h"
#include "support/temp_dir.h"

namespace {
// A card folder holding the marker and config as its CONFIG01.DAT.
void MakeCard(const std::filesystem::path& root, const Bytes& config) {
    std::filesystem::create_directories(root);
    WriteBytes(root / kCardMarkerFile, Pattern(16));
    WriteBytes(CardConfigPath(root), config);
}

// The first 6656 bytes of a file's (zeros where it is shorter).
ImageBytes Head(const Bytes& file) {
    ImageBytes image{};
    std::copy_n(file.begin(), std::min(file.size(), kImageSize), image.begin());
    return image;
}

// ForeignV7's bytes followed by more of the card's own.
Bytes CardWithBytesBehind(std::size_t size) {
    Bytes bytes = ToBytes(ForeignV7());
    const Bytes behind = Pattern(size - kImageSize, 0x5A);
    bytes.insert(bytes.end(), behind.begin(), behind.end());
    return bytes;
}
}  // namespace

// The first and last byte of each region of the file after a copy, and where each comes from.
TEST(CopyScheduleToCard, EachRegionFromWhereItBelongs) {
    enum class From { Card, Schedule, Stamp };
    struct Case {
        const char* region;
        std::size_t offset;
        From from;
    };
    const Case cases[] = {
        {"magic", 0, From::Stamp},
        {"header word 5", 23, From::Stamp},
        {"entry count", kOffEntryCount, From::Schedule},
        {"first slot", kOffSlots, From::Schedule},
        {"last slot's last byte", kOffExtensionWords - 1, From::Schedule},
        {"extension words", kOffExtensionWords, From::Card},
        {"extension words' end", kOffExtensionBlock - 1, From::Card},
        {"extension block", kOffExtensionBlock, From::Card},
        {"extension block's end", kOffW6 - 1, From::Card},
        {"W6", kOffW6, From::Card},
        {"W6's end", kOffTrailer - 1, From::Card},
        {"trailer", kOffTrailer, From::Stamp},
        {"tail", kOffTail, From::Card},
        {"tail's end", kImageSize - 1, From::Card},
        {"behind the image", kImageSize, From::Card},
        {"end of the file", 9999, From::Card},
    };
    TempDir dir;
    const auto root = dir / "CARD";
    const Bytes before = CardWithBytesBehind(10000);
    MakeCard(root, before);
    const ConfigImage schedule = EditedImage();
    const ImageBytes stamped = Stamped(schedule);

    ASSERT_EQ(CopyScheduleToCard(root, schedule).failed, StorageStep::kNone);

    const Bytes after = ReadBytes(CardConfigPath(root));
    ASSERT_EQ(after.size(), before.size());
    for (const Case& c : cases) {
        const std::uint8_t expected = c.from == From::Card ? before[c.offset] : stamped[c.offset];
        EXPECT_EQ(after[c.offset], expected) << c.region << " at " << c.offset;
        // Within the image the card's own bytes and the schedule's differ everywhere a row looks.
        if (c.from == From::Card && c.offset < kImageSize) {
            EXPECT_NE(before[c.offset], stamped[c.offset]) << c.region;
        }
    }
    EXPECT_EQ(ValidateImage(Head(after)), 7);
}

TEST(CopyScheduleToCard, VersionSixIsWrittenAsVersionSevenWithTheOpeningExtension) {
    TempDir dir;
    const auto root = dir / "OLD";
    Bytes before(7000, 0x77);
    const ImageBytes v6 = ForeignV6();
    std::copy(v6.begin(), v6.end(), before.begin());
    MakeCard(root, before);
    const ConfigImage schedule = EditedImage();

    ASSERT_EQ(CopyScheduleToCard(root, schedule).failed, StorageStep::kNone);

    const Bytes after = ReadBytes(CardConfigPath(root));
    ASSERT_EQ(after.size(), 7000u);
    const ImageBytes image = Head(after);
    EXPECT_EQ(ValidateImage(image), 7);
    EXPECT_TRUE(SameSchedule(image, schedule.bytes));
    const ImageBytes opening = Stamped(ConfigImage());
    EXPECT_TRUE(std::equal(image.begin() + kOffExtensionWords, image.end(), opening.begin() + kOffExtensionWords));
    EXPECT_EQ(after[kImageSize], 0x77);
    EXPECT_EQ(after.back(), 0x77);
}

TEST(CopyScheduleToCard, NoConfigurationIsNeverWritten) {
    struct Case {
        const char* name;
        Bytes config;
        StorageStep failed;
    };
    ImageBytes tooMany = ForeignV7();
    WriteLE32(tooMany, kOffEntryCount, kMaxEntries + 1);
    ImageBytes badTrailer = ForeignV7();
    WriteLE32(badTrailer, kOffTrailer, 6);
    const Case cases[] = {
        {"empty", {}, StorageStep::kRead},
        {"one byte short", Bytes(kImageSize - 1, 0), StorageStep::kRead},
        {"other bytes", Pattern(kImageSize), StorageStep::kValidate},
        {"257 entries", ToBytes(tooMany), StorageStep::kValidate},
        {"trailer not the sequence", ToBytes(badTrailer), StorageStep::kValidate},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        MakeCard(dir.Path(), c.config);
        EXPECT_EQ(CopyScheduleToCard(dir.Path(), EditedImage()).failed, c.failed);
        EXPECT_EQ(ReadBytes(CardConfigPath(dir.Path())), c.config);
    }
    // A folder in the file's place is opened for nothing.
    TempDir dir;
    std::filesystem::create_directory(CardConfigPath(dir.Path()));
    WriteBytes(dir / kCardMarkerFile, {});
    EXPECT_EQ(CopyScheduleToCard(dir.Path(), EditedImage()).failed, StorageStep::kOpen);
    EXPECT_TRUE(std::filesystem::is_directory(CardConfigPath(dir.Path())));
}

// A locked card, a full card and a card pulled at each stage: the step or kCardRemoved, the
// reason as the system gave it, and no file made where the card was.
TEST(CopyScheduleToCard, FaultsOnTheCard) {
    enum class Pull { Never, Before, AfterRead, AfterWrite };
    enum class FileAfter { Untouched, Copied, Gone };
    struct Case {
        const char* name;
        Call call;  // broken with brokenError, unless nth is 0
        int nth;
        SystemError error;
        Pull pull;
        StorageStep failed;
        ErrorKind kind;
        FileAfter file;
    };
    const SystemError readOnly{EROFS, "Read-only file system", ErrorKind::kReadOnlyMedium};
    const SystemError full{ENOSPC, "No space left on device", ErrorKind::kNoSpace};
    const SystemError none{};
    const Case cases[] = {
        {"read-only", Call::Open, 2, readOnly, Pull::Never, StorageStep::kOpenForUpdate,
         ErrorKind::kReadOnlyMedium, FileAfter::Untouched},
        {"full", Call::Write, 1, full, Pull::Never, StorageStep::kWrite, ErrorKind::kNoSpace, FileAfter::Untouched},
        {"removed before", Call::Open, 0, none, Pull::Before, StorageStep::kCardRemoved, ErrorKind::kOther,
         FileAfter::Gone},
        {"removed after the read", Call::Open, 0, none, Pull::AfterRead, StorageStep::kCardRemoved,
         ErrorKind::kNotFound, FileAfter::Gone},
#ifndef _WIN32  // Windows deletes no file that is open
        {"removed while written", Call::Open, 0, none, Pull::AfterWrite, StorageStep::kCardRemoved,
         ErrorKind::kNotFound, FileAfter::Gone},
#endif
        {"sync fails, card still there", Call::Sync, 1, none, Pull::Never, StorageStep::kSync, ErrorKind::kOther,
         FileAfter::Copied},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const auto root = dir / "CARD";
        const Bytes before = ToBytes(ForeignV7());
        MakeCard(root, before);
        // Pulled: the mount folder stays, empty.
        const auto pull = [&] {
            std::filesystem::remove(root / kCardMarkerFile);
            std::filesystem::remove(CardConfigPath(root));
        };
        if (c.pull == Pull::Before) pull();
        FaultyFileSystem fs;
        if (c.nth > 0) {
            fs.Break(c.call, c.nth, Fault::Fail);
            if (c.error.code != 0) fs.brokenError = c.error;
        }
        fs.after = [&](Call call, int n) {
            if ((c.pull == Pull::AfterRead && call == Call::Close && n == 1) ||
                (c.pull == Pull::AfterWrite && call == Call::Write && n == 1))
                pull();
        };

        const StorageOutcome outcome = CopyScheduleToCard(root, EditedImage(), fs);
        EXPECT_EQ(outcome.failed, c.failed);
        EXPECT_EQ(outcome.error.kind, c.kind);
        EXPECT_EQ(outcome.path, CardConfigPath(root));
        EXPECT_EQ(fs.StillOpen(), 0);
        if (c.file == FileAfter::Gone) {
            EXPECT_TRUE(std::filesystem::is_empty(root)) << "a file was made";
        }
        if (c.file == FileAfter::Untouched) {
            EXPECT_EQ(ReadBytes(CardConfigPath(root)), before);
        }
        if (c.file == FileAfter::Copied) {
            EXPECT_TRUE(SameSchedule(Head(ReadBytes(CardConfigPath(root))), EditedImage().bytes));
        }
    }
}

// Whether Save To Card would replace settings of the card's own that Copy To Cards keeps.
TEST(DiffersOutsideSchedule, EachRegionAndWhatIsStampedAnyway) {
    constexpr std::size_t kUnchanged = kImageSize;
    struct Case {
        const char* name;
        std::size_t offset;  // the card's byte changed there
        bool differs;
    };
    const Case cases[] = {
        {"the same", kUnchanged, false},
        {"header word 4", kOffHeaderWord4, false},
        {"sequence word", kOffSequence + 3, false},
        {"entry count", kOffEntryCount, false},
        {"last slot byte", kOffExtensionWords - 1, false},
        {"first extension word byte", kOffExtensionWords, true},
        {"last extension word byte", kOffExtensionBlock - 1, true},
        {"first extension block byte", kOffExtensionBlock, true},
        {"last extension block byte", kOffW6 - 1, true},
        {"W6 first byte", kOffW6, true},
        {"W6 last byte", kOffTrailer - 1, true},
        {"first tail byte", kOffTail, true},
        {"last tail byte", kImageSize - 1, true},
    };
    const ConfigImage saving = EditedImage();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ImageBytes card = Stamped(saving);
        // A card that was saved with this configuration's settings, one byte then changed; the
        // sequence word and trailer move together so that the card stays valid.
        if (c.offset == kOffSequence + 3) {
            WriteLE32(card, kOffSequence, 0x05000001);
            WriteLE32(card, kOffTrailer, 0x05000001);
        } else if (c.offset != kUnchanged) {
            card[c.offset] ^= 0x01;
        }
        ASSERT_EQ(ValidateImage(card), 7);
        EXPECT_EQ(DiffersOutsideSchedule(card, saving), c.differs);
    }
}

TEST(DiffersOutsideSchedule, OtherVersionsAndNoConfiguration) {
    struct Case {
        const char* name;
        ImageBytes card;
        ConfigImage saving;
        bool differs;
    };
    const Case cases[] = {
        // A version-6 card has no settings of its own: copying leaves the opening ones.
        {"v6 card, schedule from New", ForeignV6(), ImageOf({{0, 60, 10, 2, 0, 32000}}), false},
        {"v6 card, settings from elsewhere", ForeignV6(), EditedImage(), true},
        {"v7 card of another recorder, schedule from New", ForeignV7(), ConfigImage(), true},
        {"no configuration", [] {
             const Bytes p = Pattern(kImageSize);
             ImageBytes b{};
             std::copy(p.begin(), p.end(), b.begin());
             return b;
         }(), ConfigImage(), false},
        // Nothing of the card's would be kept by a copy either: no question.
        {"no configuration, settings from elsewhere", [] {
             const Bytes p = Pattern(kImageSize);
             ImageBytes b{};
             std::copy(p.begin(), p.end(), b.begin());
             return b;
         }(), EditedImage(), false},
    };
    for (const Case& c : cases) EXPECT_EQ(DiffersOutsideSchedule(c.card, c.saving), c.differs) << c.name;
}

TEST(DiffersOutsideSchedule, ReadFromTheCard) {
    struct Case {
        const char* name;
        std::optional<Bytes> config;  // none: no CONFIG01.DAT
        bool differs;
    };
    const Case cases[] = {
        {"own settings, bytes behind", CardWithBytesBehind(8000), true},
        {"own settings, one byte short", [] {
             Bytes b = ToBytes(ForeignV7());
             b.pop_back();
             return b;
         }(), false},
        {"saved from this configuration", ToBytes(Stamped(EditedImage())), false},
        {"no file", std::nullopt, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        if (c.config) MakeCard(dir.Path(), *c.config);
        EXPECT_EQ(CardDiffersOutsideSchedule(dir.Path(), EditedImage()), c.differs);
    }
}
