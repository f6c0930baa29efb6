// The loan planner through its widgets: how it opens from the main window, that it shows the
// engine's figures and rows as the user types, its files, its PDF and its keys.
#include <QChartView>
#include <QClipboard>
#include <QLineSeries>
#include <QMimeData>
#include <QProcess>
#include <QTest>

#include "app/contrast.h"
#include "app/planner/plan_texts.h"
#include "app/planner/year_model.h"
#include "plan/comparison_file.h"
#include "plan/plan.h"
#include "plan/plan_file.h"
#include "plan/plan_table.h"
#include "planner_fixture.h"

namespace brisanel::app::testing {
namespace {

using Answer = MessageAnswer;

const Told kSaveQuestion{"The plan has changed since it was last saved. Save the changes?",
                         MessageIcon::Exclamation, MessageButtons::SaveDiscardCancel};

class Planner : public PlannerTest {
protected:
    QTableWidget* events() const { return in<QTableWidget>("tblEvents"); }
    void setCell(int row, int column, const QString& text) const {
        events()->item(row, column)->setText(text);
    }

    // The figures as shown, base and plan, in the order of the rows (months, end month, first
    // and last instalment, interest, paid), and the saving. The base is 5000 at 12 % over 48
    // months, whose instalment every amortization table gives as 131.67.
    void expectFigures(const QStringList& plan, const QString& saved) const {
        const QStringList base = {"48", "48", "131.67", "131.67", "1,320.12", "6,320.12"};
        const char* names[] = {"Months",         "EndMonth", "FirstInstalment",
                               "LastInstalment", "Interest", "Paid"};
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(text(QStringLiteral("lblBase") + names[i]), base[i]) << names[i];
            EXPECT_EQ(text(QStringLiteral("lblPlan") + names[i]), plan[i]) << names[i];
        }
        EXPECT_EQ(text("lblSaved"), saved);
    }

