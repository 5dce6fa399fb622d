#include "support/qt/WindowShot.h"

#include <QTest>
#include <QWidget>
#include <cstdio>

namespace morvik::test {

bool SaveWindowShot(QWidget& window, const QDir& folder, const char* name) {
    window.show();
    window.raise();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "%s: the window was not shown\n", name);
        return false;
    }
    QTest::qWait(150);  // let the window paint once after it was laid out
    const QString path = folder.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "%s: cannot write %s\n", name, qPrintable(path));
        return false;
    }
    std::printf("%s %dx%d\n", qPrintable(path), window.width(), window.height());
    return true;
}

}  // namespace morvik::test
