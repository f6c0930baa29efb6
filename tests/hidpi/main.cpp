#include <gtest/gtest.h>

#include <QApplication>

#include "app/translations.h"

int main(int argc, char* argv[]) {
    // Every window of this program is drawn at twice the pixels of its logical size.
    qputenv("QT_SCALE_FACTOR", "2");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    brisanel::app::installTranslations(app);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
