// The window as a whole: its start state, panel switching from the menu, the details buttons
// across panel switches, the rate finder's stale results, the decoration box, About, Exit and the
// tab order.
#include "app/maker.h"
#include "window_fixture.h"

namespace brisanel::app::testing {
namespace {

const QList<int> kResultBoxes = {3, 4, 9, 10, 12, 14, 15, 16, 22, 23};
const QList<int> kInputBoxes = {0, 1, 2, 5, 6, 7, 8, 11, 13, 17, 18, 19, 20, 21};

using Shell = WindowTest;

TEST_F(Shell, StartsOnTheRateFinderWithItsSampleValues) {
    EXPECT_EQ(window->objectName(), "frmInterest");
    EXPECT_EQ(window->windowTitle(), "Brisanel & Repayment");
    for (int n : {1, 2, 3, 4}) EXPECT_EQ(shown(frame(n)), n >= 3) << n;  // Frame4 covers Frame3
    EXPECT_EQ(texts({6, 21, 13}), QStringList({"5000", "6250", "24"}));
    for (const char* name : {"mnExit", "mnInterest", "mnRecovery", "mnEMI", "mnFindRate", "About"})
        EXPECT_EQ(menu(name)->isEnabled(), qstrcmp(name, "mnFindRate") != 0) << name;
    EXPECT_EQ(periods()->count(), 6);
    EXPECT_EQ(periods()->currentText(), "Simple");
    EXPECT_EQ(label1(14)->text(), "Months");
    EXPECT_LT(window->outerHeightTwips(), 6930);
    EXPECT_EQ(list()->count(), 0);
    // Result boxes are read-only, yet enabled so that their text can be selected and copied.
    for (int box : kResultBoxes) {
        EXPECT_TRUE(text1(box)->isReadOnly() && text1(box)->isEnabled()) << box;
        EXPECT_TRUE(text1(box)->text().isEmpty()) << box;
    }
    for (int box : kInputBoxes) EXPECT_FALSE(text1(box)->isReadOnly()) << box;
}

TEST_F(Shell, EachPanelCommandShowsItsPanelAloneAndEmptiesOnlyItsResults) {
    const struct {
        const char* menu;
        int frame;
        int height;
        QList<int> emptied;  // the only result boxes the command touches
        bool clearsDetails;  // empties the list and shows the repayment header again
    } commands[] = {
        {"mnInterest", 1, 3585, {3, 4}, false},
        {"mnEMI", 3, 3690, {14, 15, 16}, false},
        {"mnRecovery", 2, 3690, {9, 10, 12}, false},
        {"mnFindRate", 4, 3690, {22}, true},  // keeps Text1(23)
    };
    for (int box : kInputBoxes) type(box, QString("typed %1").arg(box));
    // From every panel to every other, so each command runs with each predecessor in view.
    for (int step : {0, 1, 2, 3, 1, 0, 2, 0, 3, 2, 1, 3}) {
        const auto& command = commands[step];
        SCOPED_TRACE(command.menu);
        for (int box : kResultBoxes) type(box, "old");
        button("ShowDetails")->setText("Close Details");
        list()->addItem("row");
        header(2)->hide();
        choose(command.menu);

        for (int n : {1, 2, 3, 4}) EXPECT_EQ(shown(frame(n)), n == command.frame) << n;
        for (const auto& other : commands)
            EXPECT_EQ(menu(other.menu)->isEnabled(), &other != &command) << other.menu;
        EXPECT_EQ(window->outerHeightTwips(), command.height);
        EXPECT_EQ(button("ShowDetails")->text(), "Show Details");
        for (int box : kResultBoxes)
            EXPECT_EQ(text1(box)->text(), command.emptied.contains(box) ? "" : "old") << box;
        EXPECT_EQ(list()->count() == 0, command.clearsDetails);
        EXPECT_EQ(shown(header(2)), command.clearsDetails);
        for (int box : kInputBoxes) EXPECT_EQ(text1(box)->text(), QString("typed %1").arg(box));
    }
}

TEST_F(Shell, EachDetailsButtonKeepsItsStateAndLocksAcrossTheMenu) {
    const struct {
        const char* menu;
        const char* button;
        QList<int> locked;     // the inputs an open list locks
        bool captionSurvives;  // the menu resets the caption of the EMI button only
    } toggles[] = {
        {"mnEMI", "ShowDetails", {17, 18, 19, 20}, false},
        {"mnRecovery", "ShowDetailsM", {5, 7, 8, 11}, true},
        {"mnFindRate", "ShowDetail", {}, true},
    };
    for (const auto& toggle : toggles) {
        SCOPED_TRACE(toggle.button);
        choose(toggle.menu);
        click(toggle.button);
        expectDetails(toggle.button, toggle.locked, true);

        choose("mnInterest");
        choose(toggle.menu);
        EXPECT_EQ(window->outerHeightTwips(), 3690);
        EXPECT_EQ(button(toggle.button)->text(),
                  toggle.captionSurvives ? "Close Details" : "Show Details");
        for (int box : toggle.locked) EXPECT_TRUE(text1(box)->isReadOnly()) << box;

        // The button still counts as open: the first click closes, the second opens.
        click(toggle.button);
        expectDetails(toggle.button, toggle.locked, false);
        click(toggle.button);
        expectDetails(toggle.button, toggle.locked, true);
        click(toggle.button);
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Shell, OnlyEditingARateInputEmptiesResultsAndThenOnlyTheRates) {
    click("FindRate");
    const int rows = list()->count();
    for (int box : kInputBoxes) {
        for (int result : kResultBoxes) type(result, "kept");
        type(box, text1(box)->text() + "1");
        const bool rateInput = box == 6 || box == 13 || box == 21;
        for (int result : kResultBoxes) {
            const bool emptied = rateInput && (result == 22 || result == 23);
            EXPECT_EQ(text1(result)->text(), emptied ? "" : "kept") << result << " after " << box;
        }
    }
    EXPECT_EQ(label1(27)->text(), "per Annum");
    EXPECT_EQ(list()->count(), rows);
}

TEST_F(Shell, PointerOverAnyImageHidesThePictureAndOverItsBoxShowsIt) {
    QLabel* picture = find<QLabel>("Image4(0)");
    ASSERT_TRUE(shown(picture));
    mouse(picture, QEvent::MouseMove);  // the move does not reach the box beneath
    EXPECT_FALSE(shown(picture));
    EXPECT_TRUE(shown(find<QLabel>("Image4(2)")));
    // The labels of the box have no reaction of their own and do not pass the move on.
    mouse(label1(29), QEvent::MouseMove);
    mouse(label1(25), QEvent::MouseMove);
    EXPECT_FALSE(shown(picture));
    for (const char* image : {"Image4(2)", "Image4(1)"}) {
        mouse(frame(5), QEvent::MouseMove);
        EXPECT_TRUE(shown(picture));
        mouse(find<QLabel>(image), QEvent::MouseMove);
        EXPECT_FALSE(shown(picture)) << image;
    }
}

TEST_F(Shell, AboutShowsTheMakersAddresses) {
    choose("About");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    const ShownMessage& about = dialogs.messages.front();
    EXPECT_EQ(about.icon, MessageIcon::Information);
    EXPECT_EQ(about.buttons, MessageButtons::Ok);
    EXPECT_EQ(about.title, QStringLiteral("Email us at:  ") + kMakerEmail);
    // Eight lines: one of the maker's own choosing, then the fixed ones.
    EXPECT_FALSE(about.text.section("\r\n", 0, 0).isEmpty());
    EXPECT_EQ(about.text.section("\r\n", 1),
              QStringLiteral("M/S Norvikal, %1. You can download this file\r\n"
                             "and many more other useful UTILITY and APPLICATION\r\n"
                             "softwares from the following website.\r\n\r\n\t%2\r\n\r\n"
                             "Courtesy: %3")
                  .arg(kMakerTown, kMakerWebAddress, kMakerEmail));
    EXPECT_EQ(label1(29)->text(), kMakerWebAddress);
}

TEST_F(Shell, ExitAndCloseEndWithoutAQuestion) {
    window->show();
    choose("mnExit");
    EXPECT_TRUE(window->isHidden());
    window->show();
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(window->isHidden());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Shell, TabFollowsTheInterestsPanelOrder) {
    choose("mnInterest");
    QStringList order;
    QWidget* first = button("CompoundAnnually");
    QWidget* widget = first;
    do {
        if (frame(1)->isAncestorOf(widget) && (widget->focusPolicy() & Qt::TabFocus))
            order.append(widget->objectName());
        widget = widget->nextInFocusChain();
    } while (widget != first);
    EXPECT_EQ(order, QStringList({"CompoundAnnually", "Text1(4)", "CompoundMonthly", "SimpleInt",
                                  "Text1(3)", "Text1(2)", "Text1(1)", "Text1(0)", "CompdQuarterly",
                                  "CompdDaily"}));
}

}  // namespace
}  // namespace brisanel::app::testing
