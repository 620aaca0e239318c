// Loading a configuration file of a full schedule (read, validate, take in) next to the bare
// read of the same 6656 bytes, so the figure shows what the checks add to the system call cost.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include <benchmark/benchmark.h>

#include "bench/full_schedule.h"
#include "storage/config_file.h"
#include "storage/config_image.h"

namespace {
namespace fs = std::filesystem;

// A CONFIG01.DAT holding a full schedule, written by the editor's own save.
class FullConfigFile {
public:
    FullConfigFile() {
        folder_ = fs::temp_directory_path() / ("dvr-storage-bench-" + std::to_string(::getpid()));
        fs::create_directories(folder_);
        path_ = folder_ / "CONFIG01.DAT";
        ConfigImage image;
        for (const auto& entry : FullSchedule()) AppendEntry(image, entry);
        saved_ = SaveConfigFile(path_, image).Succeeded();
    }
    ~FullConfigFile() {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    const fs::path& Path() const { return path_; }
    bool Saved() const { return saved_; }

private:
    fs::path folder_;
    fs::path path_;
    bool saved_ = false;
};

const FullConfigFile& File() {
    static const FullConfigFile file;
    return file;
}

void LoadFullConfig(benchmark::State& state) {
    if (!File().Saved()) state.SkipWithError("the file could not be written");
    ConfigImage image;
    for (auto _ : state) {
        if (!LoadConfigFile(File().Path(), image).Succeeded()) state.SkipWithError("the load failed");
        benchmark::DoNotOptimize(image.bytes.data());
    }
    if (image.EntryCount() != kFullScheduleEntries) state.SkipWithError("the schedule did not load");
    state.SetBytesProcessed(state.iterations() * kImageSize);
}
BENCHMARK(LoadFullConfig)->Name("LoadConfigFile/6656_bytes_256_entries");

void BareRead(benchmark::State& state) {
    if (!File().Saved()) state.SkipWithError("the file could not be written");
    const std::string path = File().Path().string();
    ImageBytes bytes{};
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_RDONLY);
        const ssize_t got = ::read(fd, bytes.data(), bytes.size());
        ::close(fd);
        if (got != static_cast<ssize_t>(kImageSize)) state.SkipWithError("short read");
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * kImageSize);
}
BENCHMARK(BareRead)->Name("LoadConfigFile/baseline_open_read_close");

}  // namespace

BENCHMARK_MAIN();
