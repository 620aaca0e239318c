#include "storage/file_stamp.h"

#include <algorithm>
#include <system_error>

#include "storage/config_file.h"

std::optional<FileStamp> StampOf(const std::filesystem::path& path) { return StampOf(path, SystemFileSystem()); }

std::optional<FileStamp> StampOf(const std::filesystem::path& path, FileSystem& fs) {
    const FileSystem::Handle file = fs.Open(path, FileSystem::Mode::Read);
    if (file == FileSystem::kNoHandle) return std::nullopt;
    FileStamp stamp;
    std::error_code error;
    stamp.modified = std::filesystem::last_write_time(path, error);
    const std::optional<std::uintmax_t> size = fs.SizeOfOpen(file);
    bool readable = size.has_value() && !error;
    if (readable) {
        stamp.size = *size;
        // Files above the overwrite limit are never written: the bytes up to just past it tell enough.
        stamp.content.resize(static_cast<std::size_t>(std::min(*size, kMaxOverwriteSize + 1)));
        // A file that ends before its size is one being changed under us.
        readable = fs.Read(file, stamp.content.data(), stamp.content.size()) == stamp.content.size();
    }
    fs.Close(file);
    if (!readable) return std::nullopt;
    return stamp;
}
