// The window as a whole: its start state and stacking, the menu commands, the details buttons
// across panel switches, the rate finder's stale results, the decoration box, About, Exit, and
// the names that assistive technology reads.
#include <QTemporaryDir>

#include "app/planner_module.h"
#include "app/window/planner_loader.h"
#include "window_fixture.h"

namespace brisanel::app::testing {
namespace {

const QList<int> kResultBoxes = {3, 4, 9, 10, 12, 14, 15, 16, 22, 23};
const QList<int> kInputBoxes = {0, 1, 2, 5, 6, 7, 8, 11, 13, 17, 18, 19, 20, 21};

using Shell = WindowTest;

TEST_F(Shell, StartsOnTheRateFinderWithItsCommandDisabled) {
    EXPECT_EQ(window->outerHeightTwips(), 3690);
    for (int n : {1, 2, 3, 4}) EXPECT_EQ(shown(frame(n)), n >= 3) << n;  // Frame4 covers Frame3
    for (const char* name : {"mnExit", "mnInterest", "mnRecovery", "mnEMI", "mnFindRate", "About"})
        EXPECT_EQ(find<QAction>(name)->isEnabled(), qstrcmp(name, "mnFindRate") != 0) << name;
    EXPECT_EQ(periods()->currentText(), "Simple");
    // Result boxes are read-only, yet enabled so that their text can be selected and copied.
    for (int box : kResultBoxes) EXPECT_TRUE(text1(box)->isReadOnly() && text1(box)->isEnabled());
    for (int box : kInputBoxes) EXPECT_FALSE(text1(box)->isReadOnly()) << box;
}

TEST_F(Shell, LaterSiblingsLieOnTop) {
    QWidget* client = window->centralWidget();
    // clang-format off
    const std::tuple<const char*, const char*, QWidget*> stacks[] = {
        {"Frame1", "Frame2", client}, {"Frame2", "Frame3", client}, {"Frame3", "Frame4", client},
        {"Text3", "Text2", client}, {"Image4(2)", "Image4(0)", frame(5)}};
    // clang-format on
    for (const auto& [lower, upper, parent] : stacks) {
        EXPECT_EQ(find(lower)->parentWidget(), parent) << lower;
        EXPECT_LT(parent->children().indexOf(find(lower)), parent->children().indexOf(find(upper)))
            << lower << " lies over " << upper;
    }
}

TEST_F(Shell, EachPanelCommandShowsItsPanelAloneEmptiesItsResultsAndFocusesItsFirstBox) {
    // The emptied boxes are the only result boxes a command touches; the rate finder's command
    // also empties the list and shows the repayment header again. The panel's first box takes the
    // focus, so that a screen reader reads the new panel.
    // clang-format off
    const std::tuple<const char*, int, int, QList<int>, bool, int> commands[] = {
        // menu        frame height emptied       clears list  first box
        {"mnInterest", 1,    3585,  {3, 4},       false,       0},
        {"mnEMI",      3,    3690,  {14, 15, 16}, false,       20},
        {"mnRecovery", 2,    3690,  {9, 10, 12},  false,       5},
        {"mnFindRate", 4,    3690,  {22},         true,        6},  // keeps Text1(23)
    };
    // clang-format on
    // From every panel to every other, so each command runs with each predecessor in view.
    for (int step : {0, 1, 2, 3, 1, 0, 2, 0, 3, 2, 1, 3}) {
        const auto& [menu, panel, height, emptied, clearsList, firstBox] = commands[step];
        SCOPED_TRACE(menu);
        for (int box : kResultBoxes) type(box, "old");
        find<QPushButton>("ShowDetails")->setText("Close Details");
        list()->addItem("row");
        header(2)->hide();
        choose(menu);

        for (int n : {1, 2, 3, 4}) EXPECT_EQ(shown(frame(n)), n == panel) << n;
        for (const auto& other : commands)
            EXPECT_EQ(find<QAction>(std::get<0>(other))->isEnabled(), std::get<1>(other) != panel);
        EXPECT_EQ(window->outerHeightTwips(), height);
        EXPECT_EQ(find<QPushButton>("ShowDetails")->text(), "Show Details");
        for (int box : kResultBoxes)
            EXPECT_EQ(text1(box)->text(), emptied.contains(box) ? "" : "old") << box;
        EXPECT_EQ(list()->count() == 0, clearsList);
        EXPECT_EQ(shown(header(2)), clearsList);
        EXPECT_EQ(window->focusWidget(), text1(firstBox));
        EXPECT_EQ(window->accessibleDescription(), frame(panel)->title());
    }
}

TEST_F(Shell, EachDetailsButtonOpensAndLocksAndKeepsItsStateAcrossTheMenu) {
    // An open list locks the inputs; the menu resets the caption of the EMI button only.
    // clang-format off
    const std::tuple<const char*, const char*, QList<int>, bool> toggles[] = {
        // menu        button          locked            caption survives
        {"mnEMI",      "ShowDetails",  {17, 18, 19, 20}, false},
        {"mnRecovery", "ShowDetailsM", {5, 7, 8, 11},    true},
        {"mnFindRate", "ShowDetail",   {},               true},
    };
    // clang-format on
    for (const auto& [menu, button, locked, captionSurvives] : toggles) {
        SCOPED_TRACE(button);
        choose(menu);
        click(button);
        expectDetails(button, locked, true);
        choose("mnInterest");
        choose(menu);
        EXPECT_EQ(window->outerHeightTwips(), 3690);
        EXPECT_EQ(find<QPushButton>(button)->text(),
                  captionSurvives ? "Close Details" : "Show Details");
        for (int box : locked) EXPECT_TRUE(text1(box)->isReadOnly()) << box;
        click(button);  // the button still counts as open, so this click closes
        expectDetails(button, locked, false);
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Shell, EditingARateInputOrPickingAPeriodEmptiesTheRatesAlone) {
    for (int box : kInputBoxes) {
        for (int result : kResultBoxes) type(result, "kept");
        type(box, text1(box)->text() + "1");
        const bool rateInput = box == 6 || box == 13 || box == 21;
        for (int result : kResultBoxes)
            EXPECT_EQ(text1(result)->text(), rateInput && result >= 22 ? "" : "kept") << box;
    }
    // Daily, then another period, so the unit turns red and back.
    const QColor normal = label1(14)->palette().color(QPalette::WindowText);
    for (int position : {5, 1, 2, 5, 3, 4, 0}) {
        type(22, "kept");
        type(23, "kept");
        periods()->setCurrentIndex(position);
        EXPECT_EQ(label1(14)->text(), position == 5 ? "DAYS" : "Months") << position;
        EXPECT_EQ(label1(14)->palette().color(QPalette::WindowText),
                  position == 5 ? QColor(192, 0, 0) : normal);
        EXPECT_EQ(texts({22, 23}), QStringList({"", ""})) << position;
    }
}

TEST_F(Shell, PointerOverAnyImageHidesTheCalculatorAndOverItsBoxShowsIt) {
    QWidget* calculator = find("Image4(0)");
    for (const char* image : {"Image4(0)", "Image4(2)", "Image4(1)"}) {
        mouse(frame(5), QEvent::MouseMove);
        EXPECT_TRUE(shown(calculator));
        mouse(find(image), QEvent::MouseMove);  // the move does not reach the box beneath
        EXPECT_FALSE(shown(calculator)) << image;
        EXPECT_TRUE(shown(find("Image4(2)")));
    }
}

TEST_F(Shell, AboutShowsTheMakersAddresses) {
    choose("About");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    const ShownMessage& about = dialogs.messages.front();
    EXPECT_EQ(about.icon, MessageIcon::Information);
    EXPECT_EQ(about.buttons, MessageButtons::Ok);
    EXPECT_EQ(about.title, "Email us at:  support@norvikal.example");
    EXPECT_TRUE(about.text.startsWith("Brisanel & Repayment, version "));
    EXPECT_EQ(about.text.section("\r\n", 1),
              "M/S Norvikal, Brookhaven. You can download this file\r\n"
              "and many more other useful UTILITY and APPLICATION\r\n"
              "softwares from the following website.\r\n\r\n\twww.norvikal.example\r\n\r\n"
              "Courtesy: support@norvikal.example");
}

TEST_F(Shell, ExitAndCloseEndWithoutAQuestion) {
    window->show();
    choose("mnExit");
    EXPECT_TRUE(window->isHidden());
    window->show();
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Shell, ControlsAreNamedAfterTheirLabelsAsTheCaptionsChange) {
    // clang-format off
    const std::pair<const char*, const char*> names[] = {
        {"Text1(0)",  "Principal loan amount"},   {"Text1(7)",  "Annual rate of interest in percent"},
        {"Text1(8)",  "Repayment starts after (months)"},  {"Text1(13)", "Interest period in Months"},
        {"Text1(22)", "Interest rate per Month"}, {"List1",     "Details"}};
    // clang-format on
    for (const auto& [control, name] : names)
        EXPECT_EQ(find(control)->accessibleName(), name) << control;
    EXPECT_EQ(periods()->accessibleName(), "Interest Compounding");
    EXPECT_EQ(list()->accessibleDescription(), "SN END OF RED. BALANCE EMI");
    periods()->setCurrentIndex(5);
    EXPECT_EQ(text1(13)->accessibleName(), "Interest period in DAYS");
    periods()->setCurrentIndex(3);
    click("FindRate");  // the rate per period is named after the period of the last rate found
    EXPECT_EQ(text1(22)->accessibleName(), "Interest rate per Quarter");
    EXPECT_EQ(list()->accessibleDescription(), "SN END OF INTEREST TOTAL AMOUNT");
}

}  // namespace
}  // namespace brisanel::app::testing

namespace brisanel::app::testing {
namespace {

// The planner's module as the installed program loads it: the built file makes the planner's
// window, and a missing or foreign file is said in words.
TEST(PlannerModuleFile, LoadsTheBuiltModuleAndSaysWhyAnotherPlaceHasNone) {
    QString problem;
    PlannerModule* module = loadPlannerModule({"/nowhere/a.so", BRISANEL_BUILT_PLANNER}, problem);
    ASSERT_NE(module, nullptr) << problem.toStdString();
    ScriptedDialogs dialogs;
    QWidget owner;
    QWidget* planner = module->createPlanner(dialogs, &owner);
    EXPECT_EQ(planner->objectName(), "frmPlanner");
    EXPECT_NE(qobject_cast<Planner*>(planner), nullptr);
    EXPECT_FALSE(planner->isVisible());
    EXPECT_EQ(planner->parent(), &owner);

    EXPECT_EQ(loadPlannerModule({"/nowhere/a.so", "/nowhere/b.so"}, problem), nullptr);
    EXPECT_EQ(problem,
              "The loan planner could not be loaded.\n"
              "It is not installed in /nowhere/a.so or /nowhere/b.so.");
    QTemporaryDir folder;
    QFile text(folder.filePath("brisanel-planner.so"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly) && text.write("not a library") > 0);
    text.close();
    EXPECT_EQ(loadPlannerModule({text.fileName()}, problem), nullptr);
    EXPECT_TRUE(problem.startsWith("The loan planner could not be loaded.\n"));
    EXPECT_TRUE(problem.contains(text.fileName())) << problem.toStdString();
}

}  // namespace
}  // namespace brisanel::app::testing