    // The balance chart draws the engine's rows for `inputs`, point for point.
    void expectBalances(const plan::PlanInputs& inputs) const {
        const plan::PlanOutcome outcome = plan::computePlan(inputs);
        ASSERT_TRUE(outcome.result) << outcome.message;
        const plan::PlanResult& result = *outcome.result;
        const auto series = in<QChartView>("chartBalance")->chart()->series();
        ASSERT_EQ(series.size(), 2);
        for (const auto& [index, rows] :
             {std::pair{0, &result.base.rows}, {1, &result.plan.rows}}) {
            QList<QPointF> expected;
            for (const plan::PlanRow& row : *rows)
                expected.append({1.0 * row.month, row.closingBalance});
            EXPECT_EQ(static_cast<QLineSeries*>(series[index])->points(), expected) << index;
        }
    }
};

// ---- Opening -------------------------------------------------------------------------------

struct OpenCase {
    const char* panel;
    std::vector<std::pair<int, const char*>> boxes;
    const char* showDetails;  // the panel's details button, for the list's "Plan Prepayments…"
    QStringList loan;         // principal, rate, start after, months or instalment
    int termKind;
};

const OpenCase kOpenCases[] = {
    {"mnEMI",
     {{20, "5000"}, {19, "48"}, {18, "12"}, {17, "2"}},
     "ShowDetails",
     {"5000", "12", "2", "48"},
     0},
    {"mnRecovery",
     {{5, "8000"}, {7, "9.5"}, {8, "0"}, {11, "300"}},
     "ShowDetailsM",
     {"8000", "9.5", "0", "300"},
     1},
};

TEST_F(Planner, OpensFromThePanelsBoxesByMenuOrCtrlLAndStaysOne) {
    EXPECT_EQ(planner(), nullptr);  // nothing of it is made at start-up
    for (bool fromMenu : {false, true}) {
        // While it is open the planner keeps its events and takes the new loan.
        if (fromMenu) in<QPushButton>("btnAddEvent")->click();
        for (const OpenCase& open : kOpenCases) {
            choose(open.panel);
            for (const auto& [box, text] : open.boxes) type(box, text);
            if (fromMenu) {
                click(open.showDetails);
                choose("actPlan");
            } else {
                showActive();
                press(Qt::ControlModifier | Qt::Key_L);
            }
            ASSERT_NE(planner(), nullptr);
            EXPECT_TRUE(planner()->isVisible());
            EXPECT_EQ(window->findChildren<QMainWindow*>("frmPlanner").size(), 1);
            QStringList loan;
            for (const char* box : {"txtPrincipal", "txtRate", "txtStartAfter", "txtTerm"})
                loan.append(in<QLineEdit>(box)->text());
            EXPECT_EQ(loan, open.loan) << open.panel << fromMenu;
            EXPECT_EQ(in<QComboBox>("cmbTerm")->currentIndex(), open.termKind);
            EXPECT_EQ(events()->rowCount(), fromMenu ? 1 : 0);
            expectTold({});
        }
    }
    choose("mnFindRate");  // a growth table: nothing to plan
    click("FindRate");
    EXPECT_FALSE(find<QAction>("actPlan")->isEnabled());
}

TEST_F(Planner, ARefusedLoanGivesThePanelsMessageAndNoPlanner) {
    // panel, box, refused text, the panel's button, the box's text again
    const std::vector<std::tuple<const char*, int, const char*, const char*, const char*>>
        refusals = {{"mnEMI", 20, "0", "EMI", "5000"},
                    {"mnEMI", 19, "5000", "EMI", "48"},
                    {"mnRecovery", 7, "", "RecoveryMonths", "12"},
                    {"mnRecovery", 11, "-5", "RecoveryMonths", "300"},
                    // Checks that pass, and an instalment that never repays the loan.
                    {"mnRecovery", 11, "0.5", "RecoveryMonths", "300"}};
    for (const auto& [panel, box, text, button, valid] : refusals) {
        choose(panel);
        type(box, text);
        click(button);
        const auto panelSaid = dialogs.messages;
        ASSERT_EQ(panelSaid.size(), 1u) << panel << box;
        dialogs.messages.clear();
        showActive();
        press(Qt::ControlModifier | Qt::Key_L);
        expectTold({{panelSaid[0].text, MessageIcon::Exclamation, MessageButtons::Ok}});
        EXPECT_EQ(planner(), nullptr);
        type(box, valid);
    }
}

// ---- Live figures --------------------------------------------------------------------------

TEST_F(Planner, ShowsTheEnginesFiguresAndRowsAsTheUserTypes) {
    openEmi();
    ASSERT_NE(planner(), nullptr);
    const QStringList unchanged = {"48", "48", "131.67", "131.67", "1,320.12", "6,320.12"};
    plan::PlanInputs inputs{{"5000", "12", "0", "48", std::nullopt}, {}, {}, std::nullopt};
    expectFigures(unchanged, "ends in the same month, the same interest");
    expectBalances(inputs);
    // The same loan by its instalment: the box starts with the loan's own, and the months stay.
    auto* term = in<QComboBox>("cmbTerm");
    term->setCurrentIndex(1);
    EXPECT_EQ(in<QLineEdit>("txtTerm")->text(), "131.67");
    EXPECT_EQ(text("lblBaseMonths"), "48");
    term->setCurrentIndex(0);
    EXPECT_EQ(in<QLineEdit>("txtTerm")->text(), "48");
    EXPECT_EQ(text("lblMessages"), "");  // nothing changed to speak of

    // Insert in the table opens a monthly extra's amount for typing; each key counts.
    events()->setFocus();
    press(Qt::Key_Insert, planner());
    expectFigures(unchanged, "ends in the same month, the same interest");
    EXPECT_EQ(text("lblMessages"),
              "Row 1 of the events is left out until it has an amount or rate.");
    QTest::keyClicks(QApplication::focusWidget(), "250");
    expectFigures({"15", "15", "131.67", "42.83", "386.19", "5,386.19"},
                  "2 years 9 months sooner, 933.93 less interest");
    setCell(0, 2, "13");
    setCell(0, 3, "24.0");  // a month reads as the core reads every month
    inputs.events = {{plan::EventKind::MonthlyExtra, 250, 13, 24}};
    expectFigures({"24", "24", "131.67", "8.14", "786.53", "5,786.53"},
                  "2 years sooner, 533.59 less interest");
    expectBalances(inputs);

    in<QRadioButton>("optKeepEnd")->click();
    expectFigures({"48", "48", "131.67", "12.30", "840.73", "5,840.73"},
                  "ends in the same month, 479.39 less interest");
    in<QLineEdit>("txtFinishBy")->setText("36");
    EXPECT_EQ(text("lblExtraNeeded"), "needs 7.63 more each month");
    in<QLineEdit>("txtFinishBy")->setText("36.5");
    EXPECT_EQ(text("lblMessages"),
              "Finish by: \"36.5\" is not a whole number or a date (YYYY-MM-DD).");
    in<QLineEdit>("txtFinishBy")->clear();

    // A cell that is not a number, then an event the engine refuses: said in the window.
    setCell(0, 1, "lots");
    EXPECT_EQ(text("lblMessages"),
              "Monthly extra payment in row 1: the amount or rate \"lots\" is not a number.");
    setCell(0, 1, "250");
    setCell(0, 2, "0");
    EXPECT_EQ(text("lblMessages"),
              "Monthly extra payment from month 0 to month 24: the month is before the first "
              "instalment, month 1.");
    EXPECT_EQ(text("lblBasePaid"), "–");
    for (QAbstractSeries* line : in<QChartView>("chartBalance")->chart()->series())
        EXPECT_EQ(static_cast<QLineSeries*>(line)->count(), 0);
    expectTold({});
}

// ---- Files ---------------------------------------------------------------------------------

TEST_F(Planner, SavesAndOpensPlanFilesAndABadFileChangesNothing) {
    openEmi();
    in<QPushButton>("btnAddEvent")->click();
    setCell(0, 1, "1000");
    setCell(0, 2, "12");
    in<QLineEdit>("txtFinishBy")->setText("40");
    dialogs.savePath = folder.folder.filePath("mine");
    press(Qt::ControlModifier | Qt::Key_S, planner());
    const QString saved = folder.folder.filePath("mine.brisanel-plan");
    auto read = plan::readPlanFile(saved);
    ASSERT_TRUE(std::holds_alternative<plan::PlanInputs>(read)) << std::get<std::string>(read);
    const plan::PlanInputs inputs{{"5000", "12", "0", "48", std::nullopt},
                                  {{plan::EventKind::MonthlyExtra, 1000, 12, std::nullopt}},
                                  plan::Policy::KeepInstalment,
                                  40};
    EXPECT_EQ(plan::planFileContents(std::get<plan::PlanInputs>(read)),
              plan::planFileContents(inputs));
    EXPECT_FALSE(planner()->isWindowModified());
    // A file that cannot be written says why; the plan stays as it was saved last.
    dialogs.savePath = folder.folder.filePath("no folder/mine.json");
    in<QAction>("actSavePlan")->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains("no folder/mine.json"));
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Critical);
    dialogs.messages.clear();

    // Changed, then the file opened again (the change discarded): the file's plan is back.
    in<QPushButton>("btnRemoveEvent")->click();
    EXPECT_EQ(events()->rowCount(), 0);
    dialogs.answers = {Answer::Discard};
    dialogs.openPath = saved;
    press(Qt::ControlModifier | Qt::Key_O, planner());
    expectTold({kSaveQuestion});
    EXPECT_EQ(events()->rowCount(), 1);
    EXPECT_EQ(events()->item(0, 1)->text(), "1000");
    EXPECT_EQ(in<QLineEdit>("txtFinishBy")->text(), "40");
    expectFigures({"15", "15", "131.67", "131.67", "600.02", "5,600.02"},
                  "2 years 9 months sooner, 720.10 less interest");

    // Amounts keep every digit the file gives them, so the window plans what the file says.
    plan::PlanInputs precise = inputs;
    precise.events[0].value = 1234.5678901234567;
    ASSERT_EQ(plan::writePlanFile(saved, precise), std::nullopt);
    in<QAction>("actOpenPlan")->trigger();
    EXPECT_EQ(events()->item(0, 1)->text(), "1234.5678901234567");
    dialogs.savePath = saved;
    in<QAction>("actSavePlan")->trigger();
    EXPECT_EQ(std::get<plan::PlanInputs>(plan::readPlanFile(saved)).events, precise.events);

    QFile bad(folder.folder.filePath("bad.json"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(R"({"brisanel_plan": 1, "loan": {"principal": 5000, "rate": 12}})");
    bad.close();
    dialogs.openPath = bad.fileName();
    in<QAction>("actOpenPlan")->trigger();
    expectTold({{bad.fileName() + ": loan: must hold either \"months\" or \"emi\"",
                 MessageIcon::Exclamation, MessageButtons::Ok}});
    EXPECT_EQ(events()->rowCount(), 1);
    EXPECT_EQ(events()->item(0, 1)->text(), "1234.5678901234567");

    EXPECT_TRUE(planner()->windowTitle().startsWith("mine.brisanel-plan"));
}

struct CloseCase {
    Answer answer;
    bool closed;
    bool saved;
};

TEST_F(Planner, ClosingAChangedPlanAsksSaveDiscardOrCancelAndSoDoesTheMainWindow) {
    for (const CloseCase& close : {CloseCase{Answer::Save, true, true},
                                   {Answer::Discard, true, false},
                                   {Answer::Cancel, false, false}}) {
        openEmi();
        in<QLineEdit>("txtRate")->setText("11");
        dialogs.answers = {close.answer};
        dialogs.savePath = folder.folder.filePath("closed.json");
        press(Qt::Key_Escape, planner());
        expectTold({kSaveQuestion});
        EXPECT_EQ(planner()->isVisible(), !close.closed);
        EXPECT_EQ(QFile::exists(dialogs.savePath), close.saved);
        QFile::remove(dialogs.savePath);
    }
    // The main window closes the planner the same way: Cancel keeps both open.
    ASSERT_TRUE(planner()->isVisible());
    EXPECT_FALSE(window->close());
    expectTold({kSaveQuestion});
    EXPECT_TRUE(window->isVisible() && planner()->isVisible());
    dialogs.answers = {Answer::Discard};
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(planner()->isVisible());
}

// ---- Taking it elsewhere -------------------------------------------------------------------

TEST_F(Planner, PdfHoldsThePlanChartsAndTablesAndCopyIsTheEnginesCsv) {
    openFrom("mnEMI", {{20, "50000"}, {19, "240"}, {18, "9"}, {17, "0"}});
    in<QPushButton>("btnAddEvent")->click();
    setCell(0, 1, "2500");
    setCell(0, 2, "24");
    dialogs.savePath = folder.folder.filePath("plan");
    press(Qt::ControlModifier | Qt::Key_E, planner());
    expectTold({});
    QProcess reader;
    reader.start("pdftotext", {"-layout", folder.folder.filePath("plan.pdf"), "-"});
    ASSERT_TRUE(reader.waitForFinished(10000)) << "pdftotext (poppler-utils) is needed";
    const QString pdf = QString::fromUtf8(reader.readAllStandardOutput()).simplified();

    const auto inputs = plan::PlanInputs{{"50000", "9", "0", "240", std::nullopt},
                                         {{plan::EventKind::MonthlyExtra, 2500, 24, std::nullopt}},
                                         {},
                                         std::nullopt};
    const plan::PlanResult result = *plan::computePlan(inputs).result;
    const QStringList expected = {"Loan plan",
                                  "Principal: 50000",
                                  "Monthly extra payment from month 24: 2,500.00",
                                  "With the plan",
                                  "Page 1 of",
                                  "Balance by month",
                                  "Principal and interest per loan year",
                                  "Total principal and interest",
                                  "Yearly summary",
                                  "Month-by-month schedule",
                                  "41 1,374.69"};  // the last month's opening balance
    qsizetype at = 0;
    for (const QString& part : expected) {
        at = pdf.indexOf(part, at);
        ASSERT_GE(at, 0) << part.toStdString();
    }
    // Every page numbered, the last one too.
    const qsizetype pages = pdf.count("Page ");
    EXPECT_TRUE(pdf.contains(QString("Page %1 of %1").arg(pages)));

    in<QAction>("actCopyPlanTable")->trigger();
    const auto* copied = QGuiApplication::clipboard()->mimeData();
    const QByteArray csv = QByteArray::fromStdString(plan::scheduleCsv(result.plan.rows));
    EXPECT_EQ(copied->data("text/csv"), csv);
    EXPECT_EQ(copied->text(), QString::fromLatin1(csv));
}

// ---- Keys and names ------------------------------------------------------------------------

TEST_F(Planner, KeysReturnEscapeInsertDeleteAndEveryControlNamed) {
    openEmi();
    QWidget* shown = planner();
    EXPECT_EQ(in<QChartView>("chartBalance")->accessibleDescription(),
              "Balance by month: 4,918.33 at month 1 to 0.00 at month 48; base ends at month 48");
    for (const char* chart : {"chartYears", "chartTotals"})
        EXPECT_FALSE(in<QChartView>(chart)->accessibleDescription().isEmpty()) << chart;

    in<QLineEdit>("txtPrincipal")->setFocus();
    press(Qt::Key_Return, shown);
    EXPECT_TRUE(shown->isVisible());
    events()->setFocus();
    press(Qt::Key_Insert, shown);
    QTest::keyClicks(QApplication::focusWidget(), "125");
    press(Qt::Key_Left, shown);
    press(Qt::Key_Delete, shown);  // in the cell being edited: a character, not the row
    EXPECT_EQ(events()->item(0, 1)->text(), "12");
    press(Qt::Key_Escape, shown);  // leaves the cell, not the window
    EXPECT_TRUE(shown->isVisible());
    press(Qt::Key_Insert, shown);
    press(Qt::Key_Escape, shown);
    EXPECT_EQ(events()->rowCount(), 2);
    press(Qt::Key_Delete, shown);
    EXPECT_EQ(events()->rowCount(), 1);

    for (QWidget* control : planner()->findChildren<QWidget*>()) {
        const auto* area = qobject_cast<QAbstractScrollArea*>(control->parentWidget());
        if (area && area->viewport() == control) continue;  // the view holding it is named
        const bool named = !control->accessibleName().isEmpty() ||
                           qobject_cast<QAbstractButton*>(control) ||
                           qobject_cast<QLabel*>(control);
        if (control->focusPolicy() & Qt::TabFocus && control->isVisibleTo(planner()) &&
            !qobject_cast<QTabBar*>(control) && !qobject_cast<QSplitterHandle*>(control)) {
            EXPECT_TRUE(named) << control->metaObject()->className() << " "
                               << control->objectName().toStdString();
        }
    }
    dialogs.answers = {Answer::Discard};
    press(Qt::Key_Escape, shown);  // the table has the focus now: Escape closes, asking first
    expectTold({kSaveQuestion});
    EXPECT_FALSE(shown->isVisible());
}

// ---- Keys from every focus -----------------------------------------------------------------

// A box that asks for every key with Ctrl, as a QLineEdit asks for Ctrl+E, Ctrl+K and Ctrl+U in
// the X11 key scheme (the offscreen platform's scheme gives it none of them).
class GreedyBox final : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride &&
            static_cast<QKeyEvent*>(event)->modifiers() & Qt::ControlModifier) {
            event->accept();
            return true;
        }
        return QLineEdit::event(event);
    }
};

