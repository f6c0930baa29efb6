// The "Find EMI" panel as the user meets it: result boxes, messages, and the details list that
// "Show Details" opens and closes.
#include "calc/messages.h"
#include "window_fixture.h"

namespace brisanel::app::testing {
namespace {

namespace msg = calc::messages;

const QStringList kSampleResults = {"133", "1379", "6379"};
const QStringList kNoResults = {"", "", ""};

class EmiPanel : public WindowTest {
protected:
    EmiPanel() { choose("mnEMI"); }

    QStringList results() const {
        return {text1(14)->text(), text1(15)->text(), text1(16)->text()};
    }

    // The height, the caption and the locks of the four inputs that an open list gives.
    void expectOpen(bool open, int closedHeight = frmInterest::kDetailsClosedHeight) const {
        EXPECT_EQ(window->outerHeightTwips(),
                  open ? frmInterest::kDetailsOpenHeight : closedHeight);
        EXPECT_EQ(button("ShowDetails")->text(), open ? "Close Details" : "Show Details");
        for (int box : {17, 18, 19, 20}) EXPECT_EQ(text1(box)->isReadOnly(), open) << box;
    }

    // Exactly the message given, or none for an empty text; forgotten once checked.
    void expectMessage(std::string_view text) {
        EXPECT_EQ(dialogs.texts(),
                  text.empty() ? QStringList() : QStringList{QString::fromUtf8(text)});
        dialogs.messages.clear();
    }

    bool headerShown() const { return header(2)->isVisibleTo(window.get()); }

    // A growth table from the rate panel, which also hides the schedule header, so that what a
    // later click does to the list and the header can be seen.
    QStringList leaveAGrowthTableBehind() {
        choose("mnFindRate");
        click("FindRate");
        EXPECT_FALSE(headerShown());
        choose("mnEMI");
        return listLines();
    }

    // 1000 over 3 months at 12 %: an instalment of 340.
    void enterTheSmallLoan() const {
        type(20, "1000");
        type(19, "3");
        type(18, "12");
    }
};

TEST_F(EmiPanel, FindEmiWritesTheResultsAndShowDetailsTheScheduleUnderItsHeader) {
    const QStringList growth = leaveAGrowthTableBehind();
    click("EMI");
    EXPECT_EQ(results(), kSampleResults);
    EXPECT_EQ(listLines(), growth);
    EXPECT_FALSE(headerShown());
    expectOpen(false, frmInterest::kPanelHeight);

    click("ShowDetails");
    EXPECT_TRUE(headerShown());
    EXPECT_EQ(results(), kSampleResults);
    const QStringList schedule = listLines();
    ASSERT_EQ(schedule.size(), 48);
    EXPECT_EQ(schedule.front(), "01.   Month 01\tBal.= 5000\t133");
    expectOpen(true);

    // Closing rebuilds the same lines before the window shrinks.
    click("ShowDetails");
    EXPECT_EQ(listLines(), schedule);
    expectOpen(false);
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
        click("EMI");
        ASSERT_EQ(results(), kSampleResults);
        const QString before = text1(box)->text();
        type(box, text);
        click("EMI");
        expectMessage(message);
        EXPECT_EQ(results(), kNoResults);

        // Only the header comes back: no message, the list keeps the growth table, nothing opens.
        click("ShowDetails");
        EXPECT_TRUE(headerShown());
        EXPECT_EQ(listLines(), growth);
        expectMessage({});
        expectOpen(false, frmInterest::kPanelHeight);
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

    // The locks stop the user; the program can still change a box, which shows that
    // "Find EMI" does not rebuild the list from new figures.
    enterTheSmallLoan();
    click("EMI");
    EXPECT_EQ(results(), QStringList({"340", "20", "1020"}));
    EXPECT_EQ(listLines(), schedule);
    expectOpen(true);
}

TEST_F(EmiPanel, AMessageDuringShowDetailsFindsTheListAlreadyCleared) {
    click("ShowDetails");
    click("ShowDetails");
    ASSERT_EQ(list()->count(), 48);
    int rowsOnShow = -1;
    dialogs.whileShowing = [&] { rowsOnShow = list()->count(); };
    type(20, "-5");
    click("ShowDetails");
    expectMessage(msg::kPrincipalPositive);
    EXPECT_EQ(rowsOnShow, 0);
    EXPECT_EQ(list()->count(), 48);  // the stored figures' schedule follows the message
}

TEST_F(EmiPanel, RefusedInputsWhileClosedShowTheLastGoodScheduleAndStayClosed) {
    enterTheSmallLoan();
    click("EMI");
    type(20, "-5");

    click("ShowDetails");
    expectMessage(msg::kPrincipalPositive);
    EXPECT_EQ(listLines(),
              QStringList({"01.   Month 01\tBal.= 1000\t340", "02.   Month 02\tBal.= 0670\t340",
                           "03.   Month 03\tBal.= 0337\t337"}));
    EXPECT_EQ(results(), kNoResults);
    expectOpen(false, frmInterest::kPanelHeight);

    // That refusal failed the calculation, so the next click stops at the gate and asks nothing.
    click("ShowDetails");
    expectMessage({});
    EXPECT_EQ(list()->count(), 3);
}

}  // namespace
}  // namespace brisanel::app::testing
