// The "Recovery Months" panel as the user meets it: results, the schedule it writes on every
// "Find Months", and its own "Show Details" toggle.
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
    QStringList results() const { return {text1(12)->text(), text1(9)->text(), text1(10)->text()}; }

    // The height, the caption and the locks of the four inputs that an open list gives.
    void expectOpen(bool open, int closedHeight = frmInterest::kDetailsClosedHeight) const {
        EXPECT_EQ(window->outerHeightTwips(),
                  open ? frmInterest::kDetailsOpenHeight : closedHeight);
        EXPECT_EQ(button("ShowDetailsM")->text(), open ? "Close Details" : "Show Details");
        for (int box : {5, 7, 8, 11}) EXPECT_EQ(text1(box)->isReadOnly(), open) << box;
    }

    // Exactly the message given, or none for an empty text; forgotten once checked.
    void expectMessage(std::string_view text) {
        EXPECT_EQ(dialogs.texts(),
                  text.empty() ? QStringList() : QStringList{QString::fromUtf8(text)});
        dialogs.messages.clear();
    }
};

TEST_F(RecoveryPanel, FindMonthsWritesTheScheduleWhichShowDetailsRevealsUnderItsHeader) {
    // A growth table hides the schedule header; only the recovery button brings it back.
    choose("mnFindRate");
    click("FindRate");
    choose("mnRecovery");

    click("RecoveryMonths");
    EXPECT_EQ(results(), kSampleResults);
    ASSERT_EQ(list()->count(), 9);
    EXPECT_EQ(listLines().front(), "01.   Month 01\tBal.= 5000\t600");
    EXPECT_FALSE(header(2)->isVisibleTo(window.get()));
    expectOpen(false, frmInterest::kPanelHeight);

    click("ShowDetailsM");
    EXPECT_TRUE(header(2)->isVisibleTo(window.get()));
    EXPECT_EQ(list()->count(), 9);
    expectOpen(true);
    click("ShowDetailsM");
    EXPECT_EQ(list()->count(), 9);
    expectOpen(false);
    expectMessage({});
}

TEST_F(RecoveryPanel, AFailedCalculationKeepsResultsAndListAndDoesNotOpen) {
    const std::tuple<int, const char*, std::string_view, int> failures[] = {
        {5, "0", msg::kPrincipalPositive, 9},
        {8, "-1", msg::kStartNotNegative, 9},
        {11, "50", msg::kCheckRecovery, 1802},  // fills the whole table, then gives up
        // A silent overflow speaks up while earlier figures are on show.
        {8, "40000", msg::kCheckInput, 9},
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
        expectOpen(false, frmInterest::kPanelHeight);
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
    click("ShowDetailsM");
    expectOpen(false);
}

}  // namespace
}  // namespace brisanel::app::testing