TEST_F(Planner, MenuKeysWorkFromABoxThatAsksForThemInEitherWindow) {
    choose("mnEMI");
    for (const auto& [box, text] : {std::pair{20, "5000"}, {19, "48"}, {18, "12"}, {17, "0"}})
        type(box, text);
    showActive();
    auto* mainBox = new GreedyBox(window->centralWidget());
    mainBox->setFocus();
    press(Qt::ControlModifier | Qt::Key_L);
    ASSERT_NE(planner(), nullptr);
    ASSERT_TRUE(planner()->isVisible());

    showActive(planner());
    auto* box = new GreedyBox(planner()->centralWidget());
    box->show();
    box->setFocus();
    QGuiApplication::clipboard()->clear();
    for (Qt::Key key : {Qt::Key_E, Qt::Key_S, Qt::Key_O})
        press(Qt::ControlModifier | key, planner());
    ASSERT_EQ(dialogs.suggestions.size(), 3);
    EXPECT_TRUE(dialogs.suggestions[0].startsWith("Export PDF | "));
    EXPECT_TRUE(dialogs.suggestions[1].startsWith("Save Plan | "));
    EXPECT_TRUE(dialogs.suggestions[2].startsWith("Open Plan | "));
    press(Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_C, planner());
    EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat("text/csv"));
    EXPECT_EQ(box->text(), "");
}

