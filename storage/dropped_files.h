#pragma once
// What files dropped on the editor come to: one file is loaded, anything else is refused
// before the schedule shown is put at risk.
#include <filesystem>
#include <span>

enum class DropVerdict {
    kLoad,     // one path that is no folder: loaded, and the load refuses whatever else it cannot take
    kSeveral,  // more than one path (or none)
    kFolder,   // one folder, or a link to one
};

DropVerdict JudgeDrop(std::span<const std::filesystem::path> paths);
