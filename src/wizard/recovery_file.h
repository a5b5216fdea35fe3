#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QThreadPool>
#include <memory>
#include <string>

// Where unsaved entries are kept while the program runs, so that a crash or a power cut
// loses at most the last few seconds. Each running program has a file of its own in the
// folder, held by a lock that the system lets go when the program ends, however it ends: a
// file whose lock is free was left by a program that did not end cleanly.
class RecoveryFile {
public:
    // The folder is created when missing.
    explicit RecoveryFile(const QString& folder);
    ~RecoveryFile(); // waits for the writes under way; the file stays
    RecoveryFile(const RecoveryFile&) = delete;
    RecoveryFile& operator=(const RecoveryFile&) = delete;

    struct Left {
        QString path;
        QDateTime written;
    };
    // Files left by programs that ended without cleaning up, newest first. They stay locked
    // by this program until Adopt, Discard or Release.
    QList<Left> LeftBehind();
    // The left file becomes this program's own recovery file.
    void Adopt(const Left& left);
    void Discard(const Left& left);
    void Release(); // lets go of the left files neither adopted nor discarded

    // Both in the background, in the order they are asked for; Write replaces the file
    // atomically.
    void Write(std::string bytes);
    void Remove();
    // A clean exit: the file is removed and the lock let go.
    void Finish();

    QString Path() const { return path_; }
    void Wait(); // until the background work asked for so far is done

private:
    class Lock;

    QString folder_;
    QString path_;
    std::shared_ptr<Lock> lock_;
    QList<std::pair<QString, std::shared_ptr<Lock>>> left_;
    QThreadPool worker_;
};
