// brisanel-calc as a user meets it: results, refusals, help, usage errors and saved lists, with
// their exit statuses and exact texts.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <map>
#include <sstream>

#include "cli/command_line.h"
#include "cli/output.h"
#include "cli/run.h"

namespace brisanel::cli {
namespace {

using Words = std::vector<std::string>;

Words with(Words words, const Words& more) {
    words.insert(words.end(), more.begin(), more.end());
    return words;
}

struct Result {
    int status;
    std::string out;
    std::string err;
};

Result calc(const Words& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCommandLine(arguments, out, err);
    return {status, out.str(), err.str()};
}

// The line that a subcommand's help begins with and its usage errors repeat.
std::string usage(const std::string& command) {
    static const std::map<std::string, std::string> kOptions = {
        {"interest",
         "--principal AMOUNT --months MONTHS --rate PERCENT --rule RULE [--format FORMAT]"},
        {"emi",
         "--principal AMOUNT --months MONTHS --rate PERCENT [--start-after MONTHS] [--schedule] "
         "[--format FORMAT] [--save NAME] [--force]"},
        {"recovery",
         "--principal AMOUNT --rate PERCENT --emi AMOUNT [--start-after MONTHS] [--schedule] "
         "[--format FORMAT] [--save NAME] [--force]"},
        {"rate",
         "--principal AMOUNT --amount AMOUNT --duration PERIOD --compounding PERIOD [--growth] "
         "[--format FORMAT] [--save NAME] [--force]"},
        {"plan",
         "[--principal AMOUNT] [--rate PERCENT] [--months MONTHS] [--emi AMOUNT] [--payments N] "
         "[--start-after MONTHS] [--frequency FREQUENCY] [--first-payment DATE] [--loan-date DATE] "
         "[--day-count RULE] [--accelerated] [--rounding ROUNDING] [--round-instalment RULE] "
         "[--balloon AMOUNT] [--interest-only PERIODS] [--year-start START] "
         "[--extra AMOUNT[@FROM[-TO]]] [--yearly AMOUNT@MONTH] [--lump AMOUNT@MONTH] "
         "[--rate-change RATE@MONTH] [--keep POLICY] [--finish-by MONTH] [--schedule] [--by-year] "
         "[--fee AMOUNT|P%] [--financed-fee AMOUNT|P%] [--per-payment-fee AMOUNT] "
         "[--yearly-fee AMOUNT] [--exit-fee AMOUNT] [--apr METHOD] [--name TEXT] "
         "[--plan FILE] [--write-plan FILE] [--format FORMAT]"},
        {"apr",
         "--advance AMOUNT [--fee AMOUNT] --payment AMOUNT --count N [--first-amount AMOUNT] "
         "[--final AMOUNT] [--frequency FREQUENCY] [--start-after PERIODS] [--loan-date DATE] "
         "[--first-payment DATE] [--apr METHOD] [--format FORMAT]"},
    };
    return "Usage: brisanel-calc " + command + " " + kOptions.at(command) + "\n";
}

// What a mistake in a subcommand's options writes to standard error.
std::string refused(const std::string& command, const std::string& message) {
    return "brisanel-calc: " + message + "\n" + usage(command) + "Try 'brisanel-calc " + command +
           " --help'.\n";
}

const Words kInterest = {"interest", "--principal", "5000", "--months", "24", "--rate", "12.50"};
const Words kEmi = {"emi", "--principal", "5000", "--months", "48", "--rate", "12.50"};
const Words kRecovery = {"recovery", "--principal", "5000", "--rate", "12.5"};
const Words kRate = {"rate", "--principal", "5000", "--amount", "6250"};
// 1000 at 1 % a month paying 300, with 200 more in month 3, which clears it then.
const Words kPlan = {"plan",  "--principal", "1000",   "--rate", "12",
                     "--emi", "300",         "--lump", "200@3"};
const std::string kEmiText = "Calculated EMI: 133\nGross Interest: 1379\nGross Recovery: 6379\n";
const std::string kDailyRates =
    "Interest rate per Day: 0.0074 %\nInterest rate per Annum: 2.715 %\n";

struct Case {
    Words arguments;
    int status;
    std::string err;
    std::string out = {};
    bool outStart = false;  // `out` is only the start of the output (the help texts)
};

const std::vector<Case> kCases = {
    // Results; options in any order, with "=", and the start delay left at its default of 0.
    {with(kEmi, {"--start-after", "0"}), 0, "", kEmiText},
    {{"emi", "--rate=12.50", "--months=48", "--principal", "5000"}, 0, "", kEmiText},
    // Rule and period names ignore case.
    {with(kInterest, {"--rule", "Monthly"}), 0, "", "Interest: 1412\nGross amount: 6412\n"},
    {with(kRate, {"--duration", "24", "--compounding", "Half-Yearly", "--format=csv"}), 0, "",
     "rate_per_period_percent,annual_rate_percent,unit\r\n"
     "5.737126344056409,11.474252688112818,per Half Year\r\n"},
    {with(kRecovery, {"--emi", "600"}), 0, "",
     "Recovery months: 9\nGross Recovery: 5253\nGross Interest: 253\n"},
    // Full precision; the first month after a wait of two opens at 5000 x (1 + 0.125 / 12)^2.
    {{"emi", "--principal", "5000", "--months", "3", "--rate", "12.5", "--start-after", "2",
      "--schedule", "--format", "csv"},
     0,
     "",
     "month,opening_balance,interest,principal_repaid,instalment,closing_balance,"
     "cumulative_interest,cumulative_principal\r\n"
     "3,5104.70920138889,53.17405418113427,1683.967498299746,1737.1415524808804,"
     "3420.7417030891443,53.17405418113427,1683.967498299746\r\n"
     "4,3420.7417030891443,35.63272607384525,1701.508826407035,1737.1415524808804,"
     "1719.2328766821092,88.80678025497951,3385.4763247067813\r\n"
     "5,1719.2328766821092,17.90867579877197,1719.2328766821092,1737.1415524808813,0,"
     "106.71545605375148,5104.7092013888905\r\n"},
    {{"rate", "--principal", "100", "--amount", "110", "--duration", "12", "--compounding",
      "simple", "--growth", "--format", "json"},
     0,
     "",
     "{\n  \"command\": \"rate\",\n  \"results\": {\"rate_per_period_percent\": 10, "
     "\"annual_rate_percent\": 10, \"unit\": \"per Annum\"},\n  \"growth\": [\n"
     "    {\"period\": 0, \"period_interest\": 0, \"accumulated_interest\": 0, \"total\": 100},\n"
     "    {\"period\": 1, \"period_interest\": 10, \"accumulated_interest\": 10, \"total\": 110}\n"
     "  ]\n}\n"},

    // Refused input gets the window's message, a failed calculation status 3; an empty value
    // is an empty box.
    {{"rate", "--principal", "5000", "--amount", "", "--duration", "24", "--compounding", "simple"},
     2,
     "brisanel-calc: Principal with Interest amount must be equal to\r\nor greater than Principal "
     "Amount.\n"},
    {with(kRecovery, {"--emi", "50"}), 3, "brisanel-calc: Check Principal amount, rate and EMI.\n"},
    // Past its 1800 periods only the growth table stops: the rates stand, and the rows up to
    // the limit are shown when asked for.
    {with(kRate, {"--duration", "3000", "--compounding", "daily"}), 0, "", kDailyRates},
    {with(kRate, {"--duration", "3000", "--compounding", "daily", "--growth"}), 3,
     "brisanel-calc: Check your input data.\n",
     kDailyRates + "\nSN        END OF         INTEREST      TOTAL AMOUNT\n"
                   "01.  Loan Starts at:        0.00  \t\t5000.00\n",
     true},
    {with(kRate, {"--duration", "3000", "--compounding", "daily", "--growth", "--format=csv"}), 3,
     "brisanel-calc: Check your input data.\n",
     "period,period_interest,accumulated_interest,total\r\n0,0,0,5000\r\n", true},
    {{"emi", "--rate", "12", "--months", "0.3", "--principal", "1000"},
     3,
     "brisanel-calc: the calculation stopped: division by zero\n"},

    // Plans: the base beside the plan, the last month's extra cut to what is owed.
    // A month reads as a number does in a box: 2.0 is month 2.
    {with(kPlan, {"--finish-by", "2.0"}), 0, "",
     "                           Base           Plan\n"
     "Months                        4              3\n"
     "End month                     4              3\n"
     "First instalment         300.00         300.00\n"
     "Last instalment          122.48         300.00\n"
     "Total interest            22.48          21.27\n"
     "Total paid              1022.48        1021.27\n\n"
     "Months saved: 1\nInterest saved: 1.21\nExtra per month needed: 207.51\n"},
    {with(kPlan, {"--extra", "5@1-2", "--extra=10@2", "--schedule", "--format", "csv"}), 0, "",
     "month,opening_balance,interest,instalment,extra,principal_repaid,closing_balance,rate\r\n"
     "1,1000,10,300,5,295,705,12\r\n"
     "2,705,7.05,300,15,307.95,397.04999999999995,12\r\n"
     "3,397.04999999999995,3.9704999999999995,300,101.02049999999997,397.04999999999995,0,12\r\n"},
    {{"plan", "--principal", "1000", "--rate", "12", "--months", "4", "--lump", "100@2", "--keep",
      "end", "--by-year", "--format", "json"},
     0,
     "",
     "{\n  \"command\": \"plan\",\n"
     "  \"base\": {\"months\": 4, \"end_month\": 4, \"first_instalment\": 256.28109391166043, "
     "\"last_instalment\": 256.28109391166043, \"interest\": 25.1243756466418, \"paid\": "
     "1025.1243756466417},\n"
     "  \"plan\": {\"months\": 4, \"end_month\": 4, \"first_instalment\": 256.28109391166043, "
     "\"last_instalment\": 205.52985013056588, \"interest\": 23.621888084452742, \"paid\": "
     "1023.6218880844527},\n"
     "  \"saved\": {\"months\": 0, \"interest\": 1.5024875621890565},\n"
     "  \"rows\": [\n"
     "    {\"year\": 1, \"first_month\": 1, \"last_month\": 4, \"instalments\": "
     "923.6218880844526, \"extras\": 100.00000000000009, \"interest\": 23.621888084452742, "
     "\"principal_repaid\": 999.9999999999999, \"closing_balance\": 0, \"cumulative_interest\": "
     "23.621888084452742}\n  ]\n}\n"},
    {with(kPlan, {"--lump", "5000"}), 2,
     "brisanel-calc: --lump 5000: the month is missing (AMOUNT@MONTH)\n"},
    {with(kPlan, {"--extra", "100@60-13"}), 2,
     "brisanel-calc: --extra 100@60-13: the last month is before the first\n"},
    {with(kPlan, {"--yearly", "-1@5"}), 2,
     "brisanel-calc: Yearly extra payment in month 5: the amount must be a positive value.\n"},
    {with(kPlan, {"--rate-change", "9@0"}), 2,
     "brisanel-calc: Rate change in month 0: the month is before the first instalment, month "
     "1.\n"},
    // The panels' refusals and failures, with their statuses.
    {{"plan", "--principal", "0", "--rate", "12", "--emi", "5"},
     2,
     "brisanel-calc: Principal amount must be a positive value.\n"},
    {{"plan", "--principal", "1e308", "--rate", "200", "--months", "1800"},
     3,
     "brisanel-calc: Check your input data.\n"},
    {{"plan", "--principal", "1000", "--rate", "12"},
     2,
     "brisanel-calc: missing --months, --payments or --emi\n"},
    {with(kPlan, {"--months", "12"}), 2, refused("plan", "--months and --emi exclude each other")},
    {with(kPlan, {"--schedule", "--by-year"}), 2,
     refused("plan", "--schedule and --by-year exclude each other")},
    // The lender's schedule: a weekly loan counts weeks; dates on every row under a day count.
    {{"plan", "--principal", "10000", "--rate", "5.2", "--payments", "104", "--frequency",
      "weekly"},
     0,
     "",
     "                           Base           Plan\n"
     "Weeks                       104            104\n"
     "End week                    104            104\n"
     "First instalment         101.29         101.29\n",
     true},
    {{"plan", "--principal", "1000", "--rate", "10", "--emi", "171.55", "--first-payment",
      "2024-02-01", "--loan-date", "2024-01-01", "--day-count", "actual/365", "--schedule",
      "--format", "csv"},
     0,
     "",
     "month,date,opening_balance,interest,instalment,extra,principal_repaid,closing_balance,"
     "rate\r\n1,2024-02-01,1000,8.493150684931507,171.55,0,",
     true},
    {with(kPlan, {"--frequency", "daily"}), 2,
     refused("plan", "invalid value 'daily' for --frequency")},
    {with(kPlan, {"--first-payment", "2027-02-30"}), 2,
     refused("plan", "--first-payment 2027-02-30: not a date (YYYY-MM-DD)")},
    {{"plan", "--principal", "1000", "--rate", "12", "--months", "12", "--frequency", "weekly"},
     2,
     refused("plan", "--months is for monthly payments: give --payments")},
    {with(kPlan, {"--day-count", "30/360"}), 2,
     "brisanel-calc: A day count needs a first payment date.\n"},
    {with(kPlan, {"--first-payment", "2027-01-15", "--lump", "5@2027-01-01"}), 2,
     "brisanel-calc: One-time extra payment on 2027-01-01: the date is before the first "
     "payment, 2027-01-15.\n"},
    {{"plan", "--principal", "1000", "--rate", "12", "--emi", "15", "--rate-change", "24@3",
      "--format", "csv"},
     3,
     "brisanel-calc: The loan is not repaid within 1800 months.\n",
     "base_months,base_end_month,",
     true},
    // Whole cents: 18 800 at 9 % over 48 months, a central bank's example; JSON gives the
    // cents as they are.
    {{"plan", "--principal", "18800", "--rate", "9", "--months", "48", "--rounding", "cent",
      "--format", "json"},
     0,
     "",
     "{\n  \"command\": \"plan\",\n"
     "  \"base\": {\"months\": 48, \"end_month\": 48, \"first_instalment\": 467.84, "
     "\"last_instalment\": 467.77, \"interest\": 3656.25, \"paid\": 22456.25},\n",
     true},
    // A lending engine's example: 100 000 at 9.99 % over 36 months, rounded up to a whole unit.
    {{"plan", "--principal", "100000", "--rate", "9.99", "--months", "36", "--rounding", "cent",
      "--round-instalment", "unit"},
     0,
     "",
     "                           Base           Plan\n"
     "Months                       36             36\n"
     "End month                    36             36\n"
     "First instalment        3227.00        3227.00\n"
     "Last instalment         3195.66        3195.66\n",
     true},
    {with(kPlan, {"--rounding", "cents"}), 2,
     refused("plan", "invalid value 'cents' for --rounding")},
    {with(kPlan, {"--round-instalment", "up"}), 2,
     refused("plan", "--round-instalment needs --rounding cent")},
    {{"plan", "--principal", "1000", "--rate", "12", "--payments", "26", "--frequency",
      "fortnightly", "--accelerated"},
     2,
     refused("plan", "--accelerated takes the term in months: give --months")},
    {with(kPlan, {"--accelerated", "--frequency", "weekly"}), 2,
     "brisanel-calc: Accelerated payments need the term in months, not an instalment.\n"},
    {{"plan", "--principal", "1000", "--rate", "12", "--months", "12", "--accelerated"},
     2,
     "brisanel-calc: Accelerated payments are fortnightly or weekly.\n"},
    {{"plan", "--principal", "1000", "--rate", "12", "--months", "12", "--balloon", "1000"},
     2,
     "brisanel-calc: The balloon must be above 0 and less than the principal, 1000.00.\n"},
    {with(kPlan, {"--balloon", "100"}), 2,
     "brisanel-calc: A balloon needs a term, not an instalment.\n"},
    {{"plan", "--principal", "1000", "--rate", "12", "--months", "12", "--interest-only", "12"},
     2,
     "brisanel-calc: The interest-only periods must be from 0 to 11, fewer than the term.\n"},
    {{"plan", "--principal", "20000000000000", "--rate", "12", "--months", "12", "--rounding",
      "cent"},
     2,
     "brisanel-calc: The principal must be at most 10000000000000 in whole cents.\n"},
    {with(kPlan, {"--year-start", "calendar"}), 2,
     "brisanel-calc: --year-start calendar needs --first-payment\n"},
    // The APR of an offer's payments: Regulation Z Appendix J's 5000 with 24 x 230, a first
    // payment of 250; the Commission's 200 000 with 4000 at signing and 240 x 1432.86.
    {{"apr", "--advance", "5000", "--payment", "230", "--count", "24", "--first-amount", "250",
      "--apr", "us"},
     0,
     "",
     "Total amount of credit: 5000.00\nTotal amount payable: 5540.00\n"
     "Total cost of credit: 540.00\nAPR (US): 10.08 %\n"},
    {{"apr", "--advance", "200000", "--fee", "4000", "--payment", "1432.86", "--count", "240",
      "--format", "json"},
     0,
     "",
     "{\n  \"command\": \"apr\",\n  \"cost\": {\"credit\": 200000, \"payable\": "
     "347886.3999999979, \"cost_of_credit\": 147886.39999999793, \"apr\": 6.43441248879",
     true},
    {{"apr", "--advance", "1000", "--payment", "300", "--count", "3"},
     0,
     "",
     "Total amount of credit: 1000.00\nTotal amount payable: 900.00\nTotal cost of credit: "
     "-100.00\nAPR (EU/UK): none. The payments repay less than the credit: there is no APR.\n"},
    {{"apr", "--advance", "1000", "--payment", "300", "--count", "0"},
     2,
     "brisanel-calc: --count 0: must be a whole number from 1 to 1800\n"},
    {{"apr", "--advance", "1000", "--fee", "1000", "--payment", "300", "--count", "4"},
     2,
     "brisanel-calc: The fee must be less than the advance.\n"},
    {{"apr", "--advance", "1000", "--payment", "300", "--count", "4", "--loan-date", "2027-02-01",
      "--first-payment", "2027-01-01"},
     2,
     "brisanel-calc: The loan date must be before the first payment's date.\n"},
    {{"apr", "--advance", "1000", "--payment", "300", "--count", "4", "--loan-date", "2027-02-01"},
     2,
     refused("apr", "--loan-date and --first-payment go together")},
    // A plan's cost: 2 % at signing on the Commission's loan in whole cents.
    {{"plan", "--principal", "200000", "--rate", "6", "--months", "240", "--fee", "2%",
      "--rounding", "cent", "--format", "csv"},
     0,
     "",
     "base_months,base_end_month,base_first_instalment,base_last_instalment,base_interest,"
     "base_paid,plan_months,plan_end_month,plan_first_instalment,plan_last_instalment,"
     "plan_interest,plan_paid,months_saved,interest_saved,credit,payable,cost_of_credit,apr,"
     "apr_shown,method\r\n240,240,1432.86,1433.76,143887.3,343887.3,240,240,1432.86,1433.76,"
     "143887.3,343887.3,0,0,200000,347887.3,147887.3,",
     true},
    {with(kPlan, {"--fee", "-5"}), 2,
     "brisanel-calc: --fee -5: a fee must be above 0 (0 is no fee)\n"},
    {with(kPlan, {"--apr", "uk"}), 2, refused("plan", "invalid value 'uk' for --apr")},
    // A loan its panel cannot repay is not planned either.
    {{"plan", "--principal", "1000", "--rate", "12", "--emi", "10"},
     3,
     "brisanel-calc: Check Principal amount, rate and EMI.\n",
     ""},

    // Help and version; a --help after good options still wins, after a mistake it does not.
    {{"--help"}, 0, "", "Usage: brisanel-calc COMMAND [OPTIONS]\n", true},
    {{"help", "rate"}, 0, "", usage("rate"), true},
    {{"emi", "--bogus", "--help"}, 2, refused("emi", "unknown option '--bogus'")},
    {{"--version"}, 0, "", "brisanel-calc " BRISANEL_VERSION "\n"},

    // Usage errors.
    {{}, 2, "brisanel-calc: missing command\nTry 'brisanel-calc --help'.\n"},
    {{"loan"}, 2, "brisanel-calc: unknown command 'loan'\nTry 'brisanel-calc --help'.\n"},
    {{"interest", "--rule", "simple"}, 2, refused("interest", "missing --principal")},
    {with(kInterest, {"--rule", "weekly"}), 2,
     refused("interest", "invalid value 'weekly' for --rule")},
    {with(kEmi, {"--principal", "2"}), 2, refused("emi", "--principal is given twice")},
    {{"emi", "--rate"}, 2, refused("emi", "--rate needs a value")},
    {with(kEmi, {"--force"}), 2, refused("emi", "--force needs --save")},
    {with(kEmi, {"--schedule=yes"}), 2, refused("emi", "--schedule takes no value")},
    {with(kInterest, {"--rule", "simple", "--save", "plan"}), 2,
     refused("interest", "unknown option '--save'")},
    {{"recovery", "5000"}, 2, refused("recovery", "unexpected argument '5000'")},
    {with(kEmi, {"-x"}), 2, refused("emi", "unexpected argument '-x'")},
    // The word after a value option is its value, even when it looks like an option.
    {{"emi", "--principal", "--months", "12"}, 2, refused("emi", "unexpected argument '12'")},
};

TEST(CommandLine, EachCommandLineGivesItsStatusAndTexts) {
    for (const Case& expected : kCases) {
        SCOPED_TRACE(::testing::PrintToString(expected.arguments));
        const Result run = calc(expected.arguments);
        EXPECT_EQ(run.status, expected.status);
        EXPECT_EQ(expected.outStart ? run.out.substr(0, expected.out.size()) : run.out,
                  expected.out);
        EXPECT_EQ(run.err, expected.err);
    }
}

TEST(CommandLine, TheHelpAndTheManPageListEveryCommandAndOption) {
    QFile page(QStringLiteral(BRISANEL_CALC_MANPAGE));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const std::string manual = QString::fromUtf8(page.readAll()).replace("\\-", "-").toStdString();
    const std::string overview = calc({"--help"}).out;
    for (const CommandDefinition& definition : commandDefinitions()) {
        const std::string command(definition.name);
        EXPECT_NE(overview.find("  " + command + " "), std::string::npos) << command;
        EXPECT_NE(manual.find(".B brisanel-calc " + command), std::string::npos) << command;
        const std::string help = calc({command, "--help"}).out;
        for (const OptionDefinition& option : definition.options) {
            const std::string name = "--" + std::string(option.name);
            EXPECT_NE(help.find(name), std::string::npos) << command << " " << name;
            EXPECT_NE(manual.find(name), std::string::npos) << "the man page lacks " << name;
        }
    }
}

TEST(CommandLine, ResultsThatCannotBeWrittenAreNotReportedAsDone) {
    std::ostream nowhere(nullptr);
    std::ostringstream err;
    EXPECT_EQ(runCommandLine(with(kEmi, {"--schedule"}), nowhere, err), kExitNotWritten);
    EXPECT_EQ(err.str(), "brisanel-calc: the results could not be written to standard output\n");
}

TEST(CommandLine, FormatsKeepNumbersExactAndQuoteTexts) {
    // The shortest texts that read back as the same numbers.
    EXPECT_EQ(fullPrecision(0.1), "0.1");
    EXPECT_EQ(fullPrecision(1.0 / 3), "0.3333333333333333");
    EXPECT_EQ(fullPrecision(1e300) + " " + fullPrecision(5e-324), "1e+300 5e-324");
    EXPECT_EQ(fullPrecision(-0.0), "0");
    EXPECT_EQ(csvRecord({"a,b", "say \"hi\"", "two\r\nlines", ""}),
              "\"a,b\",\"say \"\"hi\"\"\",\"two\r\nlines\",\r\n");
    EXPECT_EQ(jsonString("a\"b\\c\td\x01"), "\"a\\\"b\\\\c\\td\\u0001\"");
}

const std::string kEmiList =
    "DETAILS OF REDUCING BALANCE\r\n\r\nSN   END OF      RED. BALANCE      EMI\r\n\r\n"
    "01.   Month 03\tBal.= 1020\t347\r\n02.   Month 04\tBal.= 0683\t347\r\n"
    "03.   Month 05\tBal.= 0343\t343\r\n\r\n\r\n";
const std::string kRateList =
    "DETAILS OF INTEREST AMOUNT INCREASE\r\n\r\n"
    "SN        END OF         INTEREST      TOTAL AMOUNT\r\n\r\n"
    "01.  Loan Starts at:        0.00  \t\t5000.00\r\n"
    "02.  End of 1 H_Year: \t466.81     \t5466.81\r\n"
    "03.  End of 2 H_Year: \t977.20     \t5977.20\r\n"
    "04.  End of Period:\t1256.23     \t6256.23\r\n\r\n\r\n";

struct Save {
    Words arguments;
    int status;
    std::string err;
    std::string file = {};  // what this file in the folder holds afterwards, when named
    std::string contents = {};
};

// The lists are saved in the working folder; the saves run in turn in the same folder.
TEST(SavedList, WritesTheWindowsFileAndReplacesOneOnlyWithForce) {
    QTemporaryDir folder;
    QFile old(folder.filePath("plan.txt"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("keep me") == 7);
    old.close();
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    const Words emi = {"emi",           "--principal", "1000",   "--months", "3",
                       "--start-after", "2",           "--rate", "12"};
    const std::vector<Save> saves = {
        // --schedule and the format only change what is shown, not what is saved.
        {with(emi, {"--schedule", "--format", "json", "--save", "cli-emi"}), 0, "", "cli-emi.txt",
         kEmiList},
        {with(kRate, {"--duration", "15", "--compounding", "half-yearly", "--save=cli-rate"}), 0,
         "", "cli-rate.txt", kRateList},
        {with(emi, {"--save", "plan"}), 4,
         "brisanel-calc: plan.txt already exists; add --force to replace it.\n"
         "brisanel-calc: List not saved, recommended to try again.\n",
         "plan.txt", "keep me"},
        {with(emi, {"--save", "plan", "--force"}), 0, "", "plan.txt", kEmiList},
        {with(emi, {"--save", "no-such-folder/plan"}), 4,
         "brisanel-calc: Invalid file name, choose different file name.\n"},
        // No name saves nothing, not even a hidden ".txt".
        {with(emi, {"--save", ""}), 4,
         "brisanel-calc: List not saved, recommended to try again.\n"},
        // A refused or failed calculation saves nothing.
        {with(kRecovery, {"--emi", "600", "--start-after", "-1", "--save", "refused"}), 2,
         "brisanel-calc: Repayment start time must be a positive integer.\n"},
        {with(kRecovery, {"--emi", "50", "--save", "failed"}), 3,
         "brisanel-calc: Check Principal amount, rate and EMI.\n"},
        {with(kRate, {"--duration", "3000", "--compounding", "daily", "--save", "stopped"}), 3,
         "brisanel-calc: Check your input data.\n"},
    };
    for (const Save& save : saves) {
        SCOPED_TRACE(::testing::PrintToString(save.arguments));
        const Result run = calc(save.arguments);
        EXPECT_EQ(run.status, save.status);
        EXPECT_EQ(run.err, save.err);
        // The results stand even when the list is not saved, and the rates when only the growth
        // table stops.
        EXPECT_EQ(run.out.empty(),
                  save.status == 2 || (save.status == 3 && save.arguments[0] != "rate"));
        if (save.file.empty()) continue;
        QFile file(folder.filePath(QString::fromStdString(save.file)));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll().toStdString(), save.contents);
    }
    // No temporary files are left behind, and nothing else was written.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"cli-emi.txt", "cli-rate.txt", "plan.txt"}));
    QDir::setCurrent(previous);
}

// Options beside a plan file add events to it and override its loan and policy.
TEST(PlanFile, OptionsBesideItAddToItOrOverrideIt) {
    QTemporaryDir folder;
    const QString name = folder.filePath("plan.json");
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"brisanel_plan": 1, "loan": {"principal": 1000, "rate": 6, "months": 12},
                   "policy": "end", "events": [{"kind": "lump", "amount": 100, "month": 2}]})");
    file.close();
    const Words options = {"--rate", "12", "--keep", "instalment", "--extra", "5@3"};
    const Result fromFile = calc(with({"plan", "--plan", name.toStdString()}, options));
    EXPECT_EQ(fromFile.err, "");
    EXPECT_EQ(
        fromFile.out,
        calc(with({"plan", "--principal", "1000", "--months", "12", "--lump", "100@2"}, options))
            .out);
    EXPECT_EQ(calc({"plan", "--plan", "missing.json"}).err,
              "brisanel-calc: missing.json: No such file or directory\n");

