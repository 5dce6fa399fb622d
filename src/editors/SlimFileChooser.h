#pragma once
// The file dialogs of the Slim settings window (save a settings file, open a Toruca file). Tests
// put a chooser of their own in place of the dialogs to pick a path without a person.

#include <QString>
#include <functional>

class QWidget;

namespace morvik {

enum class SlimFileDialog { SaveSettings, OpenToruca };

// Returns the chosen path, or an empty text when the operator cancelled.
using SlimFileChooserFunction = std::function<QString(QWidget* parent, SlimFileDialog dialog)>;

// An empty function brings the real dialogs back.
void SetSlimFileChooser(SlimFileChooserFunction chooser);
QString ChooseSlimFile(QWidget* parent, SlimFileDialog dialog);

}  // namespace morvik
