#include "storage/file_system.h"

// The POSIX file layer; the build takes file_system_win32.cpp instead on Windows.
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

namespace {
ErrorKind KindOf(int error) {
    switch (error) {
        case EROFS: return ErrorKind::kReadOnlyMedium;
        case ENOSPC:
        case EDQUOT: return ErrorKind::kNoSpace;
        case EACCES:
        case EPERM: return ErrorKind::kPermissionDenied;
        case ENOENT:
        case ENOTDIR: return ErrorKind::kNotFound;
        case EISDIR:
        case ENODEV: return ErrorKind::kNotAFile;
        case ETXTBSY:
        case EBUSY: return ErrorKind::kInUse;
        default: return ErrorKind::kOther;
    }
}

class PosixFileSystem final : public FileSystem {
public:
    std::optional<std::uintmax_t> SizeOf(const std::filesystem::path& path) override {
        error_ = 0;
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0) return Failed(std::nullopt);
        return static_cast<std::uintmax_t>(st.st_size);
    }

    bool Exists(const std::filesystem::path& path) override {
        error_ = 0;
        struct stat st {};
        return ::stat(path.c_str(), &st) == 0 || Failed(false);
    }

    Handle Open(const std::filesystem::path& path, Mode mode) override {
        // Opening a device can have effects of its own (a tape rewinds, a modem hangs up):
        // anything that is not a regular file is refused before it is opened at all.
        error_ = 0;
        if (mode != Mode::Create) {
            struct stat st {};
            if (::stat(path.c_str(), &st) != 0) return Failed(kNoHandle);
            if (!S_ISREG(st.st_mode)) return NotARegularFile(st);
        }
        // O_NONBLOCK covers what was swapped in since the look above: a FIFO without a
        // writer must not hang the editor.
        int flags = O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
        switch (mode) {
            case Mode::Read: flags |= O_RDONLY; break;
            case Mode::Update: flags |= O_RDWR; break;
            case Mode::Create: flags |= O_WRONLY | O_CREAT | O_EXCL; break;
        }
        int fd = -1;
        do {
            fd = ::open(path.c_str(), flags, 0666);
        } while (fd < 0 && errno == EINTR);
        if (fd < 0) return Failed(kNoHandle);
        struct stat st {};
        const bool statted = ::fstat(fd, &st) == 0;
        if (!statted || !S_ISREG(st.st_mode)) {
            if (!statted)
                Failed(0);
            else
                NotARegularFile(st);
            ::close(fd);
            return kNoHandle;
        }
        // Regular files never block; clear the flag so that reads and writes are plain.
        const int status = ::fcntl(fd, F_GETFL);
        if (status == -1 || ::fcntl(fd, F_SETFL, status & ~O_NONBLOCK) == -1) {
            Failed(0);
            ::close(fd);
            return kNoHandle;
        }
        return fd;
    }

    std::optional<std::uintmax_t> SizeOfOpen(Handle file) override {
        error_ = 0;
        struct stat st {};
        if (::fstat(file, &st) != 0) return Failed(std::nullopt);
        return static_cast<std::uintmax_t>(st.st_size);
    }

    std::size_t Read(Handle file, std::uint8_t* buffer, std::size_t size) override {
        error_ = 0;
        std::size_t done = 0;
        while (done < size) {
            const ssize_t n = ::read(file, buffer + done, size - done);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) Failed(0);
            if (n <= 0) break;
            done += static_cast<std::size_t>(n);
        }
        return done;
    }

    std::size_t Write(Handle file, const std::uint8_t* data, std::size_t size) override {
        error_ = 0;
        std::size_t done = 0;
        while (done < size) {
            const ssize_t n = ::write(file, data + done, size - done);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) Failed(0);
            if (n <= 0) break;
            done += static_cast<std::size_t>(n);
        }
        return done;
    }

    // Writes go straight to the system; there is no buffer of our own to flush.
    bool Flush(Handle) override { return true; }

    bool Sync(Handle file) override {
        error_ = 0;
        int result = 0;
        do {
            result = ::fsync(file);
        } while (result != 0 && errno == EINTR);
        if (result != 0) return Failed(false);
        // The pages are clean now; dropping them makes the read-back that follows come
        // from the medium rather than from memory. Only advice: where it is not taken,
        // the read-back still compares what the system holds for the file.
#ifdef POSIX_FADV_DONTNEED
        ::posix_fadvise(file, 0, 0, POSIX_FADV_DONTNEED);
#endif
        return true;
    }

    // A failed close may be the first report of a failed write (NFS, some FUSE file
    // systems), so it counts; it is never retried, as the descriptor is gone either way.
    bool Close(Handle file) override {
        error_ = 0;
        return ::close(file) == 0 || Failed(false);
    }

    bool SyncFolder(const std::filesystem::path& folder) override {
        error_ = 0;
        const std::filesystem::path name = folder.empty() ? std::filesystem::path(".") : folder;
        const int fd = ::open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) return true;
        int result = 0;
        do {
            result = ::fsync(fd);
        } while (result != 0 && errno == EINTR);
        const bool failed = result != 0 && errno == EIO;
        if (failed) Failed(false);
        ::close(fd);
        return !failed;
    }

    SystemError LastError() const override {
        if (error_ == 0) return {};
        return {error_, std::strerror(error_), KindOf(error_)};
    }

private:
    // Keeps errno as the call's error and passes result on.
    template <typename T>
    T Failed(T result) {
        error_ = errno;
        return result;
    }
    // A folder, a device, a FIFO or a socket is never opened as a configuration file.
    Handle NotARegularFile(const struct stat& st) {
        error_ = S_ISDIR(st.st_mode) ? EISDIR : ENODEV;
        return kNoHandle;
    }

    int error_ = 0;
};
}  // namespace

FileSystem& SystemFileSystem() {
    static PosixFileSystem system;
    return system;
}

std::unique_ptr<FileSystem> NewSystemFileSystem() { return std::make_unique<PosixFileSystem>(); }
