// What a Windows screen reader reads of the main window, through the interface screen readers
// use there (MSAA): the status line's texts and the table's rows. GTK's side is read through
// ATK in schedule_list_test.cpp.
#include "ui/common/ids.h"
#include "ui/main_window/status_line.h"
#include "ui_test_support.h"

#ifdef __WXMSW__
#include <wx/msw/wrapwin.h>

#include <oleacc.h>
#endif

namespace {
using namespace uitest;

#ifdef __WXMSW__
// The accessible object of a window's client area, as a screen reader asks for it.
IAccessible* AccessibleOf(const wxWindow* window) {
    IAccessible* accessible = nullptr;
    const HRESULT result = ::AccessibleObjectFromWindow(static_cast<HWND>(window->GetHandle()), OBJID_CLIENT,
                                                        IID_IAccessible, reinterpret_cast<void**>(&accessible));
    return SUCCEEDED(result) ? accessible : nullptr;
}

// The name of the object itself (child 0) or of one of its children.
std::string NameOf(IAccessible* accessible, long child) {
    VARIANT id;
    ::VariantInit(&id);
    id.vt = VT_I4;
    id.lVal = child;
    BSTR name = nullptr;
    std::string text;
    if (SUCCEEDED(accessible->get_accName(id, &name)) && name) {
        text = wxString(name).utf8_string();
        ::SysFreeString(name);
    }
    return text;
}
#endif

TEST_F(ConfigDlgTest, AScreenReaderReadsTheStatusLineAndTheRowsOnWindows) {
#ifndef __WXMSW__
    GTEST_SKIP() << "MSAA is Windows' interface";
#else
    WriteImageFile(File("WEEK.DAT"), {DefaultEntry(0, 60), DefaultEntry(4 * kDay + 8 * kHour, 4 * kDay + 17 * kHour)});
    wxTEST_DIALOG(Click(IDC_LOAD_FROM_FILE), ExpectOpenFile(File("WEEK.DAT")));
    wxTheApp->ProcessPendingEvents();

    std::vector<std::string> status;
    for (const wxWindow* label : dlg->StatusLine()->GetChildren()) {
        if (!label->IsShown()) continue;
        IAccessible* accessible = AccessibleOf(label);
        ASSERT_NE(accessible, nullptr);
        status.push_back(NameOf(accessible, CHILDID_SELF));
        accessible->Release();
    }
    EXPECT_EQ(status, (std::vector<std::string>{dlg->StatusLine()->LastAction().utf8_string(), "2 of 256 entries"}));

    IAccessible* table = AccessibleOf(List());
    ASSERT_NE(table, nullptr);
    long children = 0;
    EXPECT_TRUE(SUCCEEDED(table->get_accChildCount(&children)));
    EXPECT_EQ(children, 2);
    EXPECT_EQ(NameOf(table, 1), "00:00:00 on Monday");
    EXPECT_EQ(NameOf(table, 2), "08:00:00 on Friday");
    table->Release();
#endif
}

}  // namespace
