#include "wizard/recovery_file.h"

#include "common/qt_text.h"
#include "common/utf8_path.h"
#include "wizard/atomic_file.h"
#include "wizard/inspection_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

// A lock the system lets go when its holder ends, however it ends.
class RecoveryFile::Lock {
public:
    explicit Lock(const QString& path) : path_(path) {
#ifdef _WIN32
        // Opened without sharing: nobody else opens it while this handle lives. Windows
        // deletes no file that is open unshared, so the system deletes it when the handle
        // closes, however the holder ends.
        handle_ = CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()),
                              GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        held_ = handle_ != INVALID_HANDLE_VALUE;
#else
        fd_ = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        held_ = fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) == 0;
#endif
    }
    ~Lock() {
#ifdef _WIN32
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
#else
        if (fd_ >= 0)
            ::close(fd_);
#endif
    }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

    bool Held() const {
        return held_;
    }
    // Removed while still held, so nobody takes it in between (on Windows, when the handle
    // closes).
    void RemoveFile() {
#ifndef _WIN32
        if (held_)
            QFile::remove(path_);
#endif
    }

private:
    QString path_;
    bool held_ = false;
#ifdef _WIN32
    HANDLE handle_ = INVALID_HANDLE_VALUE;
#else
    int fd_ = -1;
#endif
};

namespace {

const QString Prefix = QStringLiteral("recovery-");
const QString Suffix = QStringLiteral(".naporis");

QString LockPath(const QString& path) {
    return path + QStringLiteral(".lock");
}

std::filesystem::path NativePath(const QString& path) {
    return common::PathFromQString(path);
}

} // namespace

RecoveryFile::RecoveryFile(const QString& folder) : folder_(folder) {
    worker_.setMaxThreadCount(1); // one at a time, in the order asked
    QDir().mkpath(folder);
    // A name of its own: the time and the process.
    for (int attempt = 0; attempt < 100 && !(lock_ && lock_->Held()); ++attempt) {
        path_ = QDir(folder).filePath(
            Prefix + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")) +
            QStringLiteral("-%1-%2").arg(QCoreApplication::applicationPid()).arg(attempt) + Suffix);
        if (QFileInfo::exists(path_))
            continue;
        lock_ = std::make_shared<Lock>(LockPath(path_));
    }
}

RecoveryFile::~RecoveryFile() {
    Wait();
}

QList<RecoveryFile::Left> RecoveryFile::LeftBehind() {
    QList<Left> found;
    const QFileInfoList files =
        QDir(folder_).entryInfoList({Prefix + QStringLiteral("*") + Suffix}, QDir::Files);
    for (const QFileInfo& file : files) {
        const QString path = file.absoluteFilePath();
        if (path == QFileInfo(path_).absoluteFilePath())
            continue;
        auto lock = std::make_shared<Lock>(LockPath(path));
        if (!lock->Held())
            continue; // its program is still running
        left_.append({path, lock});
        found.append({path, file.lastModified()});
    }
    std::sort(found.begin(), found.end(),
              [](const Left& a, const Left& b) { return a.written > b.written; });
    return found;
}

void RecoveryFile::Adopt(const Left& left) {
    for (qsizetype i = 0; i < left_.size(); ++i) {
        if (left_[i].first != left.path)
            continue;
        Wait();
        QFile::remove(path_);
        if (lock_)
            lock_->RemoveFile();
        path_ = left.path;
        lock_ = left_[i].second;
        left_.removeAt(i);
        return;
    }
}

void RecoveryFile::Discard(const Left& left) {
    for (qsizetype i = 0; i < left_.size(); ++i) {
        if (left_[i].first != left.path)
            continue;
        QFile::remove(left.path);
        left_[i].second->RemoveFile();
        left_.removeAt(i);
        return;
    }
}

void RecoveryFile::Release() {
    left_.clear();
}

void RecoveryFile::Write(std::string bytes) {
    worker_.start([path = NativePath(path_), bytes = std::move(bytes)] {
        try {
            wizard::WriteFileAtomically(path, bytes);
        } catch (const std::exception&) {
            // A recovery file that cannot be written is no reason to disturb the user:
            // the entries are still on screen, and saving reports its own failures.
        }
    });
}

void RecoveryFile::Remove() {
    worker_.start([path = NativePath(path_)] {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    });
}

void RecoveryFile::Finish() {
    Remove();
    Wait();
    if (lock_)
        lock_->RemoveFile();
    lock_.reset();
}

void RecoveryFile::Wait() {
    worker_.waitForDone();
}
