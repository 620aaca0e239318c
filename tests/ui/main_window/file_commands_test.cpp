// Load From File and Save To File, through the file dialog, down to the bytes on disk.
#include <algorithm>
#include <filesystem>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif
#include <wx/dnd.h>
#include <wx/filedlg.h>
#include <wx/filefn.h>
#include <wx/modalhook.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "ui/common/messages.h"
#include "ui/common/ids.h"
#include "ui/main_window/status_line.h"
#include "ui_test_support.h"

namespace {
using namespace uitest;

class FileCommandsTest : public ConfigDlgTest {
protected:
    // The schedule shown before each command: two entries, and the modified flag as given.
    void Prepare(bool modified) {
        Fill(EntriesAt({3 * kDay, kDay}, 60));
        if (modified) dlg->Document().SetModified();
    }
    void ExpectPrepared(bool modified) {
        EXPECT_EQ(RowSlots(dlg), (std::vector<long>{1, 0}));
        EXPECT_EQ(dlg->Document().Image().EntryCount(), 2u);
        EXPECT_EQ(dlg->Document().IsModified(), modified);
    }
    // The window's current image as a save stamps it.
    ImageBytes StampedImage() const { return Stamped(dlg->Document().Image()); }
};

TEST_F(FileCommandsTest, LoadFromFileFillsTheListSortedByStart) {
    const auto path = File("week.DAT");
    WriteImageFile(path,
                   {DefaultEntry(4 * kDay, 4 * kDay + 60), DefaultEntry(0, kHour), DefaultEntry(2 * kDay + 30, 0)});
    dlg->Document().SetModified();
    wxTEST_DIALOG(Click(IDC_LOAD_FROM_FILE), ExpectDiscardCurrent(true), ExpectOpenFile(path));
    ASSERT_EQ(RowSlots(dlg), (std::vector<long>{1, 2, 0}));
    EXPECT_EQ(RowTexts(List(), 0),
              (std::vector<std::string>{"00:00:00 on Monday", "01:00:00 on Monday", "25.0", "30.0", "32kB", "Field",
                                        "Continuous", "N/A", "On"}));
    EXPECT_EQ(RowTexts(List(), 1)[0], "00:00:30 on Wednesday");
    EXPECT_EQ(RowTexts(List(), 2)[0], "00:00:00 on Friday");
    EXPECT_FALSE(dlg->Document().IsModified());
}

TEST_F(FileCommandsTest, LoadReadsOnlyTheFirst6656Bytes) {
    Bytes bytes = ToBytes(ImageOf({DefaultEntry(0, 60)}).bytes);
    bytes.resize(7000, 0xEE);
    WriteBytes(File("long.DAT"), bytes);
    wxTEST_DIALOG(Click(IDC_LOAD_FROM_FILE), ExpectOpenFile(File("long.DAT")));
    EXPECT_EQ(uitest::ListRowCount(List()), 1);
}

TEST_F(FileCommandsTest, AnEmptyScheduleLoadsAsAnEmptyList) {
    Prepare(true);
    WriteImageFile(File("empty.DAT"), {});
    wxTEST_DIALOG(Click(IDC_LOAD_FROM_FILE), ExpectDiscardCurrent(true), ExpectOpenFile(File("empty.DAT")));
    EXPECT_EQ(uitest::ListRowCount(List()), 0);
    EXPECT_FALSE(dlg->Document().IsModified());
}

TEST_F(FileCommandsTest, EachRefusedLoadShowsItsMessageAndChangesNothing) {
    Bytes invalid = ToBytes(ImageOf({DefaultEntry(0, 60)}).bytes);
    invalid[kOffTrailer] = 2;  // the trailer no longer matches the sequence word
    WriteBytes(File("short.DAT"), Bytes(kImageSize - 1, 0));
    WriteBytes(File("invalid.DAT"), invalid);
    std::filesystem::create_directory(File("folder.DAT"));
#ifndef _WIN32
    ::mkfifo(File("fifo.DAT").c_str(), 0666);  // no writer: an open that waited would hang
#endif
    const struct {
        const char* name;
        const char* message;
    } cases[] = {
        {"missing.DAT", kMsgOpenForReading},
        {"folder.DAT", kMsgOpenForReading},
#ifndef _WIN32
        {"fifo.DAT", kMsgOpenForReading},
#endif
        {"short.DAT", kMsgReadFailed},
        {"invalid.DAT", kMsgInvalidFile},
    };
    for (const auto& c : cases) {
        for (bool modified : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (modified ? " modified" : " unmodified"));
            Prepare(modified);
            if (modified) {
                wxTEST_DIALOG(Click(IDC_LOAD_FROM_FILE), ExpectDiscardCurrent(true), ExpectOpenFile(File(c.name)),
                              ExpectError(c.message));
            } else {
                wxTEST_DIALOG(Click(IDC_LOAD_FROM_FILE), ExpectOpenFile(File(c.name)), ExpectError(c.message));
            }
            ExpectPrepared(modified);
            // A file named on the command line or dropped meets the same refusal.
            bool loaded = true;
            if (modified) {
                wxTEST_DIALOG(loaded = dlg->OpenFile(PathText(File(c.name))), ExpectDiscardCurrent(true),
                              ExpectError(c.message));
            } else {
                wxTEST_DIALOG(loaded = dlg->OpenFile(PathText(File(c.name))), ExpectError(c.message));
            }
            EXPECT_FALSE(loaded);
            ExpectPrepared(modified);
        }
    }
}

