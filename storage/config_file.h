#pragma once
// Reading and writing a configuration image at a path. Each says how it went: done, or the
// step that failed with what the system said.
#include <filesystem>
#include <string>

#include "storage/config_image.h"
#include "storage/file_system.h"
#include "storage/storage_outcome.h"

constexpr std::uintmax_t kMaxOverwriteSize = 1048576;  // larger existing files are never touched

// Reads the first 6656 bytes, validates them and takes them in. The image is untouched
// unless the whole load succeeds. Never blocks on a FIFO or device.
StorageOutcome LoadConfigFile(const std::filesystem::path& path, ConfigImage& image);
StorageOutcome LoadConfigFile(const std::filesystem::path& path, ConfigImage& image, FileSystem& fs);

// Stamps the header and writes the 6656 bytes over the start of the file at path, in
// place and without truncating it (a new file is exactly 6656 bytes). Reports success
// only when the bytes are known to be on the medium: written, flushed, synced, closed and
// read back through a fresh open. An existing file above 1 MiB is refused before the
// header is stamped.
StorageOutcome SaveConfigFile(const std::filesystem::path& path, ConfigImage& image);
StorageOutcome SaveConfigFile(const std::filesystem::path& path, ConfigImage& image, FileSystem& fs);
// SaveConfigFile over a file that must be there already: a path that holds none (a card
// pulled since it was read) is kOpenForUpdate, and nothing is created.
StorageOutcome UpdateConfigFile(const std::filesystem::path& path, ConfigImage& image, FileSystem& fs);

// Save To Card: UpdateConfigFile of the card's CONFIG01.DAT, once the root is found to be a
// card still (kCardRemoved, with nothing written, when it is not); a step that fails on a
// card gone by then is kCardRemoved too, with what the system said.
StorageOutcome SaveConfigToCard(const std::filesystem::path& root, ConfigImage& image, FileSystem& fs);
StorageOutcome SaveConfigToCard(const std::filesystem::path& root, ConfigImage& image);

// True for a path whose last twelve characters, upper-cased, are "CONFIG01.DAT": the card's
// own file may only be written through Save To Card.
bool IsReservedFileName(const std::string& path);

// The file dialog's default extension: ".DAT" is added to a name that has no extension,
// "DAT" to one that ends in a dot ("week." becomes "week.DAT"). A leading dot starts a
// hidden name, not an extension.
std::string WithDefaultExtension(const std::string& path);
