#include <QApplication>

#include "app/dialogs.h"
#include "app/frm_interest.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    brisanel::app::QtDialogs dialogs;
    brisanel::app::frmInterest window(dialogs);
    window.show();
    return QApplication::exec();
}
