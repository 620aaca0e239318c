#pragma once
// Helpers shared by the window tests: dialogs expected and answered, a main window over a
// private card folder, pressing buttons and keys as the operator would, the list's rows and
// the layout of a shown window.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <wx/button.h>
#include <wx/msgdlg.h>
#include <wx/statbox.h>
#include <wx/testing.h>
#include <wx/window.h>

#include "storage/card_probe.h"
#include "support/entries.h"
#include "support/images.h"
#include "support/temp_dir.h"
#include "ui/main_window/config_dlg.h"
#include "ui/main_window/file_chooser.h"
#include "ui/common/messages.h"
#include "ui/main_window/schedule_list.h"

namespace uitest {

// wxTEST_DIALOG reports through wx's assertion machinery by default, which would pop up a
// window; here a missing or unexpected dialog is a test failure, and an unexpected dialog
// is cancelled rather than shown (a shown one would wait forever for an operator).
class GTestModalHook : public wxTestingModalHook {
public:
    using wxTestingModalHook::wxTestingModalHook;

protected:
    int Enter(wxDialog* dlg) override {
        const int answer = wxTestingModalHook::Enter(dlg);
        return answer == wxID_NONE ? wxID_CANCEL : answer;
    }
    void ReportFailure(const wxString& msg) override { ADD_FAILURE() << msg.utf8_string(); }
};

// The buttons, the default answer and the icon of a message box, without placement flags.
constexpr long kMessageStyleMask = wxOK | wxCANCEL | wxYES_NO | wxNO_DEFAULT | wxICON_EXCLAMATION | wxICON_HAND |
                                   wxICON_QUESTION | wxICON_INFORMATION | wxICON_NONE;

// A message box with exactly this text, title, buttons and icon, answered with answer
// (wxID_OK, wxID_YES, wxID_NO).
class ExpectMessage : public wxExpectModalBase<wxMessageDialog, ExpectMessage> {
public:
    ExpectMessage(const wxString& message, const wxString& title, long style, int answer)
        : message_(message), title_(title), style_(style), answer_(answer) {
        m_description = "message box \"" + message + "\"";
    }
    // The same, checking the second line of text too (a copy: wxTEST_DIALOG keeps its
    // expectations alive only when given them as values).
    ExpectMessage WithDetail(const wxString& detail) const {
        ExpectMessage copy = *this;
        copy.detail_ = detail;
        return copy;
    }

protected:
    int OnInvoked(wxMessageDialog* dlg) const override {
        EXPECT_EQ(dlg->GetMessage().utf8_string(), message_.utf8_string());
        EXPECT_EQ(dlg->GetTitle().utf8_string(), title_.utf8_string()) << "title of " << message_;
        EXPECT_EQ(dlg->GetMessageDialogStyle() & kMessageStyleMask, style_) << "buttons/icon of " << message_;
        if (detail_) {
            EXPECT_EQ(dlg->GetExtendedMessage().utf8_string(), detail_->utf8_string());
        }
        return answer_;
    }

private:
    wxString message_, title_;
    long style_;
    int answer_;
    std::optional<wxString> detail_;
};

// "Error", OK, exclamation icon.
inline ExpectMessage ExpectError(const wxString& message) {
    return ExpectMessage(message, kTitleError, wxOK | wxICON_EXCLAMATION, wxID_OK);
}
// Yes/No with the question icon, answered yes (true) or no.
inline ExpectMessage ExpectQuestion(const wxString& message, const wxString& title, bool yes) {
    return ExpectMessage(message, title, wxYES_NO | wxICON_QUESTION, yes ? wxID_YES : wxID_NO);
}
// With No the default answer, so that Enter keeps the work.
inline ExpectMessage ExpectDiscardCurrent(bool yes) {
    return ExpectMessage(kMsgDiscardCurrent, kTitleConfirm, wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION,
                         yes ? wxID_YES : wxID_NO);
}

// A file dialog, checked to be a save or an open dialog with the configuration file filter,
// answered with path (or cancelled when path is empty).
class ExpectFileDialog : public wxExpectModalBase<wxFileDialog, ExpectFileDialog> {
public:
    ExpectFileDialog(const wxString& path, bool save) : path_(path), save_(save) {
        m_description = save ? "save file dialog" : "open file dialog";
    }

protected:
    int OnInvoked(wxFileDialog* dlg) const override {
        EXPECT_EQ(dlg->HasFlag(wxFD_SAVE), save_) << m_description;
#ifdef _WIN32
        // The Windows dialog matches patterns in any letter case itself.
        EXPECT_EQ(dlg->GetWildcard().utf8_string(), "Config Files|*.DAT|All Files|*.*");
#else
        EXPECT_EQ(dlg->GetWildcard().utf8_string(), "Config Files|*.DAT;*.[dD][aA][tT]|All Files|*");
#endif
        if (path_.empty()) return wxID_CANCEL;
        dlg->SetPath(path_);
        return wxID_OK;
    }

private:
    wxString path_;
    bool save_;
};
inline ExpectFileDialog ExpectOpenFile(const std::filesystem::path& path) {
    return ExpectFileDialog(wxString::FromUTF8(path.string()), false);
}
inline ExpectFileDialog ExpectSaveFile(const std::filesystem::path& path) {
    return ExpectFileDialog(wxString::FromUTF8(path.string()), true);
}

// Any dialog of class T, closed with answer; inspect (when given) looks at it first.
template <class T>
class ExpectWindow : public wxExpectModalBase<T, ExpectWindow<T>> {
public:
    using Inspect = std::function<void(T*)>;
    explicit ExpectWindow(int answer, Inspect inspect = {}) : answer_(answer), inspect_(std::move(inspect)) {}

protected:
    int OnInvoked(T* dlg) const override {
        if (inspect_) inspect_(dlg);
        return answer_;
    }

private:
    int answer_;
    Inspect inspect_;
};

// Presses the button with that id in window, through the button's own event handler, so the
// event reaches the window's event table as a real click does.
inline void Click(wxWindow* window, int id) {
    wxWindow* button = window->FindWindow(id);
    ASSERT_NE(button, nullptr) << "no control with id " << id;
    wxCommandEvent event(wxEVT_BUTTON, id);
    event.SetEventObject(button);
    button->ProcessWindowEvent(event);
}

// A key pressed while target has the focus, as the window first sees it (wxEVT_CHAR_HOOK,
// which travels from the focused control up to its window). True when a handler consumed
// it; a key left unconsumed goes on to the control itself (a list's Enter activates its row).
inline bool PressKey(wxWindow* target, int keyCode, bool alt = false) {
    wxKeyEvent event(wxEVT_CHAR_HOOK);
    event.m_keyCode = keyCode;
    event.SetAltDown(alt);
    event.SetEventObject(target);
    event.SetId(target->GetId());
    return target->ProcessWindowEvent(event);
}

// The table as a screen reader or the operator meets it: through its control and model.
inline wxDataViewVirtualListModel* ListModel(CScheduleList* list) {
    return dynamic_cast<wxDataViewVirtualListModel*>(list->GetModel());
}
inline long ListRowCount(CScheduleList* list) { return static_cast<long>(ListModel(list)->GetCount()); }
inline wxDataViewItem ListItem(CScheduleList* list, long row) {
    return row < 0 || row >= ListRowCount(list) ? wxDataViewItem() : ListModel(list)->GetItem(static_cast<unsigned>(row));
}
// The row the table shows selected, -1 for none.
inline long ListSelection(CScheduleList* list) {
    const wxDataViewItem item = list->GetSelection();
    return item.IsOk() ? static_cast<long>(ListModel(list)->GetRow(item)) : -1;
}
inline wxString CellText(CScheduleList* list, long row, unsigned column) {
    wxVariant value;
    ListModel(list)->GetValueByRow(value, static_cast<unsigned>(row), column);
    return value.GetString();
}

// The nine texts of one row, as the table shows them.
inline std::vector<std::string> RowTexts(CScheduleList* list, long row) {
    std::vector<std::string> texts;
    if (row < 0 || row >= ListRowCount(list)) {
        ADD_FAILURE() << "no row " << row;
        return texts;
    }
    for (unsigned col = 0; col < list->GetColumnCount(); ++col) texts.push_back(CellText(list, row, col).utf8_string());
    return texts;
}

// The slot each row shows, top to bottom; the table must have exactly as many rows.
inline std::vector<long> RowSlots(const CConfigDlg* dlg) {
    std::vector<long> slots;
    const ConfigDocument& document = dlg->Document();
    EXPECT_EQ(ListRowCount(dlg->List()), static_cast<long>(document.RowCount()));
    for (std::size_t row = 0; row < document.RowCount(); ++row) slots.push_back(static_cast<long>(document.SlotOfRow(row)));
    return slots;
}

// What the operator sees of a shown window: every shown control lies inside the client area
// and is at least its best size (nothing clipped), no two controls overlap, every group box
// holds its caption, no two group boxes overlap (one may hold the other) and no control straddles a group box's edge.
// Controls inside a group box, as its children or beside it, count like any other; every
// rectangle is taken in the window's client coordinates once GTK has placed everything.
inline void ExpectCleanLayout(wxWindow* window) {
    for (int round = 0; round < 10; ++round) {
        wxTheApp->ProcessPendingEvents();
        wxYield();
        wxMilliSleep(10);
    }
    const wxRect client(window->GetClientSize());
    std::vector<wxWindow*> controls;
    std::vector<wxStaticBox*> boxes;
    std::function<void(wxWindow*)> collect = [&](wxWindow* parent) {
        for (wxWindow* child : parent->GetChildren()) {
            if (!child->IsShown() || child->IsTopLevel()) continue;
            if (auto* box = dynamic_cast<wxStaticBox*>(child)) {
                boxes.push_back(box);
                collect(box);
            } else {
                controls.push_back(child);
            }
        }
    };
    collect(window);
    // GTK reports a group box's screen position inside its frame, so a control's place is
    // built up from its offsets to its parents, down from the window's own children.
    std::function<wxRect(wxWindow*)> rect = [&](wxWindow* w) {
        if (w->GetParent() == window) return w->GetRect();
        const wxPoint offset = w->GetScreenPosition() - w->GetParent()->GetScreenPosition();
        return wxRect(rect(w->GetParent()).GetPosition() + offset, w->GetSize());
    };
    auto name = [](wxWindow* w) {
        return (w->GetLabel().empty() ? w->GetName() : w->GetLabel()).utf8_string();
    };
    for (wxWindow* c : controls) {
        const wxRect r = rect(c);
        EXPECT_TRUE(client.Contains(r)) << name(c) << " leaves the window";
        // A control given a width of its own (an edit sized to the text it shows) needs that.
        wxSize best = c->GetBestSize();
        if (c->GetMinWidth() > 0) best.x = c->GetMinWidth();
        EXPECT_GE(r.width, best.x) << name(c) << " is clipped horizontally";
        EXPECT_GE(r.height, best.y) << name(c) << " is clipped vertically";
    }
    for (std::size_t i = 0; i < controls.size(); ++i)
        for (std::size_t j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(rect(controls[i]).Intersects(rect(controls[j])))
                << name(controls[i]) << " overlaps " << name(controls[j]);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        wxStaticBox* box = boxes[i];
        const wxRect b = rect(box);
        EXPECT_TRUE(client.Contains(b)) << name(box) << " leaves the window";
        EXPECT_LE(box->GetTextExtent(box->GetLabelText()).x, b.width) << name(box) << " caption clipped";
        for (wxWindow* c : controls) {
            const wxRect r = rect(c);
            EXPECT_TRUE(b.Contains(r) || !b.Intersects(r)) << name(c) << " straddles " << name(box);
            EXPECT_TRUE(c->GetParent() != box || b.Contains(r)) << name(c) << " leaves " << name(box);
        }
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
            const wxRect other = rect(boxes[j]);
            EXPECT_TRUE(!b.Intersects(other) || b.Contains(other) || other.Contains(b))
                << name(box) << " overlaps " << name(boxes[j]);
        }
    }
}

