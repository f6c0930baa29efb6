// The real file and print dialogs of the details list's export, over the active window.
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>

#include "app/dialogs.h"

namespace brisanel::app {

QString QtDialogs::saveFileName(const QString& title, const QString& suggested,
                                const QString& filter) {
    QFileDialog dialog(QApplication::activeWindow(), title, suggested, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The dialog adds the suffix before it asks about replacing a file, so the question is about
    // the file that would be written.
    dialog.setDefaultSuffix(QFileInfo(suggested).suffix());
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

bool QtDialogs::setUpPrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace brisanel::app
