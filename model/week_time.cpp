#include "model/week_time.h"

#include <array>
#include <cstdint>

#include "model/translation.h"

namespace {
constexpr std::array<const char*, 7> kWeekdayNames = {
    N_("Monday"), N_("Tuesday"), N_("Wednesday"), N_("Thursday"), N_("Friday"), N_("Saturday"), N_("Sunday")};
// The context the catalogs translate a weekday under where it stands inside a sentence.
constexpr const char* kInSentence = "weekday in a sentence";
constexpr std::array<const char*, 7> kWeekdaysInSentence = {
    // TRANSLATORS: a weekday inside a sentence, "07:30:00 on Monday", "The copy for Monday overlaps
    // another entry.": in the case the language writes it there.
    NC_("weekday in a sentence", "Monday"),   NC_("weekday in a sentence", "Tuesday"),
    NC_("weekday in a sentence", "Wednesday"), NC_("weekday in a sentence", "Thursday"),
    NC_("weekday in a sentence", "Friday"),   NC_("weekday in a sentence", "Saturday"),
    NC_("weekday in a sentence", "Sunday")};
}  // namespace

WeekTime ComposeWeekTime(int day, int hour, int minute, int second) {
    // A day outside the week can only come from a foreign file; keep it inside so that the
    // result never goes below Monday 00:00:00 or wraps round to a huge value.
    if (day < 1) day = 1;
    if (day > 7) day = 7;
    const std::int64_t seconds = std::int64_t(second) + std::int64_t(minute) * 60 +
                                 std::int64_t(hour) * 3600 + std::int64_t(day - 1) * kSecondsPerDay;
    return static_cast<WeekTime>(seconds);
}

WeekTime ComposeWeekTime(int day, const TimeOfDay& time) {
    return ComposeWeekTime(day, time.hour, time.minute, time.second);
}

DayTime SplitWeekTime(WeekTime t) {
    const WeekTime rest = t % kSecondsPerDay;
    DayTime split;
    split.day = static_cast<int>(1 + t / kSecondsPerDay);
    split.hour = static_cast<int>(rest / 3600);
    split.minute = static_cast<int>(rest % 3600 / 60);
    split.second = static_cast<int>(rest % 60);
    return split;
}

const char* WeekdayName(int day) {
    if (day < 1 || day > 7) return nullptr;
    return Tr(kWeekdayNames[static_cast<std::size_t>(day - 1)]);
}

const char* WeekdayInSentence(int day) {
    if (day < 1 || day > 7) return nullptr;
    return TrInContext(kInSentence, kWeekdaysInSentence[static_cast<std::size_t>(day - 1)]);
}
