// The one-copy lock on Windows: a named mutex of the user's session, held for the whole run. A
// later copy finds the first copy's main window by its title and brings it to the front itself
// (a program just started by the user may take the foreground).

#include <windows.h>

#include <QFileInfo>

#include "app/AppStringIds.h"
#include "app/CSingleInstance.h"
#include "app/QtText.h"
#include "link/ConfigDir.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {

namespace {

void BringFirstCopyForward() {
    const QString title = Tr(res::ids::kAppName);
    HWND window = ::FindWindowW(nullptr, reinterpret_cast<const wchar_t*>(title.utf16()));
    if (window == nullptr) {
        return;
    }
    if (::IsIconic(window)) {
        ::ShowWindow(window, SW_RESTORE);
    }
    ::SetForegroundWindow(window);
}

}  // namespace

struct CSingleInstance::Lock {
    explicit Lock(HANDLE mutex, DWORD why = 0) : handle(mutex), error(why) {}
    ~Lock() {
        if (handle != nullptr) {
            ::CloseHandle(handle);
        }
    }
    HANDLE handle;
    DWORD error;  // why there is no mutex
};

QString CSingleInstance::Folder() {
    // Only the name's last part counts for a mutex; the preferences folder keeps DefaultName()
    // the same on both platforms.
    return QString::fromLocal8Bit(ConfigDir());
}

// Only the name's last part is used: it names the mutex.
CSingleInstance::CSingleInstance(QString name) : name_(std::move(name)) {}

CSingleInstance::~CSingleInstance() = default;

bool CSingleInstance::Acquire() {
    // A mutex name may hold no backslash after its "Local\" namespace.
    const QString name = QStringLiteral("Local\\") + QFileInfo(name_).fileName();
    HANDLE mutex = ::CreateMutexW(nullptr, TRUE, reinterpret_cast<const wchar_t*>(name.utf16()));
    if (mutex == nullptr) {
        // No mutex at all (out of handles): run unguarded rather than refuse to start.
        lock_ = std::make_unique<Lock>(nullptr, ::GetLastError());
        guarded_ = false;
        return true;
    }
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        ::CloseHandle(mutex);
        BringFirstCopyForward();
        return false;
    }
    lock_ = std::make_unique<Lock>(mutex);
    return true;
}

QString CSingleInstance::NoGuardText() const {
    // The system's own words for why the mutex could not be made.
    wchar_t* message = nullptr;
    const DWORD error = lock_ ? lock_->error : 0;
    ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&message), 0, nullptr);
    const QString why =
        message ? QString::fromWCharArray(message).trimmed() : QString::number(error);
    ::LocalFree(message);
    const std::string text =
        res::Format(res::Text(res::ids::kAppNoSingleInstance),
                    QFileInfo(name_).fileName().toUtf8().constData(), why.toUtf8().constData());
    return QString::fromStdString(text);
}

}  // namespace morvik
