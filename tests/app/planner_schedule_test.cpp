// The planner's lender's schedule and cost of credit through its widgets: what needs dates is
// greyed until there is a first payment date, the years and dates the summary shows, the cost of
// credit by either rule, and a plan with all of it opening and saving whole.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QTreeView>

#include "plan/plan_file.h"
#include "planner_fixture.h"

namespace brisanel::app::testing {
namespace {

class PlannerSchedule : public PlannerTest {
protected:
    QString yearCell(int year, int column, int month = -1) const {
        auto* model = in<QTreeView>("treeYears")->model();
        const QModelIndex row = model->index(year, 0);
        return (month < 0 ? model->index(year, column) : model->index(month, column, row))
            .data()
            .toString();
    }
};

TEST_F(PlannerSchedule, DatesGreyedUntilAFirstPaymentThenShownInTheYearsAndEvents) {
    openEmi("5000", "48", "12");
    for (const char* name : {"cmbDayCount", "chkLoanDate", "cmbYears"}) {
        EXPECT_FALSE(in(name)->isEnabled()) << name;
        EXPECT_FALSE(in(name)->toolTip().isEmpty()) << name;
    }
    EXPECT_EQ(in("cmbDayCount")->toolTip(), "Needs a first payment date.");
    EXPECT_FALSE(in("chkAccelerated")->isEnabled());
    EXPECT_EQ(in("cmbInstalmentRule")->toolTip(), "Only in whole cents.");
    EXPECT_EQ(yearCell(0, 0), "Year 1 (months 1 to 12)");

    in<QCheckBox>("chkFirstPayment")->setChecked(true);
    in<QDateEdit>("dateFirstPayment")->setDate(QDate(2027, 1, 15));
    for (const char* name : {"cmbDayCount", "chkLoanDate", "cmbYears"}) {
        EXPECT_TRUE(in(name)->isEnabled()) << name;
        EXPECT_TRUE(in(name)->toolTip().isEmpty()) << name;
    }
    EXPECT_EQ(yearCell(0, 0, 4), "Month 5, 2027-05-15");
    EXPECT_EQ(yearCell(0, 6), "12%");  // the rate at the year's end
    // 6 April 2027 starts a tax year: January to March 2027 are the last of 2026/27.
    in<QComboBox>("cmbYears")->setCurrentIndex(3);
    EXPECT_EQ(yearCell(0, 0), "2026/27 (months 1 to 3)");
    EXPECT_EQ(yearCell(1, 0), "2027/28 (months 4 to 15)");
    in<QComboBox>("cmbYears")->setEditText("07-01");
    EXPECT_EQ(yearCell(0, 0), "2026/27 (months 1 to 6)");

    // A date in an event falls on the first payment on or after it: 1 June is paid 15 June.
    in<QPushButton>("btnAddEvent")->click();
    auto* events = in<QTableWidget>("tblEvents");
    events->item(0, 0)->setData(Qt::UserRole, 2);  // a one-time extra payment
    events->item(0, 0)->setText("One-time extra payment");
    events->item(0, 1)->setText("1000");
    events->item(0, 2)->setText("2027-06-01");
    EXPECT_EQ(yearCell(0, 2, 5), "1,000.00");
    EXPECT_EQ(yearCell(0, 2, 4), "0.00");

    // Copy as Table gives each payment its date, as brisanel-calc plan --schedule does.
    in<QAction>("actCopyPlanTable")->trigger();
    const QStringList copied = QGuiApplication::clipboard()->text().split("\r\n");
    EXPECT_EQ(copied.value(0),
              "month,date,opening_balance,interest,instalment,extra,"
              "principal_repaid,closing_balance,rate");
    EXPECT_TRUE(copied.value(6).startsWith("6,2027-06-15,")) << copied.value(6).toStdString();

    // Fortnightly payments count payments, and may be accelerated.
    in<QComboBox>("cmbFrequency")->setCurrentIndex(1);
    EXPECT_TRUE(in("chkAccelerated")->isEnabled());
    EXPECT_EQ(in<QComboBox>("cmbTerm")->itemText(0), "Number of payments");
}

TEST_F(PlannerSchedule, FeesShowTheCommissionsCostOfCreditByEitherRule) {
    // The Commission's example: 200 000 at 6 % over 20 years, 2 % at signing, in whole cents:
    // 239 payments of 1432.86 and a last of 1433.76, an APR of 6.43 % (6.4 shown), the
    // actuarial nominal rate of the same flows 12 × ((1.0643441)^(1/12) − 1) = 6.25 %.
    openEmi("200000", "240", "6");
    EXPECT_FALSE(in("lblPlanApr")->isVisibleTo(planner()));
    in<QCheckBox>("chkCents")->setChecked(true);
    in<QLineEdit>("txtUpfrontFee")->setText("2%");
    EXPECT_TRUE(in("lblPlanApr")->isVisibleTo(planner()));
    EXPECT_EQ(text("lblPlanCredit"), "200,000.00");
    EXPECT_EQ(text("lblPlanPayable"), "347,887.30");
    EXPECT_EQ(text("lblPlanCostOfCredit"), "147,887.30");
    EXPECT_EQ(text("lblPlanApr"), "6.4 %");
    EXPECT_EQ(text("lblBaseApr"), "6.4 %");
    const bool modified = planner()->isWindowModified();
    in<QComboBox>("cmbAprMethod")->setCurrentIndex(1);
    EXPECT_EQ(text("lblPlanApr"), "6.25 %");
    EXPECT_EQ(planner()->isWindowModified(), modified);  // the plan does not keep the rule

    in<QLineEdit>("txtExitFee")->setText("x");
    EXPECT_EQ(text("lblMessages"), "Exit fee: \"x\" is not an amount.");
}

TEST_F(PlannerSchedule, APlanWithTheLendersScheduleAndFeesOpensAndSavesWhole) {
    plan::PlanInputs inputs{{"150000", "4.5", "0", "120", std::nullopt}};
    inputs.name = "Bank A";
    inputs.schedule.frequency = plan::Frequency::Fortnightly;
    inputs.schedule.firstPayment = QDate(2027, 3, 5);
    inputs.schedule.loanDate = QDate(2027, 2, 19);
    inputs.schedule.dayCount = plan::DayCount::Actual365;
    inputs.schedule.rounding = plan::Rounding::Cent;
    inputs.schedule.instalmentRule = plan::InstalmentRule::Up;
    inputs.schedule.balloon = 20000;
    inputs.schedule.interestOnly = 6;
    inputs.schedule.years = {plan::YearStart::Kind::Fiscal, 4, 6};
    inputs.fees.upfront = plan::FeeAmount{1.5, true};
    inputs.fees.perPayment = 2;
    inputs.fees.exit = 250;
    inputs.events = {{plan::EventKind::OneTimeExtra, 5000, std::nullopt, std::nullopt,
                      QDate(2029, 1, 1), std::nullopt}};
    inputs.finishByDate = QDate(2033, 12, 31);
    const QString name = folder.folder.filePath("offer.brisanel-plan");
    ASSERT_EQ(plan::writePlanFile(name, inputs), std::nullopt);

    openEmi("5000", "48", "12");
    dialogs.openPath = name;
    in<QAction>("actOpenPlan")->trigger();
    expectTold({});
    EXPECT_EQ(in<QDateEdit>("dateFirstPayment")->date(), QDate(2027, 3, 5));
    EXPECT_EQ(in<QComboBox>("cmbYears")->currentText(), "Tax year from 6 April");
    EXPECT_EQ(in<QLineEdit>("txtUpfrontFee")->text(), "1.5%");

    dialogs.savePath = folder.folder.filePath("again.json");
    in<QAction>("actSavePlan")->trigger();
    expectTold({});
    const auto saved = plan::readPlanFile(dialogs.savePath);
    ASSERT_TRUE(std::holds_alternative<plan::PlanInputs>(saved)) << std::get<std::string>(saved);
    EXPECT_EQ(std::get<plan::PlanInputs>(saved), inputs);
}

}  // namespace
}  // namespace brisanel::app::testing
