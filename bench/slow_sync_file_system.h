#pragma once
// The system's file layer with a slow medium behind it: every sync takes a fixed time more, as
// a slow card's controller would hold it.
#include <chrono>
#include <memory>
#include <thread>

#include "storage/file_system.h"

class SlowSyncFileSystem final : public FileSystem {
public:
    explicit SlowSyncFileSystem(std::chrono::milliseconds syncTime) : syncTime_(syncTime) {}

    std::optional<std::uintmax_t> SizeOf(const std::filesystem::path& path) override { return inner_->SizeOf(path); }
    bool Exists(const std::filesystem::path& path) override { return inner_->Exists(path); }
    Handle Open(const std::filesystem::path& path, Mode mode) override { return inner_->Open(path, mode); }
    std::optional<std::uintmax_t> SizeOfOpen(Handle file) override { return inner_->SizeOfOpen(file); }
    std::size_t Read(Handle file, std::uint8_t* buffer, std::size_t size) override {
        return inner_->Read(file, buffer, size);
    }
    std::size_t Write(Handle file, const std::uint8_t* data, std::size_t size) override {
        return inner_->Write(file, data, size);
    }
    bool Flush(Handle file) override { return inner_->Flush(file); }
    bool Sync(Handle file) override {
        std::this_thread::sleep_for(syncTime_);
        return inner_->Sync(file);
    }
    bool Close(Handle file) override { return inner_->Close(file); }
    bool SyncFolder(const std::filesystem::path& folder) override { return inner_->SyncFolder(folder); }
    SystemError LastError() const override { return inner_->LastError(); }

private:
    std::chrono::milliseconds syncTime_;
    std::unique_ptr<FileSystem> inner_ = NewSystemFileSystem();
};
