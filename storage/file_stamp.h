#pragma once
// What a file was when the editor last read or wrote it, to tell later whether another
// program has changed it since.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "storage/file_system.h"

struct FileStamp {
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified{};
    std::vector<std::uint8_t> content;  // the whole file, up to a byte past the overwrite limit
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// The stamp of the regular file at path; none when nothing readable is there (a folder, a
// FIFO or a device counts as nothing and is never opened).
std::optional<FileStamp> StampOf(const std::filesystem::path& path);
std::optional<FileStamp> StampOf(const std::filesystem::path& path, FileSystem& fs);
