// Filling the main window's schedule list with a full schedule, as every load does (RebuildRows,
// with the columns sized to their contents), next to the least a list control can do for the
// same rows: 256 rows of constant text inserted into a bare wxListCtrl. Needs an X display;
// scripts/bench.sh gives it a private Xvfb.

#include <benchmark/benchmark.h>
#include <wx/dialog.h>
#include <wx/listctrl.h>

#include "bench/full_schedule.h"
#include "bench/wx_bench_main.h"
#include "model/entry_texts.h"
#include "storage/config_image.h"
#include "ui/config_dlg.h"

namespace {

// Lets the list repaint and settle between runs, outside the timed part.
void Settle(benchmark::State& state) {
    state.PauseTiming();
    wxYield();
    state.ResumeTiming();
}

void RebuildRowsFullSchedule(benchmark::State& state) {
    CConfigDlg dlg;
    for (const auto& entry : FullSchedule()) AppendEntry(dlg.Image(), entry);
    dlg.Show();
    wxYield();
    for (auto _ : state) {
        dlg.RebuildRows();
        Settle(state);
    }
    if (dlg.List()->GetItemCount() != static_cast<int>(kFullScheduleEntries))
        state.SkipWithError("the list does not show the full schedule");
    dlg.Hide();
}
BENCHMARK(RebuildRowsFullSchedule)->Name("RebuildRows/256_entries_with_autosize")->Unit(benchmark::kMillisecond);

// A dialog holding only a report list with the main window's nine columns.
class BareList {
public:
    BareList() : dlg_(nullptr, wxID_ANY, "Bare List") {
        list_ = new wxListCtrl(&dlg_, wxID_ANY, wxDefaultPosition, wxSize(900, 300), wxLC_REPORT | wxLC_SINGLE_SEL);
        for (int col = 0; col < kListColumns; ++col) list_->InsertColumn(col, kColumnTitles[col]);
        dlg_.Show();
        wxYield();
    }
    ~BareList() { dlg_.Hide(); }
    wxListCtrl* List() { return list_; }

    // 256 rows of constant text, each column's text as long as a real one.
    void Fill() {
        static const wxString texts[kListColumns] = {"00:00:00 on Monday", "00:30:00 on Monday", "25.0", "30.0",
                                                     "32kB", "Field", "Continuous", "N/A", "On"};
        list_->DeleteAllItems();
        for (long row = 0; row < static_cast<long>(kFullScheduleEntries); ++row) {
            const long pos = list_->InsertItem(row, texts[0]);
            for (int col = 1; col < kListColumns; ++col) list_->SetItem(pos, col, texts[col]);
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
        bare.Fill();
        Settle(state);
    }
}
BENCHMARK(BareListInsert)->Name("RebuildRows/baseline_bare_list_256_rows")->Unit(benchmark::kMillisecond);

// The same, with every column sized to its contents once at the end.
void BareListInsertAutosizeOnce(benchmark::State& state) {
    BareList bare;
    for (auto _ : state) {
        bare.Fill();
        for (int col = 0; col < kListColumns; ++col) bare.List()->SetColumnWidth(col, wxLIST_AUTOSIZE);
        Settle(state);
    }
}
BENCHMARK(BareListInsertAutosizeOnce)
    ->Name("RebuildRows/baseline_bare_list_256_rows_autosize_once")
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return wxbench::Run(argc, argv); }
