#pragma once
// One copy of the tool per user. On POSIX the first copy holds a lock file and listens on a
// local socket of the same name; a later copy finds the lock taken, asks the first copy through
// the socket to bring its window to the front, and ends without a window of its own. On Windows
// the lock is a named mutex, and a later copy brings the first copy's window to the front itself
// (SingleInstanceLock.cpp and win/SingleInstanceLock.cpp).
//
// The name is formed from the user and the preferences folder, so every copy that would share
// one preferences file (and one port) shares it, and tests that give each run a folder of its
// own do not meet a copy the user has open.

#include <QObject>
#include <QString>
#include <memory>

namespace morvik {

class CSingleInstance : public QObject {
    Q_OBJECT

  public:
    // A name without a folder is taken in Folder(); the lock file is the name with ".lock".
    explicit CSingleInstance(QString name = DefaultName());
    ~CSingleInstance() override;

    // The socket's path in Folder(), named after the user and the preferences folder.
    static QString DefaultName();
    // Where the lock file and the socket live: the user's runtime folder, else the preferences
    // folder.
    static QString Folder();

    // True for the first copy, which from now on holds the lock. False when another copy holds
    // it; that copy's window has been asked to come to the front. True as well when the lock
    // cannot be made at all (a folder that cannot be written, no mutex): the copy runs unguarded
    // then.
    bool Acquire();
    // False after Acquire() ran unguarded; NoGuardText() then says why, for the operator.
    bool Guarded() const { return guarded_; }
    QString NoGuardText() const;

  signals:
    // A later copy was started: bring the window to the front (POSIX; on Windows the later copy
    // brings it forward itself).
    void activationRequested();

  private:
    struct Lock;

    QString name_;
    std::unique_ptr<Lock> lock_;
    bool guarded_ = true;
};

}  // namespace morvik
