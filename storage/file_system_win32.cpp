#include "storage/file_system.h"

// The Windows file layer: wide-character paths throughout (CreateFileW and friends), so a
// name in any script is reached as the operator typed it; the POSIX one is file_system_posix.cpp.
// Every failure is reported the way the POSIX layer reports it (no handle, a short count,
// false), so loading and saving give the same messages on both systems.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace {
// Names Windows gives to devices in every folder ("C:\\cards\\COM1.DAT" opens the serial
// port): the name before the first dot, upper-cased, trailing blanks ignored.
bool IsDeviceName(const std::filesystem::path& path) {
    std::wstring name = path.filename().wstring();
    name = name.substr(0, name.find(L'.'));
    while (!name.empty() && (name.back() == L' ' || name.back() == L':')) name.pop_back();
    std::transform(name.begin(), name.end(), name.begin(),
                   [](wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c; });
    static constexpr std::array<std::wstring_view, 8> kFixed = {L"CON", L"PRN", L"AUX", L"NUL",
                                                                L"CONIN$", L"CONOUT$", L"CLOCK$", L"CONERR$"};
    if (std::find(kFixed.begin(), kFixed.end(), name) != kFixed.end()) return true;
    // COM1..COM9 and LPT1..LPT9, with the superscript digits Windows also takes.
    if (name.size() == 4 && (name.starts_with(L"COM") || name.starts_with(L"LPT"))) {
        const wchar_t d = name[3];
        return (d >= L'1' && d <= L'9') || d == L'\u00B9' || d == L'\u00B2' || d == L'\u00B3';
    }
    return false;
}

// The device namespaces (\\.\ and \\?\GLOBALROOT\...) reach volumes, pipes and ports.
bool IsDevicePath(const std::filesystem::path& path) {
    const std::wstring& text = path.native();
    return text.starts_with(L"\\\\.\\") || text.starts_with(L"//./") || text.starts_with(L"\\\\?\\GLOBALROOT");
}

// A path the Win32 calls take beyond MAX_PATH: an absolute one gets the \\?\ prefix (which
// also turns off the system's own clean-up, so the path is made canonical first).
std::wstring Win32Path(const std::filesystem::path& path) {
    const std::wstring& text = path.native();
    if (text.size() < MAX_PATH - 12 || !path.is_absolute() || text.starts_with(L"\\\\?\\")) return text;
    std::wstring clean = path.lexically_normal().make_preferred().native();
    if (clean.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + clean.substr(2);
    return L"\\\\?\\" + clean;
}

// Loading and saving look at files one by one; the operator's choice of a file is the only
// blocking that is wanted, never the system's "insert a disk" box for an empty reader.
class QuietErrors {
public:
    QuietErrors() { ::SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previous_); }
    ~QuietErrors() { ::SetThreadErrorMode(previous_, nullptr); }
    QuietErrors(const QuietErrors&) = delete;
    QuietErrors& operator=(const QuietErrors&) = delete;

private:
    DWORD previous_ = 0;
};

HANDLE Native(FileSystem::Handle file) {
    const intptr_t h = ::_get_osfhandle(file);
    return h == -1 ? INVALID_HANDLE_VALUE : reinterpret_cast<HANDLE>(h);
}

// The system's text for an error code, in UTF-8, without the line break it ends with.
std::string ErrorText(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
        reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring wide(buffer ? buffer : L"", length);
    if (buffer) ::LocalFree(buffer);
    while (!wide.empty() && (wide.back() == L'\r' || wide.back() == L'\n' || wide.back() == L' ')) wide.pop_back();
    if (wide.empty()) return "Error " + std::to_string(code);
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr,
                                           nullptr);
    std::string text(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size, nullptr, nullptr);
    return text;
}

ErrorKind KindOf(DWORD error) {
    switch (error) {
        case ERROR_WRITE_PROTECT: return ErrorKind::kReadOnlyMedium;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL: return ErrorKind::kNoSpace;
        case ERROR_ACCESS_DENIED: return ErrorKind::kPermissionDenied;
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_NOT_READY: return ErrorKind::kNotFound;
        case ERROR_DIRECTORY: return ErrorKind::kNotAFile;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION: return ErrorKind::kInUse;
        default: return ErrorKind::kOther;
    }
}

class Win32FileSystem final : public FileSystem {
public:
    SystemError LastError() const override {
        if (error_ == 0) return {};
        return {static_cast<int>(error_), ErrorText(error_), KindOf(error_)};
    }

