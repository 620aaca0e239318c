#include "storage/mount_table.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <sstream>
#include <string_view>

#ifndef _WIN32
#include <sys/stat.h>
#endif
#ifdef __APPLE__
#include <sys/mount.h>
#include <sys/param.h>
#include <sys/ucred.h>
#endif

namespace {
// mountinfo writes a blank as \040, a tab as \011, a newline as \012 and a backslash as \134.
std::string Unescape(const std::string& field) {
    std::string decoded;
    decoded.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const std::string_view octal(field.data() + i + 1, 3);
            if (std::all_of(octal.begin(), octal.end(), [](char c) { return c >= '0' && c <= '7'; })) {
                decoded += static_cast<char>(((octal[0] - '0') << 6) | ((octal[1] - '0') << 3) | (octal[2] - '0'));
                i += 3;
                continue;
            }
        }
        decoded += field[i];
    }
    return decoded;
}

bool IsNetworkType(const std::string& type) {
    static constexpr std::array<std::string_view, 10> kNetwork = {
        "nfs", "nfs4", "cifs", "smb3", "smbfs", "9p", "ceph", "glusterfs", "afs", "fuse.sshfs"};
    return std::find(kNetwork.begin(), kNetwork.end(), type) != kNetwork.end();
}

#ifndef _WIN32
bool IsBlockDeviceNode(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISBLK(st.st_mode);
}
#endif
}  // namespace

std::vector<MountPoint> ParseMountInfo(std::istream& table) {
    // id parent major:minor root target options [optional fields...] - type source super-options
    std::vector<MountPoint> mounts;
    std::string line;
    while (std::getline(table, line)) {
        std::istringstream fields(line);
        std::vector<std::string> words;
        for (std::string word; fields >> word;) words.push_back(word);
        const auto separator = std::find(words.begin(), words.end(), "-");
        if (words.size() < 6 || separator == words.end() || separator - words.begin() < 6 ||
            words.end() - separator < 3)
            continue;
        mounts.push_back({Unescape(words[4]), Unescape(*(separator + 2)), Unescape(*(separator + 1))});
    }
    return mounts;
}

std::vector<MountPoint> LocalDeviceMounts(const std::vector<MountPoint>& mounts,
                                          const std::function<bool(const std::string&)>& isBlockDevice) {
    std::vector<MountPoint> local;
    for (const MountPoint& mount : mounts) {
        if (mount.source.rfind("/dev/", 0) != 0 || IsNetworkType(mount.type)) continue;
        if (isBlockDevice(mount.source)) local.push_back(mount);
    }
    return local;
}

std::vector<MountPoint> DeviceMounts() {
#if defined(__linux__)
    std::ifstream table("/proc/self/mountinfo");
    return LocalDeviceMounts(ParseMountInfo(table), IsBlockDeviceNode);
#elif defined(__APPLE__)
    std::vector<MountPoint> mounts;
    struct statfs* entries = nullptr;
    const int count = ::getmntinfo(&entries, MNT_NOWAIT);
    for (int i = 0; i < count; ++i)
        mounts.push_back({entries[i].f_mntonname, entries[i].f_mntfromname, entries[i].f_fstypename});
    return LocalDeviceMounts(mounts, IsBlockDeviceNode);
#else
    return {};
#endif
}
