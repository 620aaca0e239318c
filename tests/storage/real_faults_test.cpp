// Loading and saving against what a real system can put at a path: devices, FIFOs, folders,
// missing folders, files the user may not write, and a disk that is full.
#include <gtest/gtest.h>

#include "storage/card_copy.h"
#include "storage/card_probe.h"
#include "storage/config_file.h"
#include "support/images.h"
#include "support/storage_step_names.h"
#include "support/temp_dir.h"

namespace {
// Loading from path and saving to it are both refused at the open, each with the system's
// reason, and the image is left as it was; the load's reason means kind, when one is given.
void ExpectRefusedBothWays(const std::filesystem::path& path, std::optional<ErrorKind> kind = {}) {
    SCOPED_TRACE(path.string());
    ConfigImage image = EditedImage();
    const ImageBytes before = image.bytes;
    const StorageOutcome load = LoadConfigFile(path, image);
    EXPECT_EQ(load.failed, StorageStep::kOpen);
    EXPECT_NE(load.error.code, 0);
    EXPECT_FALSE(load.error.text.empty());
    if (kind) {
        EXPECT_EQ(load.error.kind, *kind);
    }
    EXPECT_EQ(image.bytes, before);
    const StorageOutcome save = SaveConfigFile(path, image);
    EXPECT_TRUE(save.failed == StorageStep::kOpenForUpdate || save.failed == StorageStep::kCreate) << save.failed;
    EXPECT_NE(save.error.code, 0);
    EXPECT_EQ(save.path, path);
}
}  // namespace

#ifndef _WIN32  // Windows meets the same faults in its own forms, at the end of this file.
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

namespace {
// Fails the whole run rather than letting a blocked open or read hang it.
class Watchdog {
public:
    explicit Watchdog(unsigned seconds) { ::alarm(seconds); }
    ~Watchdog() { ::alarm(0); }
};

// The step that failed and what the system's reason means.
struct Failure {
    StorageStep failed;
    ErrorKind kind;
};

// Runs fn in a child process as the unprivileged user "nobody" and returns how it failed.
// Root ignores permission bits, so this is the only way to meet them as a user does.
// Empty optional when the child could not be set up.
std::optional<Failure> AsNobody(const std::function<StorageOutcome()>& fn) {
    int fds[2];
    if (::pipe(fds) != 0) return std::nullopt;
    const pid_t pid = ::fork();
    if (pid < 0) return std::nullopt;
    if (pid == 0) {
        ::close(fds[0]);
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
        const StorageOutcome outcome = fn();
        const Failure failed{outcome.failed, outcome.error.kind};
        const ssize_t n = ::write(fds[1], &failed, sizeof failed);
        ::_exit(n == static_cast<ssize_t>(sizeof failed) ? 0 : 3);
    }
    ::close(fds[1]);
    Failure failed{};
    const bool got = ::read(fds[0], &failed, sizeof failed) == static_cast<ssize_t>(sizeof failed);
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!got || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    return failed;
}

// A tmpfs of the given size mounted on a fresh folder; unmounted at the end.
class SmallDisk {
public:
    explicit SmallDisk(const std::string& size) {
        const std::string options = "size=" + size;
        mounted_ = ::mount("tmpfs", dir_.Path().c_str(), "tmpfs", 0, options.c_str()) == 0;
    }
    ~SmallDisk() {
        if (mounted_) ::umount(dir_.Path().c_str());
    }
    bool Mounted() const { return mounted_; }
    // Remounts the disk read-only, as a card with its lock switch on; false when refused.
    bool MakeReadOnly() {
        return ::mount(nullptr, dir_.Path().c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }
    std::filesystem::path operator/(const std::string& name) const { return dir_ / name; }
    const std::filesystem::path& Path() const { return dir_.Path(); }

private:
    TempDir dir_;
    bool mounted_ = false;
};
}  // namespace

TEST(RealFaults, ThingsThatAreNoFile) {
    TempDir dir;
    std::filesystem::create_directory(dir / "folder");
    ::mkfifo((dir / "fifo").c_str(), 0666);
    std::filesystem::create_symlink(dir / "nowhere", dir / "dangling");
    WriteBytes(dir / "file", {});
    // Only regular files are read or written; a device, a FIFO or a folder is refused
    // before anything is read from or written to it.
    const struct {
        std::filesystem::path path;
        ErrorKind kind;
    } cases[] = {
        {"/dev/full", ErrorKind::kNotAFile},
        {"/dev/null", ErrorKind::kNotAFile},
        {"/dev/zero", ErrorKind::kNotAFile},
        {dir / "folder", ErrorKind::kNotAFile},
        {dir / "fifo", ErrorKind::kNotAFile},
        {dir / "no" / "such" / "folder" / "c.dat", ErrorKind::kNotFound},
        {dir / "dangling", ErrorKind::kNotFound},
        {dir / "file" / "c.dat", ErrorKind::kNotFound},  // a file where a folder should be: ENOTDIR
    };
    for (const auto& c : cases) {
        const Watchdog watchdog(10);
        ExpectRefusedBothWays(c.path, c.kind);
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir / "folder"));
    EXPECT_TRUE(std::filesystem::is_empty(dir / "folder"));
    EXPECT_TRUE(std::filesystem::is_fifo(dir / "fifo"));
    EXPECT_FALSE(std::filesystem::exists(dir / "no"));
    EXPECT_FALSE(std::filesystem::exists(dir / "nowhere")) << "a save through a dangling link created its target";
}

