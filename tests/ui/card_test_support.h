#pragma once
// Helpers of the card tests: a folder whose subfolders stand for mounted media, cards made
// in it, the operator's actions in the select card dialog, and an answer for that dialog
// under wxTEST_DIALOG.
#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include <wx/app.h>
#include <wx/utils.h>

#include "tests/ui/ui_test_support.h"
#include "ui/common/ids.h"
#include "ui/dialogs/select_card_dlg.h"

namespace card_test {
namespace fs = std::filesystem;

// A saved configuration holding entryCount entries, then extra bytes behind it.
inline Bytes ValidConfig(std::size_t entryCount = 0, const std::string& behind = "") {
    Bytes bytes = ToBytes(ImageOf(EntriesEvery(entryCount, kHour, 2 * kHour, kHour)).bytes);
    for (char c : behind) bytes.push_back(static_cast<std::uint8_t>(c));
    return bytes;
}

// root, made a card: created when missing, with the marker file and config as its configuration.
inline fs::path MakeCard(const fs::path& root, const Bytes& config = ValidConfig()) {
    fs::create_directories(root);
    WriteBytes(root / kCardMarkerFile, {});
    WriteBytes(root / kCardConfigFile, config);
    return root;
}

// A private folder; each subfolder stands for a mounted medium named like the folder.
class MediaFolder {
public:
    const fs::path& Path() const { return temp_.Path(); }
    CardLocator Locator() const { return CardLocator({Path()}, /*mountedOnly=*/false); }

    // label is UTF-8 on Windows, where names are UTF-16; on Linux it is the name's bytes.
    fs::path Medium(const std::string& label) const {
#ifdef _WIN32
        const fs::path root = Path() / fs::path(std::u8string(label.begin(), label.end()));
#else
        const fs::path root = Path() / fs::path(label);
#endif
        fs::create_directories(root);
        return root;
    }
    fs::path Card(const std::string& label, const Bytes& config = ValidConfig()) const {
        return MakeCard(Medium(label), config);
    }

private:
    TempDir temp_;
};

// What the operator does in the list: select a row (or none) and the dialog hears of it as
// it hears of a click.
inline void SelectLabel(CSelectCardDlg& dialog, const wxString& label) {
    wxListBox* list = dialog.List();
    const int row = label.empty() ? wxNOT_FOUND : list->FindString(label, true);
    list->SetSelection(row);
    wxCommandEvent changed(wxEVT_LISTBOX, IDC_CARD_LIST);
    changed.SetEventObject(list);
    changed.SetInt(row);
    list->ProcessWindowEvent(changed);
}

inline wxArrayString Rows(const CSelectCardDlg& dialog) { return dialog.List()->GetStrings(); }

inline wxArrayString Labels(std::initializer_list<const char*> labels) {
    wxArrayString out;
    for (const char* label : labels) out.Add(wxString::FromUTF8(label));
    return out;
}

// Runs the event loop in short steps until done() holds or the time is up.
inline bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        wxTheApp->ProcessPendingEvents();
        wxYield();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

// Answers the select card dialog as the operator would: it opens, a label is selected (or
// none), whatever must happen between the choice and the button happens, then OK or Cancel.
class AnswerSelectCard : public wxExpectModalBase<CSelectCardDlg, AnswerSelectCard> {
public:
    AnswerSelectCard(wxString label, int button, std::function<void()> beforeButton = {})
        : label_(std::move(label)), button_(button), beforeButton_(std::move(beforeButton)) {
        m_description = "select card dialog";
    }

protected:
    int OnInvoked(CSelectCardDlg* dialog) const override {
        dialog->InitDialog();
        EXPECT_EQ(dialog->List()->GetSelection(), wxNOT_FOUND) << "opens with nothing selected";
        if (!label_.empty()) {
            EXPECT_NE(dialog->List()->FindString(label_, true), wxNOT_FOUND) << label_.utf8_string();
            SelectLabel(*dialog, label_);
        }
        if (beforeButton_) beforeButton_();
        if (button_ == wxID_CANCEL) return wxID_CANCEL;
        uitest::Click(dialog, wxID_OK);
        return dialog->GetReturnCode();
    }

private:
    wxString label_;
    int button_;
    std::function<void()> beforeButton_;
};
}  // namespace card_test