// ---- Views that follow the typing ----------------------------------------------------------

TEST_F(Planner, TheYearlyTreeKeepsItsOpenYearsSelectionAndScrollAsTheUserTypes) {
    openEmi();  // 4 years
    auto* tree = in<QTreeView>("treeYears");
    QAbstractItemModel* model = tree->model();
    tree->expand(model->index(1, 0));
    tree->expand(model->index(2, 0));
    tree->setCurrentIndex(model->index(3, 0, model->index(1, 0)));
    QScrollBar* scroll = tree->verticalScrollBar();
    scroll->setValue(scroll->maximum());
    const int scrolled = scroll->value();
    ASSERT_GT(scrolled, 0);
    const auto expectKept = [&](const char* after) {
        EXPECT_FALSE(tree->isExpanded(model->index(0, 0))) << after;
        EXPECT_TRUE(tree->isExpanded(model->index(1, 0))) << after;
        EXPECT_TRUE(tree->isExpanded(model->index(2, 0))) << after;
        EXPECT_EQ(tree->currentIndex().parent().row(), 1) << after;
        EXPECT_EQ(tree->currentIndex().row(), 3) << after;
        EXPECT_EQ(scroll->value(), scrolled) << after;
    };
    in<QLineEdit>("txtPrincipal")->setText("6000");
    expectKept("a new principal");
    EXPECT_EQ(model->index(0, planner::YearModel::Instalments).data().toString(), "1,896.04");
    in<QLineEdit>("txtPrincipal")->setText("");  // refused while it is typed again
    in<QLineEdit>("txtPrincipal")->setText("6000");
    expectKept("the principal typed again");
    in<QLineEdit>("txtTerm")->setText("54");  // a fifth year of 6 months
    ASSERT_EQ(model->rowCount(), 5);
    expectKept("a fifth year");
    EXPECT_EQ(model->index(4, 0).data().toString(), "Year 5 (months 49 to 54)");
    in<QLineEdit>("txtTerm")->setText("49");
    EXPECT_EQ(model->index(4, 0).data().toString(), "Year 5 (month 49)");
}

