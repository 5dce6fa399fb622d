// A device settings file opened into the settings window of its edition: the header line decides
// which; a file without one opens no window and says why.

#include "app/CMVKAppDlg.h"
#include "app/QtText.h"
#include "files/SettingsFile.h"
#include "model/Utf8Path.h"
#include "res/StringIds.h"

namespace morvik {

void CMVKAppDlg::OpenSettingsFileWindow(const QString& path) {
    const std::filesystem::path file = PathFromUtf8(LocalPath(path));
    const SettingsFileText text = ReadSettingsFileText(file, kMiniFamilySettingsFileMaxSize);
    if (!text.ok) {
        ErrorBox(FromCp932(text.message));
        return;
    }
    switch (DetectSettingsFileEdition(text.text)) {
        case SettingsFileEdition::Mini:
            OpenMiniSettingsFile(path);
            return;
        case SettingsFileEdition::Slim:
            OpenSlimSettingsFile(path);
            return;
        case SettingsFileEdition::MiniSx:
            OpenMiniSxSettingsFile(path);
            return;
        case SettingsFileEdition::Unknown:
            break;
    }
    ErrorBox(Tr(res::ids::kSettingsFileInvalid));
}

}  // namespace morvik
