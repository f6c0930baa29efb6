#include "app/window/control_table.h"

#include "app/window/maker.h"
#include "details/growth.h"
#include "details/schedule.h"

namespace brisanel::app {
namespace {

using enum Look;
using details::kGrowthHeader;
using details::kScheduleHeader;

// clang-format off
constexpr ControlRow kControls[] = {
    // name              look          parent    text                                  left  top   width height tab
    {"Frame1",           Frame,        nullptr,  "Interests",                            75,   30, 6060, 2535,  0, false},
    {"Text1(0)",         Input,        "Frame1", "5000",                               2280,  240, 1575,  375,  8},
    {"Label1(0)",        Label,        "Frame1", "Principal loan amount",               240,  360, 1845,  195, 13},
    {"Text1(1)",         Input,        "Frame1", "24",                                 5040,  240,  735,  405,  7},
    {"Label1(1)",        Label,        "Frame1", "Months",                             4320,  360,  630,  195, 12},
    {"Text1(2)",         Input,        "Frame1", "12.50",                              2640,  790,  855,  405,  6},
    {"Label1(2)",        Label,        "Frame1", "Rate of annual interest (%)",         240,  900, 2280,  195, 11},
    {"Text1(4)",         Result,       "Frame1", "",                                   1680, 1370, 1695,  405,  2},
    {"Label1(4)",        Label,        "Frame1", "Gross amount",                        240, 1440, 1170,  195,  9},
    {"Text1(3)",         Result,       "Frame1", "",                                   4560, 1320, 1215,  405,  5},
    {"Label1(3)",        Label,        "Frame1", "Interest",                           3720, 1440,  660,  195, 10},
    {"CompdDaily",       Button,       "Frame1", "Compd Daily",                         510, 1875,  945,  510, 53},
    {"CompoundMonthly",  Button,       "Frame1", "Compd Monthly",                      1530, 1875,  945,  510,  3},
    {"CompdQuarterly",   Button,       "Frame1", "Compd Quarterly",                    2550, 1875,  945,  510, 52},
    {"CompoundAnnually", Button,       "Frame1", "Compd Annually",                     3570, 1875,  945,  510,  1},
    {"SimpleInt",        Button,       "Frame1", "Simple Interest",                    4590, 1875,  945,  510,  4},
    {"Image1",           Picture,      "Frame1", "",                                   3825,  795,  480,  480, -1},

    {"Frame2",           Frame,        nullptr,  "Recovery Months",                      75,   30, 6060, 2775, 14, false},
    {"Text1(5)",         Input,        "Frame2", "5000",                               2640,  240, 1815,  375, 15},
    {"Label1(5)",        Label,        "Frame2", "Principal loan amount",               240,  360, 1845,  195, 20},
    {"Text1(7)",         Input,        "Frame2", "12.50",                              3240,  720,  855,  405, 16},
    {"Label1(6)",        Label,        "Frame2", "Annual rate of interest in percent",  240,  825, 2820,  195, 21},
    {"Text1(8)",         InputGreen,   "Frame2", "0",                                  2280, 1200,  615,  405, 17},
    {"Label1(8)",        Label,        "Frame2", "Repayment starts after",              240, 1275, 1935,  195, 22},
    {"Label1(10)",       Label,        "Frame2", "months",                             3000, 1290,  615,  195, 24},
    {"Text1(11)",        Input,        "Frame2", "600",                                1785, 1710, 1095,  405, 27},
    {"Label1(12)",       Label,        "Frame2", "Scheduled EMI",                       225, 1815, 1305,  195, 28},
    {"Text1(10)",        Result,       "Frame2", "",                                   4800, 1710, 1095,  405, 26},
    {"Label1(11)",       Label,        "Frame2", "Gross Interest",                     3450, 1815, 1200,  195, 25},
    {"Text1(9)",         Result,       "Frame2", "",                                   1695, 2220, 1335,  405, 19},
    {"Label1(9)",        Label,        "Frame2", "Gross Recovery",                      210, 2325, 1365,  195, 23},
    {"Text1(12)",        Result,       "Frame2", "",                                   4995, 2220,  855,  405, 30},
    {"Label1(13)",       Label,        "Frame2", "Recovery months",                    3450, 2325, 1485,  195, 29},
    {"PrintListM",       Button,       "Frame2", "Save List",                          4935,  270,  855,  375, 55},
    {"RecoveryMonths",   Button,       "Frame2", "Find Months",                        4650,  727, 1170,  375, 18},
    {"ShowDetailsM",     Button,       "Frame2", "Show Details",                       4635, 1185, 1215,  375, 54},
    {"Image2",           Picture,      "Frame2", "",                                   3915, 1200,  480,  480, -1},

    {"Frame3",           Frame,        nullptr,  "Find EMI",                             60,   30, 6075, 2805, 31},
    {"Text1(20)",        Input,        "Frame3", "5000",                               2640,  240, 1815,  375, 39},
    {"Label1(22)",       Label,        "Frame3", "Principal loan amount",               240,  360, 1845,  195, 47},
    {"Text1(17)",        InputGreen,   "Frame3", "0",                                  2280,  720,  495,  405, 36},
    {"Label1(19)",       Label,        "Frame3", "Repayment starts after",              240,  810, 1935,  195, 44},
    {"Label1(17)",       Label,        "Frame3", "months",                             2880,  840,  615,  195, 42},
    {"Text1(18)",        Input,        "Frame3", "12.50",                              5040,  765,  855,  405, 37},
    {"Label1(20)",       Label,        "Frame3", "Annual rate (%)",                    3720,  870, 1305,  195, 45},
    {"Text1(19)",        Input,        "Frame3", "48",                                 2640, 1245,  735,  405, 38},
    {"Label1(21)",       Label,        "Frame3", "Repayment duration months",           240, 1350, 2370,  195, 46},
    {"Text1(15)",        ResultInfo,   "Frame3", "",                                   4800, 1230, 1095,  405, 33},
    {"Label1(16)",       Label,        "Frame3", "Gross Interest",                     3480, 1320, 1200,  195, 41},
    {"Text1(16)",        ResultInfo,   "Frame3", "",                                   1800, 1830, 1455,  405, 34},
    {"Label1(18)",       Label,        "Frame3", "Gross Recovery",                      240, 1920, 1365,  195, 43},
    {"Text1(14)",        ResultInfo,   "Frame3", "",                                   5040, 1800,  855,  405, 32},
    {"Label1(15)",       Label,        "Frame3", "Calculated EMI",                     3600, 1920, 1305,  195, 40},
    {"PrintList",        Button,       "Frame3", "Save List",                          2280, 2280,  855,  375, 51},
    {"ShowDetails",      Button,       "Frame3", "Show Details",                       3480, 2280, 1215,  375, 48},
    {"EMI",              Button,       "Frame3", "Find EMI",                           4920, 2280,  975,  375, 35},
    {"Image3",           Picture,      "Frame3", "",                                   5400,  165,  480,  480, -1},

    {"Frame4",           Frame,        nullptr,  "Find Interest Rate",                   60,   30, 6075, 2835, 56},
    {"Text1(6)",         Input,        "Frame4", "5000",                               2250,  240, 1455,  405, 57},
    {"Label1(7)",        Label,        "Frame4", "Principal loan amount",               240,  345, 1845,  195, 62},
    {"Text1(21)",        Input,        "Frame4", "6250",                               2250,  720, 1455,  405, 59},
    {"Label1(23)",       Label,        "Frame4", "Principal with interest",             240,  825, 1845,  195, 63},
    {"Combo2",           Combo,        "Frame4", "",                                   2250, 1215, 1455,  315, 66},
    {"Label1(26)",       Label,        "Frame4", "Interest Compounding",                210, 1275, 1860,  195, 65},
    {"Text1(13)",        Input,        "Frame4", "24",                                 2970, 1620,  735,  405, 58},
    {"Label1(24)",       Label,        "Frame4", "Interest period in",                  255, 1725, 1455,  195, 64},
    {"Label1(14)",       Label,        "Frame4", "Months",                             1755, 1725,  630,  195, 68},
    {"Text1(22)",        Result,       "Frame4", "",                                   3315, 2130, 1245,  405, 60},
    {"Label1(27)",       LabelCentred, "Frame4", "per Month",                          3555, 2550,  720,  195, 67},
    {"Text1(23)",        Result,       "Frame4", "",                                   4695, 2130, 1245,  405, 75},
    {"Label1(30)",       LabelRegular, "Frame4", "per Annum",                          4950, 2535,  765,  195, 76},
    {"ShowDetail",       Button,       "Frame4", "Show Details",                        180, 2130, 1260,  360, 69},
    {"FindRate",         Button,       "Frame4", "Find Interest Rate",                 1680, 2130, 1545,  360, 61},
    {"Label5",           SaveLabel,    "Frame4", "Click me to Save Details",            645, 2535, 2100,  195, 77},
    {"Frame5",           Frame,        "Frame4", "",                                   3915,  120, 2055, 1875, 71},
    {"Image4(2)",        Picture,      "Frame5", "",                                   1245,  255,  600,  810, -1},
    {"Image4(0)",        Picture,      "Frame5", "",                                   1245,  255,  600,  810, -1},
    {"Image4(1)",        Picture,      "Frame5", "",                                    360,  390,  480,  480, -1},
    {"Label1(25)",       LabelRegular, "Frame5", "For more Free Softwares",             135, 1560, 1725,  195, 74},
    {"Label1(28)",       LabelRegular, "Frame5", "Visit:",                              750, 1065,  330,  195, 73},
    {"Label1(29)",       LabelLink,    "Frame5", kMakerWebAddress,                       75, 1305, 1920,  195, 72},

    {"List1",            List,         nullptr,  "",                                    120, 3480, 6015, 2580, 49},
    {"Text3",            Header,       nullptr,  kGrowthHeader.data(),                  135, 3000, 6015,  495, 70},
    {"Text2",            Header,       nullptr,  kScheduleHeader.data(),                135, 3000, 6015,  495, 50},
};

constexpr MenuRow kMenu[] = {
    {"mnExit",     "Exit",       true},
    {"mnInterest", "Interests",  true},
    {"mnRecovery", "FindMonths", true},
    {"mnEMI",      "Find EMI",   true},
    {"mnFindRate", "FindRate",   false},
    {"About",      "About",      true},
};
// clang-format on

}  // namespace

std::span<const ControlRow> controlTable() {
    return kControls;
}
std::span<const MenuRow> menuTable() {
    return kMenu;
}

}  // namespace brisanel::app