TEST_F(Planner, SwitchingHowTheLoanIsRepaidSaysHowTheLoanChanged) {
    openFrom("mnRecovery", {{5, "8000"}, {7, "9.5"}, {8, "0"}, {11, "300"}});
    EXPECT_EQ(text("lblBaseMonths"), "31");
    auto* term = in<QComboBox>("cmbTerm");
    term->setCurrentIndex(0);
    EXPECT_EQ(in<QLineEdit>("txtTerm")->text(), "31");
    EXPECT_EQ(text("lblBaseFirstInstalment"), "292.04");
    EXPECT_EQ(text("lblMessages"),
              "The loan changed with the switch: now 31 months at 292.04 a month, before 31 "
              "months at 300.00.");
    EXPECT_TRUE(planner()->isWindowModified());
    in<QLineEdit>("txtRate")->setText("9.50");  // the note goes with the next edit
    EXPECT_EQ(text("lblMessages"), "");
    term->setCurrentIndex(1);  // what was typed for the instalment is back
    EXPECT_EQ(in<QLineEdit>("txtTerm")->text(), "300");
    EXPECT_EQ(text("lblMessages"),
              "The loan changed with the switch: now 31 months at 300.00 a month, before 31 "
              "months at 292.04.");
}

// ---- Texts and colours ---------------------------------------------------------------------

