// The Windows file layer (storage/file_system_win32.cpp) on what only Windows has: wide
// character names, paths beyond MAX_PATH, and the system's own failures of an open handle,
// met through the fault seam's hook. The messages must be the ones Linux gives.
#ifdef _WIN32
#include <gtest/gtest.h>

#include <windows.h>

#include <io.h>

#include "storage/config_file.h"
#include "support/faulty_file_system.h"
#include "support/images.h"
#include "support/storage_step_names.h"
#include "support/temp_dir.h"

namespace {
// Closes the system handle behind a descriptor, as a vanished card or a forced dismount
// leaves it: every later call on it fails in the system, not in the seam.
void PullHandle(FileSystem::Handle file) { ::CloseHandle(reinterpret_cast<HANDLE>(::_get_osfhandle(file))); }
}  // namespace

TEST(WindowsFiles, NamesInAnyScript) {
    TempDir dir;
    const std::filesystem::path folder = dir.Path() / L"Überwachung Σ 監視";
    std::filesystem::create_directory(folder);
    const auto path = folder / L"Woche ß 週.DAT";
    ConfigImage image = EditedImage();
    ASSERT_TRUE(SaveConfigFile(path, image).Succeeded());
    ConfigImage loaded;
    ASSERT_TRUE(LoadConfigFile(path, loaded).Succeeded());
    EXPECT_EQ(loaded.bytes, image.bytes);
    EXPECT_EQ(std::filesystem::file_size(path), kImageSize);
}

TEST(WindowsFiles, PathsBeyondMaxPath) {
    TempDir dir;
    std::filesystem::path folder = dir.Path();
    while (folder.native().size() < MAX_PATH + 40) folder /= std::wstring(40, L'd');
    // Made the way another program would make it, through the \\?\ prefix.
    std::error_code ec;
    std::filesystem::create_directories(L"\\\\?\\" + folder.native(), ec);
    if (ec) GTEST_SKIP() << "cannot make a folder beyond MAX_PATH here: " << ec.message();
    const auto path = folder / "week.DAT";
    ASSERT_GT(path.native().size(), static_cast<std::size_t>(MAX_PATH));
    ConfigImage image = EditedImage();
    ASSERT_TRUE(SaveConfigFile(path, image).Succeeded());
    ConfigImage loaded;
    ASSERT_TRUE(LoadConfigFile(path, loaded).Succeeded());
    EXPECT_EQ(loaded.bytes, image.bytes);
}

TEST(WindowsFiles, HandleGoneAfterTheOpen) {
    struct Case {
        const char* name;
        bool save;
        StorageStep failed;
    };
    const Case cases[] = {
        {"saving", true, StorageStep::kOpenForUpdate},
        {"loading", false, StorageStep::kRead},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const auto path = dir / "c.dat";
        const Bytes original = ToBytes(ForeignV7());
        WriteBytes(path, original);
        // The seam passes the first Open to the system, then the handle is taken away
        // (the hook runs before the handle is returned, so the seam is extended to see it).
        struct Puller : FaultyFileSystem {
            int opens = 0;
            Handle Open(const std::filesystem::path& p, Mode mode) override {
                const Handle h = FaultyFileSystem::Open(p, mode);
                if (++opens == 1 && h != kNoHandle) PullHandle(h);
                return h;
            }
        } spy;
        ConfigImage image = EditedImage();
        const ImageBytes before = image.bytes;
        EXPECT_EQ((c.save ? SaveConfigFile(path, image, spy) : LoadConfigFile(path, image, spy)).failed, c.failed);
        if (!c.save) {
            EXPECT_EQ(image.bytes, before);
        }
        EXPECT_EQ(ReadBytes(path), original);
        EXPECT_EQ(spy.StillOpen(), 0);
    }
}

TEST(WindowsFiles, SyncOfAHandleThatCannotBeFlushed) {
    // FlushFileBuffers needs write access: a handle opened for reading only must not be
    // reported as synced.
    TempDir dir;
    const auto path = dir / "c.dat";
    WriteBytes(path, Pattern(100));
    FileSystem& system = SystemFileSystem();
    const FileSystem::Handle file = system.Open(path, FileSystem::Mode::Read);
    ASSERT_NE(file, FileSystem::kNoHandle);
    EXPECT_FALSE(system.Sync(file));
    EXPECT_TRUE(system.Close(file));
    EXPECT_EQ(system.Open(dir.Path(), FileSystem::Mode::Read), FileSystem::kNoHandle) << "a folder was opened";
    EXPECT_EQ(system.Open(path, FileSystem::Mode::Create), FileSystem::kNoHandle) << "an existing file was created";
}
#endif  // _WIN32
