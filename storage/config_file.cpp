#include "storage/config_file.h"

#include <algorithm>
#include <string_view>

#include "ui/messages.h"

namespace {
// Reads the first 6656 bytes of path into buffer; empty or the failure message.
std::string ReadImage(FileSystem& fs, const std::filesystem::path& path, ImageBytes& buffer) {
    const FileSystem::Handle file = fs.Open(path, FileSystem::Mode::Read);
    if (file == FileSystem::kNoHandle) return kMsgOpenForReading;
    const std::size_t got = fs.Read(file, buffer.data(), buffer.size());
    fs.Close(file);  // nothing was written: a failed close loses nothing
    if (got != buffer.size()) return kMsgReadFailed;
    return {};
}

bool TooLargeToOverwrite(std::optional<std::uintmax_t> size) { return size && *size > kMaxOverwriteSize; }

// Writes the image over the start of an open file and makes sure it reached the medium.
// The file is closed in every case.
bool WriteImage(FileSystem& fs, FileSystem::Handle file, const ImageBytes& bytes) {
    bool written = fs.Write(file, bytes.data(), bytes.size()) == bytes.size();
    written = written && fs.Flush(file);
    written = written && fs.Sync(file);
    return fs.Close(file) && written;
}
}  // namespace

std::string LoadConfigFile(const std::filesystem::path& path, ConfigImage& image, FileSystem& fs) {
    ImageBytes buffer{};
    if (std::string failure = ReadImage(fs, path, buffer); !failure.empty()) return failure;
    const int version = ValidateImage(buffer);
    if (version == 0) return kMsgInvalidFile;
    TakeIn(image, buffer, version);
    return {};
}

std::string LoadConfigFile(const std::filesystem::path& path, ConfigImage& image) {
    return LoadConfigFile(path, image, SystemFileSystem());
}

std::string SaveConfigFile(const std::filesystem::path& path, ConfigImage& image, FileSystem& fs) {
    if (TooLargeToOverwrite(fs.SizeOf(path))) return kMsgCannotOverwrite;

    StampHeader(image);
    // An existing file is updated in place and keeps whatever lies behind the image.
    const bool exists = fs.Exists(path);
    const FileSystem::Handle file = fs.Open(path, exists ? FileSystem::Mode::Update : FileSystem::Mode::Create);
    if (file == FileSystem::kNoHandle) return kMsgWriteFailed;
    if (exists) {
        // The path may have been given another file since its size was looked at: the
        // limit holds for the file actually opened.
        const auto size = fs.SizeOfOpen(file);
        if (!size || TooLargeToOverwrite(size)) {
            fs.Close(file);
            return size ? kMsgCannotOverwrite : kMsgWriteFailed;
        }
    }
    if (!WriteImage(fs, file, image.bytes)) return kMsgWriteFailed;
    // A new file is only there for good once its folder entry is on the medium too.
    if (!exists && !fs.SyncFolder(path.parent_path())) return kMsgWriteFailed;

    // The card may be pulled as soon as we say it is saved: check what the medium holds,
    // through a fresh open, before saying so.
    ImageBytes readBack{};
    if (!ReadImage(fs, path, readBack).empty() || readBack != image.bytes) return kMsgWriteFailed;
    return {};
}

std::string SaveConfigFile(const std::filesystem::path& path, ConfigImage& image) {
    return SaveConfigFile(path, image, SystemFileSystem());
}

bool IsReservedFileName(const std::string& path) {
    constexpr std::string_view kReserved = "CONFIG01.DAT";
    const std::string tail = path.size() > kReserved.size() ? path.substr(path.size() - kReserved.size()) : path;
    // ASCII only: std::toupper follows the locale, and in a Turkish one 'i' becomes a
    // dotted capital I, which would let "config01.dat" through.
    std::string upper(tail.size(), '\0');
    std::transform(tail.begin(), tail.end(), upper.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
    return upper == kReserved;
}

std::string WithDefaultExtension(const std::string& path) {
    // The name is found by its separators, not through std::filesystem::path: on Windows
    // that would read the UTF-8 bytes in the ANSI code page and garble (or refuse) any name
    // outside it.
#ifdef _WIN32
    constexpr const char* kSeparators = "/\\:";
#else
    constexpr const char* kSeparators = "/";
#endif
    const std::size_t cut = path.find_last_of(kSeparators);
    const std::string name = cut == std::string::npos ? path : path.substr(cut + 1);
    // Nothing to name (a folder, "." or ".."): leave it for the open to refuse.
    if (name.empty() || name == "." || name == "..") return path;
    // A name ending in a dot asked for an extension without giving one: complete it
    // rather than leave a dangling dot.
    if (name.back() == '.') return path + "DAT";
    // A leading dot starts a hidden name, not an extension.
    if (name.find('.', 1) != std::string::npos) return path;
    return path + ".DAT";
}