TEST_F(Planner, TextsFromThePanelKeepTheirCharactersAndCountsReadInEnglish) {
    openFrom("mnEMI", {{20, "1200"}, {19, "12"}, {18, "6"}, {17, "½"}});
    ASSERT_NE(planner(), nullptr);
    EXPECT_EQ(in<QLineEdit>("txtStartAfter")->text(), "½");
    EXPECT_TRUE(in<QChartView>("chartYears")
                    ->accessibleDescription()
                    .startsWith("Principal and interest per loan year, 1 year: the most interest"));
    using planner::durationText;
    EXPECT_EQ(durationText(0), "0 months");
    EXPECT_EQ(durationText(1), "1 month");
    EXPECT_EQ(durationText(12), "1 year");
    EXPECT_EQ(durationText(-13), "1 year 1 month");
    EXPECT_EQ(durationText(26), "2 years 2 months");
    EXPECT_EQ(planner::savedText(13, 1234.5, plan::Frequency::Monthly, QLocale(QLocale::English)),
              "1 year 1 month sooner, 1,234.50 less interest");
}

// WCAG 2's contrast ratio, worked out here apart from the window's own.
double contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double c) {
            return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
               0.0722 * linear(colour.blueF());
    };
    const double x = luminance(a), y = luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

TEST_F(Planner, WarningsAndChartLinesReadOnALightAndADarkPalette) {
    openEmi();
    QPalette light(QColor(239, 239, 239));
    light.setColor(QPalette::Base, Qt::white);
    QPalette dark(QColor(53, 53, 53));
    dark.setColor(QPalette::Base, QColor(42, 42, 42));
    for (const QPalette& palette : {light, dark}) {
        planner()->setPalette(palette);
        const QPalette shown = in<QLabel>("lblMessages")->palette();
        const QColor warning = shown.color(QPalette::WindowText);
        EXPECT_GE(contrast(warning, palette.color(QPalette::Window)), 4.5)
            << warning.name().toStdString();
        EXPECT_GT(warning.red(), 2 * warning.green())
            << warning.name().toStdString();  // still a red
        for (const char* name : {"chartBalance", "chartYears"}) {
            QChart* chart = in<QChartView>(name)->chart();
            EXPECT_EQ(chart->backgroundBrush().color(), palette.color(QPalette::Base));
            for (QAbstractSeries* series : chart->series()) {
                if (auto* line = qobject_cast<QLineSeries*>(series)) {
                    const QColor colour = line->pen().color();
                    EXPECT_GE(contrast(colour, palette.color(QPalette::Base)), 4.5)
                        << name << " " << colour.name().toStdString();
                }
            }
        }
    }
}