// The command line and a drop: a relative name, and a name without its extension, load as
// Load From File would; No to the question keeps the schedule.
TEST_F(FileCommandsTest, OpenFileLoadsAsLoadFromFileDoes) {
    WriteImageFile(File("week.DAT"), EntriesAt({0, kDay, 2 * kDay}, 60));
    Prepare(true);
    bool loaded = true;
    wxTEST_DIALOG(loaded = dlg->OpenFile(PathText(File("week.DAT"))), ExpectDiscardCurrent(false));
    EXPECT_FALSE(loaded);
    ExpectPrepared(true);

    const wxString before = wxGetCwd();
    ASSERT_TRUE(wxSetWorkingDirectory(PathText(FilesDir())));
    for (const char* name : {"week.DAT", "week"}) {
        SCOPED_TRACE(name);
        Prepare(true);
        wxTEST_DIALOG(loaded = dlg->OpenFile(name), ExpectDiscardCurrent(true));
        EXPECT_TRUE(loaded);
        EXPECT_EQ(RowSlots(dlg), (std::vector<long>{0, 1, 2}));
        EXPECT_FALSE(dlg->Document().IsModified());
        EXPECT_EQ(dlg->StatusLine()->LastAction().utf8_string(),
                  "week.DAT loaded from " + FilesDir().string() + " (3 entries)");
    }
    wxSetWorkingDirectory(before);
}

