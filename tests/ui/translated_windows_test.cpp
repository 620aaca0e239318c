// Every window in every shipped language: each text an operator reads is translated, and the
// longer words still show whole on a small screen.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <wx/dataview.h>
#include <wx/intl.h>
#include <wx/tooltip.h>
#include <wx/translation.h>

#include "card_test_support.h"
#include "support/forms.h"
#include "ui/about_dlg.h"
#include "ui/config_dlg.h"
#include "ui/copy_to_days_dlg.h"
#include "ui/language.h"
#include "ui/schedule_item_dlg.h"
#include "ui/select_card_dlg.h"
#include "ui_test_support.h"

namespace {
using namespace uitest;
using card_test::MediaFolder;

// Words that read the same in every language: names of products and standards, units.
const std::set<wxString> kSameInEveryLanguage = {"ORVANTIS", "SELDORIX", "PAL", "NTSC", "IPS", "VMD", "NO", "NC",
                                                  "OK",       "kB",       "s",   "h",    "min", "dvr", "config"};

// Whether text holds a word an operator would expect in their own language.
bool HasWords(const wxString& text) {
    wxString word;
    auto ends = [&] {
        const bool counts = word.length() > 0 && !kSameInEveryLanguage.count(word);
        word.clear();
        return counts;
    };
    for (wxUniChar c : text) {
        if (wxIsalpha(c)) {
            word += c;
        } else if (ends()) {
            return true;
        }
    }
    return ends();
}

// The texts a window shows, in a fixed order: its title, every control's caption, the items
// of lists and choices, the column titles, tooltips, and the schedule list's first row.
std::vector<wxString> ShownTexts(wxWindow* window) {
    std::vector<wxString> texts;
    std::function<void(wxWindow*)> collect = [&](wxWindow* w) {
        if (auto* top = dynamic_cast<wxTopLevelWindow*>(w)) {
            texts.push_back(top->GetTitle());
        } else if (dynamic_cast<wxControl*>(w) && !dynamic_cast<wxTextCtrl*>(w)) {
            // Only controls have captions; other windows' labels are their inner names on Windows.
            texts.push_back(w->GetLabel());
        }
        if (wxToolTip* tip = w->GetToolTip()) texts.push_back(tip->GetTip());
        if (auto* items = dynamic_cast<wxItemContainerImmutable*>(w))
            for (unsigned i = 0; i < items->GetCount(); ++i) texts.push_back(items->GetString(i));
        if (auto* view = dynamic_cast<wxDataViewCtrl*>(w))
            for (unsigned i = 0; i < view->GetColumnCount(); ++i) texts.push_back(view->GetColumn(i)->GetTitle());
        if (auto* list = dynamic_cast<CScheduleList*>(w); list && ListRowCount(list) > 0)
            for (const std::string& cell : RowTexts(list, 0)) texts.push_back(wxString::FromUTF8(cell));
        for (wxWindow* child : w->GetChildren())
            if (!child->IsTopLevel()) collect(child);
    };
    collect(window);
    return texts;
}

class TranslatedWindowsTest : public ::testing::TestWithParam<const char*> {
protected:
    void TearDown() override { UseLanguage(wxLANGUAGE_ENGLISH_US); }

    static wxLanguage Language() {
        const wxLanguageInfo* info = wxLocale::FindLanguageInfo(GetParam());
        return info ? static_cast<wxLanguage>(info->Language) : wxLANGUAGE_UNKNOWN;
    }

