// Every call that loading and saving make, broken one at a time, and the disk changed
// between two calls: the message must say what happened and nothing may be lost.
#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <sys/stat.h>

#include "storage/config_file.h"
#include "support/faulty_file_system.h"
#include "support/images.h"
#include "support/storage_step_names.h"
#include "support/temp_dir.h"

namespace {
enum class FileAfter {
    Untouched,  // exactly the bytes it had
    Saved,      // the stamped image at its start, the old bytes behind it
    Partial,    // half of the image written, everything else as it was
};

struct FaultCase {
    Call call;
    int nth;
    Fault fault;
    StorageStep failed;
    FileAfter file;
};

std::string Describe(const FaultCase& c) {
    const char* faults[] = {"fails", "comes up short", "returns other bytes"};
    return std::string(CallName(c.call)) + " #" + std::to_string(c.nth) + " " + faults[static_cast<int>(c.fault)];
}

Bytes Expected(FileAfter state, const Bytes& before, const ImageBytes& image) {
    Bytes bytes = before;
    if (state == FileAfter::Untouched) return bytes;
    const std::size_t written = state == FileAfter::Saved ? kImageSize : kImageSize / 2;
    if (bytes.size() < written) bytes.resize(written);
    std::copy(image.begin(), image.begin() + written, bytes.begin());
    return bytes;
}

// Each (call, nth) of a clean run must be among the cases.
void ExpectEveryCallCovered(const std::vector<Call>& log, const std::vector<FaultCase>& cases) {
    std::map<Call, int> seen;
    for (Call call : log) {
        const int nth = ++seen[call];
        const bool covered = std::any_of(cases.begin(), cases.end(),
                                         [&](const FaultCase& c) { return c.call == call && c.nth == nth; });
        EXPECT_TRUE(covered) << CallName(call) << " #" << nth << " is never broken";
    }
}

// Saves with each case's call broken, over a file holding before or, without it, to a new
// path: the step that failed, the image stamped, the file as the case says, nothing left open.
void ExpectEachSaveFault(const std::vector<FaultCase>& cases, const std::optional<Bytes>& before) {
    {
        TempDir dir;
        if (before) WriteBytes(dir / "c.dat", *before);
        FaultyFileSystem fs;
        ConfigImage image = EditedImage();
        ASSERT_TRUE(SaveConfigFile(dir / "c.dat", image, fs).Succeeded());
        ExpectEveryCallCovered(fs.Log(), cases);
    }
    const ImageBytes stamped = Stamped(EditedImage());
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(Describe(c));
        TempDir dir;
        const auto path = dir / "c.dat";
        if (before) WriteBytes(path, *before);
        FaultyFileSystem fs;
        fs.Break(c.call, c.nth, c.fault);
        ConfigImage image = EditedImage();

        const StorageOutcome outcome = SaveConfigFile(path, image, fs);
        EXPECT_EQ(outcome.failed, c.failed);
        // The outcome carries what the system said about the call that failed (a failed
        // Exists is only noticed by the open that follows it).
        if (c.fault == Fault::Fail && c.failed != StorageStep::kNone && c.call != Call::Exists) {
            EXPECT_EQ(outcome.error.code, EIO);
        }
        EXPECT_EQ(image.bytes, stamped);
        // A file that could not be created is not there at all, rather than empty.
        EXPECT_EQ(std::filesystem::exists(path), before || c.failed != StorageStep::kCreate);
        EXPECT_EQ(ReadBytes(path), Expected(c.file, before.value_or(Bytes()), stamped));
        EXPECT_EQ(fs.StillOpen(), 0);
    }
}
}  // namespace