TEST(RealFaults, FifoWithAWriterNeverBlocks) {
    // Someone holds the FIFO open for writing but sends nothing: a read would wait forever.
    TempDir dir;
    const auto fifo = dir / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
    const int keeper = ::open(fifo.c_str(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(keeper, 0);
    const Watchdog watchdog(10);
    ConfigImage image;
    EXPECT_EQ(LoadConfigFile(fifo, image).failed, StorageStep::kOpen);
    EXPECT_EQ(SaveConfigFile(fifo, image).failed, StorageStep::kOpenForUpdate);
    ::close(keeper);
}

TEST(RealFaults, SavesThroughALinkToAFile) {
    TempDir dir;
    WriteBytes(dir / "real.dat", Pattern(8000));
    std::filesystem::create_symlink(dir / "real.dat", dir / "link.dat");
    ConfigImage image = EditedImage();
    ASSERT_TRUE(SaveConfigFile(dir / "link.dat", image).Succeeded());
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.dat"));
    const auto bytes = ReadBytes(dir / "real.dat");
    ASSERT_EQ(bytes.size(), 8000u);
    EXPECT_TRUE(std::equal(image.bytes.begin(), image.bytes.end(), bytes.begin()));
}

TEST(RealFaults, PermissionsAsAnOrdinaryUser) {
    struct Case {
        const char* name;
        mode_t folderMode;
        int fileMode;  // -1: no file
        bool save;     // else load
        StorageStep failed;
        bool fileChanged;
    };
    const Case cases[] = {
        {"read-only file", 0777, 0444, true, StorageStep::kOpenForUpdate, false},
        {"new file in a read-only folder", 0555, -1, true, StorageStep::kCreate, false},
        // Updating in place needs no right on the folder.
        {"writable file in a read-only folder", 0555, 0666, true, StorageStep::kNone, true},
        // Updating opens for reading too: what cannot be read back is not written at all.
        {"write-only file", 0777, 0222, true, StorageStep::kOpenForUpdate, false},
        {"unreadable file", 0777, 0000, false, StorageStep::kOpen, false},
        {"readable file in a read-only folder", 0555, 0444, false, StorageStep::kNone, false},
        {"folder that may not be entered", 0000, 0666, false, StorageStep::kOpen, false},
        {"saving into a folder that may not be entered", 0000, 0666, true, StorageStep::kCreate, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir top;
        ::chmod(top.Path().c_str(), 0755);
        const auto folder = top / "folder";
        std::filesystem::create_directory(folder);
        const auto path = folder / "c.dat";
        const Bytes original = ToBytes(ForeignV7());
        if (c.fileMode >= 0) {
            WriteBytes(path, original);
            ::chmod(path.c_str(), static_cast<mode_t>(c.fileMode));
        }
        ::chmod(folder.c_str(), c.folderMode);

        const auto failure = AsNobody([&] {
            ConfigImage image = EditedImage();
            return c.save ? SaveConfigFile(path, image) : LoadConfigFile(path, image);
        });
        if (!failure) GTEST_SKIP() << "cannot run a child process as the user nobody";
        EXPECT_EQ(failure->failed, c.failed);
        // Every refusal here is the system's EACCES.
        EXPECT_EQ(failure->kind, c.failed == StorageStep::kNone ? ErrorKind::kOther : ErrorKind::kPermissionDenied);

        ::chmod(folder.c_str(), 0755);
        if (c.fileMode < 0) {
            EXPECT_FALSE(std::filesystem::exists(path));
        } else {
            const auto now = ReadBytes(path);
            EXPECT_EQ(now == original, !c.fileChanged);
            EXPECT_EQ(now.size(), original.size());
        }
    }
}

TEST(RealFaults, FullDisk) {
    SmallDisk disk("16k");  // four pages
    if (!disk.Mounted()) GTEST_SKIP() << "mounting a small tmpfs is not permitted here";
    // An image already on the disk takes two pages.
    ConfigImage old = EditedImage();
    ASSERT_TRUE(SaveConfigFile(disk / "old.dat", old).Succeeded());
    // A filler takes a third, and one page is left: too little for a new image.
    WriteBytes(disk / "filler", Pattern(4096));
    ASSERT_EQ(std::filesystem::file_size(disk / "filler"), 4096u);

    ConfigImage image;
    StampHeader(image);
    image.SetEntryCount(1);
    const StorageOutcome full = SaveConfigFile(disk / "new.dat", image);
    EXPECT_EQ(full.failed, StorageStep::kWrite);
    EXPECT_EQ(full.error.kind, ErrorKind::kNoSpace);
    EXPECT_LT(std::filesystem::file_size(disk / "new.dat"), kImageSize);

    // In place needs no new space: replacing the existing image still works on a full disk.
    EXPECT_TRUE(SaveConfigFile(disk / "old.dat", image).Succeeded());
    EXPECT_EQ(ReadBytes(disk / "old.dat"), ToBytes(image.bytes));
}

TEST(RealFaults, ReadOnlyMedium) {
    SmallDisk disk("64k");
    if (!disk.Mounted()) GTEST_SKIP() << "mounting a small tmpfs is not permitted here";
    ConfigImage image = EditedImage();
    ASSERT_TRUE(SaveConfigFile(disk / "old.dat", image).Succeeded());
    ASSERT_TRUE(disk.MakeReadOnly());
    const std::vector<std::uint8_t> before = ReadBytes(disk / "old.dat");
    struct Case {
        const char* name;
        StorageStep failed;
    };
    for (const auto& [name, failed] : {Case{"new.dat", StorageStep::kCreate}, Case{"old.dat", StorageStep::kOpenForUpdate}}) {
        SCOPED_TRACE(name);
        const StorageOutcome outcome = SaveConfigFile(disk / name, image);
        EXPECT_EQ(outcome.failed, failed);
        EXPECT_EQ(outcome.error.kind, ErrorKind::kReadOnlyMedium);
        EXPECT_EQ(outcome.path, disk / name);
    }
    EXPECT_EQ(ReadBytes(disk / "old.dat"), before);
    EXPECT_FALSE(std::filesystem::exists(disk / "new.dat"));
}

// One card locked and one writable: the writable one takes the schedule, the locked one is
// named read-only and keeps every byte.
TEST(RealFaults, CopyToALockedCardAndAWritableOne) {
    SmallDisk locked("64k");
    if (!locked.Mounted()) GTEST_SKIP() << "mounting a small tmpfs is not permitted here";
    TempDir writable;
    const Bytes own = ToBytes(ForeignV7());
    for (const std::filesystem::path& root : {locked.Path(), writable.Path()}) {
        WriteBytes(root / kCardMarkerFile, {});
        WriteBytes(root / kCardConfigFile, own);
    }
    ASSERT_TRUE(locked.MakeReadOnly());

    const StorageOutcome refused = CopyScheduleToCard(locked.Path(), EditedImage());
    EXPECT_EQ(refused.failed, StorageStep::kOpenForUpdate);
    EXPECT_EQ(refused.error.kind, ErrorKind::kReadOnlyMedium);
    EXPECT_EQ(ReadBytes(locked / kCardConfigFile), own);
    EXPECT_TRUE(CopyScheduleToCard(writable.Path(), EditedImage()).Succeeded());
}

#else  // _WIN32

#include <windows.h>

#include <iostream>

namespace {
// Another program holding a file open, sharing only what share allows, until destroyed.
class HeldOpen {
public:
    HeldOpen(const std::filesystem::path& path, DWORD access, DWORD share)
        : handle_(::CreateFileW(path.c_str(), access, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~HeldOpen() {
        if (handle_ != INVALID_HANDLE_VALUE) ::CloseHandle(handle_);
    }
    bool Ok() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};
}  // namespace

TEST(RealFaults, ThingsThatAreNoFile) {
    // Windows' devices: names that mean a device in every folder, and the device namespace.
    // They are refused before any open (opening COM1 would raise the port's lines), with the
    // messages a Linux device gets.
    TempDir dir;
    std::filesystem::create_directory(dir / "folder");
    for (const std::filesystem::path& path :
         {std::filesystem::path("NUL"), dir / "nul", dir / "CON.DAT", dir / "com1.dat", dir / "LPT9",
          std::filesystem::path("\\\\.\\NUL"), std::filesystem::path("\\\\.\\pipe\\dvr-config-test"),
          dir / "folder", dir / "no" / "such" / "folder" / "c.dat",
          std::filesystem::path("Q:\\surely\\not\\mounted\\c.dat")})
        ExpectRefusedBothWays(path);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "folder"));
    EXPECT_TRUE(std::filesystem::is_empty(dir / "folder"));
    EXPECT_FALSE(std::filesystem::exists(dir / "no"));
}

TEST(RealFaults, FifoWithAWriterNeverBlocks) {
    GTEST_SKIP() << "Windows file systems have no FIFOs; named pipes (\\\\.\\pipe\\...) are refused "
                    "as device paths in ThingsThatAreNoFile";
}

TEST(RealFaults, SavesThroughALinkToAFile) {
    TempDir dir;
    WriteBytes(dir / "real.dat", Pattern(8000));
    std::error_code ec;
    std::filesystem::create_symlink(dir / "real.dat", dir / "link.dat", ec);
    if (ec) GTEST_SKIP() << "creating a symbolic link needs a privilege here: " << ec.message();
    ConfigImage image = EditedImage();
    ASSERT_TRUE(SaveConfigFile(dir / "link.dat", image).Succeeded());
    const auto bytes = ReadBytes(dir / "real.dat");
    ASSERT_EQ(bytes.size(), 8000u);
    EXPECT_TRUE(std::equal(image.bytes.begin(), image.bytes.end(), bytes.begin()));
}

TEST(RealFaults, PermissionsAsAnOrdinaryUser) {
    // Windows' own forms: the read-only attribute, and another program holding the file
    // open without sharing it.
    TempDir dir;
    const auto path = dir / "c.dat";
    const Bytes original = ToBytes(ForeignV7());
    WriteBytes(path, original);
    {
        SCOPED_TRACE("read-only file");
        ASSERT_TRUE(::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
        // Wine keeps the attribute as the Unix permission bits, which root ignores: there
        // the file is writable after all, and this case says nothing.
        const bool enforced = !HeldOpen(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE).Ok();
        if (enforced) {
            ConfigImage image = EditedImage();
            EXPECT_EQ(SaveConfigFile(path, image).failed, StorageStep::kOpenForUpdate);
            EXPECT_EQ(ReadBytes(path), original);
            EXPECT_TRUE(LoadConfigFile(path, image).Succeeded());  // reading it is fine
        } else {
            std::cout << "[  NOTE    ] read-only case not checked: the attribute is not enforced here "
                         "(Wine running as root)\n";
        }
        ASSERT_TRUE(::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL));
    }
    {
        SCOPED_TRACE("held open with no sharing");
        const HeldOpen other(path, GENERIC_READ | GENERIC_WRITE, 0);
        ASSERT_TRUE(other.Ok());
        ExpectRefusedBothWays(path);
    }
    EXPECT_EQ(ReadBytes(path), original);
    {
        SCOPED_TRACE("held open for reading and writing, shared");
        // A recorder tool that keeps the file open but shares it: loading still reads it;
        // saving waits for no one and fails, since writing is not shared with it.
        const HeldOpen other(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
        ASSERT_TRUE(other.Ok());
        ConfigImage image = EditedImage();
        EXPECT_TRUE(LoadConfigFile(path, image).Succeeded());
        EXPECT_EQ(SaveConfigFile(path, image).failed, StorageStep::kOpenForUpdate);
    }
    EXPECT_EQ(ReadBytes(path), original);
}

TEST(RealFaults, FullDisk) {
    GTEST_SKIP() << "needs a small tmpfs mounted on the fly, which Windows has no counterpart for";
}

#endif  // _WIN32
