// Every window in every shipped language: each text an operator reads is translated, and the
// longer words still show whole on a small screen.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include <wx/dataview.h>
#include <wx/intl.h>
#include <wx/stockitem.h>
#include <wx/tooltip.h>
#include <wx/translation.h>

#include "card_test_support.h"
#include "support/forms.h"
#include "ui/dialogs/about_dlg.h"
#include "ui/dialogs/copy_to_cards_dlg.h"
#include "ui/main_window/command_menu.h"
#include "ui/main_window/config_dlg.h"
#include "ui/dialogs/copy_to_days_dlg.h"
#include "ui/app/language.h"
#include "ui/common/messages.h"
#include "ui/common/mnemonic_keys.h"
#include "ui/dialogs/schedule_item_dlg.h"
#include "ui/dialogs/select_card_dlg.h"
#include "ui_test_support.h"

namespace {
using namespace uitest;
using card_test::MediaFolder;

// Words that read the same in every language: names of products and standards, units.
const std::set<wxString> kSameInEveryLanguage = {"ORVANTIS", "SELDORIX", "PAL", "NTSC", "IPS", "VMD", "NO", "NC",
                                                  "OK",       "kB",       "s",   "h",    "min", "dvr", "config"};

// Words a language writes as English does, by language.
const std::map<std::string, std::set<wxString>> kSameInLanguage = {
    {"de", {"Start", "Alarm", "Version"}},
    {"fr", {"Version"}},
    {"es", {"N", "A"}},  // "N/A", no aplica
};

// The words of language that English writes alike, for a test's parameter.
const std::set<wxString>& SameIn(const std::string& language) {
    static const std::set<wxString> none;
    const auto found = kSameInLanguage.find(language);
    return found == kSameInLanguage.end() ? none : found->second;
}

// Whether text holds a word an operator would expect in their own language (a word of alike
// excepted).
bool HasWords(const wxString& text, const std::set<wxString>& alike = {}) {
    wxString word;
    auto ends = [&] {
        const bool counts = word.length() > 0 && !kSameInEveryLanguage.count(word) && !alike.count(word);
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
    // with words is translated, unless its words are ones the language writes as English does;
    // it reads as the language writes (see ExpectWrittenAsTheLanguageWrites), and the
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
            EXPECT_FALSE(texts[i] == text && HasWords(wxControl::RemoveMnemonics(text), SameIn(GetParam())))
                << "\"" << text.utf8_string() << "\" is left in English";
        }
        for (const wxString& text : texts) ExpectWrittenAsTheLanguageWrites(text);
        for (const wxString& value : FieldValues(translated.get())) ExpectWrittenAsTheLanguageWrites(value);
        ExpectAccessKeysOfTheirOwn(translated.get());
        translated->Show();
        ExpectCleanLayout(translated.get());
        ExpectFitsSmallScreen(translated.get());
    }