TEST(SaveFaults, EachCallOverAnExistingFile) {
    const std::vector<FaultCase> cases = {
        // An unknown size counts as no file; the open file's own size still guards the limit.
        {Call::SizeOf, 1, Fault::Fail, StorageStep::kNone, FileAfter::Saved},
        // Believed new: creating refuses to replace what is there.
        {Call::Exists, 1, Fault::Fail, StorageStep::kCreate, FileAfter::Untouched},
        {Call::Open, 1, Fault::Fail, StorageStep::kOpenForUpdate, FileAfter::Untouched},
        // A file whose size cannot be told might be over the limit: it is left alone.
        {Call::SizeOfOpen, 1, Fault::Fail, StorageStep::kOpenForUpdate, FileAfter::Untouched},
        {Call::Write, 1, Fault::Fail, StorageStep::kWrite, FileAfter::Untouched},
        {Call::Write, 1, Fault::Short, StorageStep::kWrite, FileAfter::Partial},
        // The bytes may well be there, but nobody can vouch for them.
        {Call::Flush, 1, Fault::Fail, StorageStep::kWrite, FileAfter::Saved},
        {Call::Sync, 1, Fault::Fail, StorageStep::kSync, FileAfter::Saved},
        {Call::Close, 1, Fault::Fail, StorageStep::kWrite, FileAfter::Saved},
        {Call::Open, 2, Fault::Fail, StorageStep::kReadBack, FileAfter::Saved},
        {Call::Read, 1, Fault::Fail, StorageStep::kReadBack, FileAfter::Saved},
        {Call::Read, 1, Fault::Short, StorageStep::kReadBack, FileAfter::Saved},
        {Call::Read, 1, Fault::Corrupt, StorageStep::kReadBack, FileAfter::Saved},
        // The read-back matched: closing a file only read loses nothing.
        {Call::Close, 2, Fault::Fail, StorageStep::kNone, FileAfter::Saved},
    };
    ExpectEachSaveFault(cases, Pattern(10000));
}

TEST(SaveFaults, EachCallOnANewPath) {
    // Untouched is no file after a failed create, an empty one after a failed first write.
    const std::vector<FaultCase> cases = {
        {Call::SizeOf, 1, Fault::Fail, StorageStep::kNone, FileAfter::Saved},
        {Call::Exists, 1, Fault::Fail, StorageStep::kNone, FileAfter::Saved},
        {Call::Open, 1, Fault::Fail, StorageStep::kCreate, FileAfter::Untouched},
        {Call::Write, 1, Fault::Fail, StorageStep::kWrite, FileAfter::Untouched},
        {Call::Write, 1, Fault::Short, StorageStep::kWrite, FileAfter::Partial},
        {Call::Flush, 1, Fault::Fail, StorageStep::kWrite, FileAfter::Saved},
        {Call::Sync, 1, Fault::Fail, StorageStep::kSync, FileAfter::Saved},
        {Call::Close, 1, Fault::Fail, StorageStep::kWrite, FileAfter::Saved},
        // The bytes are in the file, but its name may not survive a pulled card.
        {Call::SyncFolder, 1, Fault::Fail, StorageStep::kSync, FileAfter::Saved},
        {Call::Open, 2, Fault::Fail, StorageStep::kReadBack, FileAfter::Saved},
        {Call::Read, 1, Fault::Short, StorageStep::kReadBack, FileAfter::Saved},
        {Call::Read, 1, Fault::Corrupt, StorageStep::kReadBack, FileAfter::Saved},
        {Call::Close, 2, Fault::Fail, StorageStep::kNone, FileAfter::Saved},
    };
    ExpectEachSaveFault(cases, std::nullopt);
}

TEST(LoadFaults, EachCallLeavesTheImageOrTakesItIn) {
    const std::vector<FaultCase> cases = {
        {Call::Open, 1, Fault::Fail, StorageStep::kOpen, FileAfter::Untouched},
        {Call::Read, 1, Fault::Fail, StorageStep::kRead, FileAfter::Untouched},
        {Call::Read, 1, Fault::Short, StorageStep::kRead, FileAfter::Untouched},
        {Call::Read, 1, Fault::Corrupt, StorageStep::kValidate, FileAfter::Untouched},
        {Call::Close, 1, Fault::Fail, StorageStep::kNone, FileAfter::Saved},
    };
    TempDir dir;
    const auto path = dir / "in.dat";
    const ImageBytes file = ForeignV7();
    WriteBytes(path, ToBytes(file));
    {
        FaultyFileSystem fs;
        ConfigImage image;
        ASSERT_TRUE(LoadConfigFile(path, image, fs).Succeeded());
        ExpectEveryCallCovered(fs.Log(), cases);
    }
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(Describe(c));
        FaultyFileSystem fs;
        fs.Break(c.call, c.nth, c.fault);
        ConfigImage image = EditedImage();
        const ImageBytes before = image.bytes;
        EXPECT_EQ(LoadConfigFile(path, image, fs).failed, c.failed);
        EXPECT_EQ(image.bytes, c.file == FileAfter::Untouched ? before : file);
        EXPECT_EQ(ReadBytes(path), ToBytes(file)) << "a load wrote to the file";
        EXPECT_EQ(fs.StillOpen(), 0);
    }
}

