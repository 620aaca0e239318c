// Loading and saving real files: sizes, in-place update, refusals and what each leaves behind.
#include <gtest/gtest.h>

#include "storage/config_file.h"
#include "support/images.h"
#include "support/storage_step_names.h"
#include "support/temp_dir.h"

TEST(ConfigFileSave, ExistingFileSizes) {
    struct Case {
        const char* name;
        std::size_t before;     // 0: no file at the path
        StorageStep failed;
        std::size_t after;      // length afterwards
    };
    const Case cases[] = {
        {"new path", 0, StorageStep::kNone, kImageSize},
        {"100 bytes", 100, StorageStep::kNone, kImageSize},
        {"exactly the image", kImageSize, StorageStep::kNone, kImageSize},
        {"10000 bytes", 10000, StorageStep::kNone, 10000},
        {"exactly 1 MiB", 1048576, StorageStep::kNone, 1048576},
        {"1 MiB + 1", 1048577, StorageStep::kTooLarge, 1048577},
        {"2 MiB", 2 * 1048576, StorageStep::kTooLarge, 2 * 1048576},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const auto path = dir / "out.dat";
        const Bytes original = Pattern(c.before);
        if (c.before) WriteBytes(path, original);
        ConfigImage image = EditedImage();

        const StorageOutcome outcome = SaveConfigFile(path, image);
        EXPECT_EQ(outcome.failed, c.failed);
        // A file refused for its size says how large it is.
        if (c.failed == StorageStep::kTooLarge) {
            EXPECT_EQ(outcome.size, c.before);
        }

        const Bytes now = ReadBytes(path);
        ASSERT_EQ(now.size(), c.after);
        if (c.failed != StorageStep::kNone) {
            EXPECT_EQ(now, original) << "a refused save touched the file";
            EXPECT_EQ(image.bytes, EditedImage().bytes) << "a refused save stamped the header";
            continue;
        }
        EXPECT_EQ(image.bytes, Stamped(EditedImage()));
        EXPECT_TRUE(std::equal(image.bytes.begin(), image.bytes.end(), now.begin()));
        // Whatever lay behind the image stays as it was.
        for (std::size_t i = kImageSize; i < now.size(); ++i) ASSERT_EQ(now[i], original[i]) << i;
    }
}

TEST(ConfigFileSave, HeaderStampedWhateverWasLoaded) {
    struct Case {
        const char* name;
        ImageBytes file;
    };
    const Case cases[] = {{"version 7, sequence 5", ForeignV7()}, {"version 6", ForeignV6()}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        WriteBytes(dir / "in.dat", ToBytes(c.file));
        ConfigImage image;
        ASSERT_TRUE(LoadConfigFile(dir / "in.dat", image).Succeeded());
        ASSERT_TRUE(SaveConfigFile(dir / "out.dat", image).Succeeded());
        ImageBytes saved{};
        const auto bytes = ReadBytes(dir / "out.dat");
        ASSERT_EQ(bytes.size(), kImageSize);
        std::copy(bytes.begin(), bytes.end(), saved.begin());
        EXPECT_EQ(ValidateImage(saved), 7);
        EXPECT_EQ(ReadLE32(saved, kOffSequence), 1u);
        EXPECT_EQ(ReadLE32(saved, kOffTrailer), 1u);
        EXPECT_EQ(ReadLE32(saved, kOffHeaderWord4), 0u);
        EXPECT_EQ(ReadLE32(saved, kOffHeaderWord5), 0u);
        EXPECT_EQ(ReadLE32(saved, kOffPayloadLength), 6432u);
        EXPECT_EQ(ReadLE32(saved, kOffEntryCount), ReadLE32(c.file, kOffEntryCount));
    }
}

TEST(ConfigFileSave, VersionSevenCarriedByteForByte) {
    TempDir dir;
    const ImageBytes foreign = ForeignV7();
    WriteBytes(dir / "in.dat", ToBytes(foreign));
    ConfigImage image;
    ASSERT_TRUE(LoadConfigFile(dir / "in.dat", image).Succeeded());
    ASSERT_TRUE(SaveConfigFile(dir / "out.dat", image).Succeeded());
    const auto saved = ReadBytes(dir / "out.dat");
    ASSERT_EQ(saved.size(), kImageSize);
    // Everything behind the header except the trailer is the loaded file's: slots, the
    // extension words, the extension block, W6 and the tail.
    for (std::size_t i = kOffEntryCount; i < kImageSize; ++i) {
        if (i >= kOffTrailer && i < kOffTrailer + 4) continue;
        ASSERT_EQ(saved[i], foreign[i]) << "offset " << i;
    }
}

