// The window end to end on the offscreen platform: the three clicks that fill the details list
// with its longest tables, each timed from the click until the list is filled and the events the
// click posted (item layout, repaint) are handled. Beside each, its floor: the same number of
// prepared lines put into the same list widget, handled the same way.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>

#include "app/dialogs/dialogs.h"
#include "app/window/frm_interest.h"
#include "spread.h"

namespace {

using brisanel::app::Dialogs;
using brisanel::app::frmInterest;
using brisanel::app::MessageAnswer;
using brisanel::app::MessageButtons;
using brisanel::app::MessageIcon;

// Messages are answered at once: the time a user spends reading one is not the program's.
class AnsweringDialogs final : public Dialogs {
public:
    MessageAnswer message(const QString&, const QString&, MessageIcon, MessageButtons) override {
        return MessageAnswer::Ok;
    }
    QString prompt(const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&, const QString&) override {
        return {};
    }
    QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
    bool setUpPrinter(QPrinter&) override { return false; }
};

// Handles what a click left for the event loop: the list's item layout and the repaint.
[[gnu::noinline]] void settle() {
    for (int round = 0; round < 3; ++round) QCoreApplication::processEvents();
}

class Window {
public:
    Window() : window_(std::make_unique<frmInterest>(dialogs_)) {
        window_->show();
        settle();
    }

    template <typename T>
    T* find(const QString& name) const {
        T* found = window_->findChild<T*>(name);
        if (!found) qFatal("no control named %s", qPrintable(name));
        return found;
    }
    QLineEdit* text1(int index) const {
        return find<QLineEdit>(QStringLiteral("Text1(%1)").arg(index));
    }
    QListWidget* list() const { return find<QListWidget>("List1"); }
    void click(const QString& button) const { find<QPushButton>(button)->click(); }
    void choose(const QString& menu) const { find<QAction>(menu)->trigger(); }
    bool detailsOpen() const {
        return window_->outerHeightTwips() == frmInterest::kDetailsOpenHeight;
    }

