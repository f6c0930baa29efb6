#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

#include "app/dialogs.h"

namespace brisanel::app {

MessageAnswer QtDialogs::message(const QString& text, const QString& title, MessageIcon icon,
                                 MessageButtons buttons) {
    const QMessageBox::Icon boxIcon = icon == MessageIcon::Information   ? QMessageBox::Information
                                      : icon == MessageIcon::Exclamation ? QMessageBox::Warning
                                                                         : QMessageBox::Critical;
    const QMessageBox::StandardButtons boxButtons =
        buttons == MessageButtons::Ok
            ? QMessageBox::StandardButtons(QMessageBox::Ok)
            : QMessageBox::StandardButtons(QMessageBox::Yes | QMessageBox::No |
                                           QMessageBox::Cancel);
    QMessageBox box(boxIcon, title, text, boxButtons, QApplication::activeWindow());
    switch (box.exec()) {
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        case QMessageBox::Cancel:
            return MessageAnswer::Cancel;
        default:
            return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }
}

QString QtDialogs::prompt(const QString& text, const QString& title) {
    bool accepted = false;
    const QString answer = QInputDialog::getText(QApplication::activeWindow(), title, text,
                                                 QLineEdit::Normal, QString(), &accepted);
    return accepted ? answer : QString();
}

}  // namespace brisanel::app
