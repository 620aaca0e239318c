#pragma once
// The main of a benchmark that needs wx: starts the toolkit (an X display is needed; there
// is no main window), runs the registered benchmarks and shuts wx down again.
#include <cstdio>

#include <benchmark/benchmark.h>
#include <wx/app.h>
#include <wx/init.h>

namespace wxbench {
class BenchApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

inline int Run(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    wxApp::SetInstance(new BenchApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        std::fprintf(stderr, "%s: cannot start wx (is there an X display?)\n", argv[0]);
        return 2;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return 0;
}
}  // namespace wxbench
