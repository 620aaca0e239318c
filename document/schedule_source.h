#pragma once
// Where the schedule being edited stands on disk: the file or card it was last loaded from or
// saved to, and what that file held then. Save puts the schedule back there.
#include <filesystem>
#include <optional>
#include <string>

#include "storage/file_stamp.h"

struct ScheduleSource {
    enum class Kind { kNone, kFile, kCard };
    Kind kind = Kind::kNone;
    std::filesystem::path path;     // the file; for a card, its CONFIG01.DAT
    std::string cardLabel;          // kCard: the card's label (its letter on Windows)
    std::optional<FileStamp> stamp;  // the file right after that load or save; none if unreadable

    // A loaded or saved file, stamped as it stands now.
    static ScheduleSource File(const std::filesystem::path& path);
    // A card's CONFIG01.DAT loaded or saved through the card commands, stamped as it stands now.
    static ScheduleSource Card(const std::string& label, const std::filesystem::path& root);
};

// What Save does with the schedule.
struct SavePlan {
    enum class Route {
        kChooseFile,  // nowhere to go back to: Save To File
        kFile,        // the file at path, saved as Save To File saves
        kCard,        // the card labelled cardLabel, found again among the inserted cards
        kCardFolder,  // a card's CONFIG01.DAT opened as a file: the card at cardRoot
    };
    Route route = Route::kChooseFile;
    std::filesystem::path path;      // kFile, kCardFolder: the file
    std::string cardLabel;           // kCard
    std::filesystem::path cardRoot;  // kCardFolder
};

SavePlan PlanSave(const ScheduleSource& source);

// A file at a path the operator chose: a CONFIG01.DAT on a card goes through the card save
// (kCardFolder), any other file is written as a file (kFile).
SavePlan PlanFileSave(const std::filesystem::path& path);

// Whether the file at the source changed since it was loaded or saved (its size, time or
// bytes, or it went); false for a source that is no file.
bool ChangedOnDisk(const ScheduleSource& source);
