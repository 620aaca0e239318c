#include "storage/card_probe.h"

#include <algorithm>
#include <set>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "storage/mount_table.h"

namespace {
bool Exists(const std::filesystem::path& path) {
#ifdef _WIN32
    // A card reader without a card must not bring up the system's "insert a disk" box.
    DWORD previous = 0;
    ::SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previous);
    const bool found = ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    ::SetThreadErrorMode(previous, nullptr);
    return found;
#else
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
#endif
}

#ifndef _WIN32
// The passwd entry, not the environment: $USER may be unset or say anything.
std::string UserName() {
    if (const passwd* pw = ::getpwuid(::geteuid()); pw && pw->pw_name) return pw->pw_name;
    return {};
}
#endif

CardRoot RootOf(const std::filesystem::path& root) { return {root.filename().string(), root}; }

// Every subfolder of folder; the directory entry's own type is used where the system
// gives one, so most entries cost no look-up of their own.
void AddSubfolders(const std::filesystem::path& folder, std::vector<CardRoot>& roots) {
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (it->is_directory(typeError)) roots.push_back(RootOf(it->path()));
    }
}
}  // namespace

bool IsCard(const std::filesystem::path& root) {
    // The marker first: a root without it costs a single look-up.
    return Exists(root / kCardMarkerFile) && Exists(root / kCardConfigFile);
}

bool IsCard(const std::filesystem::path& root, FileSystem& fs) {
    return fs.Exists(root / kCardMarkerFile) && fs.Exists(root / kCardConfigFile);
}

std::vector<CardRoot> DriveRoots(std::uint32_t logicalDrives) {
    std::vector<CardRoot> roots;
    for (char letter = 'C'; letter <= 'Z'; ++letter) {
        if (!(logicalDrives & (std::uint32_t{1} << (letter - 'A')))) continue;
        roots.push_back({std::string(1, letter), std::filesystem::path(std::string(1, letter) + ":\\")});
    }
    return roots;
}

std::filesystem::path CardConfigPath(const std::filesystem::path& root) { return root / kCardConfigFile; }

CardLocator::CardLocator(std::vector<std::filesystem::path> mediaFolders, bool mountedOnly)
    : mountedOnly_(mountedOnly), mediaFolders_(std::move(mediaFolders)) {}

CardLocator CardLocator::ForThisSystem() {
    CardLocator locator;
#ifdef _WIN32
    locator.driveLetters_ = true;
#else
    const std::string user = UserName();
    if (!user.empty()) {
        locator.mediaFolders_.push_back(std::filesystem::path("/media") / user);
        locator.mediaFolders_.push_back(std::filesystem::path("/run/media") / user);
    }
    // Mounted without a user folder by fstab entries, usbmount and similar helpers.
    locator.mediaFolders_.push_back("/media");
    locator.mediaFolders_.push_back("/mnt");
    locator.mediaFolders_.push_back("/Volumes");
    locator.mountedOnly_ = true;
#endif
    return locator;
}

std::vector<CardRoot> CardLocator::CandidateRoots() const {
    std::vector<CardRoot> roots;
    if (driveLetters_) {
#ifdef _WIN32
        return DriveRoots(::GetLogicalDrives());
#endif
    }
    if (mountedOnly_) {
        // Only media mounted from a local block device: the probe never touches a network
        // share or a pseudo file system, whose look-ups may stall or mean nothing.
        std::set<std::filesystem::path> seen;
        for (const MountPoint& mount : DeviceMounts()) {
            const std::filesystem::path parent = mount.target.parent_path();
            if (std::find(mediaFolders_.begin(), mediaFolders_.end(), parent) == mediaFolders_.end()) continue;
            if (seen.insert(mount.target).second) roots.push_back(RootOf(mount.target));
        }
    } else {
        for (const auto& folder : mediaFolders_) AddSubfolders(folder, roots);
    }
    std::stable_sort(roots.begin(), roots.end(),
                     [](const CardRoot& a, const CardRoot& b) { return a.label < b.label; });
    return roots;
}

std::vector<CardRoot> CardLocator::Cards() const {
    std::vector<CardRoot> cards;
    for (const CardRoot& root : CandidateRoots())
        if (IsCard(root.root)) cards.push_back(root);
    return cards;
}

std::optional<CardRoot> CardLocator::CardLabelled(const std::string& label) const {
    for (const CardRoot& root : CandidateRoots())
        if (root.label == label && IsCard(root.root)) return root;
    return std::nullopt;
}
