// The real file and print dialogs of the details list's export and the planner's files, over the
// active window.
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>

#include "app/dialogs/dialogs.h"
#include "app/dialogs/documents.h"

namespace brisanel::app {
namespace {

// QFileDialog adds its default suffix only to a name without any ("loan", not "loan.v2"). This
// one gives it to every name that ends in none of the filter's suffixes, before the dialog asks
// about replacing a file, so that the question is about the file that will be written.
class SuffixedFileDialog final : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override {
        const QStringList files = selectedFiles();
        if (files.size() == 1 && !defaultSuffix().isEmpty()) {
            const QString name =
                savedName(files.constFirst(), defaultSuffix(), nameFilters().join(u' '));
            if (name != files.constFirst()) selectFile(name);
        }
        QFileDialog::accept();
    }
};

}  // namespace

QString withSuffix(const QString& name, const QString& suffix) {
    if (suffix.isEmpty() || name.endsWith('.' + suffix, Qt::CaseInsensitive)) return name;
    return name + '.' + suffix;
}

QString QtDialogs::saveFileName(const QString& title, const QString& suggested,
                                const QString& filter, const QString& defaultSuffix) {
    SuffixedFileDialog dialog(parent(), title, suggested, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without a suffix takes the suggested file's when no default is given.
    dialog.setDefaultSuffix(defaultSuffix.isEmpty() ? QFileInfo(suggested).suffix()
                                                    : defaultSuffix);
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString chosen = dialog.selectedFiles().constFirst();
    return defaultSuffix.isEmpty() ? chosen : savedName(chosen, defaultSuffix, filter);
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
