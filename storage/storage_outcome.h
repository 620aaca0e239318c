#pragma once
// What a load or a save came to: done, or the step that failed, the path it failed at and
// what the system said. The windows turn it into the message the operator sees.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

// What an error means for the operator, whichever system reported it.
enum class ErrorKind {
    kOther,             // see the system's own text
    kReadOnlyMedium,    // the medium or file system takes no writes (a locked card)
    kNoSpace,           // the medium is full
    kPermissionDenied,  // the user may not read or write there
    kNotFound,          // no such file or folder
    kNotAFile,          // a folder or a device stands at the path
    kInUse,             // another program holds the file open
};

// An error as the system reported it: errno or GetLastError, with the system's own text.
struct SystemError {
    int code = 0;  // 0: the system reported nothing (a file that simply ended early)
    std::string text;
    ErrorKind kind = ErrorKind::kOther;
    friend bool operator==(const SystemError&, const SystemError&) = default;
};

enum class StorageStep {
    kNone,           // nothing failed
    kOpen,           // the file could not be opened for reading
    kRead,           // fewer than the image's bytes could be read
    kValidate,       // the bytes read are no configuration image
    kTooLarge,       // an existing file above the overwrite limit is never touched
    kOpenForUpdate,  // an existing file could not be opened for writing
    kCreate,         // a new file could not be created
    kWrite,          // writing the image or closing the file failed
    kSync,           // the medium did not confirm the bytes or the new file's name
    kReadBack,       // the file could not be read back, or holds other bytes than were written
    kCardRemoved,    // the chosen card no longer holds its card files
};

struct StorageOutcome {
    StorageStep failed = StorageStep::kNone;
    std::filesystem::path path;
    SystemError error;
    // With kTooLarge the size of the file refused; with kRead the bytes it held.
    std::optional<std::uintmax_t> size;

    bool Succeeded() const { return failed == StorageStep::kNone; }
};
