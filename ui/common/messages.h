#pragma once
// Every text the editor shows in a message box, with the titles they go under, and the texts
// the windows compose from an entry's. The constants are the English texts, marked for the
// catalogs; a window shows them through wxGetTranslation. The functions give translated
// UTF-8 texts.
#include <span>
#include <string>

#include <wx/translation.h>

#include "document/config_document.h"
#include "model/schedule_entry.h"
#include "storage/storage_outcome.h"

constexpr const char* kTitleError = wxTRANSLATE("Error");
constexpr const char* kTitleConfirm = wxTRANSLATE("Confirm");
constexpr const char* kTitleConfirmDelete = wxTRANSLATE("Confirm Delete");
constexpr const char* kTitleConfirmCancel = wxTRANSLATE("Confirm Cancel");

// Schedule rules.
constexpr const char* kMsgScheduleFull = wxTRANSLATE("Schedule is full");
constexpr const char* kMsgOverlap = wxTRANSLATE("There is a schedule overlap");
constexpr const char* kMsgCopyOutsideWeek =
    wxTRANSLATE("This entry lies outside the week and cannot be copied to other days");
constexpr const char* kMsgDayOutsideWeek =
    wxTRANSLATE("An entry of this day lies outside the week; the day cannot be copied to other days");
constexpr const char* kMsgDeleteItem = wxTRANSLATE("Do you want to delete this item");
constexpr const char* kMsgDeleteAll = wxTRANSLATE("Do you want to delete all items");
constexpr const char* kMsgDiscardChanges = wxTRANSLATE("Discard changes?");
constexpr const char* kMsgDiscardCurrent = wxTRANSLATE("Discard current changes");

// Loading and saving.
constexpr const char* kMsgOpenForReading = wxTRANSLATE("Unable to open file for reading");
constexpr const char* kMsgReadFailed = wxTRANSLATE("Unable to read from this file");
constexpr const char* kMsgInvalidFile = wxTRANSLATE("This is not a valid configuration file");
constexpr const char* kMsgCannotOverwrite = wxTRANSLATE("Unable to overwrite this file");
constexpr const char* kMsgWriteFailed = wxTRANSLATE("Unable to write to this file");
constexpr const char* kMsgReservedName = wxTRANSLATE("This is a reserved file name");
constexpr const char* kMsgDropOneFile = wxTRANSLATE("Drop one configuration file at a time");
constexpr const char* kMsgDropFolder = wxTRANSLATE("Drop a configuration file, not a folder");
constexpr const char* kMsgCardNotInserted = wxTRANSLATE("The card is not inserted");
// Asked before a save of the whole configuration writes over a card's own settings.
constexpr const char* kMsgReplaceCardSettings =
    // TRANSLATORS: asked before Save To Card writes over a card's own settings; %s is the card's name.
    wxTRANSLATE("Card %s has settings of its own outside the schedule. Do you want to replace them?");
constexpr const char* kMsgScheduleAlone =
    wxTRANSLATE("Saving writes the whole configuration over the card's. Copy To Cards writes the schedule alone.");
constexpr const char* kMsgChangedOnDisk =
    wxTRANSLATE("This file was changed since it was loaded or saved. Do you want to overwrite it?");

// The main window's button and command menu entry that open the Copy To Cards dialog.
constexpr const char* kCopyToCardsCaption = wxTRANSLATE("C&opy To Cards...");

// The main window's title: what is open, then the application's name.
// TRANSLATORS: the main window's title: the file or card open, then the application's name,
// "WEEK.DAT – ORVANTIS and SELDORIX Configuration".
constexpr const char* kTitlePattern = wxTRANSLATE("%s – %s");

// Printing.
constexpr const char* kMsgPrintFailed = wxTRANSLATE("Unable to print");
constexpr const char* kMsgPreviewFailed = wxTRANSLATE("Unable to show the print preview");

// The second line of the overlap message: what a refused entry collides with,
// "It overlaps <start> to <stop> (<trigger>).", in the texts of the list.
std::string OverlapDetailText(const ScheduleEntry& other);
// The second line when copies overlap: "The copy for Tuesday overlaps another entry." or
// "The copies for Tuesday, Thursday and Sunday overlap other entries."; empty for no days.
std::string CopyOverlapText(std::span<const int> days);
// Days as a sentence lists them: "Tuesday", "Tuesday and Thursday", "Tuesday, Thursday and Sunday".
std::string DayListText(std::span<const int> days);
// The entries a day's copies overlap, one a line in the texts of the list, "08:00:00 on
// Tuesday to 17:00:00 on Tuesday (Continuous)": at most three, then "and 2 more".
std::string InTheWayText(std::span<const ScheduleEntry> entries);
// A week-strip bar's tooltip, in the texts of the list:
// "<start> - <stop>\n<trigger>, <PAL> / <NTSC> images per second (PAL / NTSC)".
std::string EntryHoverText(const ScheduleEntry& entry);

// The message for a load or save that failed ("Unable to write to this file", ...), in
// English: one of the constants above.
const char* StorageFailureMessage(StorageStep step);
// Why it failed, in the operator's words: "The medium is read-only", "The file is 2.0 MiB;
// files above 1 MiB are never overwritten", or the system's own text. onCard words a full
// medium as the card.
std::string StorageFailureReason(const StorageOutcome& outcome, bool onCard);
// The status line after Undo or Redo: "Undid deleting an entry", "Redid moving an entry"; translated.
wxString UndoneText(EditKind step, bool redo);
// "1 entry", "12 entries".
std::string EntriesText(std::size_t count);
// "6,656": a count with a comma (or the language's mark) between each three digits.
std::string GroupedDigits(std::uintmax_t number);