    // A plan written by --write-plan, the lender's schedule and dates with it, gives the same
    // figures through --plan; a file that cannot be written is said, with status 4.
    const std::string written = folder.filePath("written.json").toStdString();
    const Words lender = {
        "plan",       "--principal", "10000",       "--rate",      "6",
        "--payments", "52",          "--frequency", "fortnightly", "--first-payment",
        "2027-01-15", "--day-count", "actual/365",  "--lump",      "500@2027-06-01",
        "--schedule"};
    const Result direct = calc(with(lender, {"--write-plan", written}));
    EXPECT_EQ(direct.status, 0) << direct.err;
    const Result reread = calc({"plan", "--plan", written, "--schedule"});
    EXPECT_EQ(reread.err, "");
    EXPECT_EQ(reread.out, direct.out);
    // The lump of 1 June falls on the next payment, 4 June.
    EXPECT_NE(reread.out.find("    11  2027-06-04        8168.26        18.80       204.30       "
                              "500.00"),
              std::string::npos);
    const Result unwritable = calc(with(lender, {"--write-plan", "/nonexistent/p.json"}));
    EXPECT_EQ(unwritable.status, 4);
    EXPECT_EQ(unwritable.err.rfind("brisanel-calc: --write-plan /nonexistent/p.json: ", 0), 0u);
}

