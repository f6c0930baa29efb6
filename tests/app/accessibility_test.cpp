// What a screen reader learns about the controls through Qt's accessibility interfaces: each is
// named after the labels beside it, as the program changes their captions. (Switching panel moves
// the focus to its first box: see the menu commands in shell_test.cpp.)
#include <QAccessible>

#include "window_fixture.h"

namespace brisanel::app::testing {
namespace {

QString read(QObject* object, QAccessible::Text text = QAccessible::Name) {
    return QAccessible::queryAccessibleInterface(object)->text(text);
}

using Accessibility = WindowTest;

TEST_F(Accessibility, ControlsAreNamedAfterTheirLabelsAsTheCaptionsChange) {
    // clang-format off
    const std::pair<const char*, const char*> names[] = {
        {"Text1(0)",  "Principal loan amount"},           {"Text1(7)", "Annual rate of interest in percent"},
        {"Text1(8)",  "Repayment starts after (months)"}, {"Text1(13)", "Interest period in Months"},
        {"Text1(22)", "Interest rate per Month"},         {"List1", "Details"}};
    // clang-format on
    for (const auto& [control, name] : names) EXPECT_EQ(read(find(control)), name) << control;
    EXPECT_EQ(periods()->accessibleName(), "Interest Compounding");
    EXPECT_EQ(read(list(), QAccessible::Description), "SN END OF RED. BALANCE EMI");
    periods()->setCurrentIndex(5);
    EXPECT_EQ(read(text1(13)), "Interest period in DAYS");
    periods()->setCurrentIndex(3);
    click("FindRate");  // the rate per period is named after the period of the last rate found
    EXPECT_EQ(read(text1(22)), "Interest rate per Quarter");
    EXPECT_EQ(read(list(), QAccessible::Description), "SN END OF INTEREST TOTAL AMOUNT");
}

}  // namespace
}  // namespace brisanel::app::testing
