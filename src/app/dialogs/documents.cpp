#include "app/dialogs/documents.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include "app/dialogs/dialogs.h"

namespace brisanel::app {

QString suggestedPath(const QString& document, const QString& untitled, const QString& suffix) {
    if (document.isEmpty()) return QDir::current().filePath(untitled + '.' + suffix);
    const QFileInfo file(document);
    return file.dir().filePath(file.completeBaseName() + '.' + suffix);
}

QStringList filterSuffixes(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral(R"(\*\.([^\s;()*]+))"));
    QStringList suffixes;
    for (const QRegularExpressionMatch& match : pattern.globalMatch(filter)) {
        suffixes.append(match.captured(1));
    }
    return suffixes;
}

QString savedName(const QString& name, const QString& defaultSuffix, const QString& filter) {
    for (const QString& suffix : filterSuffixes(filter)) {
        if (name.endsWith('.' + suffix, Qt::CaseInsensitive)) return name;
    }
    return withSuffix(name, defaultSuffix);
}

bool settleChanges(Dialogs& dialogs, bool modified, const QString& question,
                   const std::function<bool()>& save) {
    if (!modified) return true;
    switch (dialogs.message(question, QStringLiteral("Brisanel"), MessageIcon::Exclamation,
                            MessageButtons::SaveDiscardCancel)) {
        case MessageAnswer::Save:
            return save();
        case MessageAnswer::Discard:
            return true;
        default:
            return false;
    }
}

}  // namespace brisanel::app
