#include "window_fixture.h"

namespace brisanel::app::testing {
namespace {

using StartState = WindowTest;

TEST_F(StartState, OpensOnTheRateFinderWithItsSampleValues) {
    EXPECT_EQ(window->objectName(), "frmInterest");
    EXPECT_EQ(window->windowTitle(), "Brisanel & Repayment");
    EXPECT_EQ(visibleFrames(), QStringList({"Frame3", "Frame4"}));  // Frame4 covers Frame3
    EXPECT_EQ(text1(6)->text(), "5000");
    EXPECT_EQ(text1(21)->text(), "6250");
    EXPECT_EQ(text1(13)->text(), "24");
    EXPECT_TRUE(text1(22)->text().isEmpty());
    EXPECT_TRUE(text1(23)->text().isEmpty());
    EXPECT_FALSE(menu("mnFindRate")->isEnabled());
    for (const char* name : {"mnExit", "mnInterest", "mnRecovery", "mnEMI", "About"}) {
        EXPECT_TRUE(menu(name)->isEnabled()) << name;
    }
    EXPECT_EQ(periods()->currentText(), "Simple");
    EXPECT_EQ(periods()->count(), 6);
    EXPECT_EQ(label1(14)->text(), "Months");
    EXPECT_LT(window->outerHeightTwips(), frmInterest::kDetailsOpenHeight);
    EXPECT_TRUE(list()->count() == 0);
}

TEST_F(StartState, ResultBoxesAreReadOnlyAndInputsAreNot) {
    for (int box : {3, 4, 9, 10, 12, 14, 15, 16, 22, 23}) {
        EXPECT_TRUE(text1(box)->isReadOnly()) << box;
        EXPECT_TRUE(text1(box)->text().isEmpty()) << box;
    }
    for (int box : {0, 1, 2, 5, 6, 7, 8, 11, 13, 17, 18, 19, 20, 21}) {
        EXPECT_FALSE(text1(box)->isReadOnly()) << box;
    }
}

}  // namespace
}  // namespace brisanel::app::testing
