// The window as a whole: its start state, panel switching from the menu, the rate finder's stale
// results, the decoration box, About, Exit, and what the user cannot type into.
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "app/maker.h"
#include "window_fixture.h"

namespace brisanel::app::testing {
namespace {

const QList<int> kResultBoxes = {3, 4, 9, 10, 12, 14, 15, 16, 22, 23};
const QList<int> kInputBoxes = {0, 1, 2, 5, 6, 7, 8, 11, 13, 17, 18, 19, 20, 21};

class Shell : public WindowTest {
protected:
    void fillResultBoxes(const QString& text) const {
        for (int box : kResultBoxes) type(box, text);
    }

    static void moveOver(QWidget* widget) {
        const QPointF inside(2, 2);
        QMouseEvent move(QEvent::MouseMove, inside, widget->mapToGlobal(inside), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &move);
    }

    static void press(QWidget* widget, int key, const QString& text = {}) {
        for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, key, Qt::NoModifier, text);
            QCoreApplication::sendEvent(widget, &event);
        }
    }

    bool visible(QWidget* widget) const { return widget->isVisibleTo(window.get()); }
};

TEST_F(Shell, StartsOnTheRateFinderWithItsSampleValues) {
    EXPECT_EQ(window->objectName(), "frmInterest");
    EXPECT_EQ(window->windowTitle(), "Brisanel & Repayment");
    EXPECT_EQ(visibleFrames(), QStringList({"Frame3", "Frame4"}));  // Frame4 covers Frame3
    EXPECT_EQ(QStringList({text1(6)->text(), text1(21)->text(), text1(13)->text()}),
              QStringList({"5000", "6250", "24"}));
    for (const char* name :
         {"mnExit", "mnInterest", "mnRecovery", "mnEMI", "mnFindRate", "About"}) {
        EXPECT_EQ(menu(name)->isEnabled(), qstrcmp(name, "mnFindRate") != 0) << name;
    }
    EXPECT_EQ(periods()->count(), 6);
    EXPECT_EQ(periods()->currentText(), "Simple");
    EXPECT_EQ(label1(14)->text(), "Months");
    EXPECT_LT(window->outerHeightTwips(), frmInterest::kDetailsOpenHeight);
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
        const char* frame;
        int height;
        QList<int> emptied;  // the only result boxes the command touches
        bool clearsDetails;  // empties the list and shows the repayment header again
    } commands[] = {
        {"mnInterest", "Frame1", frmInterest::kInterestsHeight, {3, 4}, false},
        {"mnEMI", "Frame3", frmInterest::kPanelHeight, {14, 15, 16}, false},
        {"mnRecovery", "Frame2", frmInterest::kPanelHeight, {9, 10, 12}, false},
        {"mnFindRate", "Frame4", frmInterest::kPanelHeight, {22}, true},  // keeps Text1(23)
    };
    for (int box : kInputBoxes) type(box, QString("typed %1").arg(box));
    // From every panel to every other, so each command runs with each predecessor in view.
    for (int step : {0, 1, 2, 3, 1, 0, 2, 0, 3, 2, 1, 3}) {
        const auto& command = commands[step];
        SCOPED_TRACE(command.menu);
        fillResultBoxes("old");
        button("ShowDetails")->setText("Close Details");
        list()->addItem("row");
        header(2)->hide();
        choose(command.menu);

        EXPECT_EQ(visibleFrames(), QStringList{command.frame});
        for (const auto& other : commands) {
            EXPECT_EQ(menu(other.menu)->isEnabled(), &other != &command) << other.menu;
        }
        EXPECT_EQ(window->outerHeightTwips(), command.height);
        EXPECT_EQ(button("ShowDetails")->text(), "Show Details");
        for (int box : kResultBoxes) {
            EXPECT_EQ(text1(box)->text(), command.emptied.contains(box) ? "" : "old") << box;
        }
        EXPECT_EQ(list()->count() == 0, command.clearsDetails);
        EXPECT_EQ(visible(header(2)), command.clearsDetails);
        for (int box : kInputBoxes) EXPECT_EQ(text1(box)->text(), QString("typed %1").arg(box));
    }
}

