// Behaviour that depends on the system around the editor: the locale it runs under and
// the page cache between it and the card.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

#include "storage/config_file.h"
#include "support/byte_files.h"
#include "support/temp_dir.h"

#ifndef _WIN32  // Windows meets its own forms of these at the end of this file.
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/statfs.h>
#include <unistd.h>

#ifndef TMPFS_MAGIC
#define TMPFS_MAGIC 0x01021994
#endif

namespace {
// Switches LC_CTYPE to a Turkish single-byte locale (built into the temp folder when the
// system has none installed) and back at the end.
class TurkishLocale {
public:
    explicit TurkishLocale(const TempDir& dir) : previous_(std::setlocale(LC_CTYPE, nullptr)) {
        constexpr const char* kName = "tr_TR.ISO-8859-9";
        if (std::setlocale(LC_CTYPE, kName)) return;
        const std::string build = "localedef -i tr_TR -f ISO-8859-9 '" + (dir / kName).string() + "' >/dev/null 2>&1";
        if (std::system(build.c_str()) != 0) return;
        ::setenv("LOCPATH", dir.Path().c_str(), 1);
        std::setlocale(LC_CTYPE, kName);
        ::unsetenv("LOCPATH");
    }
    ~TurkishLocale() { std::setlocale(LC_CTYPE, previous_.c_str()); }
    bool Active() const { return std::string(std::setlocale(LC_CTYPE, nullptr)) != previous_; }

private:
    std::string previous_;
};

// How many of the file's pages the system holds in memory.
std::size_t ResidentPages(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) return 0;
    void* map = ::mmap(nullptr, kImageSize, PROT_READ, MAP_SHARED, fd, 0);
    ::close(fd);
    if (map == MAP_FAILED) return 0;
    const long page = ::sysconf(_SC_PAGESIZE);
    std::vector<unsigned char> resident((kImageSize + page - 1) / page);
    std::size_t count = 0;
    if (::mincore(map, kImageSize, resident.data()) == 0)
        for (unsigned char r : resident) count += r & 1;
    ::munmap(map, kImageSize);
    return count;
}
}  // namespace

TEST(SystemQuirks, ReservedNameUnderATurkishLocale) {
    TempDir dir;
    TurkishLocale turkish(dir);
    if (!turkish.Active()) GTEST_SKIP() << "no Turkish locale and no localedef to build one";
    // There, toupper('i') is a dotted capital I (0xDD), not 'I'.
    ASSERT_EQ(std::toupper('i'), 0xDD);
    EXPECT_TRUE(IsReservedFileName("config01.dat"));
    EXPECT_TRUE(IsReservedFileName("/media/card/Config01.dat"));
    EXPECT_FALSE(IsReservedFileName("CONF\xDDG01.DAT"));
}

TEST(SystemQuirks, SyncDropsTheCachedPagesBeforeTheReadBack) {
    TempDir dir;
    struct statfs fs {};
    ASSERT_EQ(::statfs(dir.Path().c_str(), &fs), 0);
    if (fs.f_type == TMPFS_MAGIC) GTEST_SKIP() << "on tmpfs memory is the medium";

    const auto path = dir / "week.DAT";
    WriteBytes(path, Pattern(kImageSize));
    FileSystem& system = SystemFileSystem();
    const FileSystem::Handle file = system.Open(path, FileSystem::Mode::Update);
    ASSERT_NE(file, FileSystem::kNoHandle);
    const auto bytes = Pattern(kImageSize, 0x5A);
    ASSERT_EQ(system.Write(file, bytes.data(), bytes.size()), bytes.size());
    ASSERT_GT(ResidentPages(path), 0u);
    ASSERT_TRUE(system.Sync(file));
    EXPECT_EQ(ResidentPages(path), 0u);
    ASSERT_TRUE(system.Close(file));
    EXPECT_EQ(ReadBytes(path), bytes);
}

#else  // _WIN32

TEST(SystemQuirks, ReservedNameUnderATurkishLocale) {
    // The C runtime's Turkish locale, code page 1254: there a dotted capital I is 0xDD too.
    const std::string previous = std::setlocale(LC_CTYPE, nullptr);
    if (!std::setlocale(LC_CTYPE, "Turkish_Turkey.1254") && !std::setlocale(LC_CTYPE, "tr-TR"))
        GTEST_SKIP() << "the C runtime offers no Turkish locale here";
    EXPECT_TRUE(IsReservedFileName("config01.dat"));
    EXPECT_TRUE(IsReservedFileName("E:\\Config01.dat"));
    EXPECT_FALSE(IsReservedFileName("CONF\xDDG01.DAT"));
    std::setlocale(LC_CTYPE, previous.c_str());
}

TEST(SystemQuirks, SyncDropsTheCachedPagesBeforeTheReadBack) {
    GTEST_SKIP() << "POSIX only (posix_fadvise and mincore): Windows offers no way to drop or count a "
                    "file's cached pages, so there the read-back after FlushFileBuffers compares what "
                    "the system holds for the file";
}

#endif  // _WIN32
