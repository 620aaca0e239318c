// Every window opens and closes without GTK or GLib complaining on the terminal: a control
// given less room than it needs makes GTK print a warning each time the window is laid out.
#include <functional>
#include <string>
#include <vector>

#include "tests/ui/card_test_support.h"
#include "support/entries.h"
#include "ui/dialogs/about_dlg.h"
#include "ui/main_window/config_dlg.h"
#include "ui/dialogs/copy_to_days_dlg.h"
#include "ui/dialogs/schedule_item_dlg.h"

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

namespace {
#ifdef __WXGTK__
// The warnings and criticals logged while it points somewhere. GTK logs through GLib's
// structured log, whose writer a process sets only once: this one hands every message on to
// GLib's own writer, so while nothing is caught the log is as it always was.
std::vector<std::string>* caught = nullptr;

GLogWriterOutput CatchingWriter(GLogLevelFlags level, const GLogField* fields, gsize count, gpointer data) {
    if (caught && (level & (G_LOG_LEVEL_WARNING | G_LOG_LEVEL_CRITICAL)))
        for (gsize i = 0; i < count; ++i)
            if (std::string(fields[i].key) == "MESSAGE" && fields[i].length < 0)
                caught->push_back(static_cast<const char*>(fields[i].value));
    return g_log_writer_default(level, fields, count, data);
}

// Lets the X server and GTK finish what is pending: mapping, sizing, drawing, idle work.
void Settle() {
    for (int round = 0; round < 5; ++round) {
        gdk_display_sync(gdk_display_get_default());
        wxTheApp->ProcessPendingEvents();
        wxYield();
    }
}
#endif

TEST(QuietWindows, EveryWindowOpensAndClosesWithoutAWarning) {
#ifndef __WXGTK__
    GTEST_SKIP() << "the warnings are GTK's";
#else
    static const bool installed = (g_log_set_writer_func(CatchingWriter, nullptr, nullptr), true);
    (void)installed;
    card_test::MediaFolder media;
    media.Card("E");
    const std::function<wxDialog*()> dialogs[] = {
        [&] {
            auto* main = new CConfigDlg(nullptr, media.Locator());
            ConfigImage week;
            for (const ScheduleEntry& entry : EntriesEvery(40, 0, 4 * kHour, kHour)) AppendEntry(week, entry);
            main->Document().Load(week);
            return main;
        },
        [] { return new CScheduleItemDlg(nullptr); }, [] { return new CCopyToDaysDlg(nullptr, 3); },
        [&] { return new CSelectCardDlg(nullptr, media.Locator()); }, [] { return new CAboutDlg(nullptr); }};
    Settle();  // what earlier tests left behind is not these dialogs' doing
    for (const auto& make : dialogs) {
        std::vector<std::string> messages;
        caught = &messages;
        wxDialog* dialog = make();
        const std::string title = dialog->GetTitle().utf8_string();
        // Realized before it is shown, the window keeps the size it was fitted to before GTK
        // settled its controls' sizes: the case that squeezed a slider and a check box.
        gtk_widget_realize(dialog->GetHandle());
        dialog->Show();
        Settle();
        dialog->Destroy();
        Settle();
        caught = nullptr;
        EXPECT_EQ(messages, std::vector<std::string>{}) << title;
    }
#endif
}
}  // namespace
