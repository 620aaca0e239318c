#include "document/schedule_source.h"

#include <string>

#include "storage/card_probe.h"
#include "storage/config_file.h"

ScheduleSource ScheduleSource::File(const std::filesystem::path& path) {
    ScheduleSource source;
    source.kind = Kind::kFile;
    source.path = path;
    source.stamp = StampOf(path);
    return source;
}

ScheduleSource ScheduleSource::Card(const std::string& label, const std::filesystem::path& root) {
    ScheduleSource source = File(CardConfigPath(root));
    source.kind = Kind::kCard;
    source.cardLabel = label;
    return source;
}

namespace {
// Whether a file's name is the card's own, in any letter case (card file systems ignore it).
bool IsCardFileName(const std::filesystem::path& path) {
    const std::u8string name = path.filename().u8string();
    // Beyond ASCII a byte of UTF-8 matches no letter of the name.
    const std::string bytes(name.begin(), name.end());
    return bytes.size() == std::char_traits<char>::length(kCardConfigFile) && IsReservedFileName(bytes);
}
}  // namespace

SavePlan PlanFileSave(const std::filesystem::path& path) {
    SavePlan plan;
    plan.path = path;
    plan.route = SavePlan::Route::kFile;
    // Only the card's own file, in the card's root, is the card's; any other CONFIG01.DAT
    // stays refused by the file save.
    const std::filesystem::path folder = path.parent_path();
    if (IsCardFileName(path) && IsCard(folder)) {
        plan.route = SavePlan::Route::kCardFolder;
        plan.cardRoot = folder;
    }
    return plan;
}

SavePlan PlanSave(const ScheduleSource& source) {
    switch (source.kind) {
        case ScheduleSource::Kind::kNone: return {};
        case ScheduleSource::Kind::kFile: return PlanFileSave(source.path);
        case ScheduleSource::Kind::kCard: {
            SavePlan plan;
            plan.route = SavePlan::Route::kCard;
            plan.cardLabel = source.cardLabel;
            return plan;
        }
    }
    return {};
}

bool ChangedOnDisk(const ScheduleSource& source) {
    // Nothing loaded or saved, or a file that could not be read right after the load or save,
    // leaves nothing to compare with.
    if (!source.stamp) return false;
    return StampOf(source.path) != source.stamp;
}
