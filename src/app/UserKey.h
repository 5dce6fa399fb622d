#pragma once
// Who runs the desktop tool, as a short key: two users of one machine each get their own copy of
// the tool.

#include <QByteArray>

namespace morvik {

// The user's number on POSIX, the user's name on Windows.
QByteArray CurrentUserKey();

}  // namespace morvik
