#pragma once
// The editable values of one schedule entry, as the schedule item dialog works on them.
#include "model/schedule_entry.h"
#include "model/week_time.h"

constexpr int kMinSizeKB = 10;
constexpr int kMaxSizeKB = 32;
constexpr int kMinDuration = 5;
constexpr int kMaxDuration = 3600;

struct EntryForm {
    TimeOfDay startTime;
    TimeOfDay stopTime;
    int startDay = 1;
    int stopDay = 1;
    int rateCode = 0;
    int sizeKB = 32;
    bool frame = false;
    int trigger = 0;
    int duration = 10;
    bool videoOut = true;
    int ratePosition = 0;  // slider position when the dialog opened
    // Kept from a stored entry until the operator changes them; only a foreign file holds such values.
    int sizeBytesPastKB = 0;        // image size bytes past sizeKB whole kilobytes (15500 keeps 500)
    bool durationAsStored = false;  // a duration outside 5..3600, composed without clamping
    friend bool operator==(const EntryForm&, const EntryForm&) = default;
};

// The defaults of a new entry: Monday 00:00:00 to Monday 00:00:00 (a whole-week entry),
// rate code 0, 32 kB, field mode, continuous, 10 s, video out on.
EntryForm NewEntryForm();

WeekTime FormStart(const EntryForm& form);
WeekTime FormStop(const EntryForm& form);

// Compose the stored record; the duration is clamped to 5..3600 unless durationAsStored.
ScheduleEntry EntryFromForm(const EntryForm& form);
// The form of a stored entry; ratePosition is the slider position of its rate code. A stored
// word beyond the int range reads as its two's-complement value (4294967295 as -1). Composed
// again, the form gives back the entry's rate code, image size and duration as they were.
EntryForm FormFromEntry(const ScheduleEntry& entry);

// The duration brought into 5..3600.
int DurationInRange(int duration);

// The trigger list of the item dialog holds codes 0 to 8, list index = code. A form's trigger
// opens at its own index, any other (9 "VMD", 10 to 15) at "Continuous".
int TriggerListIndex(int trigger);
// The trigger the dialog stands for: the operator's pick once the list was used; until then
// the form's own, so that a trigger the list does not offer (a VMD entry the recorder set)
// survives an edit of its times.
int DialogTrigger(int formTrigger, int listIndex, bool listUsed);

// The item dialog's sliders, trigger list and duration as OK finds them, each with whether
// the operator has changed it since the dialog opened.
struct DialogPicks {
    int ratePosition = 0;
    bool rateMoved = false;
    int sizeKB = kMaxSizeKB;
    bool sizeMoved = false;
    int triggerIndex = 0;  // "Continuous"
    bool triggerUsed = false;
    int duration = 0;  // the number the duration text reads as (ParseDurationText)
};

// The duration the item dialog stands for: the form's own while the operator has changed
// neither its number nor the trigger, so that a foreign one outside 5..3600 survives an edit
// of other values; otherwise the number brought into 5..3600.
int DialogDuration(int formDuration, int typed, bool triggerUsed);
// form with the picks taken in: a value the operator left alone stays as form holds it (a
// rate code or image size between slider steps, a trigger the list does not offer, a foreign
// duration), one the operator changed is the slider step, list entry or duration picked.
EntryForm WithDialogPicks(EntryForm form, const DialogPicks& picks);

// How the item dialog reads its duration text: optional leading white space, an optional
// sign, then digits up to the first non-digit; 0 without digits; saturates at the int range.
int ParseDurationText(const char* text);
