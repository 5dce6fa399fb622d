#pragma once
// The open and save dialogs of every window of the desktop tool, in one place: each starts in the
// folder last used (kept in the preferences), shows dates in Japanese, adds the filter's
// extension to a settings file saved under a name without one (so "a" is saved as "a.dat" and
// shows in the open dialogs), and gives the chosen file in the one form the files layer opens.
//
//   const ChosenFile file = ChooseFile(this, FileDialogMode::Save, ids::kSettingsFileFilter);
//   if (file.Chosen()) SaveSettingsFile(file.path, ...);

#include <QString>
#include <string>

class QWidget;

namespace morvik {

// Save adds the filter's extension to a name typed without one (settings files); SaveAsTyped
// keeps the name as typed (the maintenance file and the detection log, which have no default
// extension).
enum class FileDialogMode { Open, Save, SaveAsTyped };

struct ChosenFile {
    QString shown;     // as the operator chose it, for a field that shows the path
    std::string path;  // the same file as the files layer opens it (LocalPath)
    bool Chosen() const { return !shown.isEmpty(); }
};

// filterId: the string table's filter ("機器設定ファイル (*.dat)|*.dat||"). current: a path the
// window shows already, or the name a save suggests; the dialog then starts in its folder
// instead of the last one, with its name filled in. Nothing chosen (Cancel) gives an empty
// ChosenFile.
ChosenFile ChooseFile(QWidget* parent, FileDialogMode mode, int filterId,
                      const QString& current = QString());

}  // namespace morvik