    // A weekday inside a longer text in the form the language gives it inside a sentence (lower
    // case in French, Spanish and Italian), and numbers with the language's decimal mark.
    static void ExpectWrittenAsTheLanguageWrites(const wxString& text) {
        // A weekday standing alone (a day box, a choice) has its capital; within a text, not.
        const bool lowerInSentences = std::set<std::string>{"es", "fr", "it"}.count(GetParam()) > 0;
        for (const char* day : {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"}) {
            const wxString alone = wxGetTranslation(day);
            if (!lowerInSentences || text == alone) continue;
            EXPECT_TRUE(wxIsupper(alone[0])) << alone.utf8_string();
            EXPECT_FALSE(text.Contains(alone)) << "\"" << text.utf8_string() << "\" holds " << alone.utf8_string();
        }
        // Every shipped language writes "25,0": no number with one point (unlike a version, "1.1.0").
        static const std::regex decimal(R"((^|[^0-9.])[0-9]+\.[0-9]+($|[^0-9.]))");
        EXPECT_FALSE(std::regex_search(text.utf8_string(), decimal))
            << "\"" << text.utf8_string() << "\" has an English decimal point";
    }

    // No two controls of a window share an underlined letter: Alt and it reach one control.
    static void ExpectAccessKeysOfTheirOwn(wxWindow* window) {
        std::map<wxChar, wxString> taken;
        std::function<void(wxWindow*)> walk = [&](wxWindow* w) {
            // Stock buttons carry wx's own words, and keys, in each language.
            const bool stock = wxIsStockID(w->GetId()) && w->GetLabel() == wxGetStockLabel(w->GetId());
            if (dynamic_cast<wxControl*>(w) && !w->IsTopLevel() && !stock)
                if (const wxChar key = MnemonicOf(w->GetLabel())) {
                    const auto [at, fresh] = taken.emplace(key, w->GetLabel());
                    EXPECT_TRUE(fresh) << "\"" << w->GetLabel().utf8_string() << "\" and \""
                                       << at->second.utf8_string() << "\" share their access key";
                }
            for (wxWindow* child : w->GetChildren())
                if (!child->IsTopLevel()) walk(child);
        };
        walk(window);
    }

    // The values of the window's text fields, which show numbers.
    static std::vector<wxString> FieldValues(wxWindow* window) {
        std::vector<wxString> values;
        if (auto* field = dynamic_cast<wxTextCtrl*>(window)) values.push_back(field->GetValue());
        for (wxWindow* child : window->GetChildren())
            if (!child->IsTopLevel())
                for (const wxString& value : FieldValues(child)) values.push_back(value);
        return values;
    }
};

// The questions the editor asks end with the language's question mark: "?", with a no-break
// space before it in French.
TEST_P(TranslatedWindowsTest, QuestionsEndWithTheLanguagesQuestionMark) {
    UseLanguage(Language());
    const wxString mark = std::string(GetParam()) == "fr" ? wxString::FromUTF8("\u00a0?") : wxString("?");
    for (const char* question : {kMsgDeleteItem, kMsgDeleteAll, kMsgDiscardChanges, kMsgDiscardCurrent}) {
        const wxString asked = wxGetTranslation(question);
        EXPECT_TRUE(asked.EndsWith(mark) && !asked.EndsWith(" " + mark)) << asked.utf8_string();
    }
    const wxString replace = wxGetTranslation("%s already exists.\nDo you want to replace it?");
    EXPECT_TRUE(replace.EndsWith(mark)) << replace.utf8_string();
}

TEST_P(TranslatedWindowsTest, EveryWindowSpeaksTheLanguageAndShowsWhole) {
    ASSERT_NE(Language(), wxLANGUAGE_UNKNOWN);
    MediaFolder media;
    media.Card("RECORDER_CARD");
    MediaFolder numbered;
    numbered.Card("0123-4567");
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
        SCOPED_TRACE("copy to cards");
        ExpectTranslated([&]() -> wxWindow* {
            // A card named by digits alone: a name is never translated.
            auto* dlg = new CCopyToCardsDlg(nullptr, numbered.Locator(), ImageOf({DefaultEntry(0, kHour)}));
            dlg->InitDialog();
            return dlg;
        });
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

// The command menu, with every entry enabled: each entry's underlined letter is its own, in the
// menu and in its Move Entry submenu, so that a letter typed in the open menu picks one entry.
TEST_P(TranslatedWindowsTest, CommandMenuEntriesHaveAccessKeysOfTheirOwn) {
    UseLanguage(Language());
    ConfigDocument document;
    std::unique_ptr<wxMenu> menu = MakeCommandMenu(document, 1);
    std::function<void(wxMenu*)> check = [&](wxMenu* level) {
        std::map<wxChar, wxString> taken;
        for (wxMenuItem* item : level->GetMenuItems()) {
            if (item->IsSeparator()) continue;
            if (const wxChar key = wxTolower(MnemonicOf(item->GetItemLabel()))) {
                const auto [at, fresh] = taken.emplace(key, item->GetItemLabelText());
                EXPECT_TRUE(fresh) << "\"" << item->GetItemLabelText().utf8_string() << "\" and \""
                                   << at->second.utf8_string() << "\" share their access key";
            }
            if (item->IsSubMenu()) check(item->GetSubMenu());
        }
    };
    check(menu.get());
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedWindowsTest, ::testing::Values("de", "es", "fr", "it"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
