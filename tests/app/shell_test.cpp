// The window as a whole: panel switching from the menu, the rate finder's stale results, the
// decoration box, About, Exit, and what the user cannot type into.
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>
#include <vector>

#include "app/maker.h"
#include "window_fixture.h"

namespace brisanel::app::testing {
namespace {

constexpr int kAllResultBoxes[] = {3, 4, 9, 10, 12, 14, 15, 16, 22, 23};

struct PanelCommand {
    const char* menu;
    const char* frame;
    int height;
    std::vector<int> emptied;  // the only result boxes the command touches
};

const std::vector<PanelCommand>& panelCommands() {
    static const std::vector<PanelCommand> commands = {
        {"mnInterest", "Frame1", frmInterest::kInterestsHeight, {3, 4}},
        {"mnEMI", "Frame3", frmInterest::kPanelHeight, {14, 15, 16}},
        {"mnRecovery", "Frame2", frmInterest::kPanelHeight, {9, 10, 12}},
        {"mnFindRate", "Frame4", frmInterest::kPanelHeight, {22}},  // keeps Text1(23)
    };
    return commands;
}

class Shell : public WindowTest {
protected:
    void fillResultBoxes(const QString& text) const {
        for (int box : kAllResultBoxes) type(box, text);
    }

    void moveOver(QWidget* widget) const {
        const QPointF inside(2, 2);
        QMouseEvent move(QEvent::MouseMove, inside, widget->mapToGlobal(inside), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &move);
    }

    static void press(QWidget* widget, int key, const QString& text = {}) {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(widget, &down);
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(widget, &up);
    }

    static void typeKeys(QWidget* widget, const QString& text) {
        for (const QChar c : text) press(widget, c.toUpper().unicode(), QString(c));
    }

