#include "ui/common/messages.h"

#include <cmath>

#include "storage/config_image.h"

#include "model/entry_texts.h"
#include "model/rate_table.h"
#include "model/week_time.h"

namespace {
std::string Utf8(const wxString& text) { return text.utf8_string(); }
wxString Wx(const std::string& text) { return wxString::FromUTF8(text); }
// The count a plural form is chosen by; gettext's rules take no more than this.
unsigned PluralCount(std::uintmax_t n) { return n > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<unsigned>(n); }
}  // namespace

std::string OverlapDetailText(const ScheduleEntry& other) {
    const ColumnTexts texts = EntryTexts(other);
    // TRANSLATORS: the entry a change collides with: its start, its stop and its trigger,
    // "It overlaps 08:00:00 on Friday to 17:00:00 on Friday (Alarm 1 Level NO)."
    return Utf8(wxString::Format(_("It overlaps %s to %s (%s)."), Wx(texts[ListColumn::kStart]),
                                 Wx(texts[ListColumn::kStop]), Wx(texts[ListColumn::kTrigger])));
}

std::string EntryHoverText(const ScheduleEntry& entry) {
    const ColumnTexts texts = EntryTexts(entry);
    // TRANSLATORS: a bar's tooltip on the week strip: the entry's start and stop, its trigger,
    // and how many images per second it records from a PAL and from an NTSC camera.
    return Utf8(wxString::Format(_("%s - %s\n%s, %s / %s images per second (PAL / NTSC)"),
                                 Wx(texts[ListColumn::kStart]), Wx(texts[ListColumn::kStop]),
                                 Wx(texts[ListColumn::kTrigger]), Wx(texts[ListColumn::kPalIps]),
                                 Wx(texts[ListColumn::kNtscIps])));
}

std::string CopyOverlapText(std::span<const int> days) {
    if (days.empty()) return {};
    wxString names;
    for (std::size_t i = 0; i < days.size(); ++i) {
        if (i > 0 && i + 1 == days.size())
            // TRANSLATORS: between the last two days of a list, "Tuesday, Thursday and Sunday".
            names += _(" and ");
        else if (i > 0)
            // TRANSLATORS: between the other days of a list, "Tuesday, Thursday and Sunday".
            names += _(", ");
        names += Wx(DayName(days[i]));
    }
    // TRANSLATORS: %s is a day, or a list of days: "Tuesday, Thursday and Sunday".
    return Utf8(wxString::Format(wxPLURAL("The copy for %s overlaps another entry.",
                                          "The copies for %s overlap other entries.", PluralCount(days.size())),
                                 names));
}

std::string EntriesText(std::size_t count) {
    return Utf8(wxString::Format(wxPLURAL("%zu entry", "%zu entries", PluralCount(count)), count));
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
    // TRANSLATORS: the mark between each three digits of a count of bytes, "6,656".
    const std::string mark = wxGETTEXT_IN_CONTEXT("digit group separator", ",").utf8_string();
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += mark;
        grouped += digits[i];
    }
    return grouped;
}

namespace {
wxString SizeText(std::uintmax_t bytes) {
    // Megabytes only where they read differently from the limit.
    if (bytes >= 1153434)  // 1.1 MiB
        // TRANSLATORS: %s is a size in mebibytes with one decimal, "2.0" or "2,0".
        return wxString::Format(_("%s MiB"), Wx(FormatTenths(std::llround(static_cast<double>(bytes) / 104857.6))));
    // TRANSLATORS: %s is a count of bytes with its digits grouped, "6,655".
    return wxString::Format(wxPLURAL("%s byte", "%s bytes", PluralCount(bytes)), Wx(GroupedDigits(bytes)));
}

wxString KindText(ErrorKind kind, bool onCard) {
    switch (kind) {
        case ErrorKind::kReadOnlyMedium: return _("The medium is read-only");
        case ErrorKind::kNoSpace: return onCard ? _("The card is full") : _("The disk is full");
        case ErrorKind::kPermissionDenied: return _("Permission denied");
        case ErrorKind::kNotFound: return _("There is no such file or folder");
        case ErrorKind::kNotAFile: return _("This is a folder or a device, not a file");
        case ErrorKind::kInUse: return _("Another program is using the file");
        case ErrorKind::kOther: break;
    }
    return {};
}
}  // namespace

std::string StorageFailureReason(const StorageOutcome& outcome, bool onCard) {
    if (outcome.failed == StorageStep::kTooLarge && outcome.size)
        // TRANSLATORS: %s is the file's size, "2.0 MiB" or "1,048,577 bytes".
        return Utf8(wxString::Format(_("The file is %s; files above 1 MiB are never overwritten"),
                                     SizeText(*outcome.size)));
    if (outcome.failed == StorageStep::kRead && outcome.size && outcome.error.code == 0) {
        const wxString whole = Wx(GroupedDigits(kImageSize));
        if (*outcome.size == 0)
            // TRANSLATORS: %s is the size of every configuration file, "6,656".
            return Utf8(wxString::Format(_("The file is empty; a configuration file is %s bytes"), whole));
        // TRANSLATORS: the file's size ("1 byte", "6,655 bytes" or "2.0 MiB"), then the size of
        // every configuration file, "6,656".
        return Utf8(wxString::Format(_("The file is %s; a configuration file is %s bytes"), SizeText(*outcome.size),
                                     whole));
    }
    if (outcome.failed == StorageStep::kValidate) return Utf8(_("It does not hold a recorder configuration"));
    if (outcome.failed == StorageStep::kCardRemoved) return Utf8(_("The card was removed"));
    if (const wxString text = KindText(outcome.error.kind, onCard); !text.empty()) return Utf8(text);
    if (!outcome.error.text.empty()) return outcome.error.text;
    if (outcome.failed == StorageStep::kReadBack) return Utf8(_("The medium does not hold what was written"));
    return Utf8(_("The system gave no reason"));
}

wxString UndoneText(EditKind step, bool redo) {
    // Whole sentences, so that each language can word them its own way.
    switch (step) {
        case EditKind::kAdd: return redo ? _("Redid adding an entry") : _("Undid adding an entry");
        case EditKind::kCopyToDays: return redo ? _("Redid copying to days") : _("Undid copying to days");
        case EditKind::kEdit: return redo ? _("Redid editing an entry") : _("Undid editing an entry");
        case EditKind::kMove: return redo ? _("Redid moving an entry") : _("Undid moving an entry");
        case EditKind::kDelete: return redo ? _("Redid deleting an entry") : _("Undid deleting an entry");
        case EditKind::kDeleteAll: return redo ? _("Redid deleting all entries") : _("Undid deleting all entries");
    }
    return wxString();
}
