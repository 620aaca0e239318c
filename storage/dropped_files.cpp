#include "storage/dropped_files.h"

#include <system_error>

DropVerdict JudgeDrop(std::span<const std::filesystem::path> paths) {
    if (paths.size() != 1) return DropVerdict::kSeveral;
    std::error_code ignored;  // a path that cannot be looked at is left for the load to refuse
    return std::filesystem::is_directory(paths.front(), ignored) ? DropVerdict::kFolder : DropVerdict::kLoad;
}
