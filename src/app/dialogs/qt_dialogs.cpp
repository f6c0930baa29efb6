#include <QApplication>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QSpacerItem>

#include "app/dialogs/dialogs.h"

namespace brisanel::app {
namespace {

// QMessageBox wraps a text wider than a soft limit of at most 500 pixels, which breaks the lines
// that the program has laid out itself. A spacer as wide as the unwrapped text, in the text's
// column, gives the text room for its longest line; only a text too wide for the screen still
// wraps.
void keepLinesUnwrapped(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (!grid || !label) return;
    box.ensurePolished();
    const bool wraps = label->wordWrap();
    label->setWordWrap(false);
    const int width = label->sizeHint().width();
    label->setWordWrap(wraps);
    const QScreen* screen = box.screen();
    if (screen && width > screen->availableGeometry().width() * 3 / 4) return;
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(grid->indexOf(label), &row, &column, &rowSpan, &columnSpan);
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                  grid->rowCount(), column, 1, columnSpan);
}

}  // namespace

QWidget* QtDialogs::parent() const {
    QWidget* active = QApplication::activeWindow();
    return active ? active : owner_;
}

MessageAnswer QtDialogs::message(const QString& text, const QString& title, MessageIcon icon,
                                 MessageButtons buttons) {
    const QMessageBox::Icon boxIcon = icon == MessageIcon::Information   ? QMessageBox::Information
                                      : icon == MessageIcon::Exclamation ? QMessageBox::Warning
                                                                         : QMessageBox::Critical;
    QMessageBox::StandardButtons boxButtons = QMessageBox::Ok;
    if (buttons == MessageButtons::OkCancel) {
        boxButtons = QMessageBox::Ok | QMessageBox::Cancel;
    } else if (buttons == MessageButtons::YesNoCancel) {
        boxButtons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    } else if (buttons == MessageButtons::SaveDiscardCancel) {
        boxButtons = QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
    }
    QMessageBox box(boxIcon, title, text, boxButtons, parent());
    keepLinesUnwrapped(box);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        case QMessageBox::Cancel:
            return MessageAnswer::Cancel;
        case QMessageBox::Save:
            return MessageAnswer::Save;
        case QMessageBox::Discard:
            return MessageAnswer::Discard;
        case QMessageBox::Ok:
            return MessageAnswer::Ok;
        default:
            return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }
}

QString QtDialogs::prompt(const QString& text, const QString& title) {
    bool accepted = false;
    const QString answer =
        QInputDialog::getText(parent(), title, text, QLineEdit::Normal, QString(), &accepted);
    return accepted ? answer : QString();
}

}  // namespace brisanel::app