// The built program itself: its arguments, standard output and exit status.
TEST(Program, ShowsTheScheduleWithANegativeStartDelay) {
    QProcess process;
    process.start(QStringLiteral(BRISANEL_CALC),
                  {"emi", "--principal", "1000", "--months", "3", "--start-after", "-3", "--rate",
                   "12", "--schedule"});
    ASSERT_TRUE(process.waitForFinished(120000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_EQ(process.readAllStandardOutput().toStdString(),
              "Calculated EMI: 330\nGross Interest: -10\nGross Recovery: 990\n\n"
              "SN   END OF      RED. BALANCE      EMI\n"
              "01.   Month -02\tBal.= 971\t330\n"
              "02.   Month -01\tBal.= 0650\t330\n"
              "03.   Month 00\tBal.= 0327\t327\n");
    EXPECT_EQ(process.readAllStandardError().toStdString(), "");
}

TEST(Compare, OffersSideBySideTheCheapestMarkedInAnyOrder) {
    // 6.0 % with 2 % at signing against 6.3 % with none, on 200 000 over 20 years: the fee
    // costs 4000, the higher rate 8358.92 more interest (240 x 1467.69 against 240 x 1432.86,
    // each with its last payment's cents).
    QTemporaryDir folder;
    const std::string withFee = folder.filePath("with-fee.json").toStdString();
    const std::string noFee = folder.filePath("no-fee.json").toStdString();
    const Words loan = {"plan", "--principal", "200000", "--months", "240", "--rounding", "cent"};
    ASSERT_EQ(calc(with(loan, {"--rate", "6", "--fee", "2%", "--write-plan", withFee})).status, 0);
    ASSERT_EQ(calc(with(loan, {"--rate", "6.3", "--name", "No fee", "--write-plan", noFee})).status,
              0);
    const Result compared = calc({"compare", withFee, noFee, "--format", "csv"});
    ASSERT_EQ(compared.status, 0) << compared.err;
    EXPECT_NE(compared.out.find("\r\nwith-fee,true,0,4000,240,240,1432.86,1433.76,"),
              std::string::npos)
        << compared.out;
    EXPECT_NE(compared.out.find("\r\nNo fee,false,4358.92"), std::string::npos) << compared.out;
    // Swapping the offers swaps their rows and changes no figure.
    const Result swapped = calc({"compare", noFee, withFee, "--format", "csv"});
    const auto rows = [](const std::string& csv) {
        std::vector<std::string> lines;
        for (std::size_t at = 0, end; (end = csv.find("\r\n", at)) != std::string::npos;
             at = end + 2) {
            lines.push_back(csv.substr(at, end - at));
        }
        return lines;
    };
    ASSERT_EQ(rows(swapped.out).size(), 3u);
    EXPECT_EQ(rows(swapped.out)[1], rows(compared.out)[2]);
    EXPECT_EQ(rows(swapped.out)[2], rows(compared.out)[1]);
    // Repaid in full after five years the fee weighs more: the cheaper offer then is the other.
    const Result horizon = calc({"compare", withFee, noFee, "--horizon", "60"});
    EXPECT_NE(horizon.out.find("Repaid at horizon      259770.93 (60)   258693.39 (60)"),
              std::string::npos)
        << horizon.out;

    // By date: the last payment on or before it, for offers with payment dates. From 15 January
    // 2027, payment 60 falls on 15 December 2031.
    const std::string datedFee = folder.filePath("dated-fee.json").toStdString();
    const std::string datedRate = folder.filePath("dated-rate.json").toStdString();
    const Words dated = with(loan, {"--first-payment", "2027-01-15"});
    ASSERT_EQ(calc(with(dated, {"--rate", "6", "--fee", "2%", "--write-plan", datedFee})).status,
              0);
    ASSERT_EQ(calc(with(dated, {"--rate", "6.3", "--write-plan", datedRate})).status, 0);
    EXPECT_NE(calc({"compare", datedFee, datedRate, "--horizon", "2032-01-14"})
                  .out.find("Repaid at horizon      259770.93 (60)   258693.39 (60)"),
              std::string::npos);
    EXPECT_EQ(calc({"compare", withFee, noFee, "--horizon", "2032-01-14"}).err,
              "brisanel-calc: with-fee: a horizon by date needs payment dates.\n");

    EXPECT_EQ(calc({"compare", withFee}).err,
              "brisanel-calc: compare takes a comparison file or two to four plan files, not 1\n");
    EXPECT_EQ(calc({"compare", withFee, "missing.json"}).err,
              "brisanel-calc: missing.json: No such file or directory\n");
}

TEST(Compare, ReadsTheOffersMethodAndHorizonFromOneComparisonFile) {
    // 10 000 at 12 % over 12 months, with and without 100 at signing: the fee is the difference.
    QTemporaryDir folder;
    const std::string a = folder.filePath("a.json").toStdString();
    const std::string b = folder.filePath("b.json").toStdString();
    const Words loan = {"plan", "--principal", "10000", "--months", "12", "--rate", "12"};
    ASSERT_EQ(calc(with(loan, {"--name", "Plain", "--write-plan", a})).status, 0);
    ASSERT_EQ(calc(with(loan, {"--name", "With fee", "--fee", "100", "--write-plan", b})).status,
              0);
    // Named as a plan file: the contents tell it is a comparison.
    const std::string both = folder.filePath("both.json").toStdString();
    const Result written =
        calc({"compare", a, b, "--horizon", "6", "--apr", "us", "--write-comparison", both});
    ASSERT_EQ(written.status, 0) << written.err;
    const Result reread = calc({"compare", both});
    EXPECT_EQ(reread.out, written.out);
    EXPECT_NE(reread.out.find("APR (US)"), std::string::npos) << reread.out;
    EXPECT_NE(reread.out.find("More than cheapest           cheapest           100.00"),
              std::string::npos)
        << reread.out;
    // The command line wins over the file; what it leaves out, the file keeps.
    const Result eu = calc({"compare", both, "--apr", "eu", "--format", "csv"});
    EXPECT_NE(eu.out.find(",12.7,eu,6,10480.13"), std::string::npos) << eu.out;
    EXPECT_NE(calc({"compare", both, "--horizon", "3"}).out.find("(3)"), std::string::npos);
}

}  // namespace
}  // namespace brisanel::cli
