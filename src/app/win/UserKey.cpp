#include "app/UserKey.h"

#include <windows.h>

#include <QString>

namespace morvik {

QByteArray CurrentUserKey() {
    wchar_t name[257] = {};
    DWORD length = sizeof name / sizeof name[0];
    if (!::GetUserNameW(name, &length) || length == 0) {
        return QByteArray();
    }
    // The length counts the terminating NUL.
    return QString::fromWCharArray(name, static_cast<int>(length) - 1).toUtf8();
}

}  // namespace morvik
