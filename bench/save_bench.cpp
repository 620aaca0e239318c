// What the durable save costs: SaveConfigFile (write, fsync, close, read back through a
// fresh open) beside a plain open-write-close of the same 6656 bytes and one with fsync.
// Runs in the folder named by DVR_BENCH_DIR, else the current folder: fsync on a tmpfs
// /tmp costs nothing and would hide what a disk or card charges.
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <benchmark/benchmark.h>

#include "storage/config_file.h"
#include "storage/config_image.h"

namespace {
namespace fs = std::filesystem;

fs::path BenchFolder() {
    const char* dir = std::getenv("DVR_BENCH_DIR");
    const fs::path folder = fs::path(dir ? dir : ".") / ("dvr-save-bench-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    return folder;
}

class Folder {
public:
    Folder() : path_(BenchFolder()) {}
    ~Folder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

const Folder& Place() {
    static const Folder folder;
    return folder;
}

ConfigImage FullImage() {
    ConfigImage image;
    for (std::uint32_t i = 0; i < kMaxEntries; ++i)
        AppendEntry(image, ScheduleEntry{i * 2000, i * 2000 + 1000, 10, 2, 0, 32000});
    return image;
}

void DurableSave(benchmark::State& state) {
    const fs::path path = Place().Path() / "durable.dat";
    ConfigImage image = FullImage();
    for (auto _ : state) {
        if (!SaveConfigFile(path, image).Succeeded()) state.SkipWithError("the save failed");
    }
    state.SetBytesProcessed(state.iterations() * kImageSize);
}
BENCHMARK(DurableSave)->Name("SaveConfigFile/in_place_durable")->UseRealTime();

void DurableSaveNewFile(benchmark::State& state) {
    const fs::path path = Place().Path() / "new.dat";
    ConfigImage image = FullImage();
    for (auto _ : state) {
        state.PauseTiming();
        ::unlink(path.c_str());
        state.ResumeTiming();
        if (!SaveConfigFile(path, image).Succeeded()) state.SkipWithError("the save failed");
    }
}
BENCHMARK(DurableSaveNewFile)->Name("SaveConfigFile/new_file_durable")->UseRealTime();

void PlainWrite(benchmark::State& state, bool sync) {
    const std::string path = (Place().Path() / (sync ? "synced.dat" : "plain.dat")).string();
    const ConfigImage image = FullImage();
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT, 0666);
        const ssize_t n = ::pwrite(fd, image.bytes.data(), image.bytes.size(), 0);
        if (sync) ::fsync(fd);
        ::close(fd);
        if (n != static_cast<ssize_t>(kImageSize)) state.SkipWithError("short write");
    }
    state.SetBytesProcessed(state.iterations() * kImageSize);
}
BENCHMARK_CAPTURE(PlainWrite, baseline_open_write_close, false)->UseRealTime();
BENCHMARK_CAPTURE(PlainWrite, baseline_open_write_fsync_close, true)->UseRealTime();
}  // namespace

BENCHMARK_MAIN();
