// The dialogs open and close without GTK or GLib complaining on the terminal: a control given
// less room than it needs makes GTK print a warning each time the dialog is laid out.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tests/ui/card_test_support.h"
#include "ui/about_dlg.h"
#include "ui/copy_to_days_dlg.h"
#include "ui/schedule_item_dlg.h"

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

namespace {

#ifdef __WXGTK__
// Notes the warnings and criticals logged while it is alive. GTK logs through GLib's
// structured log, whose writer can be set only once in a process: the one set here hands
// every message on to GLib's own writer, so outside a catcher's life the log is as before.
class LogCatcher {
public:
    LogCatcher() {
        static const bool installed = (g_log_set_writer_func(&LogCatcher::Write, nullptr, nullptr), true);
        (void)installed;
        active_ = this;
    }
    ~LogCatcher() { active_ = nullptr; }
    LogCatcher(const LogCatcher&) = delete;
    LogCatcher& operator=(const LogCatcher&) = delete;

    std::vector<std::string> messages;

private:
    static GLogWriterOutput Write(GLogLevelFlags level, const GLogField* fields, gsize count, gpointer data) {
        if (active_ && (level & (G_LOG_LEVEL_WARNING | G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_ERROR))) {
            std::string domain, message;
            for (gsize i = 0; i < count; ++i) {
                const std::string key = fields[i].key;
                if (fields[i].length >= 0) continue;  // not text
                if (key == "GLIB_DOMAIN") domain = static_cast<const char*>(fields[i].value);
                if (key == "MESSAGE") message = static_cast<const char*>(fields[i].value);
            }
            active_->messages.push_back(domain + ": " + message);
        }
        return g_log_writer_default(level, fields, count, data);
    }

    static inline LogCatcher* active_ = nullptr;
};

// Lets the X server and GTK finish what is pending: mapping, sizing, drawing, idle work.
void Settle() {
    for (int round = 0; round < 5; ++round) {
        gdk_display_sync(gdk_display_get_default());
        wxTheApp->ProcessPendingEvents();
        wxYield();
    }
}
#endif

TEST(QuietWindows, EveryDialogOpensAndClosesWithoutAWarning) {
#ifndef __WXGTK__
    GTEST_SKIP() << "the warnings are GTK's";
#else
    card_test::MediaFolder media;
    media.Card("E");
    const std::pair<const char*, std::function<wxDialog*()>> dialogs[] = {
        {"Schedule Item", [] { return new CScheduleItemDlg(nullptr); }},
        {"Copy To Days", [] { return new CCopyToDaysDlg(nullptr, 3); }},
        {"Select Card", [&] { return new CSelectCardDlg(nullptr, media.Locator()); }},
        {"About", [] { return new CAboutDlg(nullptr); }},
    };
    Settle();  // what earlier tests left behind is not these dialogs' doing
    for (const auto& [name, make] : dialogs) {
        SCOPED_TRACE(name);
        LogCatcher log;
        wxDialog* dialog = make();
        // Realized before it is shown, the window stays at the size it was fitted to before
        // GTK settled its controls' sizes: the case that squeezed a slider and a check box.
        gtk_widget_realize(dialog->GetHandle());
        dialog->Show();
        Settle();
        dialog->Close();
        dialog->Destroy();
        Settle();
        for (const std::string& message : log.messages) ADD_FAILURE() << message;
    }
#endif
}

}  // namespace
