// Starts wx around the window tests: one application object for the whole run, no main loop;
// modal dialogs run their own loops and message boxes are answered by wxTEST_DIALOG.
#include <gtest/gtest.h>

#include <cstdio>

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/evtloop.h>
#include <wx/init.h>
#include <wx/modalhook.h>

namespace {
class TestApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

// A wx assertion is a test failure, never a window waiting for someone to press a button.
void FailOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                  const wxString& msg) {
    ADD_FAILURE_AT(file.utf8_string().c_str(), line)
        << "wx assertion in " << func.utf8_string() << ": " << cond.utf8_string() << " " << msg.utf8_string();
}

// Last in the chain of modal hooks: a dialog that no test expected fails the test and is
// cancelled instead of being shown, so the run can never hang on it.
class RefuseUnexpectedDialogs : public wxModalDialogHook {
protected:
    int Enter(wxDialog* dlg) override {
        ADD_FAILURE() << "unexpected modal dialog \"" << dlg->GetTitle().utf8_string() << "\"";
        return wxID_CANCEL;
    }
    void Exit(wxDialog*) override {}
};
}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new TestApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        std::fprintf(stderr, "cannot start wx (is there an X display?)\n");
        return 2;
    }
    wxSetAssertHandler(FailOnAssert);
    RefuseUnexpectedDialogs refuse;
    refuse.Register();
#ifdef __WXMSW__
    // wxYield on Windows dispatches messages (timers, painting) only through an active
    // loop; the application runs none, so the tests get one to yield through.
    wxEventLoop loop;
    wxEventLoopActivator activate(&loop);
#endif
    const int result = RUN_ALL_TESTS();
    refuse.Unregister();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