TEST_F(Shell, EachDetailsButtonKeepsItsStateAndLocksAcrossTheMenu) {
    const struct {
        const char* menu;
        const char* button;
        QList<int> inputs;
        bool locks;            // whether an open list locks the panel's inputs
        bool captionSurvives;  // the menu resets the caption of the EMI button only
    } toggles[] = {
        {"mnEMI", "ShowDetails", {17, 18, 19, 20}, true, false},
        {"mnRecovery", "ShowDetailsM", {5, 7, 8, 11}, true, true},
        {"mnFindRate", "ShowDetail", {6, 13, 21}, false, true},
    };
    for (const auto& toggle : toggles) {
        SCOPED_TRACE(toggle.button);
        const auto expectLocked = [&](bool locked) {
            for (int box : toggle.inputs) EXPECT_EQ(text1(box)->isReadOnly(), locked) << box;
        };
        const auto expectOpen = [&](bool open) {
            EXPECT_EQ(window->outerHeightTwips(),
                      open ? frmInterest::kDetailsOpenHeight : frmInterest::kDetailsClosedHeight);
            EXPECT_EQ(button(toggle.button)->text(), open ? "Close Details" : "Show Details");
            expectLocked(open && toggle.locks);
        };
        choose(toggle.menu);
        click(toggle.button);
        expectOpen(true);

        choose("mnInterest");
        choose(toggle.menu);
        EXPECT_EQ(window->outerHeightTwips(), frmInterest::kPanelHeight);
        EXPECT_EQ(button(toggle.button)->text(),
                  toggle.captionSurvives ? "Close Details" : "Show Details");
        expectLocked(toggle.locks);

        // The button still counts as open: the first click closes, the second opens.
        click(toggle.button);
        expectOpen(false);
        click(toggle.button);
        expectOpen(true);
        click(toggle.button);
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Shell, OnlyEditingARateInputEmptiesResultsAndThenOnlyTheRates) {
    click("FindRate");
    const int rows = list()->count();
    for (int box : kInputBoxes) {
        fillResultBoxes("kept");
        type(box, text1(box)->text() + "1");
        const bool rateInput = box == 6 || box == 13 || box == 21;
        for (int result : kResultBoxes) {
            const bool emptied = rateInput && (result == 22 || result == 23);
            EXPECT_EQ(text1(result)->text(), emptied ? "" : "kept")
                << result << " after editing " << box;
        }
    }
    EXPECT_EQ(label1(27)->text(), "per Annum");
    EXPECT_EQ(list()->count(), rows);
}

TEST_F(Shell, PointerOverThePictureUncoversItsVariant) {
    QLabel* picture = find<QLabel>("Image4(0)");
    ASSERT_TRUE(visible(picture));

    // The move over the picture hides it and does not reach the frame beneath.
    moveOver(picture);
    EXPECT_FALSE(visible(picture));
    EXPECT_TRUE(visible(find<QLabel>("Image4(2)")));

    // The labels of the box have no reaction of their own and do not pass the move on.
    moveOver(label1(29));
    moveOver(label1(25));
    EXPECT_FALSE(visible(picture));

    moveOver(frame(5));
    EXPECT_TRUE(visible(picture));

    // Any of the images hides the picture, whatever its index.
    for (const char* image : {"Image4(2)", "Image4(1)"}) {
        moveOver(frame(5));
        moveOver(find<QLabel>(image));
        EXPECT_FALSE(visible(picture)) << image;
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

TEST_F(Shell, KeysReachInputBoxesButChangeNoResultBox) {
    choose("mnInterest");
    click("SimpleInt");
    for (QLineEdit* box : {text1(3), text1(1)}) {
        press(box, Qt::Key_Backspace);
        press(box, Qt::Key_6, "6");
    }
    EXPECT_EQ(text1(3)->text(), "1250");
    EXPECT_EQ(text1(1)->text(), "26");
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
    EXPECT_EQ(order, expected);
}

}  // namespace
}  // namespace brisanel::app::testing