// ---- Files ---------------------------------------------------------------------------------

TEST_F(Planner, SavingNamesTheRowsWithoutAnAmountAndTheUserMayCancel) {
    openEmi();
    in<QPushButton>("btnAddEvent")->click();
    setCell(0, 1, "1000");
    setCell(0, 2, "12");
    in<QPushButton>("btnAddEvent")->click();  // no amount yet
    setCell(1, 2, "20");
    const Told question{
        "Row 2 of the events has no amount or rate yet and will not be saved. Save the plan "
        "without it?",
        MessageIcon::Exclamation, MessageButtons::OkCancel};
    dialogs.savePath = folder.folder.filePath("kept");
    dialogs.answers = {Answer::Cancel};
    press(Qt::ControlModifier | Qt::Key_S, planner());
    expectTold({question});
    EXPECT_TRUE(dialogs.suggestions.isEmpty());
    EXPECT_FALSE(QFile::exists(folder.folder.filePath("kept.brisanel-plan")));

    dialogs.answers = {Answer::Ok};
    in<QAction>("actSavePlan")->trigger();
    expectTold({question});
    auto read = plan::readPlanFile(folder.folder.filePath("kept.brisanel-plan"));
    ASSERT_TRUE(std::holds_alternative<plan::PlanInputs>(read));
    EXPECT_EQ(std::get<plan::PlanInputs>(read).events.size(), 1u);
    EXPECT_TRUE(planner()->isWindowModified());  // the row on screen is not in the file
}

