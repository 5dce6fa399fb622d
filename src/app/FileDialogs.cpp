#include "app/FileDialogs.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <optional>

#include "app/AppStringIds.h"
#include "app/QtText.h"
#include "files/Preferences.h"
#include "model/Cp932.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

// The column of the modification time in Qt's own file dialog.
constexpr int kDateColumn = 3;

// Qt's own dialog writes dates in the system's locale (English on most Linux systems); the
// tool's operators read them in Japanese. A platform's native dialog keeps its own.
class JapaneseDates : public QIdentityProxyModel {
  public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::DisplayRole && index.column() == kDateColumn) {
            if (const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel())) {
                const QDateTime time = files->lastModified(mapToSource(index));
                return QLocale(QLocale::Japanese, QLocale::Japan)
                    .toString(time, QStringLiteral("yyyy/MM/dd HH:mm"));
            }
        }
        return QIdentityProxyModel::data(index, role);
    }
};

std::string PreferencesSection() {
    return std::string(res::Text(res::ids::kPrefSection));
}

std::string LastFolderKey() {
    return std::string(res::Text(res::ids::kAppPrefLastFolder));
}

QString LastFolder() {
    const std::optional<std::string> folder =
        ReadProfileString(Preferences::DefaultPath(), PreferencesSection(), LastFolderKey());
    if (!folder || folder->empty()) {
        return QString();
    }
    const QString shown = FromCp932(*folder);
    return QDir(shown).exists() ? shown : QString();
}

void KeepFolder(const QString& file) {
    // The preferences hold code page 932; a folder whose name it cannot hold is not kept.
    const std::optional<std::string> folder =
        Utf8ToCp932(QFileInfo(file).absolutePath().toStdString());
    if (folder) {
        WriteProfileStrings(Preferences::DefaultPath(), PreferencesSection(),
                            {{LastFolderKey(), *folder}});
    }
}

// The extension of the filter's first pattern ("dat" of "*.dat"), or "" when it has none.
QString FilterExtension(const QString& filter) {
    const qsizetype star = filter.indexOf(QStringLiteral("*."));
    if (star < 0) {
        return QString();
    }
    QString extension = filter.mid(star + 2);
    if (const qsizetype end = extension.indexOf(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")));
        end >= 0) {
        extension.truncate(end);
    }
    return extension;
}

}  // namespace

ChosenFile ChooseFile(QWidget* parent, FileDialogMode mode, int filterId, const QString& current) {
    const QString filter = QtFileFilter(filterId);
    QString folder = current.isEmpty() ? QString() : QFileInfo(current).absolutePath();
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = LastFolder();
    }
    QFileDialog dialog(parent, QString(), folder, filter);
    dialog.setProxyModel(new JapaneseDates(&dialog));
    if (!current.isEmpty()) {
        dialog.selectFile(QFileInfo(current).fileName());
    }
    if (mode != FileDialogMode::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        if (mode == FileDialogMode::Save) {
            dialog.setDefaultSuffix(FilterExtension(filter));
        }
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    const QString chosen = dialog.selectedFiles().constFirst();
    if (chosen.isEmpty()) {
        return {};
    }
    KeepFolder(chosen);
    return {.shown = chosen, .path = LocalPath(chosen)};
}

}  // namespace morvik
