#include "storage/file_stamp.h"

#include <algorithm>
#include <array>
#include <system_error>

#include "storage/config_file.h"

namespace {
// FNV-1a: a change of any byte changes the hash; no adversary is expected here.
constexpr std::uint64_t kFnvOffset = 14695981039346656037ull;
constexpr std::uint64_t kFnvPrime = 1099511628211ull;

// Files above the overwrite limit are never written, so their first bytes beyond it tell enough.
constexpr std::uintmax_t kHashedBytes = kMaxOverwriteSize + 1;
}  // namespace

std::optional<FileStamp> StampOf(const std::filesystem::path& path) { return StampOf(path, SystemFileSystem()); }

std::optional<FileStamp> StampOf(const std::filesystem::path& path, FileSystem& fs) {
    const FileSystem::Handle file = fs.Open(path, FileSystem::Mode::Read);
    if (file == FileSystem::kNoHandle) return std::nullopt;
    FileStamp stamp;
    const std::optional<std::uintmax_t> size = fs.SizeOfOpen(file);
    std::error_code error;
    stamp.modified = std::filesystem::last_write_time(path, error);
    bool readable = size.has_value() && !error;
    if (readable) stamp.size = *size;
    stamp.contentHash = kFnvOffset;
    std::array<std::uint8_t, 16384> buffer{};
    for (std::uintmax_t hashed = 0; readable && hashed < std::min(stamp.size, kHashedBytes);) {
        const std::size_t wanted = static_cast<std::size_t>(std::min<std::uintmax_t>(buffer.size(), kHashedBytes - hashed));
        const std::size_t got = fs.Read(file, buffer.data(), wanted);
        for (std::size_t i = 0; i < got; ++i) stamp.contentHash = (stamp.contentHash ^ buffer[i]) * kFnvPrime;
        hashed += got;
        // A file that ends before its size is one being changed under us.
        if (got < wanted) readable = hashed == stamp.size;
        if (got == 0) break;
    }
    fs.Close(file);
    if (!readable) return std::nullopt;
    return stamp;
}