TEST(ConfigFileSave, VersionSixKeepsWhatMemoryHeld) {
    TempDir dir;
    WriteBytes(dir / "v7.dat", ToBytes(ForeignV7()));
    WriteBytes(dir / "v6.dat", ToBytes(ForeignV6(3)));
    ConfigImage image;
    ASSERT_TRUE(LoadConfigFile(dir / "v7.dat", image).Succeeded());
    const ImageBytes fromV7 = image.bytes;
    ASSERT_TRUE(LoadConfigFile(dir / "v6.dat", image).Succeeded());
    ASSERT_TRUE(SaveConfigFile(dir / "out.dat", image).Succeeded());
    const auto saved = ReadBytes(dir / "out.dat");
    const ImageBytes v6 = ForeignV6(3);
    for (std::size_t i = kOffEntryCount; i < kOffExtensionWords; ++i) ASSERT_EQ(saved[i], v6[i]) << i;
    for (std::size_t i = kOffExtensionWords; i < kImageSize; ++i) {
        if (i >= kOffTrailer && i < kOffTrailer + 4) continue;
        ASSERT_EQ(saved[i], fromV7[i]) << "offset " << i;
    }
}

TEST(ConfigFileLoad, ResultsAndImageAfterwards) {
    struct Case {
        const char* name;
        bool present;
        Bytes file;
        StorageStep failed;
    };
    Bytes long7 = ToBytes(ForeignV7());
    const Bytes behind = Pattern(7000 - kImageSize, 0x77);
    long7.insert(long7.end(), behind.begin(), behind.end());
    Bytes short7 = ToBytes(ForeignV7());
    short7.pop_back();
    Bytes badTrailer = ToBytes(ForeignV7());
    badTrailer[kOffTrailer] ^= 1;
    const Case cases[] = {
        {"missing", false, {}, StorageStep::kOpen},
        {"6655 bytes", true, short7, StorageStep::kRead},
        {"7000 bytes", true, long7, StorageStep::kNone},
        {"exactly 6656", true, ToBytes(ForeignV7()), StorageStep::kNone},
        {"trailer differs", true, badTrailer, StorageStep::kValidate},
        {"zeros", true, Bytes(kImageSize), StorageStep::kValidate},
        {"one byte", true, {0xF8}, StorageStep::kRead},
        {"empty file", true, Bytes{}, StorageStep::kRead},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const auto path = dir / "in.dat";
        if (c.present) WriteBytes(path, c.file);
        ConfigImage image = EditedImage();
        const ImageBytes before = image.bytes;
        const StorageOutcome outcome = LoadConfigFile(path, image);
        EXPECT_EQ(outcome.failed, c.failed);
        // A file that ends early says how many bytes it held.
        if (c.failed == StorageStep::kRead) {
            EXPECT_EQ(outcome.size, c.file.size());
        }
        if (c.failed == StorageStep::kNone)
            EXPECT_TRUE(std::equal(image.bytes.begin(), image.bytes.end(), c.file.begin()));
        else
            EXPECT_EQ(image.bytes, before) << "a failed load changed the image";
    }
}

TEST(ConfigFileLoad, EmptyScheduleLoads) {
    TempDir dir;
    WriteImageFile(dir / "in.dat", {});
    ConfigImage image = EditedImage();
    ASSERT_TRUE(LoadConfigFile(dir / "in.dat", image).Succeeded());
    EXPECT_EQ(image.EntryCount(), 0u);
    EXPECT_TRUE(image.Entries().empty());
}

TEST(ConfigFileNames, ReservedName) {
    struct Case {
        const char* path;
        bool reserved;
    };
    const Case cases[] = {
        {"config01.dat", true},
        {"CONFIG01.DAT", true},
        {"C:\\backup\\config01.dat", true},
        {"C:\\MYCONFIG01.DAT", true},
        {"/media/card/Config01.Dat", true},
        {"CONFIG01.DA", false},
        {"CONFIG01.DAT ", false},
        {"CONFIG01.DATA", false},
        {"CONFIG02.DAT", false},
        {"ONFIG01.DAT", false},
        {"", false},
        {"a", false},
        {"/tmp/week.DAT", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsReservedFileName(c.path), c.reserved) << '"' << c.path << '"';
}

TEST(ConfigFileNames, DefaultExtension) {
    struct Case {
        const char* typed;
        const char* saved;
    };
    const Case cases[] = {
        {"C:\\backup\\week", "C:\\backup\\week.DAT"},
        {"/home/op/week", "/home/op/week.DAT"},
        {"/home/op/week.dat", "/home/op/week.dat"},
        {"/home/op/week.bin", "/home/op/week.bin"},
        {"/home/op/back.up/week", "/home/op/back.up/week.DAT"},
        {"/home/op/week.", "/home/op/week.DAT"},
        {"/home/op/.hidden", "/home/op/.hidden.DAT"},
        {"/home/op/", "/home/op/"},
        {"week", "week.DAT"},
        {"", ""},
        {"/home/op/\xC3\x9C" "berwachung.d/Woche \xE9\x80\xB1", "/home/op/\xC3\x9C" "berwachung.d/Woche \xE9\x80\xB1.DAT"},
#ifdef _WIN32
        {"C:\\back.up\\week", "C:\\back.up\\week.DAT"},
        {"E:week", "E:week.DAT"},
#endif
    };
    for (const Case& c : cases) EXPECT_EQ(WithDefaultExtension(c.typed), c.saved) << '"' << c.typed << '"';
}
