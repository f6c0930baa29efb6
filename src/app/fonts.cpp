#include "app/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace brisanel::app::fonts {
namespace {

QString firstInstalled(const QStringList& families) {
    for (const QString& family : families) {
        if (QFontDatabase::hasFamily(family)) return family;
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

}  // namespace

QFont window() {
    static const QString family = firstInstalled(
        {"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arimo", "DejaVu Sans"});
    QFont font(family);
    font.setPointSizeF(8.25);
    return font;
}

QFont boxes() {
    static const QString family = firstInstalled(
        {"Comic Sans MS", "Comic Neue", "Comic Relief", "Liberation Sans", "DejaVu Sans"});
    QFont font(family);
    font.setPointSizeF(9.75);
    font.setBold(true);
    return font;
}

}  // namespace brisanel::app::fonts
