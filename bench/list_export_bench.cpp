// The details list's commands on its longest tables, on the offscreen platform: Copy of every line
// selected, Copy as Table, and Export PDF, each timed from the command until the clipboard holds
// the text or the file is written.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

#include "app/dialogs/dialogs.h"
#include "app/window/frm_interest.h"
#include "spread.h"

namespace {

using namespace brisanel::app;

// Every message is answered at once; the file dialog names a file in a temporary folder.
class AnsweringDialogs final : public Dialogs {
public:
    MessageAnswer message(const QString& text, const QString&, MessageIcon,
                          MessageButtons) override {
        qFatal("unexpected message: %s", qPrintable(text));
    }
    QString prompt(const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&, const QString&) override {
        return folder.filePath("list.pdf");
    }
    QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
    bool setUpPrinter(QPrinter&) override { return false; }

    QTemporaryDir folder;
};

struct Window {
    AnsweringDialogs dialogs;
    frmInterest window{dialogs};

    template <typename T>
    T* find(const char* name) const {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        if (!found) qFatal("no control named %s", name);
        return found;
    }
    void type(int box, const char* text) const {
        find<QLineEdit>(qPrintable(QStringLiteral("Text1(%1)").arg(box)))->setText(text);
    }
};

std::unique_ptr<Window> theWindow;  // ended by main while the application exists

// An EMI schedule over 1800 months, or the "DAILY" growth table over 1800 days (1801 lines).
QAction* commandOn(const char* table, const char* command) {
    if (!theWindow) {
        theWindow = std::make_unique<Window>();
        theWindow->window.show();
    }
    Window& w = *theWindow;
    if (qstrcmp(table, "Emi") == 0) {
        w.find<QAction>("mnEMI")->trigger();
        w.type(19, "1800");
        w.find<QPushButton>("EMI")->click();
        w.find<QPushButton>("ShowDetails")->click();
    } else {
        w.find<QAction>("mnFindRate")->trigger();
        w.find<QComboBox>("Combo2")->setCurrentIndex(5);
        w.type(13, "1800");
        w.find<QPushButton>("FindRate")->click();
    }
    QApplication::processEvents();
    w.find<QListWidget>("List1")->selectAll();  // Ctrl+A
    return w.find<QAction>(command);
}

void timeCommand(benchmark::State& state, const char* table, const char* command) {
    QAction* action = commandOn(table, command);
    for (auto _ : state) action->trigger();
    state.counters["lines"] = theWindow->find<QListWidget>("List1")->count();
    state.counters["bytes"] = command == QLatin1String("actExportPdf")
                                  ? QFileInfo(theWindow->dialogs.folder.filePath("list.pdf")).size()
                                  : QApplication::clipboard()->text().size();
}

void registerCommands() {
    for (const char* table : {"Emi", "Growth"}) {
        for (const auto& [name, command] : {std::pair{"Copy", "actCopy"},
                                            {"CopyAsTable", "actCopyCsv"},
                                            {"ExportPdf", "actExportPdf"}}) {
            benchmark::RegisterBenchmark((std::string(name) + table).c_str(), timeCommand, table,
                                         command)
                ->Unit(benchmark::kMillisecond)
                ->Apply(withSpread);
        }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    registerCommands();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    theWindow.reset();
    return 0;
}