TEST_F(Planner, FileDialogsStartBesideThePlanAndGiveItsSuffix) {
    openEmi();
    const auto askAll = [this] {
        dialogs.suggestions.clear();
        for (const char* command : {"actExportPlanPdf", "actSavePlan", "actOpenPlan"})
            in<QAction>(command)->trigger();
        return dialogs.suggestions;
    };
    const QString here = QDir::currentPath();
    EXPECT_EQ(askAll(), QStringList({"Export PDF | " + here + "/plan.pdf | pdf",
                                     "Save Plan | " + here + "/plan.brisanel-plan | brisanel-plan",
                                     "Open Plan | " + here}));
    ASSERT_TRUE(QDir(here).mkdir("plans"));
    const QString plans = here + "/plans";
    dialogs.savePath = plans + "/loan.v2";
    in<QAction>("actSavePlan")->trigger();
    EXPECT_TRUE(QFile::exists(plans + "/loan.v2.brisanel-plan"));
    dialogs.savePath.clear();
    // Saved again under its own name, whatever the suffix it had.
    EXPECT_EQ(askAll(), QStringList({"Export PDF | " + plans + "/loan.v2.pdf | pdf",
                                     "Save Plan | " + plans +
                                         "/loan.v2.brisanel-plan | "
                                         "brisanel-plan",
                                     "Open Plan | " + plans}));
    dialogs.savePath = plans + "/old.json";
    in<QAction>("actSavePlan")->trigger();
    EXPECT_TRUE(QFile::exists(plans + "/old.json"));
    dialogs.savePath.clear();
    EXPECT_EQ(askAll().at(1), "Save Plan | " + plans + "/old.json | brisanel-plan");

    // The rule the real dialog applies to a name typed in it: a suffix of the filter stays.
    const QString plansFilter = "Plan files (*.brisanel-plan *.json)";
    EXPECT_EQ(savedName("loan.v2", "brisanel-plan", plansFilter), "loan.v2.brisanel-plan");
    EXPECT_EQ(savedName("LOAN.JSON", "brisanel-plan", plansFilter), "LOAN.JSON");
    EXPECT_EQ(savedName("x.brisanel-plan", "brisanel-plan", plansFilter), "x.brisanel-plan");
    EXPECT_EQ(savedName("loan.json", "pdf", "PDF files (*.pdf)"), "loan.json.pdf");
    EXPECT_EQ(savedName("loan.json.pdf", "", "All files (*)"), "loan.json.pdf");
}

}  // namespace
TEST_F(Planner, APlanFileOpensFromTheCommandLineAndWhenDroppedOnAnyBox) {
    // `brisanel FILE`: the calculator opens the plan in the planner.
    const QString name = folder.folder.filePath("desk.brisanel-plan");
    ASSERT_EQ(plan::writePlanFile(name, {{"5000", "12", "0", "48", std::nullopt},
                                         {{plan::EventKind::OneTimeExtra, 700, 6}}}),
              std::nullopt);
    window->openPlanFile(name);
    ASSERT_TRUE(planner() && planner()->isVisible());
    EXPECT_EQ(in<QLineEdit>("txtPrincipal")->text(), "5000");
    EXPECT_EQ(events()->rowCount(), 1);
    EXPECT_TRUE(planner()->windowTitle().startsWith("desk.brisanel-plan"));

    // Dropped on a text box, which would otherwise take the file's name as text.
    const QString other = folder.folder.filePath("other.json");
    ASSERT_EQ(plan::writePlanFile(other, {{"9000", "10", "0", "24", std::nullopt}}), std::nullopt);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(other)});
    data.setText(other);
    auto* box = in<QLineEdit>("txtRate");
    QDragEnterEvent enter(box->rect().center(), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(box, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(box->rect().center()), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(box, &drop);
    EXPECT_EQ(in<QLineEdit>("txtPrincipal")->text(), "9000");
    EXPECT_EQ(box->text(), "10");
    EXPECT_EQ(events()->rowCount(), 0);

    // A comparison opens in Compare Offers, from the command line and dropped alike, whatever
    // its name.
    const auto writeOffers = [this](const QString& file, int count) {
        plan::Comparison comparison;
        for (int offer = 0; offer < count; ++offer) {
            comparison.offers.push_back({{QString::number(1000 * (offer + 1)).toStdString(), "9",
                                          "0", "24", std::nullopt}});
        }
        EXPECT_EQ(plan::writeComparisonFile(folder.folder.filePath(file), comparison),
                  std::nullopt);
        return folder.folder.filePath(file);
    };
    window->openPlanFile(writeOffers("two.brisanel-compare", 2));
    auto* compare = window->findChild<QMainWindow*>("frmCompare");
    ASSERT_TRUE(compare && compare->isVisible());
    const auto offers = [compare] {
        QAbstractItemModel* model = compare->findChild<QTableView*>("tblOffers")->model();
        QStringList principals;
        for (int offer = 0; offer < model->columnCount(); ++offer)
            principals.append(model->index(1, offer).data().toString());
        return principals;
    };
    EXPECT_EQ(offers(), QStringList({"1000", "2000"}));
    EXPECT_TRUE(compare->windowTitle().startsWith("two.brisanel-compare"));
    QMimeData three;
    three.setUrls({QUrl::fromLocalFile(writeOffers("three.json", 3))});
    QDragEnterEvent entered(box->rect().center(), Qt::CopyAction, &three, Qt::LeftButton, {});
    QApplication::sendEvent(box, &entered);
    QDropEvent dropped(QPointF(box->rect().center()), Qt::CopyAction, &three, Qt::LeftButton, {});
    QApplication::sendEvent(box, &dropped);
    EXPECT_EQ(offers(), QStringList({"1000", "2000", "3000"}));
    EXPECT_EQ(in<QLineEdit>("txtPrincipal")->text(), "9000");

    // Another file is no plan: the drop is the box's, and nothing opens.
    QMimeData picture;
    picture.setUrls({QUrl::fromLocalFile(folder.folder.filePath("loan.png"))});
    QDragEnterEvent refused(box->rect().center(), Qt::CopyAction, &picture, Qt::LeftButton, {});
    QApplication::sendEvent(box, &refused);
    EXPECT_EQ(in<QLineEdit>("txtPrincipal")->text(), "9000");

    // A file that cannot be read is said, and the plan shown stays.
    window->openPlanFile(folder.folder.filePath("missing.brisanel-plan"));
    expectTold({{folder.folder.filePath("missing.brisanel-plan") + ": No such file or directory",
                 MessageIcon::Exclamation, MessageButtons::Ok}});
    EXPECT_EQ(in<QLineEdit>("txtPrincipal")->text(), "9000");
}

}  // namespace brisanel::app::testing
