#pragma once
// The system's table of mounted file systems, as far as the card probe needs it.
#include <filesystem>
#include <functional>
#include <istream>
#include <string>
#include <vector>

struct MountPoint {
    std::filesystem::path target;  // where it is mounted
    std::string source;            // what is mounted there: a device, a share, a name
    std::string type;              // ext4, vfat, nfs, tmpfs, ...
};

// The lines of a Linux mountinfo table (/proc/self/mountinfo), with the octal escapes of
// blanks and backslashes decoded. Lines that do not have the expected fields are skipped.
std::vector<MountPoint> ParseMountInfo(std::istream& table);

// The mounts whose source is a local block device (per isBlockDevice) under /dev/ and
// whose type is no network file system.
std::vector<MountPoint> LocalDeviceMounts(const std::vector<MountPoint>& mounts,
                                          const std::function<bool(const std::string&)>& isBlockDevice);

// LocalDeviceMounts of this system's table; empty where the system offers none we can read.
std::vector<MountPoint> DeviceMounts();