    // Opens the window make builds, in English and then in the language under test: every text
    // with words is translated, unless its catalog gives the English text itself, and the
    // translated window shows every control whole on a 1024x600 screen.
    void ExpectTranslated(const std::function<wxWindow*()>& make) {
        UseLanguage(wxLANGUAGE_ENGLISH_US);
        std::unique_ptr<wxWindow> english(make());
        const std::vector<wxString> englishTexts = ShownTexts(english.get());
        english.reset();

        UseLanguage(Language());
        std::unique_ptr<wxWindow> translated(make());
        const std::vector<wxString> texts = ShownTexts(translated.get());
        ASSERT_EQ(texts.size(), englishTexts.size());
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const wxString& text = englishTexts[i];
            if (texts[i] != text || !HasWords(wxControl::RemoveMnemonics(text))) continue;
            const wxString* same = wxTranslations::Get()->GetTranslatedString(text);
            EXPECT_TRUE(same && *same == text) << "\"" << text.utf8_string() << "\" is left in English";
        }
        translated->Show();
        ExpectCleanLayout(translated.get());
        ExpectFitsSmallScreen(translated.get());
    }
};

TEST_P(TranslatedWindowsTest, EveryWindowSpeaksTheLanguageAndShowsWhole) {
    ASSERT_NE(Language(), wxLANGUAGE_UNKNOWN);
    MediaFolder media;
    media.Card("RECORDER_CARD");
    {
        SCOPED_TRACE("main window");
        ExpectTranslated([&]() -> wxWindow* {
            auto* dlg = new CConfigDlg(nullptr, media.Locator());
            dlg->Document().Load(ImageOf({DefaultEntry(8 * kHour, 17 * kHour)}));
            wxTheApp->ProcessPendingEvents();
            dlg->SetSize(dlg->GetMinSize());
            return dlg;
        });
        UseLanguage(Language());
        CConfigDlg dlg(nullptr, media.Locator());
        dlg.Show();
        wxYield();
        // The list's columns are wide enough for their titles.
        for (unsigned i = 0; i < dlg.List()->GetColumnCount(); ++i) {
            wxDataViewColumn* column = dlg.List()->GetColumn(i);
            EXPECT_GT(column->GetWidth(), dlg.List()->GetTextExtent(column->GetTitle()).x)
                << column->GetTitle().utf8_string();
        }
    }
    {
        SCOPED_TRACE("schedule item");
        ExpectTranslated([]() -> wxWindow* {
            auto* dlg = new CScheduleItemDlg(nullptr);
            dlg->form = WholeHoursForm(1, 8, 5, 17);
            dlg->InitDialog();
            return dlg;
        });
    }
    {
        SCOPED_TRACE("select card");
        ExpectTranslated([&]() -> wxWindow* { return new CSelectCardDlg(nullptr, media.Locator()); });
    }
    {
        SCOPED_TRACE("copy to days");
        ExpectTranslated([]() -> wxWindow* { return new CCopyToDaysDlg(nullptr, 1); });
    }
    {
        SCOPED_TRACE("about");
        ExpectTranslated([]() -> wxWindow* { return new CAboutDlg(nullptr); });
    }
}

// LANGUAGE, gettext's list by preference: its first language with a catalog (or English)
// wins, unless the messages locale is C.
TEST(LanguageOfList, TakesTheFirstLanguageWithACatalog) {
    const wxArrayString available = wxSplit("de:es:fr:it", ':', '\0');
    struct Case {
        const char* list;
        const char* locale;
        wxLanguage expected;
    };
    const Case cases[] = {
        {"fr:de", "de_DE.UTF-8", wxLANGUAGE_FRENCH},
        {"pt_BR:it", "de_DE.UTF-8", wxLANGUAGE_ITALIAN},
        {"en_GB:de", "de_DE.UTF-8", wxLANGUAGE_ENGLISH_UK},
        {"pt:nl", "de_DE.UTF-8", wxLANGUAGE_DEFAULT},
        {"fr", "C", wxLANGUAGE_DEFAULT},
        {"fr", "", wxLANGUAGE_DEFAULT},
        {"", "de_DE.UTF-8", wxLANGUAGE_DEFAULT},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LanguageOfList(c.list, c.locale, available), c.expected) << c.list << " in " << c.locale;
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedWindowsTest, ::testing::Values("de", "es", "fr", "it"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
