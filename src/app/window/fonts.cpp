#include "app/window/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace brisanel::app::fonts {
namespace {

// One look at the installed families serves both fonts: asking for each candidate by name has
// fontconfig resolve it as an alias first, which costs far more than the list.
QString firstInstalled(const QStringList& candidates) {
    static const QStringList installed = QFontDatabase::families();
    for (const QString& family : candidates) {
        if (installed.contains(family, Qt::CaseInsensitive)) return family;
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

}  // namespace

QFont window() {
    static const QString family = firstInstalled(
        {"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arimo", "DejaVu Sans"});
    QFont font(family);
    font.setPointSizeF(8.25);
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

QFont boxes() {
    static const QString family = firstInstalled(
        {"Comic Sans MS", "Comic Neue", "Comic Relief", "Liberation Sans", "DejaVu Sans"});
    QFont font(family);
    font.setPointSizeF(9.75);
    font.setBold(true);
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

}  // namespace brisanel::app::fonts