    QStringList lines() const {
        QStringList lines;
        for (int row = 0; row < list()->count(); ++row) lines.append(list()->item(row)->text());
        return lines;
    }

private:
    AnsweringDialogs dialogs_;
    std::unique_ptr<frmInterest> window_;
};

// Made on first use; main ends it while the application still exists.
std::unique_ptr<Window> theWindow;

Window& window() {
    if (!theWindow) theWindow = std::make_unique<Window>();
    return *theWindow;
}

// Each benchmark starts from an empty list, so that the rows a click rewrites are the window's
// own and not those a floor benchmark left behind.
Window& emptiedWindow() {
    Window& w = window();
    w.list()->clear();
    return w;
}

// "Find EMI" over 1800 months with the details list open.
void openEmiSchedule(const benchmark::State&) {
    Window& w = emptiedWindow();
    w.choose("mnEMI");
    w.text1(19)->setText("1800");
    w.click("EMI");
    w.click("ShowDetails");
    if (!w.detailsOpen()) w.click("ShowDetails");
    settle();
}

// "Find Months" with an instalment below the first month's interest: 1802 lines, then the
// pass limit. The details are opened first with an instalment that pays the loan off.
void openRecoveryToLimit(const benchmark::State&) {
    Window& w = emptiedWindow();
    w.choose("mnRecovery");
    w.text1(11)->setText("600");
    w.click("ShowDetailsM");
    if (!w.detailsOpen()) w.click("ShowDetailsM");
    w.text1(11)->setText("50");
    w.click("RecoveryMonths");
    settle();
}

// "Find Interest Rate", "DAILY" over 1800 days, details open.
void openDailyGrowth(const benchmark::State&) {
    Window& w = emptiedWindow();
    w.choose("mnFindRate");
    w.find<QComboBox>("Combo2")->setCurrentIndex(5);
    w.text1(13)->setText("1800");
    w.click("FindRate");
    w.click("ShowDetail");
    if (!w.detailsOpen()) w.click("ShowDetail");
    settle();
}

void reportLines(benchmark::State& state) {
    state.counters["lines"] = static_cast<double>(window().list()->count());
}

// Two ways to time each click, named "...Click" and "...Painted": up to the list filled, the
// events the click posted (item layout, repaint) handled untimed; or up to the window repainted.
enum class Until { ListFilled, Painted };

void untilDone(benchmark::State& state, Until until) {
    if (until == Until::Painted) {
        settle();
        return;
    }
    state.PauseTiming();
    settle();
    state.ResumeTiming();
}

// Each click gets a principal other than the last one's, so that every line of the new table
// differs from the line it replaces, as it would for a user trying new figures.
// Called while the timing is paused.
void changePrincipal(QLineEdit* principal) {
    principal->setText(principal->text() == "5000" ? "5001" : "5000");
}

// Buttons are found before the timing starts: finding one by name is the benchmark's work, not
// the click's.
void timeClicks(benchmark::State& state, const QString& buttonName, int principalBox, Until until) {
    const Window& w = window();
    QPushButton* button = w.find<QPushButton>(buttonName);
    QLineEdit* principal = w.text1(principalBox);
    for (auto _ : state) {
        state.PauseTiming();
        changePrincipal(principal);
        state.ResumeTiming();
        button->click();
        untilDone(state, until);
    }
    reportLines(state);
}

// Every timed click opens the list (the window grows and is repainted whole); an untimed click
// closes it again first.
void ShowDetailsClick(benchmark::State& state, Until until) {
    const Window& w = window();
    QPushButton* button = w.find<QPushButton>("ShowDetails");
    QLineEdit* principal = w.text1(20);
    for (auto _ : state) {
        state.PauseTiming();
        button->click();  // closes
        settle();
        changePrincipal(principal);
        state.ResumeTiming();
        button->click();  // opens
        untilDone(state, until);
    }
    reportLines(state);
}

void FindMonthsClick(benchmark::State& state, Until until) {
    timeClicks(state, "RecoveryMonths", 5, until);
}

void FindRateClick(benchmark::State& state, Until until) {
    timeClicks(state, "FindRate", 6, until);
}

// What opening the details costs without a list to rebuild: the rate panel's toggle only makes
// the window taller, which repaints all of it.
void OpenDetailsOnly(benchmark::State& state, Until until) {
    QPushButton* button = window().find<QPushButton>("ShowDetail");
    for (auto _ : state) {
        state.PauseTiming();
        button->click();  // closes
        settle();
        state.ResumeTiming();
        button->click();  // opens
        untilDone(state, until);
    }
    reportLines(state);
}

// The floor of a click: the lines it leaves in the list, prepared beforehand, put into the same
// list (which the click clears too), and timed the same way.
void ListFloor(benchmark::State& state, Until until) {
    const QStringList prepared = window().lines();
    QListWidget* list = window().list();
    for (auto _ : state) {
        list->clear();
        list->addItems(prepared);
        untilDone(state, until);
    }
    reportLines(state);
}

void registerClick(const char* name, void (*click)(benchmark::State&, Until),
                   void (*setup)(const benchmark::State&)) {
    const std::string base(name);
    for (const auto& [suffix, until] :
         {std::pair{"Click", Until::ListFilled}, std::pair{"Painted", Until::Painted}}) {
        benchmark::RegisterBenchmark((base + suffix).c_str(), click, until)
            ->Setup(setup)
            ->Unit(benchmark::kMillisecond)
            ->Apply(withSpread);
        benchmark::RegisterBenchmark((base + suffix + "Floor").c_str(), ListFloor, until)
            ->Setup(setup)
            ->Unit(benchmark::kMillisecond)
            ->Apply(withSpread);
    }
}

void registerClicks() {
    registerClick("ShowDetails", ShowDetailsClick, openEmiSchedule);
    registerClick("FindMonths", FindMonthsClick, openRecoveryToLimit);
    registerClick("FindRate", FindRateClick, openDailyGrowth);
    benchmark::RegisterBenchmark("OpenDetailsOnlyPainted", OpenDetailsOnly, Until::Painted)
        ->Setup(openDailyGrowth)
        ->Unit(benchmark::kMillisecond)
        ->Apply(withSpread);
}

// A new window, shown and painted: the part of start-up that is the program's own.
void WindowStartUp(benchmark::State& state) {
    AnsweringDialogs dialogs;
    for (auto _ : state) {
        auto fresh = std::make_unique<frmInterest>(dialogs);
        fresh->show();
        settle();
        state.PauseTiming();
        fresh.reset();
        settle();
        state.ResumeTiming();
    }
}
BENCHMARK(WindowStartUp)->Unit(benchmark::kMillisecond)->Apply(withSpread);

// The offscreen platform warns on every change of the window's fixed size; the benchmark
// report is easier to read without that line repeated.
void quietSizeHints(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("propagateSizeHints"))) return;
    const QByteArray text = qFormatLogMessage(type, context, message).toLocal8Bit();
    std::fprintf(stderr, "%s\n", text.constData());
}

}  // namespace

int main(int argc, char* argv[]) {
    // No display is needed: the offscreen platform draws into memory.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietSizeHints);
    QApplication app(argc, argv);
    registerClicks();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    theWindow.reset();
    return 0;
}
