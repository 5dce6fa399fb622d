#pragma once
// Saves a window as FOLDER/NAME.png for the screenshots of docs/, once it has been shown and
// painted; prints the path and size. False (with a message on stderr) when it could not.

#include <QDir>

class QWidget;

namespace morvik::test {

bool SaveWindowShot(QWidget& window, const QDir& folder, const char* name);

}  // namespace morvik::test
