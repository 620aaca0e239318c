#pragma once
// A fresh folder under the system's temporary directory for one test, removed with
// everything in it at the end (folders a test made read-only included).
#include <filesystem>
#include <stdexcept>
#include <string>

#include <stdlib.h>

#ifdef _WIN32
#include <random>
#endif

class TempDir {
public:
    TempDir() {
#ifdef _WIN32
        // No mkdtemp: a random name, taken only when create_directory made it (it fails on
        // a name that exists), so two runs never share a folder.
        std::random_device seed;
        std::mt19937_64 random(seed());
        for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
            const auto candidate = std::filesystem::temp_directory_path() /
                                   ("dvr-test-" + std::to_string(random() % 1000000000000ULL));
            std::error_code ec;
            if (std::filesystem::create_directory(candidate, ec)) path_ = candidate;
        }
        if (path_.empty()) throw std::runtime_error("cannot create a temporary folder");
#else
        std::string pattern = (std::filesystem::temp_directory_path() / "dvr-test-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
        path_ = pattern;
#endif
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                     ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};
