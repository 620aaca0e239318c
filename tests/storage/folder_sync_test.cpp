// A new file's folder entry is synced before the save reports success; an update in place
// needs no such sync.
#include <gtest/gtest.h>

#include "storage/config_file.h"
#include "storage_test_support.h"

namespace {
// The system's file operations, with the folder sync counted and optionally failing.
class FolderSyncProbe final : public FileSystem {
public:
    bool fail = false;
    std::vector<std::filesystem::path> synced;

    std::optional<std::uintmax_t> SizeOf(const std::filesystem::path& p) override { return real_.SizeOf(p); }
    bool Exists(const std::filesystem::path& p) override { return real_.Exists(p); }
    Handle Open(const std::filesystem::path& p, Mode m) override { return real_.Open(p, m); }
    std::optional<std::uintmax_t> SizeOfOpen(Handle f) override { return real_.SizeOfOpen(f); }
    std::size_t Read(Handle f, std::uint8_t* b, std::size_t n) override { return real_.Read(f, b, n); }
    std::size_t Write(Handle f, const std::uint8_t* d, std::size_t n) override { return real_.Write(f, d, n); }
    bool Flush(Handle f) override { return real_.Flush(f); }
    bool Sync(Handle f) override { return real_.Sync(f); }
    bool Close(Handle f) override { return real_.Close(f); }
    bool SyncFolder(const std::filesystem::path& folder) override {
        synced.push_back(folder);
        return !fail && real_.SyncFolder(folder);
    }

private:
    FileSystem& real_ = SystemFileSystem();
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
        fs.fail = c.fail;
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
