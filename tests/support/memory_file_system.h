#pragma once
// A FileSystem that keeps its files in memory: fast, and with nothing that can fail by itself.
#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "storage/file_system.h"

class MemoryFileSystem : public FileSystem {
public:
    std::map<std::string, std::vector<std::uint8_t>> files;

    std::optional<std::uintmax_t> SizeOf(const std::filesystem::path& path) override {
        const auto it = files.find(path.string());
        if (it == files.end()) return std::nullopt;
        return it->second.size();
    }
    bool Exists(const std::filesystem::path& path) override { return files.count(path.string()) != 0; }

    Handle Open(const std::filesystem::path& path, Mode mode) override {
        const bool exists = Exists(path);
        if ((mode == Mode::Create) == exists) return kNoHandle;
        if (mode == Mode::Create) files[path.string()];
        open_.push_back({path.string(), 0, true});
        return static_cast<Handle>(open_.size() - 1);
    }
    std::size_t Read(Handle file, std::uint8_t* buffer, std::size_t size) override {
        OpenFile* f = Find(file);
        if (!f) return 0;
        const std::vector<std::uint8_t>& data = files[f->name];
        const std::size_t n = f->position < data.size() ? std::min(size, data.size() - f->position) : 0;
        if (n) std::memcpy(buffer, data.data() + f->position, n);
        f->position += n;
        return n;
    }
    std::size_t Write(Handle file, const std::uint8_t* data, std::size_t size) override {
        OpenFile* f = Find(file);
        if (!f) return 0;
        std::vector<std::uint8_t>& bytes = files[f->name];
        if (bytes.size() < f->position + size) bytes.resize(f->position + size);
        std::memcpy(bytes.data() + f->position, data, size);
        f->position += size;
        return size;
    }
    bool Flush(Handle file) override { return Find(file) != nullptr; }
    bool Sync(Handle file) override { return Find(file) != nullptr; }
    bool Close(Handle file) override {
        OpenFile* f = Find(file);
        if (!f) return false;
        f->open = false;
        return true;
    }
    std::optional<std::uintmax_t> SizeOfOpen(Handle file) override {
        OpenFile* f = Find(file);
        if (!f) return std::nullopt;
        return files[f->name].size();
    }

    int OpenHandles() const {
        return static_cast<int>(std::count_if(open_.begin(), open_.end(), [](const OpenFile& f) { return f.open; }));
    }

private:
    struct OpenFile {
        std::string name;
        std::size_t position;
        bool open;
    };
    OpenFile* Find(Handle file) {
        if (file < 0 || static_cast<std::size_t>(file) >= open_.size() || !open_[file].open) return nullptr;
        return &open_[file];
    }
    std::vector<OpenFile> open_;
};
