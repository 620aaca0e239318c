#include "storage/card_probe.h"

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>
#include <system_error>

#ifndef _WIN32
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
bool Exists(const std::filesystem::path& path) {
#ifdef _WIN32
    std::error_code ec;
    return std::filesystem::exists(path, ec);
#else
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
#endif
}

#ifndef _WIN32
// Mount points whose source is a block device: removable media and local disks, never
// network shares, FUSE remotes or the system's own pseudo file systems.
std::set<std::string> DeviceMountPoints() {
    std::set<std::string> points;
    std::ifstream mounts("/proc/self/mounts");
    std::string line;
    while (std::getline(mounts, line)) {
        std::istringstream fields(line);
        std::string source, target;
        if (!(fields >> source >> target)) continue;
        if (source.rfind("/dev/", 0) != 0) continue;
        // Blanks and the like are written as octal escapes.
        std::string decoded;
        for (std::size_t i = 0; i < target.size(); ++i) {
            if (target[i] == '\\' && i + 3 < target.size()) {
                const std::string octal = target.substr(i + 1, 3);
                if (octal.find_first_not_of("01234567") == std::string::npos) {
                    decoded += static_cast<char>(std::stoi(octal, nullptr, 8));
                    i += 3;
                    continue;
                }
            }
            decoded += target[i];
        }
        points.insert(decoded);
    }
    return points;
}

std::string UserName() {
    if (const passwd* pw = ::getpwuid(::geteuid()); pw && pw->pw_name) return pw->pw_name;
    return {};
}
#endif
}  // namespace

bool IsCard(const std::filesystem::path& root) {
    // The marker first: a root without it costs a single look-up.
    return Exists(root / kCardMarkerFile) && Exists(root / kCardConfigFile);
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
    locator.mediaFolders_.push_back("/mnt");
    locator.mediaFolders_.push_back("/Volumes");
    locator.mountedOnly_ = true;
#endif
    return locator;
}

std::vector<CardRoot> CardLocator::CandidateRoots() const {
    std::vector<CardRoot> roots;
    if (driveLetters_) {
        for (char letter = 'C'; letter <= 'Z'; ++letter)
            roots.push_back({std::string(1, letter), std::string(1, letter) + ":\\"});
        return roots;
    }
#ifndef _WIN32
    std::set<std::string> mounted;
    if (mountedOnly_) mounted = DeviceMountPoints();
#endif
    for (const auto& folder : mediaFolders_) {
        std::error_code ec;
        std::filesystem::directory_iterator it(folder, ec), end;
        for (; !ec && it != end; it.increment(ec)) {
            const std::filesystem::path root = it->path();
#ifndef _WIN32
            if (mountedOnly_ && !mounted.count(root.string())) continue;
#endif
            if (!mountedOnly_) {
                std::error_code dirError;
                if (!it->is_directory(dirError)) continue;
            }
            roots.push_back({root.filename().string(), root});
        }
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
