#include <gtest/gtest.h>

#include <QApplication>

#include "app/translations.h"

int main(int argc, char* argv[]) {
    // Window tests need no display; they also run when listed at build time.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    brisanel::app::installTranslations(app);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
