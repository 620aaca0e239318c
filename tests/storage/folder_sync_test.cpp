// A new file's folder entry is synced before the save reports success; an update in place
// needs no such sync.
#include <gtest/gtest.h>

#include "storage/config_file.h"
#include "support/faulty_file_system.h"
#include "support/images.h"
#include "support/storage_step_names.h"
#include "support/temp_dir.h"

namespace {
// The system's file operations, with the folders synced noted.
struct FolderSyncProbe : FaultyFileSystem {
    std::vector<std::filesystem::path> synced;
    bool SyncFolder(const std::filesystem::path& folder) override {
        synced.push_back(folder);
        return FaultyFileSystem::SyncFolder(folder);
    }
};
}  // namespace

TEST(FolderSync, OnlyANewFileSyncsItsFolder) {
    struct Case {
        const char* name;
        bool existing;
        bool fail;
        StorageStep failed;
        std::size_t syncs;
    };
    const Case cases[] = {
        {"new file", false, false, StorageStep::kNone, 1},
        {"new file, folder sync fails", false, true, StorageStep::kSync, 1},
        {"update in place", true, false, StorageStep::kNone, 0},
        {"update in place, folder sync would fail", true, true, StorageStep::kNone, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const auto path = dir / "c.dat";
        if (c.existing) WriteBytes(path, Pattern(8000));
        FolderSyncProbe fs;
        if (c.fail) fs.Break(Call::SyncFolder, 1, Fault::Fail);
        ConfigImage image = EditedImage();
        EXPECT_EQ(SaveConfigFile(path, image, fs).failed, c.failed);
        ASSERT_EQ(fs.synced.size(), c.syncs);
        if (c.syncs) {
            EXPECT_EQ(fs.synced[0], dir.Path());
        }
        // The bytes are written either way; only the report differs.
        const auto bytes = ReadBytes(path);
        ASSERT_GE(bytes.size(), kImageSize);
        EXPECT_TRUE(std::equal(image.bytes.begin(), image.bytes.end(), bytes.begin()));
    }
}

TEST(FolderSync, SystemSyncOfOrdinaryFolders) {
    // Folders that exist, the current one (a bare file name) and one that cannot be opened
    // all count as done: only a medium error is a failure.
    TempDir dir;
    EXPECT_TRUE(SystemFileSystem().SyncFolder(dir.Path()));
    EXPECT_TRUE(SystemFileSystem().SyncFolder(""));
    EXPECT_TRUE(SystemFileSystem().SyncFolder(dir / "missing"));
}
