// Recognising cards among the candidate roots, and reading the system's mount table.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <sys/stat.h>

#include "storage/card_probe.h"
#include "storage/config_file.h"
#include "storage/mount_table.h"
#include "support/byte_files.h"
#include "support/faulty_file_system.h"
#include "support/images.h"
#include "support/temp_dir.h"

namespace {
enum class Kind { None, File, Folder };

void Make(const std::filesystem::path& path, Kind kind) {
    if (kind == Kind::File) WriteBytes(path, {});
    if (kind == Kind::Folder) std::filesystem::create_directory(path);
}

std::vector<std::string> Labels(const std::vector<CardRoot>& roots) {
    std::vector<std::string> labels;
    for (const CardRoot& r : roots) labels.push_back(r.label);
    return labels;
}
}  // namespace

TEST(CardProbe, BothFilesMakeACard) {
    struct Case {
        const char* name;
        Kind marker;  // R0000001.DAT
        Kind config;  // CONFIG01.DAT
        bool card;
    };
    const Case cases[] = {
        {"empty", Kind::None, Kind::None, false},
        {"config only", Kind::None, Kind::File, false},
        {"marker only", Kind::File, Kind::None, false},
        {"both files", Kind::File, Kind::File, true},
        {"both folders", Kind::Folder, Kind::Folder, true},
        {"marker folder, config file", Kind::Folder, Kind::File, true},
        {"config folder only", Kind::None, Kind::Folder, false},
    };
    for (const Case& c : cases) {
        TempDir dir;
        Make(dir / kCardMarkerFile, c.marker);
        Make(dir / kCardConfigFile, c.config);
        EXPECT_EQ(IsCard(dir.Path()), c.card) << c.name;
    }
    EXPECT_FALSE(IsCard("/nonexistent-dvr-root"));
}

TEST(CardProbe, ContentsAreNotLookedAt) {
    TempDir dir;
    WriteBytes(dir / kCardMarkerFile, Pattern(3));
    WriteBytes(dir / kCardConfigFile, Pattern(5));  // no valid image at all
    EXPECT_TRUE(IsCard(dir.Path()));
    EXPECT_EQ(CardConfigPath(dir.Path()), dir / "CONFIG01.DAT");
}

TEST(CardProbe, NamesAreExact) {
    // The probe asks for the upper-case names; on a case-sensitive system others do not count.
    TempDir dir;
    WriteBytes(dir / "r0000001.dat", {});
    WriteBytes(dir / "config01.dat", {});
#ifdef _WIN32
    // Windows file systems ignore case: the recorder's FAT card answers either spelling.
    EXPECT_TRUE(IsCard(dir.Path()));
#else
    EXPECT_FALSE(IsCard(dir.Path()));
#endif
}

TEST(CardSave, OnlyACardStillThereIsWrittenAndAGoneOneIsNamed) {
    struct Case {
        const char* name;
        bool marker;  // R0000001.DAT still on the card
        bool root;    // the card's folder still there
        StorageStep failed;
    };
    const Case cases[] = {
        {"card in place", true, true, StorageStep::kNone},
        {"card taken out, its folder left behind", false, true, StorageStep::kCardRemoved},
        {"card taken out with its folder", false, false, StorageStep::kCardRemoved},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::filesystem::path root = dir / "CARD";
        std::filesystem::create_directory(root);
        WriteBytes(root / kCardMarkerFile, {});
        WriteBytes(root / kCardConfigFile, Pattern(kImageSize));
        if (!c.marker) std::filesystem::remove(root / kCardMarkerFile);
        if (!c.root) std::filesystem::remove_all(root);
        ConfigImage image = EditedImage();
        const StorageOutcome outcome = SaveConfigToCard(root, image);
        EXPECT_EQ(outcome.failed, c.failed);
        EXPECT_EQ(outcome.path, root / "CONFIG01.DAT");
        if (c.failed == StorageStep::kNone) {
            EXPECT_EQ(ReadBytes(root / kCardConfigFile), ToBytes(image.bytes));
        } else if (c.root) {
            EXPECT_EQ(ReadBytes(root / kCardConfigFile), Pattern(kImageSize));
        } else {
            EXPECT_FALSE(std::filesystem::exists(root));
        }
    }
}

