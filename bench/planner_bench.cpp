// The loan planner end to end on the offscreen platform, each timed until what it posted (layout,
// repaint) is handled: opening it the first time and again, one keystroke in an event's amount
// on an 1800-month plan with 20 events, and its PDF export of that plan.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeView>
#include <memory>
#include <utility>

#include "app/dialogs/dialogs.h"
#include "app/window/frm_interest.h"
#include "spread.h"

namespace {

using namespace brisanel::app;

// Questions are answered Discard; the PDF goes into a temporary folder.
class AnsweringDialogs final : public Dialogs {
public:
    MessageAnswer message(const QString&, const QString&, MessageIcon,
                          MessageButtons buttons) override {
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Discard;
    }
    QString prompt(const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&, const QString&) override {
        return folder.filePath("plan.pdf");
    }
    QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
    bool setUpPrinter(QPrinter&) override { return false; }

    QTemporaryDir folder;
};

[[gnu::noinline]] void settle() {
    for (int round = 0; round < 3; ++round) QCoreApplication::processEvents();
}

// The main window with an EMI schedule in its details list, from which the planner opens.
class Window {
public:
    explicit Window(const QString& months) : window_(std::make_unique<frmInterest>(dialogs_)) {
        window_->show();
        find<QAction>("mnEMI")->trigger();
        for (const auto& [box, text] : {std::pair{"Text1(20)", QStringLiteral("5000")},
                                        {"Text1(18)", QStringLiteral("12")},
                                        {"Text1(17)", QStringLiteral("0")},
                                        {"Text1(19)", months}}) {
            find<QLineEdit>(box)->setText(text);
        }
        find<QPushButton>("ShowDetails")->click();
        settle();
    }
    template <typename T>
    T* find(const QString& name) const {
        T* found = window_->findChild<T*>(name);
        if (!found) qFatal("no control named %s", qPrintable(name));
        return found;
    }
    void openPlanner() const {
        find<QAction>("actPlan")->trigger();
        settle();
    }
    QMainWindow* planner() const { return find<QMainWindow>("frmPlanner"); }

private:
    AnsweringDialogs dialogs_;
    std::unique_ptr<frmInterest> window_;
};

void PlannerFirstOpen(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<Window>("48");
        state.ResumeTiming();
        window->openPlanner();
        state.PauseTiming();
        window.reset();
        settle();
        state.ResumeTiming();
    }
}
BENCHMARK(PlannerFirstOpen)->Unit(benchmark::kMillisecond)->Apply(withSpread);

void PlannerLaterOpen(benchmark::State& state) {
    const Window window("48");
    window.openPlanner();
    for (auto _ : state) {
        state.PauseTiming();
        window.planner()->close();
        settle();
        state.ResumeTiming();
        window.openPlanner();
    }
}
BENCHMARK(PlannerLaterOpen)->Unit(benchmark::kMillisecond)->Apply(withSpread);

// 1800 months at 12% with 20 events that leave it 1800 months long: 19 rate changes to the same
// rate spread over the loan, and a one-time extra in the last month but one.
std::unique_ptr<Window> longPlan() {
    auto window = std::make_unique<Window>("1800");
    window->openPlanner();
    QPushButton* add = window->find<QPushButton>("btnAddEvent");
    auto* table = window->find<QTableWidget>("tblEvents");
    for (int row = 0; row < 20; ++row) {
        add->click();
        const bool last = row == 19;
        table->item(row, 0)->setData(Qt::UserRole, last ? 2 : 3);  // one-time extra, rate change
        table->item(row, 1)->setText(last ? "1" : "12");
        table->item(row, 2)->setText(QString::number(last ? 1799 : 1 + 90 * row));
    }
    settle();
    return window;
}

// Timed until the planner shows the new figures ("Updated"), or until it is painted too.
void PlannerKeystroke(benchmark::State& state, bool painted) {
    const auto window = longPlan();
    QTableWidgetItem* amount = window->find<QTableWidget>("tblEvents")->item(19, 1);
    for (auto _ : state) {
        amount->setText(amount->text() == "1" ? "12" : "1");
        if (!painted) state.PauseTiming();
        settle();
        if (!painted) state.ResumeTiming();
    }
    state.counters["months"] = window->find<QTreeView>("treeYears")->model()->rowCount() * 12;
}
BENCHMARK_CAPTURE(PlannerKeystroke, Updated, false)
    ->Unit(benchmark::kMillisecond)
    ->Apply(withSpread);
BENCHMARK_CAPTURE(PlannerKeystroke, Painted, true)
    ->Unit(benchmark::kMillisecond)
    ->Apply(withSpread);

void PlannerExportPdf(benchmark::State& state) {
    const auto window = longPlan();
    QAction* exportPdf = window->find<QAction>("actExportPlanPdf");
    for (auto _ : state) {
        exportPdf->trigger();
        settle();
    }
}
BENCHMARK(PlannerExportPdf)->Unit(benchmark::kMillisecond)->Apply(withSpread);

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