// The smallest screen a window must fit on whole, title bar included: 1024 x 600, with 40
// pixels allowed for the title bar the window manager adds.
inline void ExpectFitsSmallScreen(wxWindow* window) {
    const wxSize size = window->GetSize();
    EXPECT_LE(size.x, 1024) << "window width";
    EXPECT_LE(size.y + 40, 600) << "window height with its title bar";
}

// A main window whose card commands look only in a private folder ("cards"), with a second
// folder ("files") for configuration files. The window is shown, as the operator sees it.
class ConfigDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directory(CardsDir());
        std::filesystem::create_directory(FilesDir());
        dlg = new CConfigDlg(nullptr, CardLocator({CardsDir()}, false));
        dlg->Show();
    }
    void TearDown() override {
        // A dialog may be deleted directly; no main loop runs to do it later.
        delete dlg;
        dlg = nullptr;
    }

    std::filesystem::path CardsDir() const { return temp.Path() / "cards"; }
    std::filesystem::path FilesDir() const { return temp.Path() / "files"; }
    std::filesystem::path File(const std::string& name) const { return FilesDir() / name; }
    CScheduleList* List() const { return dlg->List(); }
    long SlotOfRow(long row) const { return static_cast<long>(dlg->Document().SlotOfRow(static_cast<std::size_t>(row))); }
    // The row of the document's selected entry, -1 for none.
    long DocumentRow() const {
        const OptionalRow row = dlg->Document().SelectedRow();
        return row ? static_cast<long>(*row) : -1;
    }
    void Click(int id) { uitest::Click(dlg, id); }
    // Puts entries into the window as a load would, without a file: list rebuilt, not modified.
    void Fill(const std::vector<ScheduleEntry>& entries) {
        dlg->Document().Load(ImageOf(entries));
        wxTheApp->ProcessPendingEvents();  // the table shows the selection once it has its rows
    }

    TempDir temp;
    CConfigDlg* dlg = nullptr;
};

}  // namespace uitest

// Every wxTEST_DIALOG in the window tests reports through gtest.
#undef wxTEST_DIALOG_HOOK_CLASS
#define wxTEST_DIALOG_HOOK_CLASS uitest::GTestModalHook