    bool visible(QWidget* widget) const { return widget->isVisibleTo(window.get()); }
};

TEST_F(Shell, EachPanelCommandShowsItsPanelAloneAndEmptiesItsResults) {
    // From every panel to every other, so each command runs with each predecessor in view.
    const std::vector<int> order = {0, 1, 2, 3, 1, 0, 2, 0, 3, 2, 1, 3};
    for (int step : order) {
        const PanelCommand& command = panelCommands()[static_cast<std::size_t>(step)];
        SCOPED_TRACE(command.menu);
        fillResultBoxes("old");
        button("ShowDetails")->setText("Close Details");
        choose(command.menu);

        EXPECT_EQ(visibleFrames(), QStringList{command.frame});
        for (const PanelCommand& other : panelCommands()) {
            EXPECT_EQ(menu(other.menu)->isEnabled(), &other != &command) << other.menu;
        }
        EXPECT_EQ(window->outerHeightTwips(), command.height);
        EXPECT_EQ(button("ShowDetails")->text(), "Show Details");
        for (int box : kAllResultBoxes) {
            const bool emptied = std::find(command.emptied.begin(), command.emptied.end(), box) !=
                                 command.emptied.end();
            EXPECT_EQ(text1(box)->text(), emptied ? "" : "old") << box;
        }
    }
}

TEST_F(Shell, TheCommandOfThePanelInViewCannotBeChosen) {
    click("FindRate");
    choose("mnFindRate");  // disabled at start
    EXPECT_FALSE(text1(22)->text().isEmpty());
    EXPECT_GT(list()->count(), 0);
}

TEST_F(Shell, RecoveryDetailsSurviveASwitchAwayAndBack) {
    choose("mnRecovery");
    type(5, "7000");
    type(11, "450");
    click("ShowDetailsM");
    ASSERT_EQ(button("ShowDetailsM")->text(), "Close Details");
    ASSERT_EQ(window->outerHeightTwips(), frmInterest::kDetailsOpenHeight);
    const QStringList rows = listLines();
    ASSERT_FALSE(rows.isEmpty());

    choose("mnInterest");
    EXPECT_EQ(window->outerHeightTwips(), frmInterest::kInterestsHeight);
    EXPECT_EQ(listLines(), rows);
    choose("mnRecovery");

    EXPECT_EQ(window->outerHeightTwips(), frmInterest::kPanelHeight);
    EXPECT_EQ(text1(5)->text(), "7000");
    EXPECT_EQ(text1(7)->text(), "12.50");
    EXPECT_EQ(text1(8)->text(), "0");
    EXPECT_EQ(text1(11)->text(), "450");
    EXPECT_EQ(button("ShowDetailsM")->text(), "Close Details");
    for (int box : {5, 7, 8, 11}) EXPECT_TRUE(text1(box)->isReadOnly()) << box;
    for (int box : {9, 10, 12}) EXPECT_TRUE(text1(box)->text().isEmpty()) << box;
    EXPECT_EQ(listLines(), rows);

    // The button kept its open state: the next click closes.
    click("ShowDetailsM");
    EXPECT_EQ(button("ShowDetailsM")->text(), "Show Details");
    EXPECT_EQ(window->outerHeightTwips(), frmInterest::kDetailsClosedHeight);
}

TEST_F(Shell, OnlyTheEmiDetailsCaptionIsResetByASwitch) {
    choose("mnEMI");
    click("ShowDetails");
    ASSERT_EQ(button("ShowDetails")->text(), "Close Details");
    choose("mnFindRate");
    click("ShowDetail");
    ASSERT_EQ(button("ShowDetail")->text(), "Close Details");

    choose("mnEMI");
    EXPECT_EQ(button("ShowDetails")->text(), "Show Details");
    EXPECT_EQ(button("ShowDetail")->text(), "Close Details");
    EXPECT_EQ(window->outerHeightTwips(), frmInterest::kPanelHeight);
    // The EMI inputs keep the lock their details gave them.
    for (int box : {17, 18, 19, 20}) EXPECT_TRUE(text1(box)->isReadOnly()) << box;
}

TEST_F(Shell, ChoosingFindRateEmptiesTheListAndShowsTheRepaymentHeader) {
    click("FindRate");
    ASSERT_FALSE(visible(header(2)));
    const QString annual = text1(23)->text();
    ASSERT_FALSE(annual.isEmpty());

    choose("mnEMI");  // other commands leave the list and the headers
    EXPECT_GT(list()->count(), 0);
    EXPECT_FALSE(visible(header(2)));

    choose("mnFindRate");
    EXPECT_EQ(list()->count(), 0);
    EXPECT_TRUE(visible(header(2)));
    EXPECT_TRUE(text1(22)->text().isEmpty());
    EXPECT_EQ(text1(23)->text(), annual);

    type(13, "36");
    EXPECT_TRUE(text1(23)->text().isEmpty());
}

TEST_F(Shell, EditingARateInputEmptiesBothRateResults) {
    for (int box : {6, 13, 21}) {
        click("FindRate");
        ASSERT_FALSE(text1(22)->text().isEmpty());
        ASSERT_FALSE(text1(23)->text().isEmpty());
        const QString unit = label1(27)->text();
        const int rows = list()->count();

        type(box, text1(box)->text() + "0");

        EXPECT_TRUE(text1(22)->text().isEmpty()) << box;
        EXPECT_TRUE(text1(23)->text().isEmpty()) << box;
        EXPECT_EQ(label1(27)->text(), unit) << box;
        EXPECT_EQ(list()->count(), rows) << box;
        type(box, text1(box)->text().chopped(1));
    }
}

TEST_F(Shell, EditingOtherInputsLeavesEveryResultBox) {
    for (int box : {0, 1, 2, 5, 7, 8, 11, 17, 18, 19, 20}) {
        fillResultBoxes("kept");
        type(box, text1(box)->text() + "1");
        for (int result : kAllResultBoxes) {
            EXPECT_EQ(text1(result)->text(), "kept") << result << " after editing " << box;
        }
    }
}

TEST_F(Shell, PointerOverThePictureUncoversItsVariant) {
    QLabel* picture = find<QLabel>("Image4(0)");
    QLabel* variant = find<QLabel>("Image4(2)");
    QGroupBox* box = frame(5);
    ASSERT_TRUE(visible(picture));

    moveOver(picture);
    EXPECT_FALSE(visible(picture));
    EXPECT_TRUE(visible(variant));

    // The labels of the box have no reaction of their own and do not pass the move on.
    moveOver(label1(29));
    moveOver(label1(25));
    EXPECT_FALSE(visible(picture));

    moveOver(box);
    EXPECT_TRUE(visible(picture));

    // Any of the images hides the picture, whatever its index.
    moveOver(variant);
    EXPECT_FALSE(visible(picture));
    moveOver(box);
    moveOver(find<QLabel>("Image4(1)"));
    EXPECT_FALSE(visible(picture));
}

TEST_F(Shell, AboutShowsTheMakersAddresses) {
    choose("About");

    ASSERT_EQ(dialogs.messages.size(), 1u);
    const ShownMessage& about = dialogs.messages.front();
    EXPECT_EQ(about.icon, MessageIcon::Information);
    EXPECT_EQ(about.buttons, MessageButtons::Ok);
    EXPECT_EQ(about.title, QStringLiteral("Email us at:  ") + kMakerEmail);

    const QStringList lines = about.text.split("\r\n");
    ASSERT_EQ(lines.size(), 8) << about.text.toStdString();
    EXPECT_EQ(about.text.count('\n'), 7);
    EXPECT_EQ(about.text.count('\r'), 7);
    EXPECT_FALSE(lines[0].isEmpty());
    EXPECT_EQ(lines[1],
              QStringLiteral("M/S Norvikal, %1. You can download this file").arg(kMakerTown));
    EXPECT_EQ(lines[2], "and many more other useful UTILITY and APPLICATION");
    EXPECT_EQ(lines[3], "softwares from the following website.");
    EXPECT_EQ(lines[4], "");
    EXPECT_EQ(lines[5], "\t" + label1(29)->text());
    EXPECT_EQ(lines[5], QStringLiteral("\t") + kMakerWebAddress);
    EXPECT_EQ(lines[6], "");
    EXPECT_EQ(lines[7], QStringLiteral("Courtesy: ") + kMakerEmail);
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

TEST_F(Shell, TypingIntoAResultBoxChangesNothing) {
    choose("mnInterest");
    click("SimpleInt");
    ASSERT_EQ(text1(3)->text(), "1250");

    typeKeys(text1(3), "99");
    press(text1(3), Qt::Key_Backspace);
    press(text1(3), Qt::Key_Delete);
    EXPECT_EQ(text1(3)->text(), "1250");

    // Its text can still be selected for copying.
    text1(3)->selectAll();
    EXPECT_EQ(text1(3)->selectedText(), "1250");

    // The same keys do reach an input box.
    typeKeys(text1(1), "6");
    EXPECT_EQ(text1(1)->text(), "246");
}

TEST_F(Shell, TabFollowsTheInterestsPanelOrder) {
    choose("mnInterest");
    const QList<QWidget*> expected = {button("CompoundAnnually"),
                                      text1(4),
                                      button("CompoundMonthly"),
                                      button("SimpleInt"),
                                      text1(3),
                                      text1(2),
                                      text1(1),
                                      text1(0),
                                      button("CompdQuarterly"),
                                      button("CompdDaily")};

    QList<QWidget*> order;
    QWidget* widget = expected.front();
    do {
        if (frame(1)->isAncestorOf(widget) && (widget->focusPolicy() & Qt::TabFocus)) {
            order.append(widget);
        }
        widget = widget->nextInFocusChain();
    } while (widget != expected.front());

    ASSERT_EQ(order.size(), expected.size());
    for (qsizetype i = 0; i < order.size(); ++i) {
        EXPECT_EQ(order[i]->objectName(), expected[i]->objectName()) << "stop " << i;
    }
}

}  // namespace
}  // namespace brisanel::app::testing
