#pragma once
// Schedule item forms at the times a test names.
#include "model/entry_form.h"

// form with its start and stop at whole hours of days 1 to 7; a new entry's form unless one is given.
inline EntryForm WholeHoursForm(int startDay, int startHour, int stopDay, int stopHour,
                                EntryForm form = NewEntryForm()) {
    form.startDay = startDay;
    form.startTime = {startHour, 0, 0};
    form.stopDay = stopDay;
    form.stopTime = {stopHour, 0, 0};
    return form;
}
