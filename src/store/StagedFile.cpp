#include "store/StagedFile.h"

#include <unistd.h>

#include <atomic>
#include <cstring>
#include <string>
#include <system_error>

#include "store/Error.h"

namespace busquery {
namespace {

constexpr int kSignals[3] = {SIGINT, SIGTERM, SIGHUP};

// What the signal handler may touch: a fixed buffer and a flag, no allocation.
char pendingPath[4096];
volatile std::sig_atomic_t pendingActive = 0;
std::atomic<bool> guardTaken{false};

extern "C" void removePendingFile(int signal) {
    if (pendingActive != 0) ::unlink(pendingPath);
    // The handler was installed with SA_RESETHAND: raising again ends the process the way the
    // signal would have without us.
    ::raise(signal);
}

std::filesystem::path temporaryBeside(const std::filesystem::path& target) {
    static std::atomic<unsigned> counter{0};
    std::filesystem::path folder = target.parent_path();
    std::string stem =
        "." + target.filename().string() + ".importing-" + std::to_string(::getpid());
    for (;;) {
        std::filesystem::path candidate = folder / (stem + "-" + std::to_string(counter++));
        std::error_code ec;
        if (!std::filesystem::exists(candidate, ec)) return candidate;
    }
}

}  // namespace

StagedFile::StagedFile(std::filesystem::path target) : target_(std::move(target)) {
    std::error_code ec;
    if (std::filesystem::is_directory(target_, ec)) {
        throw Error(ErrorKind::NotAFile,
                    "“" + target_.string() + "” 是一个文件夹，不能作为数据文件");
    }
    std::filesystem::path folder = target_.parent_path();
    if (!folder.empty() && !std::filesystem::is_directory(folder, ec)) {
        throw Error(ErrorKind::FileMissing, "文件夹 “" + folder.string() + "” 不存在");
    }
    temporary_ = temporaryBeside(target_);

    std::string text = temporary_.string();
    bool expected = false;
    if (text.size() < sizeof pendingPath && guardTaken.compare_exchange_strong(expected, true)) {
        std::memcpy(pendingPath, text.c_str(), text.size() + 1);
        pendingActive = 1;
        struct sigaction action = {};
        action.sa_handler = removePendingFile;
        action.sa_flags = SA_RESETHAND;
        sigemptyset(&action.sa_mask);
        for (int i = 0; i < 3; ++i) sigaction(kSignals[i], &action, &previous_[i]);
        guarded_ = true;
    }
}

StagedFile::~StagedFile() {
    if (!committed_) {
        std::error_code ec;
        std::filesystem::remove(temporary_, ec);
    }
    if (guarded_) {
        pendingActive = 0;
        for (int i = 0; i < 3; ++i) sigaction(kSignals[i], &previous_[i], nullptr);
        guardTaken = false;
    }
}

void StagedFile::commit() {
    std::error_code ec;
    std::filesystem::rename(temporary_, target_, ec);
    if (ec) {
        throw Error(ErrorKind::WriteFailed,
                    "无法把数据文件写到 “" + target_.string() + "”：" + ec.message());
    }
    committed_ = true;
    if (guarded_) pendingActive = 0;
}

}  // namespace busquery
