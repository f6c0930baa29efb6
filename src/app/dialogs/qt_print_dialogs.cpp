// The real file and print dialogs of the details list's export and the planner's files, over the
// active window.
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>

#include "app/dialogs/dialogs.h"

namespace brisanel::app {

QString QtDialogs::saveFileName(const QString& title, const QString& suggested,
                                const QString& filter) {
    QFileDialog dialog(parent(), title, suggested, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The dialog adds the suffix before it asks about replacing a file, so the question is about
    // the file that would be written.
    dialog.setDefaultSuffix(QFileInfo(suggested).suffix());
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

QString QtDialogs::openFileName(const QString& title, const QString& folder,
                                const QString& filter) {
    return QFileDialog::getOpenFileName(parent(), title, folder, filter);
}

bool QtDialogs::setUpPrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer, parent());
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace brisanel::app
