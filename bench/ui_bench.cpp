// The main window with a full schedule: loading a 256-entry file until the table has its rows
// and its columns are sized, and New or Edit on a 255-entry schedule until the table and the
// week strip are current; beside them the least a list control can do for the same rows:
// 256 rows of constant text inserted into a bare wxListCtrl, with and without one autosize
// pass. Needs an X display; scripts/bench.sh gives it a private Xvfb.

#include <cstdio>
#include <filesystem>
#include <fstream>

#include <benchmark/benchmark.h>
#include <wx/dialog.h>
#include <wx/listctrl.h>

#include "bench/full_schedule.h"
#include "bench/wx_bench_main.h"
#include "model/entry_texts.h"
#include "storage/config_file.h"
#include "storage/config_image.h"
#include "ui/main_window/config_dlg.h"
#include "ui/main_window/schedule_list.h"

namespace {

// Lets the window repaint and settle between runs, outside the timed part.
void Settle(benchmark::State& state) {
    state.PauseTiming();
    wxYield();
    state.ResumeTiming();
}

ConfigImage ImageOf(std::uint32_t entries) {
    ConfigImage image;
    for (std::uint32_t i = 0; i < entries; ++i) AppendEntry(image, FullScheduleEntry(i));
    StampHeader(image);
    return image;
}

// The full schedule as a file, for as long as the benchmark runs.
class FullScheduleFile {
public:
    FullScheduleFile() : path_(std::filesystem::temp_directory_path() / "dvr-config-bench-full.DAT") {
        const ConfigImage image = ImageOf(kFullScheduleEntries);
        std::ofstream(path_, std::ios::binary)
            .write(reinterpret_cast<const char*>(image.bytes.data()), static_cast<std::streamsize>(image.bytes.size()));
    }
    ~FullScheduleFile() { std::filesystem::remove(path_); }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

void LoadFullSchedule(benchmark::State& state) {
    const FullScheduleFile file;
    CConfigDlg dlg;
    dlg.Show();
    wxYield();
    for (auto _ : state) {
        ConfigImage image;
        if (!LoadConfigFile(file.Path(), image).Succeeded()) state.SkipWithError("the file did not load");
        dlg.Document().Load(image);
        wxTheApp->ProcessPendingEvents();  // the selected row is shown once the table has its rows
        Settle(state);
    }
    if (dlg.List()->GetModel() == nullptr || dlg.Document().RowCount() != kFullScheduleEntries)
        state.SkipWithError("the list does not show the full schedule");
    dlg.Hide();
}
BENCHMARK(LoadFullSchedule)->Name("RebuildRows/load_256_entries_filled_and_sized")->Unit(benchmark::kMillisecond);

// New: a 256th entry added to 255 and taken out again outside the timed part. Edit: the
// entry in slot 100 moved between two places in the week.
void NewOnAlmostFullSchedule(benchmark::State& state) {
    CConfigDlg dlg;
    dlg.Document().Load(ImageOf(kFullScheduleEntries - 1));
    dlg.Show();
    wxYield();
    EntryForm form = FormFromEntry(FullScheduleEntry(kFullScheduleEntries - 1));
    for (auto _ : state) {
        if (!dlg.Document().Add(form).Done()) state.SkipWithError("the new entry was refused");
        state.PauseTiming();
        dlg.Document().Undo();
        wxYield();
        state.ResumeTiming();
    }
    dlg.Hide();
}
BENCHMARK(NewOnAlmostFullSchedule)->Name("Command/new_on_255_entries")->Unit(benchmark::kMillisecond);

void EditOnAlmostFullSchedule(benchmark::State& state) {
    CConfigDlg dlg;
    dlg.Document().Load(ImageOf(kFullScheduleEntries - 1));
    dlg.Show();
    wxYield();
    const EntryForm here = FormFromEntry(FullScheduleEntry(100));
    EntryForm there = here;
    there.startDay = there.stopDay = 7;  // towards the end of the list
    there.startTime = {23, 50, 0};
    there.stopTime = {23, 55, 0};
    bool moved = false;
    for (auto _ : state) {
        if (!dlg.Document().Edit(100, moved ? here : there).Done()) state.SkipWithError("the edit was refused");
        moved = !moved;
        Settle(state);
    }
    dlg.Hide();
}
BENCHMARK(EditOnAlmostFullSchedule)->Name("Command/edit_on_255_entries")->Unit(benchmark::kMillisecond);

// A dialog holding only a report list with the main window's nine columns.
class BareList {
public:
    BareList() : dlg_(nullptr, wxID_ANY, "Bare List") {
        list_ = new wxListCtrl(&dlg_, wxID_ANY, wxDefaultPosition, wxSize(900, 300), wxLC_REPORT | wxLC_SINGLE_SEL);
        for (int col = 0; col < static_cast<int>(kListColumns); ++col) list_->InsertColumn(col, wxString::FromUTF8(ColumnTitle(kAllColumns[static_cast<std::size_t>(col)])));
        dlg_.Show();
        wxYield();
    }
    ~BareList() { dlg_.Hide(); }
    wxListCtrl* List() { return list_; }

    // rows of constant text, each column's text as long as a real one.
    void Fill(long rows) {
        static const wxString texts[kListColumns] = {"00:00:00 on Monday", "00:30:00 on Monday", "25.0", "30.0",
                                                     "32kB", "Field", "Continuous", "N/A", "On"};
        list_->DeleteAllItems();
        for (long row = 0; row < rows; ++row) {
            const long pos = list_->InsertItem(row, texts[0]);
            for (int col = 1; col < static_cast<int>(kListColumns); ++col) list_->SetItem(pos, col, texts[col]);
            list_->SetItemData(pos, row);
        }
    }

private:
    wxDialog dlg_;
    wxListCtrl* list_;
};

void BareListInsert(benchmark::State& state) {
    BareList bare;
    for (auto _ : state) {
        bare.Fill(kFullScheduleEntries);
        Settle(state);
    }
}
BENCHMARK(BareListInsert)->Name("RebuildRows/baseline_bare_list_256_rows")->Unit(benchmark::kMillisecond);

// The same, with every column sized to its contents once at the end.
void BareListInsertAutosizeOnce(benchmark::State& state) {
    BareList bare;
    for (auto _ : state) {
        bare.Fill(kFullScheduleEntries);
        for (int col = 0; col < static_cast<int>(kListColumns); ++col) bare.List()->SetColumnWidth(col, wxLIST_AUTOSIZE);
        Settle(state);
    }
}
BENCHMARK(BareListInsertAutosizeOnce)
    ->Name("RebuildRows/baseline_bare_list_256_rows_autosize_once")
    ->Unit(benchmark::kMillisecond);

// One row inserted into a bare list of 255, the least a list-backed New can cost.
void BareListInsertOne(benchmark::State& state) {
    BareList bare;
    bare.Fill(kFullScheduleEntries - 1);
    for (auto _ : state) {
        bare.List()->InsertItem(0, "00:00:00 on Monday");
        state.PauseTiming();
        bare.List()->DeleteItem(0);
        wxYield();
        state.ResumeTiming();
    }
}
BENCHMARK(BareListInsertOne)->Name("Command/baseline_bare_list_insert_one_of_256")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return wxbench::Run(argc, argv); }
