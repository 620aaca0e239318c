// The Copy To Days dialog as it opens, and what its Weekdays and Weekend buttons tick.
#include "ui/dialogs/copy_to_days_dlg.h"

#include <tuple>

#include <wx/button.h>

#include "tests/ui/ui_test_support.h"

namespace {

TEST(CopyToDaysDlg, OpensWithTheSourceDayFixedAndTheButtonsOnlyTick) {
    struct Case {
        int sourceDay;
        int tickedFirst;             // a day the operator ticks before the buttons, 0 for none
        std::vector<int> afterWeekend, afterBoth;
    };
    const Case cases[] = {
        {1, 0, {6, 7}, {2, 3, 4, 5, 6, 7}},
        {3, 2, {2, 6, 7}, {1, 2, 4, 5, 6, 7}},
        {7, 0, {6}, {1, 2, 3, 4, 5, 6}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sourceDay);
        CCopyToDaysDlg dialog(nullptr, c.sourceDay);
        EXPECT_EQ(dialog.GetTitle(), "Copy To Days");
        EXPECT_EQ(dialog.GetDefaultItem(), dialog.FindWindow(wxID_OK));
        for (int day = 1; day <= 7; ++day) {
            EXPECT_EQ(dialog.DayBox(day)->GetLabel(), WeekdayName(day));
            EXPECT_EQ(dialog.DayBox(day)->IsChecked(), day == c.sourceDay) << day;
            EXPECT_EQ(dialog.DayBox(day)->IsEnabled(), day != c.sourceDay) << day;
        }
        EXPECT_TRUE(dialog.ChosenDays().empty());
        dialog.Show();
        uitest::ExpectCleanLayout(&dialog);
        uitest::ExpectFitsSmallScreen(&dialog);
        dialog.Hide();

        if (c.tickedFirst) dialog.DayBox(c.tickedFirst)->SetValue(true);
        uitest::Click(&dialog, CCopyToDaysDlg::ID_WEEKEND);
        EXPECT_EQ(dialog.ChosenDays(), c.afterWeekend);
        uitest::Click(&dialog, CCopyToDaysDlg::ID_WEEKDAYS);
        EXPECT_EQ(dialog.ChosenDays(), c.afterBoth);
        EXPECT_TRUE(dialog.DayBox(c.sourceDay)->IsChecked());
        EXPECT_FALSE(dialog.DayBox(c.sourceDay)->IsEnabled());
    }
}

// Opened again with the operator's days, those stand ticked; days outside the week are left out.
TEST(CopyToDaysDlg, OpensWithTheDaysItIsGiven) {
    const std::tuple<int, std::vector<int>, std::vector<int>> cases[] = {  // source day, given, chosen
        {1, {2, 4, 5}, {2, 4, 5}}, {3, {7, 1, 3}, {1, 7}}, {5, {0, 8, 6}, {6}}};
    for (const auto& [source, given, chosen] : cases) {
        CCopyToDaysDlg dialog(nullptr, source, given);
        EXPECT_EQ(dialog.ChosenDays(), chosen) << source;
        EXPECT_FALSE(dialog.DayBox(source)->IsEnabled());
    }
}

}  // namespace
