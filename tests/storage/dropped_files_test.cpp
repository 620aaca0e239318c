// What a drop onto the editor comes to.
#include <gtest/gtest.h>

#include <vector>

#include "storage/dropped_files.h"
#include "support/byte_files.h"
#include "support/temp_dir.h"

namespace {

TEST(DroppedFiles, OneFileIsLoadedSeveralOrAFolderAreRefused) {
    TempDir temp;
    const auto file = temp.Path() / "WEEK.DAT";
    const auto folder = temp.Path() / "folder";
    WriteBytes(file, Bytes(10, 0));
    std::filesystem::create_directory(folder);
    const struct {
        const char* what;
        std::vector<std::filesystem::path> paths;
        DropVerdict verdict;
    } cases[] = {
        {"a file", {file}, DropVerdict::kLoad},
        {"a missing file", {temp.Path() / "gone.DAT"}, DropVerdict::kLoad},
        {"a folder", {folder}, DropVerdict::kFolder},
        {"two files", {file, file}, DropVerdict::kSeveral},
        {"a file and a folder", {file, folder}, DropVerdict::kSeveral},
        {"nothing", {}, DropVerdict::kSeveral},
    };
    for (const auto& c : cases) EXPECT_EQ(JudgeDrop(c.paths), c.verdict) << c.what;
#ifndef _WIN32
    std::filesystem::create_directory_symlink(folder, temp.Path() / "link");
    EXPECT_EQ(JudgeDrop(std::vector{temp.Path() / "link"}), DropVerdict::kFolder);
#endif
}

}  // namespace
