#pragma once
// The file operations that loading and saving go through. The editor uses the system's;
// tests substitute one that fails any single call to check what each failure leaves behind.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>

#include "storage/storage_outcome.h"

class FileSystem {
public:
    enum class Mode {
        Read,    // an existing regular file, for reading
        Update,  // an existing regular file, for reading and writing, never truncated
        Create,  // a new file that must not exist yet, for writing
    };
    using Handle = int;
    static constexpr Handle kNoHandle = -1;

    virtual ~FileSystem() = default;

    // The size of whatever exists at path; nothing when nothing can be found there.
    virtual std::optional<std::uintmax_t> SizeOf(const std::filesystem::path& path) = 0;
    virtual bool Exists(const std::filesystem::path& path) = 0;
    // Only regular files are opened, and opening never blocks (a FIFO, a device or a
    // directory is refused without being opened).
    virtual Handle Open(const std::filesystem::path& path, Mode mode) = 0;
    // The size of the file behind an open handle: what the path held when it was opened.
    virtual std::optional<std::uintmax_t> SizeOfOpen(Handle file) = 0;
    // Bytes read or written, fewer at the end of the file or on an error.
    virtual std::size_t Read(Handle file, std::uint8_t* buffer, std::size_t size) = 0;
    virtual std::size_t Write(Handle file, const std::uint8_t* data, std::size_t size) = 0;
    virtual bool Flush(Handle file) = 0;
    virtual bool Sync(Handle file) = 0;  // to the medium itself
    virtual bool Close(Handle file) = 0;
    // Makes a newly created file's name in folder durable. False only when the medium
    // reports an error; a folder that cannot be opened or synced at all counts as done,
    // since there is nothing more that could be asked of it.
    virtual bool SyncFolder(const std::filesystem::path& folder) {
        (void)folder;
        return true;
    }
    // What the system said about the last call that failed; code 0 when it said nothing.
    virtual SystemError LastError() const { return {}; }
};

// The system's file layer, one for the whole program: for the window's own thread.
FileSystem& SystemFileSystem();
// A system file layer of its own, for a thread: each keeps the last error of its own calls.
std::unique_ptr<FileSystem> NewSystemFileSystem();
