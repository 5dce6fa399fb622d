// morvik-tool: the desktop settings tool.

#include <QApplication>
#include <QFile>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/AppStringIds.h"
#include "app/CMVKAppApp.h"
#include "app/QtTranslations.h"
#include "model/Cp932.h"
#include "morvik/Version.h"
#include "res/Strings.h"

namespace {

constexpr int kExitOutputFailed = 1;
constexpr int kExitUsage = 2;
constexpr int kExitNoDisplay = 3;
constexpr int kExitNoConverter = 4;

std::string Text(int id) {
    return std::string(morvik::res::Text(id));
}

bool HasEnv(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// Without a display and without a platform chosen, Qt would abort; say what to do instead.
bool DisplayAvailable(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0) {
            return true;
        }
    }
    return HasEnv("DISPLAY") || HasEnv("WAYLAND_DISPLAY") || HasEnv("QT_QPA_PLATFORM");
}

// What --help and --version print goes to standard output; output that did not arrive (a full
// disk, a closed pipe) is a failure, said on standard error.
int Printed() {
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        std::fprintf(stderr, "%s\n", Text(morvik::res::ids::kAppOutputWriteFailed).c_str());
        return kExitOutputFailed;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf("%s\n", Text(morvik::res::ids::kAppUsage).c_str());
            return Printed();
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("morvik-tool %s\n", morvik::kProgramVersion);
            return Printed();
        }
    }
    if (!morvik::Cp932ConverterAvailable()) {
        std::fputs(morvik::Cp932MissingMessage(), stderr);
        return kExitNoConverter;
    }
    if (!DisplayAvailable(argc, argv)) {
        std::fprintf(stderr, "%s\n", Text(morvik::res::ids::kAppNoDisplay).c_str());
        return kExitNoDisplay;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("morvik-tool"));
    morvik::InstallQtJapanese(app);

    morvik::CMVKAppDlg::StartOptions options;
    const QStringList args = QApplication::arguments().mid(1);  // Qt's own options are gone
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--device") && i + 1 < args.size()) {
            options.devicePath = QFile::encodeName(args[++i]).toStdString();
        } else if (arg.startsWith(QLatin1String("--device=")) && arg.size() > 9) {
            options.devicePath = QFile::encodeName(arg.mid(9)).toStdString();
        } else {
            const std::string message = morvik::res::Format(
                Text(morvik::res::ids::kAppUnknownOption), arg.toUtf8().constData());
            std::fprintf(stderr, "%s\n%s\n", message.c_str(),
                         Text(morvik::res::ids::kAppUsage).c_str());
            return kExitUsage;
        }
    }
    return morvik::CMVKAppApp().Run(options);
}
