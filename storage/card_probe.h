#pragma once
// Finding recorder cards: a card is a root that holds both R0000001.DAT and CONFIG01.DAT.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "storage/file_system.h"

constexpr const char* kCardMarkerFile = "R0000001.DAT";
constexpr const char* kCardConfigFile = "CONFIG01.DAT";

struct CardRoot {
    std::string label;           // what the operator sees: a drive letter or a volume label
    std::filesystem::path root;
    friend bool operator==(const CardRoot&, const CardRoot&) = default;
};

// Existence is the only test; a directory of either name counts too.
bool IsCard(const std::filesystem::path& root);
// The same looked up through fs, for a save or a copy that goes through it.
bool IsCard(const std::filesystem::path& root, FileSystem& fs);

// root / "CONFIG01.DAT"
std::filesystem::path CardConfigPath(const std::filesystem::path& root);

// The Windows drive roots C:\ to Z:\ in letter order, each labelled by its bare letter ("E"),
// of the drives present in logicalDrives (GetLogicalDrives' mask: bit 0 is A:). A: and B:
// are never offered; a letter without a drive could hold no card, so it is not looked at.
std::vector<CardRoot> DriveRoots(std::uint32_t logicalDrives);

// Where cards may show up. On Windows the drives C: to Z: that are present, labelled by
// their letter; on
// Linux and macOS the mounted removable-media folders under /media/<user>, /run/media/<user>,
// /media, /mnt and /Volumes, labelled by their last path component. Tests build one over a folder
// of their own, whose subfolders then stand for mounted media.
class CardLocator {
public:
    static CardLocator ForThisSystem();
    // Each subfolder of each media folder is a candidate root; with mountedOnly only those
    // that are mount points of this system count.
    CardLocator(std::vector<std::filesystem::path> mediaFolders, bool mountedOnly);

    // The candidate roots in probe order (on Windows C..Z; elsewhere sorted by label).
    std::vector<CardRoot> CandidateRoots() const;
    // The candidates that are cards.
    std::vector<CardRoot> Cards() const;
    // The card with that label, if one is inserted.
    std::optional<CardRoot> CardLabelled(const std::string& label) const;

private:
    CardLocator() = default;
    bool driveLetters_ = false;
    bool mountedOnly_ = false;
    std::vector<std::filesystem::path> mediaFolders_;
};
