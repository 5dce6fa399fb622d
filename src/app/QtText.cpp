#include "app/QtText.h"

#include <QStringList>

#include "model/Cp932.h"
#include "res/Strings.h"

namespace morvik {

QString FromCp932(const std::string& bytes) {
    return QString::fromStdString(Cp932ToUtf8(bytes));
}

std::string ToCp932(const QString& text) {
    return Utf8ToCp932Lossy(text.toStdString());
}

QString Tr(int id) {
    const std::string_view text = res::Text(id);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString QtFileFilter(int id) {
    const QStringList parts = Tr(id).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty()) {
            break;
        }
        // Qt takes the patterns from the parentheses of the description.
        filters.append(parts[i].contains(QLatin1Char('(')) ? parts[i]
                                                           : parts[i] + " (" + parts[i + 1] + ")");
    }
    return filters.join(QStringLiteral(";;"));
}

std::string LocalPath(const QString& path) {
    return path.toStdString();
}

}  // namespace morvik
