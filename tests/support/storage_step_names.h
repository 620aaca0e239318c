#pragma once
// Lets a test's failure name the storage step instead of printing its bytes.
#include <ostream>

#include "storage/storage_outcome.h"

inline void PrintTo(StorageStep step, std::ostream* os) {
    constexpr const char* kNames[] = {"kNone",  "kOpen",  "kRead", "kValidate", "kTooLarge",  "kOpenForUpdate",
                                      "kCreate", "kWrite", "kSync", "kReadBack", "kCardRemoved"};
    *os << kNames[static_cast<int>(step)];
}

inline std::ostream& operator<<(std::ostream& os, StorageStep step) {
    PrintTo(step, &os);
    return os;
}
