// The file dialog of every window: a settings file saved under a name without an extension gets
// ".dat", the next dialog starts in the folder last used (kept in the preferences), and dates are
// shown in Japanese.

#include <QAbstractProxyModel>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QRegularExpression>
#include <filesystem>

#include "app/FileDialogs.h"
#include "app/QtText.h"
#include "files/Preferences.h"
#include "res/StringIds.h"
#include "support/Files.h"
#include "support/qt/AppFixture.h"
#include "support/qt/MiniWindowDriver.h"

namespace morvik {
namespace {

struct DialogSeen {
    QString folder;
    QString date;  // the date column of a file in the folder
};

// Takes the next file dialog: notes where it started and how it shows file's date, then types
// name (or cancels when name is empty).
test::WindowActor* Answer(QObject* owner, DialogSeen& seen, const QString& file,
                          const QString& name) {
    auto* actor = new test::WindowActor([&seen, file, name](QWidget* widget) {
        auto* dialog = qobject_cast<QFileDialog*>(widget);
        if (dialog == nullptr) {
            return false;
        }
        seen.folder = dialog->directory().absolutePath();
        if (QAbstractProxyModel* proxy = dialog->proxyModel()) {
            auto* files = qobject_cast<QFileSystemModel*>(proxy->sourceModel());
            const QModelIndex index = files->index(file, 3);
            seen.date = proxy->mapFromSource(index).data().toString();
        }
        if (name.isEmpty()) {
            dialog->reject();
            return true;
        }
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(name);
        static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
        return true;
    });
    actor->setParent(owner);
    return actor;
}

using FileDialogTest = test::AppFixture;

TEST_F(FileDialogTest, ASavedNameGetsDatAndTheNextDialogStartsThereWithJapaneseDates) {
    const std::string folder = Config().File("設定ファイル");
    std::filesystem::create_directories(folder);
    const QString old = QString::fromStdString(folder + "/old.dat");
    test::WriteWholeFile(old.toStdString(), "x");

    DialogSeen save;
    QObject owner;
    Answer(&owner, save, old, QString::fromStdString(folder + "/new"));
    const ChosenFile saved =
        ChooseFile(nullptr, FileDialogMode::Save, res::ids::kSettingsFileFilter);
    EXPECT_EQ(saved.shown.toStdString(), folder + "/new.dat");
    EXPECT_EQ(saved.path, LocalPath(saved.shown));

    // A name with an extension of its own keeps it.
    DialogSeen kept;
    Answer(&owner, kept, old, QStringLiteral("notes.txt"));
    EXPECT_TRUE(ChooseFile(nullptr, FileDialogMode::Save, res::ids::kSettingsFileFilter)
                    .shown.endsWith(QStringLiteral("/notes.txt")));

    DialogSeen open;
    Answer(&owner, open, old, QString());
    EXPECT_FALSE(ChooseFile(nullptr, FileDialogMode::Open, res::ids::kSettingsFileFilter).Chosen());
    EXPECT_EQ(open.folder, QDir(QString::fromStdString(folder)).absolutePath());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{4}/\\d{2}/\\d{2} \\d{2}:\\d{2}$"))
                    .match(open.date)
                    .hasMatch())
        << open.date.toStdString();
    EXPECT_TRUE(ReadProfileString(IniPath(), "MorvikMini/Slim", "LastFolder").has_value());
}

}  // namespace
}  // namespace morvik