// A card pulled between the check and the write, or while it is written: named as removed,
// and no file made in the folder it leaves behind.
TEST(CardSave, PulledDuringTheSave) {
    struct Case {
        const char* name;
        Call after;  // the card is pulled right after the nth call of this kind
        int nth;
        StorageStep failed;
    };
    const Case cases[] = {
        {"during the check", Call::Exists, 1, StorageStep::kCardRemoved},
        {"after the check", Call::Exists, 2, StorageStep::kCardRemoved},
#ifndef _WIN32  // Windows deletes no file that is open
        {"while written", Call::Write, 1, StorageStep::kCardRemoved},
#endif
        {"after the read-back", Call::Close, 2, StorageStep::kNone},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::filesystem::path root = dir / "CARD";
        std::filesystem::create_directory(root);
        WriteBytes(root / kCardMarkerFile, {});
        WriteBytes(root / kCardConfigFile, Pattern(kImageSize));
        FaultyFileSystem fs;
        fs.after = [&](Call call, int n) {
            if (call != c.after || n != c.nth) return;
            std::filesystem::remove(root / kCardMarkerFile);
            std::filesystem::remove(root / kCardConfigFile);
        };
        ConfigImage image = EditedImage();
        EXPECT_EQ(SaveConfigToCard(root, image, fs).failed, c.failed);
        EXPECT_TRUE(std::filesystem::is_empty(root)) << "a file was made where the card was";
        EXPECT_EQ(fs.StillOpen(), 0);
    }
}

TEST(DriveRoots, LettersCToZInOrderLabelledByLetter) {
    // Bit 0 is A:. A: and B: never count; of the rest, those present, C first.
    const auto bit = [](char letter) { return std::uint32_t{1} << (letter - 'A'); };
    const auto roots = DriveRoots(bit('A') | bit('B') | bit('C') | bit('E') | bit('F') | bit('Z'));
    EXPECT_EQ(Labels(roots), (std::vector<std::string>{"C", "E", "F", "Z"}));
    ASSERT_EQ(roots.size(), 4u);
    EXPECT_EQ(roots[1].root.string(), "E:\\");
    EXPECT_EQ(Labels(DriveRoots(0xFFFFFFFFu)).size(), 24u);
    EXPECT_TRUE(DriveRoots(bit('A') | bit('B')).empty());
}

#ifdef _WIN32
TEST(DriveRoots, ThisSystemsDrivesIncludeTheSystemDrive) {
    const auto roots = CardLocator::ForThisSystem().CandidateRoots();
    std::string letters;
    for (const CardRoot& root : roots) {
        ASSERT_EQ(root.label.size(), 1u);
        EXPECT_EQ(root.root.string(), root.label + ":\\");
        letters += root.label;
    }
    EXPECT_TRUE(std::is_sorted(letters.begin(), letters.end())) << letters;
    EXPECT_EQ(letters.find_first_of("AB"), std::string::npos) << letters;
    EXPECT_EQ(CardConfigPath(DriveRoots(1u << ('E' - 'A'))[0].root).string(), "E:\\CONFIG01.DAT");
    const char* systemDrive = std::getenv("SystemDrive");  // "C:"
    ASSERT_NE(systemDrive, nullptr);
    EXPECT_NE(letters.find(systemDrive[0]), std::string::npos) << letters;
}
#endif

TEST(CardLocator, CandidatesAndCardsOverAMediaFolder) {
    TempDir media;
    TempDir second;
    // Folders stand for mounted media; their names are the labels.
    for (const char* name : {"SDCARD", "BACKUP", "EMPTY", "Alpha"}) std::filesystem::create_directory(media / name);
    std::filesystem::create_directory(second / "CARD2");
    for (const auto& root : {media / "SDCARD", media / "Alpha", second / "CARD2"}) {
        WriteBytes(root / kCardMarkerFile, {});
        WriteBytes(root / kCardConfigFile, {});
    }
    WriteBytes(media / "BACKUP" / kCardConfigFile, {});
    // Neither a plain file nor a FIFO is a root, whatever its name.
    WriteBytes(media / "NOTADIR", {});
#ifndef _WIN32
    ::mkfifo((media / "FIFO").c_str(), 0666);  // Windows file systems have no FIFOs
#endif

    const CardLocator locator({media.Path(), second.Path(), "/nonexistent-dvr-media"}, /*mountedOnly=*/false);
    // Sorted by label, byte order: upper case before lower case.
    EXPECT_EQ(Labels(locator.CandidateRoots()),
              (std::vector<std::string>{"Alpha", "BACKUP", "CARD2", "EMPTY", "SDCARD"}));
    const auto cards = locator.Cards();
    EXPECT_EQ(Labels(cards), (std::vector<std::string>{"Alpha", "CARD2", "SDCARD"}));
    ASSERT_EQ(cards.size(), 3u);
    EXPECT_EQ(cards[1].root, second / "CARD2");

    // A card that goes away is gone on the next probe.
    std::filesystem::remove(media / "SDCARD" / kCardMarkerFile);
    EXPECT_EQ(Labels(locator.Cards()), (std::vector<std::string>{"Alpha", "CARD2"}));
}

