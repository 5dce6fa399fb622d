#pragma once
// Qt's own texts (file dialogs, the standard buttons of message boxes) in Japanese, like the
// rest of the tool: the translations Qt ships (qtbase_ja), installed on the application, from the
// "translations" folder beside the program when there is one, else from the Qt installation.

class QCoreApplication;

namespace morvik {

// True when Qt's Japanese translations were found and installed. Without them Qt's texts stay
// English; the tool works all the same.
bool InstallQtJapanese(QCoreApplication& app);

}  // namespace morvik
