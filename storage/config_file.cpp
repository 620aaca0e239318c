#include "storage/config_file.h"

#include <algorithm>
#include <cctype>

#include "model/messages.h"

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
    if (const auto size = fs.SizeOf(path); size && *size > kMaxOverwriteSize) return kMsgCannotOverwrite;

    StampHeader(image);
    // An existing file is updated in place and keeps whatever lies behind the image.
    const bool exists = fs.Exists(path);
    const FileSystem::Handle file = fs.Open(path, exists ? FileSystem::Mode::Update : FileSystem::Mode::Create);
    if (file == FileSystem::kNoHandle) return kMsgWriteFailed;
    bool written = fs.Write(file, image.bytes.data(), image.bytes.size()) == image.bytes.size();
    written = written && fs.Flush(file);
    written = written && fs.Sync(file);
    written = fs.Close(file) && written;
    if (!written) return kMsgWriteFailed;

    // The card may be pulled as soon as we say it is saved: check what the medium holds.
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
    std::string upper(tail.size(), '\0');
    std::transform(tail.begin(), tail.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper == kReserved;
}

std::string WithDefaultExtension(const std::string& path) {
    const std::filesystem::path p(path);
    if (p.filename().empty() || p.has_extension()) return path;
    return path + ".DAT";
}
