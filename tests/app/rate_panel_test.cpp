// The "Find Interest Rate" panel: its results, the growth rows in the details list, the
// compounding-period list and the panel's own "Show Details" toggle.
#include <QApplication>
#include <QScrollBar>
#include <utility>

#include "calc/messages.h"
#include "window_fixture.h"

namespace brisanel::app::testing {
namespace {

namespace msg = calc::messages;

enum Position { kSimple, kYearly, kHalfYearly, kQuarterly, kMonthly, kDaily };

class RatePanel : public WindowTest {
protected:
    QStringList results() const { return texts({22, 23}); }

    void findRate(int position, const QString& duration) {
        periods()->setCurrentIndex(position);
        type(13, duration);
        click("FindRate");
    }
};

TEST_F(RatePanel, ACalculationWritesTheRatesAndTheGrowthRowsWhetherOrNotTheyAreInView) {
    click("ShowDetail");  // nothing calculated yet: it still opens, on an empty list
    expectDetails("ShowDetail", {}, true);
    EXPECT_EQ(list()->count(), 0);
    for (int box : {6, 13, 21}) EXPECT_FALSE(text1(box)->isReadOnly()) << box;  // never locked
    EXPECT_TRUE(periods()->isEnabled());
    ASSERT_TRUE(shown(header(2)));

    click("FindRate");
    expectMessage({});
    EXPECT_EQ(results(), QStringList({"12.50 %", "12.50 %"}));
    EXPECT_EQ(label1(27)->text(), "per Annum");
    EXPECT_FALSE(shown(header(2)));
    EXPECT_TRUE(shown(header(3)));
    ASSERT_EQ(list()->count(), 3);
    EXPECT_TRUE(listLines().last().startsWith("03.  End of 2 Year: "));
    expectDetails("ShowDetail", {}, true);
    click("ShowDetail");  // closing leaves the rows
    EXPECT_EQ(list()->count(), 3);
}

TEST_F(RatePanel, ANewTableTakesThePlaceOfEveryOldRowAndShowsFromTheTop) {
    window->show();
    click("ShowDetail");
    // Longer, shorter, then longer again than the table before.
    for (const auto& [position, duration] :
         {std::pair(kDaily, "1800"), std::pair(kYearly, "24"), std::pair(kQuarterly, "24"),
          std::pair(kDaily, "699")}) {
        SCOPED_TRACE(duration);
        // What the same inputs give in a window that never held a table.
        auto used = std::exchange(window, std::make_unique<frmInterest>(dialogs));
        findRate(position, duration);
        const QStringList fresh = listLines();
        window = std::move(used);

        list()->setCurrentRow(list()->count() - 1);
        list()->scrollToBottom();
        QApplication::processEvents();
        findRate(position, duration);
        EXPECT_EQ(listLines(), fresh);
        EXPECT_EQ(list()->currentRow(), -1);
        EXPECT_TRUE(list()->selectedItems().isEmpty());
        QApplication::processEvents();
        EXPECT_EQ(list()->verticalScrollBar()->value(), 0);
    }
}

TEST_F(RatePanel, EachPeriodShowsItsDurationUnitAndEmptiesTheRatesAlone) {
    const QColor normal = QApplication::palette().color(QPalette::WindowText);
    click("FindRate");
    // Daily first and again later, so the caption turns red and back.
    for (Position position :
         {kDaily, kYearly, kHalfYearly, kDaily, kQuarterly, kMonthly, kSimple}) {
        SCOPED_TRACE(position);
        const QStringList rows = listLines();
        periods()->setCurrentIndex(position);
        EXPECT_EQ(label1(14)->text(), position == kDaily ? "DAYS" : "Months");
        EXPECT_EQ(label1(14)->palette().color(QPalette::WindowText),
                  position == kDaily ? QColor(192, 0, 0) : normal);
        EXPECT_EQ(results(), QStringList({"", ""}));
        EXPECT_EQ(listLines(), rows);
        EXPECT_EQ(label1(27)->text(), "per Annum");  // the unit of the rate found, not of the pick
    }
}

TEST_F(RatePanel, ARefusedOrFailedClickLeavesResultsUnitListAndHeader) {
    type(6, "0");  // refused before anything was calculated: the repayment header stays
    click("FindRate");
    expectMessage(msg::kPrincipalPositive);
    EXPECT_TRUE(shown(header(2)));
    EXPECT_EQ(list()->count(), 0);
    EXPECT_EQ(label1(27)->text(), "per Month");
    type(6, "5000");

    const std::tuple<int, const char*, std::string_view> cases[] = {
        {21, "4999.99", msg::kAmountAtLeastPrincipal},
        {13, "0.4", msg::kDurationPositive},
        {13, "40000", {}},  // beyond sixteen bits: the click ends without a word
    };
    periods()->setCurrentIndex(kQuarterly);
    for (const auto& [box, text, message] : cases) {
        SCOPED_TRACE(text);
        click("FindRate");
        const QStringList rows = listLines();
        const QString before = text1(box)->text();
        type(box, text);
        type(22, "r");  // editing emptied the rates; marked, to see that the click writes nothing
        type(23, "a");
        click("FindRate");
        expectMessage(message);
        EXPECT_EQ(results(), QStringList({"r", "a"}));
        EXPECT_EQ(label1(27)->text(), "per Quarter");
        EXPECT_EQ(listLines(), rows);
        EXPECT_FALSE(shown(header(2)));
        type(box, before);
    }
}

TEST_F(RatePanel, AGrowthTableBeyond1800PeriodsKeepsItsRowsAndTheRates) {
    findRate(kMonthly, "1801");
    expectMessage(msg::kCheckInput);
    EXPECT_EQ(results(), QStringList({"0.0124 %", "0.149 %"}));
    EXPECT_EQ(label1(27)->text(), "per Month");
    EXPECT_FALSE(shown(header(2)));
    ASSERT_EQ(list()->count(), 1801);
    EXPECT_TRUE(listLines().last().startsWith("1801.  End of 1800 Month: "));
}

}  // namespace
}  // namespace brisanel::app::testing