    std::optional<std::uintmax_t> SizeOf(const std::filesystem::path& path) override {
        error_ = 0;
        const QuietErrors quiet;
        WIN32_FILE_ATTRIBUTE_DATA data{};
        if (!::GetFileAttributesExW(Win32Path(path).c_str(), GetFileExInfoStandard, &data)) return Failed(std::nullopt);
        return (static_cast<std::uintmax_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    }

    bool Exists(const std::filesystem::path& path) override {
        error_ = 0;
        const QuietErrors quiet;
        return ::GetFileAttributesW(Win32Path(path).c_str()) != INVALID_FILE_ATTRIBUTES || Failed(false);
    }

    Handle Open(const std::filesystem::path& path, Mode mode) override {
        // Opening a device can have effects of its own (a serial port raises its lines, a
        // console attaches): device names and namespaces are refused before any open.
        error_ = 0;
        if (path.empty() || IsDeviceName(path) || IsDevicePath(path)) return Refused(ERROR_INVALID_NAME, kNoHandle);
        const QuietErrors quiet;
        const std::wstring name = Win32Path(path);
        if (mode != Mode::Create) {
            const DWORD attributes = ::GetFileAttributesW(name.c_str());
            if (attributes == INVALID_FILE_ATTRIBUTES) return Failed(kNoHandle);
            if (attributes & FILE_ATTRIBUTE_DIRECTORY) return Refused(ERROR_DIRECTORY, kNoHandle);
        }
        DWORD access = 0, share = FILE_SHARE_READ, disposition = OPEN_EXISTING;
        switch (mode) {
            // Another program may hold the file open for writing (a recorder tool, an
            // editor): loading still reads it.
            case Mode::Read: access = GENERIC_READ; share = FILE_SHARE_READ | FILE_SHARE_WRITE; break;
            // Updating reads too: the POSIX layer opens O_RDWR, and a file that cannot be
            // read back is not written at all.
            case Mode::Update: access = GENERIC_READ | GENERIC_WRITE; break;
            case Mode::Create: access = GENERIC_WRITE; disposition = CREATE_NEW; break;
        }
        const HANDLE h = ::CreateFileW(name.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                                       nullptr);
        if (h == INVALID_HANDLE_VALUE) return Failed(kNoHandle);
        // Whatever was swapped in since the look above: only a file on a disk counts.
        BY_HANDLE_FILE_INFORMATION info{};
        if (::GetFileType(h) != FILE_TYPE_DISK || !::GetFileInformationByHandle(h, &info) ||
            (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            ::CloseHandle(h);
            return Refused(ERROR_INVALID_NAME, kNoHandle);
        }
        // The interface's handles are C runtime descriptors; the descriptor owns the handle.
        const int fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(h), _O_BINARY | (mode == Mode::Read ? _O_RDONLY : 0));
        if (fd < 0) {
            ::CloseHandle(h);
            return Refused(ERROR_TOO_MANY_OPEN_FILES, kNoHandle);
        }
        return fd;
    }

    std::optional<std::uintmax_t> SizeOfOpen(Handle file) override {
        error_ = 0;
        LARGE_INTEGER size{};
        const HANDLE h = Native(file);
        if (h == INVALID_HANDLE_VALUE || !::GetFileSizeEx(h, &size) || size.QuadPart < 0) return Failed(std::nullopt);
        return static_cast<std::uintmax_t>(size.QuadPart);
    }

    std::size_t Read(Handle file, std::uint8_t* buffer, std::size_t size) override {
        error_ = 0;
        const HANDLE h = Native(file);
        if (h == INVALID_HANDLE_VALUE) return Refused(ERROR_INVALID_HANDLE, std::size_t{0});
        std::size_t done = 0;
        while (done < size) {
            const DWORD ask = static_cast<DWORD>(std::min<std::size_t>(size - done, 1u << 30));
            DWORD got = 0;
            if (!::ReadFile(h, buffer + done, ask, &got, nullptr)) Failed(0);
            if (error_ != 0 || got == 0) break;
            done += got;
        }
        return done;
    }

    std::size_t Write(Handle file, const std::uint8_t* data, std::size_t size) override {
        error_ = 0;
        const HANDLE h = Native(file);
        if (h == INVALID_HANDLE_VALUE) return Refused(ERROR_INVALID_HANDLE, std::size_t{0});
        std::size_t done = 0;
        while (done < size) {
            const DWORD ask = static_cast<DWORD>(std::min<std::size_t>(size - done, 1u << 30));
            DWORD put = 0;
            if (!::WriteFile(h, data + done, ask, &put, nullptr)) Failed(0);
            if (error_ != 0 || put == 0) break;
            done += put;
        }
        return done;
    }

    // WriteFile goes straight to the system; there is no buffer of our own to flush.
    bool Flush(Handle) override { return true; }

    // FlushFileBuffers writes the file's data and its directory entry to the medium and
    // returns only when the device has them. A card pulled meanwhile fails here (or in the
    // read-back that follows, which goes through a fresh open).
    bool Sync(Handle file) override {
        error_ = 0;
        const HANDLE h = Native(file);
        if (h == INVALID_HANDLE_VALUE) return Refused(ERROR_INVALID_HANDLE, false);
        return ::FlushFileBuffers(h) || Failed(false);
    }

    // Closing the descriptor closes the handle with it.
    bool Close(Handle file) override {
        error_ = 0;
        const HANDLE h = Native(file);
        if (::_close(file) == 0) return true;
        error_ = h == INVALID_HANDLE_VALUE ? ERROR_INVALID_HANDLE : ERROR_WRITE_FAULT;
        return false;
    }

    // The inherited SyncFolder stays: FlushFileBuffers on the file already wrote its
    // directory entry on FAT and NTFS, and a folder handle cannot be flushed without
    // administrator rights, so there is nothing more that could be asked.

private:
    // Keeps the system's last error as the call's and passes result on.
    template <typename T>
    T Failed(T result) {
        error_ = ::GetLastError();
        return result;
    }
    // A refusal of our own, under the system's code that says it best.
    template <typename T>
    T Refused(DWORD code, T result) {
        error_ = code;
        return result;
    }

    DWORD error_ = 0;
};
}  // namespace

FileSystem& SystemFileSystem() {
    static Win32FileSystem system;
    return system;
}

std::unique_ptr<FileSystem> NewSystemFileSystem() { return std::make_unique<Win32FileSystem>(); }
