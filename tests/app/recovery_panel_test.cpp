// The "Recovery Months" panel: results, the schedule that every "Find Months" writes, and its own
// "Show Details" toggle.
#include "calc/messages.h"
#include "window_fixture.h"

namespace brisanel::app::testing {
namespace {

namespace msg = calc::messages;

const QStringList kSampleResults = {"9", "5253", "253"};

class RecoveryPanel : public WindowTest {
protected:
    RecoveryPanel() { choose("mnRecovery"); }

    // Months, gross recovery, gross interest.
    QStringList results() const { return texts({12, 9, 10}); }

    void expectOpen(bool open, int closedHeight = 3585) const {
        expectDetails("ShowDetailsM", {5, 7, 8, 11}, open, closedHeight);
    }
};

TEST_F(RecoveryPanel, FindMonthsWritesTheScheduleWhichShowDetailsRevealsUnderItsHeader) {
    // A growth table hides the schedule header; only "Show Details" brings it back.
    choose("mnFindRate");
    click("FindRate");
    choose("mnRecovery");

    click("RecoveryMonths");
    EXPECT_EQ(results(), kSampleResults);
    ASSERT_EQ(list()->count(), 9);
    EXPECT_EQ(listLines().front(), "01.   Month 01\tBal.= 5000\t600");
    EXPECT_FALSE(shown(header(2)));
    expectOpen(false, 3690);

    click("ShowDetailsM");
    EXPECT_TRUE(shown(header(2)));
    EXPECT_EQ(list()->count(), 9);
    expectOpen(true);
    expectMessage({});
}

TEST_F(RecoveryPanel, AFailedCalculationKeepsResultsAndListAndDoesNotOpen) {
    const std::tuple<int, const char*, std::string_view, int> failures[] = {
        {5, "0", msg::kPrincipalPositive, 9},
        {8, "-1", msg::kStartNotNegative, 9},
        {11, "50", msg::kCheckRecovery, 1802},  // fills the whole table, then gives up
        {8, "40000", msg::kCheckInput, 9},      // a silent overflow speaks up over earlier figures
    };
    for (const auto& [box, text, message, lines] : failures) {
        SCOPED_TRACE(text);
        click("RecoveryMonths");
        const QString before = text1(box)->text();
        type(box, text);
        click("RecoveryMonths");
        expectMessage(message);
        EXPECT_EQ(results(), kSampleResults);
        EXPECT_EQ(list()->count(), lines);

        click("ShowDetailsM");
        expectMessage(message);
        expectOpen(false, 3690);
        type(box, before);
    }
}

TEST_F(RecoveryPanel, AnOverflowPassesSilentlyWhenNoEarlierFiguresAreOnShow) {
    type(8, "40000");
    click("RecoveryMonths");
    EXPECT_EQ(results(), QStringList({"", "", ""}));
    EXPECT_EQ(list()->count(), 0);
    // Emptied by the menu, the boxes no longer mislead.
    type(8, "0");
    click("RecoveryMonths");
    choose("mnEMI");
    choose("mnRecovery");
    type(8, "40000");
    click("RecoveryMonths");
    expectMessage({});
}

TEST_F(RecoveryPanel, ARefusalWhileOpenStillCloses) {
    click("ShowDetailsM");
    expectOpen(true);
    type(5, "0");  // the lock binds the user, not the program
    click("ShowDetailsM");
    expectMessage(msg::kPrincipalPositive);
    expectOpen(false);
    EXPECT_EQ(results(), kSampleResults);
}

TEST_F(RecoveryPanel, AFailedFindEmiDoesNotBlockThisPanel) {
    choose("mnEMI");
    type(20, "0");
    click("EMI");
    expectMessage(msg::kPrincipalPositive);
    choose("mnRecovery");
    click("ShowDetailsM");
    expectMessage({});
    expectOpen(true);
}

}  // namespace
}  // namespace brisanel::app::testing
