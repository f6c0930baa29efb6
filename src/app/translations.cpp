#include "app/translations.h"

#include <QCoreApplication>
#include <QTranslator>

namespace brisanel::app {

bool installTranslations(QCoreApplication& application) {
    auto* english = new QTranslator(&application);
    if (!english->load(QStringLiteral(":/translations/brisanel_en.qm"))) {
        delete english;
        return false;
    }
    return QCoreApplication::installTranslator(english);
}

}  // namespace brisanel::app
