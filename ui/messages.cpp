#include "ui/messages.h"

#include <cstdio>

#include "storage/config_image.h"

#include "model/entry_texts.h"
#include "model/week_time.h"

std::string OverlapDetailText(const ScheduleEntry& other) {
    const ColumnTexts texts = EntryTexts(other);
    return "It overlaps " + texts[ListColumn::kStart] + " to " + texts[ListColumn::kStop] + " (" +
           texts[ListColumn::kTrigger] + ").";
}

std::string EntryHoverText(const ScheduleEntry& entry) {
    const ColumnTexts texts = EntryTexts(entry);
    return texts[ListColumn::kStart] + " - " + texts[ListColumn::kStop] + "\n" + texts[ListColumn::kTrigger] + ", " +
           texts[ListColumn::kPalIps] + " / " + texts[ListColumn::kNtscIps] + " images per second (PAL / NTSC)";
}

std::string CopyOverlapText(std::span<const int> days) {
    if (days.empty()) return {};
    std::string names;
    for (std::size_t i = 0; i < days.size(); ++i) {
        if (i > 0) names += i + 1 == days.size() ? " and " : ", ";
        const char* name = WeekdayName(days[i]);
        names += name ? name : "Day " + std::to_string(days[i]);
    }
    if (days.size() == 1) return "The copy for " + names + " overlaps another entry.";
    return "The copies for " + names + " overlap other entries.";
}

std::string EntriesText(std::size_t count) {
    return count == 1 ? "1 entry" : std::to_string(count) + " entries";
}

const char* StorageFailureMessage(StorageStep step) {
    switch (step) {
        case StorageStep::kOpen: return kMsgOpenForReading;
        case StorageStep::kRead: return kMsgReadFailed;
        case StorageStep::kValidate: return kMsgInvalidFile;
        case StorageStep::kTooLarge: return kMsgCannotOverwrite;
        case StorageStep::kNone:
        case StorageStep::kOpenForUpdate:
        case StorageStep::kCreate:
        case StorageStep::kWrite:
        case StorageStep::kSync:
        case StorageStep::kReadBack:
        case StorageStep::kCardRemoved: break;
    }
    return kMsgWriteFailed;
}

std::string GroupedDigits(std::uintmax_t number) {
    const std::string digits = std::to_string(number);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}

namespace {
std::string SizeText(std::uintmax_t bytes) {
    if (bytes == 1) return "1 byte";
    // Megabytes only where they read differently from the limit.
    if (bytes >= 1153434) {  // 1.1 MiB
        char text[32];
        std::snprintf(text, sizeof text, "%.1f MiB", static_cast<double>(bytes) / 1048576.0);
        return text;
    }
    return GroupedDigits(bytes) + " bytes";
}

std::string KindText(ErrorKind kind, bool onCard) {
    switch (kind) {
        case ErrorKind::kReadOnlyMedium: return "The medium is read-only";
        case ErrorKind::kNoSpace: return onCard ? "The card is full" : "The disk is full";
        case ErrorKind::kPermissionDenied: return "Permission denied";
        case ErrorKind::kNotFound: return "There is no such file or folder";
        case ErrorKind::kNotAFile: return "This is a folder or a device, not a file";
        case ErrorKind::kInUse: return "Another program is using the file";
        case ErrorKind::kOther: break;
    }
    return {};
}
}  // namespace

std::string StorageFailureReason(const StorageOutcome& outcome, bool onCard) {
    if (outcome.failed == StorageStep::kTooLarge && outcome.size)
        return "The file is " + SizeText(*outcome.size) + "; files above 1 MiB are never overwritten";
    if (outcome.failed == StorageStep::kRead && outcome.size && outcome.error.code == 0) {
        const std::string held = *outcome.size == 0 ? "The file is empty" : "The file is " + SizeText(*outcome.size);
        return held + "; a configuration file is " + GroupedDigits(kImageSize) + " bytes";
    }
    if (outcome.failed == StorageStep::kValidate) return "It does not hold a recorder configuration";
    if (outcome.failed == StorageStep::kCardRemoved) return "The card was removed";
    if (std::string text = KindText(outcome.error.kind, onCard); !text.empty()) return text;
    if (!outcome.error.text.empty()) return outcome.error.text;
    if (outcome.failed == StorageStep::kReadBack) return "The medium does not hold what was written";
    return "The system gave no reason";
}
