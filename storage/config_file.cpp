#include "storage/config_file.h"

#include <algorithm>
#include <string_view>

#include "storage/card_probe.h"

namespace {
// Builds the outcomes of one load or save at path.
class Outcomes {
public:
    Outcomes(FileSystem& fs, const std::filesystem::path& path) : fs_(fs), path_(path) {}
    StorageOutcome Done() const { return {StorageStep::kNone, path_, {}, {}}; }
    // The step failed with what the file system said about its last call.
    StorageOutcome Failed(StorageStep step) const { return {step, path_, fs_.LastError(), {}}; }
    // The step failed for a reason of the editor's own; the system said nothing.
    StorageOutcome Refused(StorageStep step, std::optional<std::uintmax_t> size = {}) const {
        return {step, path_, {}, size};
    }

private:
    FileSystem& fs_;
    const std::filesystem::path& path_;
};

// Reads the first 6656 bytes of path into buffer; the failure, when it fails.
std::optional<StorageOutcome> ReadImage(FileSystem& fs, const std::filesystem::path& path, ImageBytes& buffer,
                                        StorageStep openStep, StorageStep readStep) {
    const Outcomes outcome(fs, path);
    const FileSystem::Handle file = fs.Open(path, FileSystem::Mode::Read);
    if (file == FileSystem::kNoHandle) return outcome.Failed(openStep);
    const std::size_t got = fs.Read(file, buffer.data(), buffer.size());
    std::optional<StorageOutcome> failure;
    if (got != buffer.size()) {
        failure = outcome.Failed(readStep);
        failure->size = got;
    }
    fs.Close(file);  // nothing was written: a failed close loses nothing
    return failure;
}

bool TooLargeToOverwrite(std::optional<std::uintmax_t> size) { return size && *size > kMaxOverwriteSize; }

// Writes the image over the start of an open file and makes sure it reached the medium; the
// failure, when it fails. The file is closed in every case.
std::optional<StorageOutcome> WriteImage(FileSystem& fs, const Outcomes& outcome, FileSystem::Handle file,
                                         const ImageBytes& bytes) {
    std::optional<StorageOutcome> failure;
    if (fs.Write(file, bytes.data(), bytes.size()) != bytes.size() || !fs.Flush(file))
        failure = outcome.Failed(StorageStep::kWrite);
    else if (!fs.Sync(file))
        failure = outcome.Failed(StorageStep::kSync);
    if (!fs.Close(file) && !failure) failure = outcome.Failed(StorageStep::kWrite);
    return failure;
}
}  // namespace

StorageOutcome LoadConfigFile(const std::filesystem::path& path, ConfigImage& image, FileSystem& fs) {
    ImageBytes buffer{};
    if (auto failure = ReadImage(fs, path, buffer, StorageStep::kOpen, StorageStep::kRead)) return *failure;
    const int version = ValidateImage(buffer);
    if (version == 0) return Outcomes(fs, path).Refused(StorageStep::kValidate);
    TakeIn(image, buffer, version);
    return Outcomes(fs, path).Done();
}

StorageOutcome LoadConfigFile(const std::filesystem::path& path, ConfigImage& image) {
    return LoadConfigFile(path, image, SystemFileSystem());
}

namespace {
// The durable save; with mayCreate false only over a file that is there already.
StorageOutcome SaveImage(const std::filesystem::path& path, ConfigImage& image, FileSystem& fs, bool mayCreate) {
    const Outcomes outcome(fs, path);
    if (const auto size = fs.SizeOf(path); TooLargeToOverwrite(size)) return outcome.Refused(StorageStep::kTooLarge, size);

    StampHeader(image);
    // An existing file is updated in place and keeps whatever lies behind the image.
    const bool exists = !mayCreate || fs.Exists(path);
    const FileSystem::Handle file = fs.Open(path, exists ? FileSystem::Mode::Update : FileSystem::Mode::Create);
    if (file == FileSystem::kNoHandle)
        return outcome.Failed(exists ? StorageStep::kOpenForUpdate : StorageStep::kCreate);
    if (exists) {
        // The path may have been given another file since its size was looked at: the
        // limit holds for the file actually opened.
        const auto size = fs.SizeOfOpen(file);
        if (!size || TooLargeToOverwrite(size)) {
            const StorageOutcome refused =
                size ? outcome.Refused(StorageStep::kTooLarge, size) : outcome.Failed(StorageStep::kOpenForUpdate);
            fs.Close(file);
            return refused;
        }
    }
    if (auto failure = WriteImage(fs, outcome, file, image.bytes)) return *failure;
    // A new file is only there for good once its folder entry is on the medium too.
    if (!exists && !fs.SyncFolder(path.parent_path())) return outcome.Failed(StorageStep::kSync);

    // The card may be pulled as soon as we say it is saved: check what the medium holds,
    // through a fresh open, before saying so.
    ImageBytes readBack{};
    if (auto failure = ReadImage(fs, path, readBack, StorageStep::kReadBack, StorageStep::kReadBack)) return *failure;
    if (readBack != image.bytes) return outcome.Refused(StorageStep::kReadBack);
    return outcome.Done();
}
}  // namespace

StorageOutcome SaveConfigFile(const std::filesystem::path& path, ConfigImage& image, FileSystem& fs) {
    return SaveImage(path, image, fs, /*mayCreate=*/true);
}

StorageOutcome UpdateConfigFile(const std::filesystem::path& path, ConfigImage& image, FileSystem& fs) {
    return SaveImage(path, image, fs, /*mayCreate=*/false);
}

StorageOutcome SaveConfigFile(const std::filesystem::path& path, ConfigImage& image) {
    return SaveConfigFile(path, image, SystemFileSystem());
}

StorageOutcome SaveConfigToCard(const std::filesystem::path& root, ConfigImage& image, FileSystem& fs) {
    // The card may have gone since it was chosen. Its mount folder can outlive it, and
    // saving there would leave a CONFIG01.DAT on whatever disk lies beneath; only a root
    // that still holds both card files is written to, and only over the file it holds.
    const std::filesystem::path path = CardConfigPath(root);
    if (!IsCard(root, fs)) return {StorageStep::kCardRemoved, path, {}, {}};
    StorageOutcome outcome = UpdateConfigFile(path, image, fs);
    // A step that failed on a card that has gone failed for its going, whatever the system called it.
    if (!outcome.Succeeded() && !IsCard(root, fs)) return {StorageStep::kCardRemoved, path, outcome.error, {}};
    return outcome;
}

StorageOutcome SaveConfigToCard(const std::filesystem::path& root, ConfigImage& image) {
    return SaveConfigToCard(root, image, SystemFileSystem());
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
