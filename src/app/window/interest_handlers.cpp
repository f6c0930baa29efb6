// The "Interests" panel: five rules, one computation each in calc/interest.
#include <QLineEdit>

#include "app/window/frm_interest.h"
#include "calc/interest.h"

namespace brisanel::app {

void frmInterest::computeInterest(calc::InterestRule rule) {
    const std::string principal = Text1(0)->text().toStdString();
    const std::string months = Text1(1)->text().toStdString();
    const std::string rate = Text1(2)->text().toStdString();
    const calc::InterestOutcome out = calc::computeInterest(rule, {principal, months, rate});
    if (out.interest) setBoxText(3, *out.interest);
    if (out.grossAmount) setBoxText(4, *out.grossAmount);
    if (out.hasMessage()) showMessage(out.message);
}

void frmInterest::SimpleInt_Click() {
    computeInterest(calc::InterestRule::Simple);
}
void frmInterest::CompoundAnnually_Click() {
    computeInterest(calc::InterestRule::Annually);
}
void frmInterest::CompdQuarterly_Click() {
    computeInterest(calc::InterestRule::Quarterly);
}
void frmInterest::CompoundMonthly_Click() {
    computeInterest(calc::InterestRule::Monthly);
}
void frmInterest::CompdDaily_Click() {
    computeInterest(calc::InterestRule::Daily);
}

}  // namespace brisanel::app