TEST(CardLocator, MountedOnlyIgnoresPlainFolders) {
    TempDir media;
    std::filesystem::create_directory(media / "CARD");
    WriteBytes(media / "CARD" / kCardMarkerFile, {});
    WriteBytes(media / "CARD" / kCardConfigFile, {});
    // Nothing of a fresh temp folder is mounted from a block device.
    EXPECT_TRUE(CardLocator({media.Path()}, /*mountedOnly=*/true).CandidateRoots().empty());
    EXPECT_EQ(CardLocator({media.Path()}, /*mountedOnly=*/false).CandidateRoots().size(), 1u);
}

TEST(MountTable, ParsesMountInfoLines) {
    struct Case {
        const char* name;
        const char* line;
        std::size_t count;
        const char* target;
        const char* source;
        const char* type;
    };
    const Case cases[] = {
        {"card", "36 35 8:17 / /media/op/SDCARD rw,nosuid shared:1 - vfat /dev/sdb1 rw,uid=1000", 1,
         "/media/op/SDCARD", "/dev/sdb1", "vfat"},
        {"no optional fields", "36 35 8:17 / /mnt/x rw - ext4 /dev/sda1 rw", 1, "/mnt/x", "/dev/sda1", "ext4"},
        {"several optional fields", "36 35 8:17 / /mnt/x rw shared:1 master:2 - ext4 /dev/sda1 rw", 1, "/mnt/x",
         "/dev/sda1", "ext4"},
        {"blank in the label", "36 35 8:17 / /media/op/MY\\040CARD rw - vfat /dev/sdb1 rw", 1, "/media/op/MY CARD",
         "/dev/sdb1", "vfat"},
        {"backslash", "36 35 8:17 / /mnt/a\\134b rw - vfat /dev/sdb1 rw", 1, "/mnt/a\\b", "/dev/sdb1", "vfat"},
        {"escape cut short", "36 35 8:17 / /mnt/a\\04 rw - vfat /dev/sdb1 rw", 1, "/mnt/a\\04", "/dev/sdb1", "vfat"},
        {"no separator", "36 35 8:17 / /mnt/x rw ext4 /dev/sda1 rw", 0, "", "", ""},
        {"separator too early", "36 35 - ext4 /dev/sda1 rw", 0, "", "", ""},
        {"nothing after the separator", "36 35 8:17 / /mnt/x rw - ext4", 0, "", "", ""},
        {"empty", "", 0, "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::istringstream table(c.line);
        const auto mounts = ParseMountInfo(table);
        ASSERT_EQ(mounts.size(), c.count);
        if (!c.count) continue;
        EXPECT_EQ(mounts[0].target, c.target);
        EXPECT_EQ(mounts[0].source, c.source);
        EXPECT_EQ(mounts[0].type, c.type);
    }
}

TEST(MountTable, OnlyLocalBlockDevices) {
    const std::vector<MountPoint> mounts = {
        {"/media/op/SDCARD", "/dev/sdb1", "vfat"},
        {"/mnt/share", "server:/export", "nfs"},
        {"/mnt/odd", "/dev/sdc1", "nfs"},  // a network type never counts
        {"/run", "tmpfs", "tmpfs"},
        {"/mnt/loopfile", "/dev/loop0", "ext4"},
        {"/mnt/gone", "/dev/sdz9", "vfat"},  // no such device node
    };
    const auto local = LocalDeviceMounts(mounts, [](const std::string& source) { return source != "/dev/sdz9"; });
    std::vector<std::string> targets;
    for (const auto& m : local) targets.push_back(m.target.string());
    EXPECT_EQ(targets, (std::vector<std::string>{"/media/op/SDCARD", "/mnt/loopfile"}));
}
