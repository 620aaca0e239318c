#pragma once
// A FileSystem that passes every call to another one and breaks the one chosen: the Nth call
// of a kind fails outright, comes up short or (a read) returns other bytes. A hook after each
// call lets a test change the disk between two calls, as another program might.
#include <cerrno>
#include <functional>
#include <map>
#include <vector>

#include "storage/file_system.h"

enum class Call { SizeOf, Exists, Open, Read, Write, Flush, Sync, Close, SizeOfOpen, SyncFolder };
enum class Fault {
    Fail,     // the call reports failure; a failed write or read moves no bytes
    Short,    // a read or write moves only half of the bytes asked for
    Corrupt,  // a read returns all its bytes, with the first one changed
};

inline const char* CallName(Call call) {
    switch (call) {
        case Call::SizeOf: return "SizeOf";
        case Call::Exists: return "Exists";
        case Call::Open: return "Open";
        case Call::Read: return "Read";
        case Call::Write: return "Write";
        case Call::Flush: return "Flush";
        case Call::Sync: return "Sync";
        case Call::Close: return "Close";
        case Call::SizeOfOpen: return "SizeOfOpen";
        case Call::SyncFolder: return "SyncFolder";
    }
    return "?";
}

class FaultyFileSystem : public FileSystem {
public:
    explicit FaultyFileSystem(FileSystem& inner = SystemFileSystem()) : inner_(inner) {}

    // Break the nth (1-based) call of this kind.
    void Break(Call call, int nth, Fault fault) { plan_ = Plan{call, nth, fault, true}; }
    // What a call broken with Fault::Fail reports: an I/O error unless a test says otherwise.
    SystemError brokenError{EIO, "Input/output error", ErrorKind::kOther};
    // Runs after each call with its kind and its number among the calls of that kind.
    std::function<void(Call, int)> after;

    const std::vector<Call>& Log() const { return log_; }
    int StillOpen() const { return opened_ - closed_; }

    std::optional<std::uintmax_t> SizeOf(const std::filesystem::path& path) override {
        const bool broken = Next(Call::SizeOf);
        auto result = broken ? std::nullopt : inner_.SizeOf(path);
        Done(Call::SizeOf);
        return result;
    }
    bool Exists(const std::filesystem::path& path) override {
        const bool result = !Next(Call::Exists) && inner_.Exists(path);
        Done(Call::Exists);
        return result;
    }
    Handle Open(const std::filesystem::path& path, Mode mode) override {
        const Handle result = Next(Call::Open) ? kNoHandle : inner_.Open(path, mode);
        if (result != kNoHandle) ++opened_;
        Done(Call::Open);
        return result;
    }
    std::size_t Read(Handle file, std::uint8_t* buffer, std::size_t size) override {
        std::size_t result = 0;
        if (!Next(Call::Read)) {
            result = inner_.Read(file, buffer, size);
        } else if (plan_.fault == Fault::Short) {
            result = inner_.Read(file, buffer, size / 2);
        } else if (plan_.fault == Fault::Corrupt) {
            result = inner_.Read(file, buffer, size);
            if (result > 0) buffer[0] ^= 0xFF;
        }
        Done(Call::Read);
        return result;
    }
    std::size_t Write(Handle file, const std::uint8_t* data, std::size_t size) override {
        std::size_t result = 0;
        if (!Next(Call::Write))
            result = inner_.Write(file, data, size);
        else if (plan_.fault == Fault::Short)
            result = inner_.Write(file, data, size / 2);
        Done(Call::Write);
        return result;
    }
    bool Flush(Handle file) override { return Pass(Call::Flush, [&] { return inner_.Flush(file); }); }
    bool Sync(Handle file) override { return Pass(Call::Sync, [&] { return inner_.Sync(file); }); }
    // A failed close still releases the handle, as close(2) does.
    bool Close(Handle file) override {
        ++closed_;
        return Pass(Call::Close, [&] { return inner_.Close(file); });
    }
    bool SyncFolder(const std::filesystem::path& folder) override {
        return Pass(Call::SyncFolder, [&] { return inner_.SyncFolder(folder); });
    }
    // A broken call reports brokenError (an I/O error, as a failing medium would); others what
    // the system said.
    SystemError LastError() const override {
        if (lastBroken_ && plan_.fault == Fault::Fail) return brokenError;
        return inner_.LastError();
    }
    std::optional<std::uintmax_t> SizeOfOpen(Handle file) override {
        const bool broken = Next(Call::SizeOfOpen);
        auto result = broken ? std::nullopt : inner_.SizeOfOpen(file);
        Done(Call::SizeOfOpen);
        return result;
    }

private:
    struct Plan {
        Call call = Call::SizeOf;
        int nth = 0;
        Fault fault = Fault::Fail;
        bool armed = false;
    };

    // Counts the call; true when it is the one to break.
    bool Next(Call call) {
        log_.push_back(call);
        const int n = ++counts_[call];
        lastBroken_ = plan_.armed && plan_.call == call && plan_.nth == n;
        return lastBroken_;
    }
    void Done(Call call) {
        if (after) after(call, counts_[call]);
    }
    bool Pass(Call call, const std::function<bool()>& real) {
        const bool broken = Next(call);
        const bool result = real() && !broken;
        Done(call);
        return result;
    }

    FileSystem& inner_;
    Plan plan_;
    std::map<Call, int> counts_;
    std::vector<Call> log_;
    bool lastBroken_ = false;
    int opened_ = 0;
    int closed_ = 0;
};
