// The "Find EMI" panel: result boxes, messages, and the details list that "Show Details" fills from
// the figures of the last "Find EMI".
#include "calc/messages.h"
#include "window_fixture.h"

namespace brisanel::app::testing {
namespace {

namespace msg = calc::messages;

const QStringList kSampleResults = {"133", "1379", "6379"};

class EmiPanel : public WindowTest {
protected:
    EmiPanel() { choose("mnEMI"); }

    QStringList results() const { return texts({14, 15, 16}); }

    void expectOpen(bool open, int closedHeight = 3585) const {
        expectDetails("ShowDetails", {17, 18, 19, 20}, open, closedHeight);
    }

    // A growth table, which also hides the schedule header, to show what a later click changes.
    QStringList leaveAGrowthTableBehind() {
        choose("mnFindRate");
        click("FindRate");
        choose("mnEMI");
        return listLines();
    }
};

TEST_F(EmiPanel, FindEmiWritesTheResultsAndShowDetailsTheScheduleUnderItsHeader) {
    const QStringList growth = leaveAGrowthTableBehind();
    click("EMI");
    EXPECT_EQ(results(), kSampleResults);
    EXPECT_EQ(listLines(), growth);
    EXPECT_FALSE(shown(header(2)));
    expectOpen(false, 3690);

    click("ShowDetails");
    EXPECT_TRUE(shown(header(2)));
    EXPECT_EQ(results(), kSampleResults);
    const QStringList schedule = listLines();
    ASSERT_EQ(schedule.size(), 48);
    EXPECT_EQ(schedule.front(), "01.   Month 01\tBal.= 5000\t133");
    expectOpen(true);
    click("ShowDetails");  // closing rebuilds the same lines
    EXPECT_EQ(listLines(), schedule);
    expectMessage({});
}

TEST_F(EmiPanel, AFailedFindEmiEmptiesTheResultsAndBarsTheDetailsUntilTheNextSuccess) {
    const std::tuple<int, const char*, std::string_view> failures[] = {
        {20, "abc", msg::kPrincipalPositive},
        {19, "0.3", {}},  // below half a month: a failure without a word
    };
    for (const auto& [box, text, message] : failures) {
        SCOPED_TRACE(text);
        const QStringList growth = leaveAGrowthTableBehind();
        click("EMI");  // figures to be emptied
        const QString before = text1(box)->text();
        type(box, text);
        click("EMI");
        expectMessage(message);
        EXPECT_EQ(results(), QStringList({"", "", ""}));
        // Only the header comes back: no message, the list keeps the growth table, nothing opens.
        click("ShowDetails");
        EXPECT_TRUE(shown(header(2)));
        EXPECT_EQ(listLines(), growth);
        expectMessage({});
        expectOpen(false, 3690);
        type(box, before);
    }
    click("EMI");
    click("ShowDetails");
    EXPECT_EQ(list()->count(), 48);
    expectOpen(true);
}

TEST_F(EmiPanel, FindEmiWithTheListOpenUpdatesOnlyTheResults) {
    click("ShowDetails");
    const QStringList schedule = listLines();
    fill({20, 19, 18},
         {"1000", "3", "12"});  // an instalment of 340  // the locks stop the user, not the program
    click("EMI");
    EXPECT_EQ(results(), QStringList({"340", "20", "1020"}));
    EXPECT_EQ(listLines(), schedule);
    expectOpen(true);
}

TEST_F(EmiPanel, ARefusalAtShowDetailsShowsTheLastGoodScheduleAndThenBarsTheDetails) {
    fill({20, 19, 18}, {"1000", "3", "12"});  // an instalment of 340
    click("ShowDetails");
    click("ShowDetails");
    ASSERT_EQ(list()->count(), 3);
    int rowsOnShow = -1;
    dialogs.whileShowing = [&] { rowsOnShow = list()->count(); };
    type(20, "-5");
    click("ShowDetails");
    expectMessage(msg::kPrincipalPositive);
    EXPECT_EQ(rowsOnShow, 0);  // the list is cleared before the message shows
    // After the message, the schedule of the stored figures.
    EXPECT_EQ(listLines(),
              QStringList({"01.   Month 01\tBal.= 1000\t340", "02.   Month 02\tBal.= 0670\t340",
                           "03.   Month 03\tBal.= 0337\t337"}));
    EXPECT_EQ(results(), QStringList({"", "", ""}));
    expectOpen(false);
    // That refusal failed the calculation, so the next click stops at the gate and asks nothing.
    click("ShowDetails");
    expectMessage({});
    EXPECT_EQ(list()->count(), 3);
}

}  // namespace
}  // namespace brisanel::app::testing
