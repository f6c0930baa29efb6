#include <QApplication>
#include <QStringList>

#include "app/dialogs/dialogs.h"
#include "app/translations.h"
#include "app/window/fonts.h"
#include "app/window/frm_interest.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Lets Wayland desktops match the window to its launcher and icon.
    QGuiApplication::setDesktopFileName("example.norvikal.Brisanel");
    brisanel::app::installTranslations(app);
    brisanel::app::QtDialogs dialogs;

    // A new text box first lays out its text in the application's font, before it takes the font
    // it inherits. While the window is built that font is the window's own, so no other font has
    // to be found and loaded on the way to the first window; the dialogs keep the system's.
    const QFont systemFont = QApplication::font();
    QApplication::setFont(brisanel::app::fonts::window());
    brisanel::app::frmInterest window(dialogs);
    QApplication::setFont(systemFont);
    // Boxes that come up while no window is active, as after the name prompt closes, still
    // belong to the window and are centred over it.
    dialogs.setOwner(&window);

    window.show();
    // `brisanel FILE`, as the desktop opens a plan file with the calculator.
    if (const QStringList arguments = QApplication::arguments(); arguments.size() > 1) {
        window.openPlanFile(arguments.at(1));
    }
    return QApplication::exec();
}