// Another program changes the path between two of the save's calls.
TEST(SaveFaults, PathChangesUnderneath) {
    enum class Start { File, Nothing };
    struct Case {
        const char* name;
        Start start;
        Call after;  // the change happens right after the first call of this kind
        void (*change)(const std::filesystem::path&);
        StorageStep failed;
        bool (*check)(const std::filesystem::path&);
    };
    const auto fileOfSize = [](std::size_t size) {
        return [size](const std::filesystem::path& p) {
            return std::filesystem::is_regular_file(p) && std::filesystem::file_size(p) == size;
        };
    };
    static const auto is6656 = fileOfSize(kImageSize);
    static const auto is100 = fileOfSize(100);
    static const auto is2MiB = fileOfSize(2 * 1048576);
    const Case cases[] = {
        {"grown past the limit", Start::File, Call::SizeOf,
         [](const std::filesystem::path& p) { WriteBytes(p, Bytes(2 * 1048576, 0x33)); },
         StorageStep::kTooLarge,
         [](const std::filesystem::path& p) {
             return is2MiB(p) && ReadBytes(p) == Bytes(2 * 1048576, 0x33);
         }},
        {"replaced by a folder", Start::File, Call::SizeOf,
         [](const std::filesystem::path& p) {
             std::filesystem::remove(p);
             std::filesystem::create_directory(p);
         },
         StorageStep::kOpenForUpdate, [](const std::filesystem::path& p) { return std::filesystem::is_directory(p); }},
#ifndef _WIN32  // Windows file systems have no FIFOs
        {"replaced by a FIFO", Start::File, Call::SizeOf,
         [](const std::filesystem::path& p) {
             std::filesystem::remove(p);
             ::mkfifo(p.c_str(), 0666);
         },
         StorageStep::kOpenForUpdate, [](const std::filesystem::path& p) { return std::filesystem::is_fifo(p); }},
#endif
        {"removed before the look", Start::File, Call::SizeOf,
         [](const std::filesystem::path& p) { std::filesystem::remove(p); }, StorageStep::kNone,
         [](const std::filesystem::path& p) { return is6656(p); }},
        {"removed after the look", Start::File, Call::Exists,
         [](const std::filesystem::path& p) { std::filesystem::remove(p); }, StorageStep::kOpenForUpdate,
         [](const std::filesystem::path& p) { return !std::filesystem::exists(p); }},
        {"appeared after the look", Start::Nothing, Call::Exists,
         [](const std::filesystem::path& p) { WriteBytes(p, Pattern(100)); }, StorageStep::kCreate,
         [](const std::filesystem::path& p) { return is100(p) && ReadBytes(p) == Pattern(100); }},
        {"rewritten before the read-back", Start::File, Call::Close,
         [](const std::filesystem::path& p) { WriteBytes(p, Pattern(kImageSize, 0x99)); }, StorageStep::kReadBack,
         [](const std::filesystem::path& p) { return ReadBytes(p) == Pattern(kImageSize, 0x99); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const auto path = dir / "c.dat";
        if (c.start == Start::File) WriteBytes(path, Pattern(1000));
        FaultyFileSystem fs;
        fs.after = [&](Call call, int nth) {
            if (call == c.after && nth == 1) c.change(path);
        };
        ConfigImage image = EditedImage();
        EXPECT_EQ(SaveConfigFile(path, image, fs).failed, c.failed);
        EXPECT_TRUE(c.check(path));
        EXPECT_EQ(fs.StillOpen(), 0);
    }
}