TEST_F(FileCommandsTest, ADropOfOneFileLoadsItSeveralOrAFolderAreRefusedUnasked) {
    WriteImageFile(File("week.DAT"), EntriesAt({0, kDay, 2 * kDay}, 60));
    std::filesystem::create_directory(File("folder"));
    const wxString week = PathText(File("week.DAT"));
    const struct {
        wxArrayString dropped;
        const char* refusal;  // nullptr: loaded
        std::string status;
    } cases[] = {
        {wxArrayString(1, &week), nullptr, "week.DAT loaded from " + FilesDir().string() + " (3 entries)"},
        {wxSplit(week + "\n" + week, '\n'), kMsgDropOneFile, "Not loaded: 2 files or folders were dropped"},
        {wxArrayString(1, PathText(File("folder"))), kMsgDropFolder, "Not loaded: a folder was dropped"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(wxJoin(c.dropped, ' ').utf8_string());
        Prepare(true);
        // As the window's drop target takes it: handed on once the drop is over.
        auto* target = dynamic_cast<wxFileDropTarget*>(dlg->GetDropTarget());
        ASSERT_NE(target, nullptr);
        EXPECT_TRUE(target->OnDropFiles(10, 10, c.dropped));
        if (c.refusal) {
            wxTEST_DIALOG(wxTheApp->ProcessPendingEvents(), ExpectError(c.refusal));
            ExpectPrepared(true);
        } else {
            wxTEST_DIALOG(wxTheApp->ProcessPendingEvents(), ExpectDiscardCurrent(true));
            EXPECT_EQ(RowSlots(dlg), (std::vector<long>{0, 1, 2}));
        }
        EXPECT_EQ(dlg->StatusLine()->LastAction().utf8_string(), c.status);
    }
}

// Answers every dialog with Cancel before it shows; registered before the window, it stands
// behind the window's own hook, which so sees a dialog open until it is told it closed.
class AnswerUnseen : public wxModalDialogHook {
protected:
    int Enter(wxDialog*) override { return wxID_CANCEL; }
};

TEST_F(FileCommandsTest, NoDropIsTakenWhileADialogStandsOverTheWindowOrItIsDisabled) {
    AnswerUnseen answer;
    answer.Register();
    delete dlg;
    dlg = new CConfigDlg(nullptr, CardLocator({CardsDir()}, false));
    dlg->Show();
    WriteImageFile(File("week.DAT"), EntriesAt({0}, 60));
    const wxArrayString week(1, PathText(File("week.DAT")));
    auto* target = dynamic_cast<wxFileDropTarget*>(dlg->GetDropTarget());
    ASSERT_NE(target, nullptr);
    auto expectRefused = [&] {
        EXPECT_EQ(target->OnDragOver(10, 10, wxDragCopy), wxDragNone);
        EXPECT_FALSE(target->OnDropFiles(10, 10, week));
        wxTheApp->ProcessPendingEvents();
        EXPECT_EQ(dlg->Document().EntryCount(), 0u);
    };

    wxDialog over(dlg, wxID_ANY, "Schedule Item");
    ASSERT_EQ(wxModalDialogHook::CallEnter(&over), wxID_CANCEL);
    expectRefused();
    wxModalDialogHook::CallExit(&over);
    dlg->Disable();  // as under the print preview, or a Windows dialog
    expectRefused();
    dlg->Enable();
    EXPECT_EQ(target->OnDragOver(10, 10, wxDragCopy), wxDragCopy);
    EXPECT_TRUE(target->OnDropFiles(10, 10, week));
    wxTheApp->ProcessPendingEvents();
    EXPECT_EQ(dlg->Document().EntryCount(), 1u);
}

TEST_F(FileCommandsTest, LoadStopsWhenDiscardIsRefusedOrTheDialogCancelled) {
    Prepare(true);
    WriteImageFile(File("week.DAT"), {DefaultEntry(0, 60)});
    // No: the file dialog never opens.
    wxTEST_DIALOG(Click(IDC_LOAD_FROM_FILE), ExpectDiscardCurrent(false));
    ExpectPrepared(true);
    wxTEST_DIALOG(Click(IDC_LOAD_FROM_FILE), ExpectDiscardCurrent(true), ExpectFileDialog("", false));
    ExpectPrepared(true);
}

TEST_F(FileCommandsTest, SaveToANewFileWritesExactlyTheImage) {
    Prepare(true);
    const auto path = File("new.DAT");
    wxTEST_DIALOG(Click(IDC_SAVE_TO_FILE), ExpectSaveFile(path));  // no discard question
    EXPECT_EQ(ReadBytes(path), ToBytes(StampedImage()));
    EXPECT_EQ(std::filesystem::file_size(path), kImageSize);
    EXPECT_FALSE(dlg->Document().IsModified());
    // What was saved loads back to the same schedule.
    wxTEST_DIALOG(Click(IDC_LOAD_FROM_FILE), ExpectOpenFile(path));
    ExpectPrepared(false);
}

TEST_F(FileCommandsTest, SavingOverAnExistingFileReplacesOnlyItsFirst6656Bytes) {
    for (std::size_t size : {std::size_t{100}, std::size_t{10000}, std::size_t{1048576}}) {
        SCOPED_TRACE(size);
        Prepare(true);
        const auto path = File("old.DAT");
        WriteBytes(path, Bytes(size, 0xA5));
        wxTEST_DIALOG(Click(IDC_SAVE_TO_FILE), ExpectSaveFile(path));
        const Bytes written = ReadBytes(path);
        ASSERT_EQ(written.size(), std::max(size, kImageSize));
        const Bytes image = ToBytes(StampedImage());
        EXPECT_TRUE(std::equal(image.begin(), image.end(), written.begin()));
        EXPECT_TRUE(std::all_of(written.begin() + kImageSize, written.end(), [](auto b) { return b == 0xA5; }));
        EXPECT_FALSE(dlg->Document().IsModified());
    }
}

TEST_F(FileCommandsTest, RefusedSavesWriteNothingAndKeepTheFlag) {
    WriteBytes(File("huge.DAT"), Bytes(1048577, 0x11));
    const struct {
        std::filesystem::path path;
        const char* message;
    } cases[] = {
        {File("huge.DAT"), kMsgCannotOverwrite},
        {File("config01.dat"), kMsgReservedName},
        {FilesDir() / "backup" / "MYCONFIG01.DAT", kMsgReservedName},
        {File("Config01.Dat"), kMsgReservedName},
        {File("config01"), kMsgReservedName},  // the default extension makes it the card's name
        {File("no such folder") / "week.DAT", kMsgWriteFailed},
    };
    for (const auto& c : cases) {
        for (bool modified : {false, true}) {
            SCOPED_TRACE(c.path.string() + (modified ? " modified" : " unmodified"));
            Prepare(modified);
            wxTEST_DIALOG(Click(IDC_SAVE_TO_FILE), ExpectSaveFile(c.path), ExpectError(c.message));
            ExpectPrepared(modified);
        }
    }
    EXPECT_EQ(std::filesystem::file_size(File("huge.DAT")), 1048577u);
    EXPECT_FALSE(std::filesystem::exists(File("config01.dat")));
    EXPECT_FALSE(std::filesystem::exists(File("config01.DAT")));
    EXPECT_FALSE(std::filesystem::exists(File("Config01.Dat")));
}

TEST_F(FileCommandsTest, CancellingTheSaveDialogWritesNothing) {
    Prepare(true);
    wxTEST_DIALOG(Click(IDC_SAVE_TO_FILE), ExpectFileDialog("", true));
    ExpectPrepared(true);
    EXPECT_TRUE(std::filesystem::is_empty(FilesDir()));
}

TEST_F(FileCommandsTest, ANameWithoutExtensionGetsDat) {
    Prepare(true);
    wxTEST_DIALOG(Click(IDC_SAVE_TO_FILE), ExpectSaveFile(File("week")));
    EXPECT_FALSE(std::filesystem::exists(File("week")));
    EXPECT_EQ(std::filesystem::file_size(File("week.DAT")), kImageSize);
    EXPECT_FALSE(dlg->Document().IsModified());
    // Loading by the same typed name finds the file the extension led to.
    Fill({});
    wxTEST_DIALOG(Click(IDC_LOAD_FROM_FILE), ExpectOpenFile(File("week")));
    ExpectPrepared(false);
}

TEST_F(FileCommandsTest, ReplacingTheFileTheExtensionLeadsToIsAsked) {
    const auto expectReplace = [](bool yes) {
        return ExpectMessage("week.DAT already exists.\nDo you want to replace it?", "Confirm Save As",
                             wxYES_NO | wxNO_DEFAULT | wxICON_EXCLAMATION, yes ? wxID_YES : wxID_NO);
    };
    WriteBytes(File("week.DAT"), Bytes(8000, 0x5A));
    Prepare(true);
    // No goes back to the chooser, which the operator then cancels: nothing written.
    wxTEST_DIALOG(Click(IDC_SAVE_TO_FILE), ExpectSaveFile(File("week")), expectReplace(false),
                  ExpectFileDialog("", true));
    EXPECT_EQ(ReadBytes(File("week.DAT")), Bytes(8000, 0x5A));
    ExpectPrepared(true);
    wxTEST_DIALOG(Click(IDC_SAVE_TO_FILE), ExpectSaveFile(File("week")), expectReplace(true));
    const Bytes written = ReadBytes(File("week.DAT"));
    ASSERT_EQ(written.size(), 8000u);
    EXPECT_TRUE(std::equal(written.begin(), written.begin() + kImageSize, StampedImage().begin()));
    EXPECT_FALSE(dlg->Document().IsModified());
}

// The chooser's filters as GTK applies them to names in a folder: the first shows
// configuration files whatever the letter case of their extension, the second everything.
TEST_F(FileCommandsTest, TheChooserFiltersMatchDatInAnyLetterCaseThenEverything) {
#ifndef __WXGTK__
    GTEST_SKIP() << "the chooser's filters are read through GTK";
#else
    const std::pair<const char*, bool> cases[] = {{"week.DAT", true},  {"week.dat", true},      {"Week.Dat", true},
                                                  {"week.txt", false}, {"week.dat.bak", false}, {"weekdat", false}};
    auto inspect = [&](wxFileDialog* chooser) {
        GSList* filters = gtk_file_chooser_list_filters(GTK_FILE_CHOOSER(chooser->GetHandle()));
        ASSERT_EQ(g_slist_length(filters), 2u);
        auto* config = GTK_FILE_FILTER(g_slist_nth_data(filters, 0));
        auto* all = GTK_FILE_FILTER(g_slist_nth_data(filters, 1));
        EXPECT_STREQ(gtk_file_filter_get_name(all), "All Files");
        for (const auto& [name, isConfig] : cases) {
            const GtkFileFilterInfo info{GTK_FILE_FILTER_DISPLAY_NAME, nullptr, nullptr, name, nullptr};
            EXPECT_EQ(gtk_file_filter_filter(config, &info) != FALSE, isConfig) << name;
            EXPECT_TRUE(gtk_file_filter_filter(all, &info)) << name;
        }
        g_slist_free(filters);
    };
    for (const bool save : {false, true})
        wxTEST_DIALOG(ChooseConfigFile(dlg, save), ExpectWindow<wxFileDialog>(wxID_CANCEL, inspect));
#endif
}

TEST_F(FileCommandsTest, TheChooserOffersOnlyConfigFiles) {
    wxString chosen = "unset";
    wxTEST_DIALOG(chosen = ChooseConfigFile(dlg, false), ExpectFileDialog("", false));
    EXPECT_TRUE(chosen.empty());
    wxTEST_DIALOG(chosen = ChooseConfigFile(dlg, true), ExpectSaveFile(File("a.DAT")));
    EXPECT_EQ(chosen.utf8_string(), File("a.DAT").string());
}

}  // namespace
