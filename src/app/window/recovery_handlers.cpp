// The "Recovery Months" panel: the month-by-month run of the balance (calc/recovery).
#include <QLineEdit>
#include <QListWidget>

#include "app/window/frm_interest.h"
#include "calc/messages.h"
#include "calc/recovery.h"

namespace brisanel::app {

void frmInterest::RecoveryMonths_Click() {
    const std::string principal = Text1(5)->text().toStdString();
    const std::string rate = Text1(7)->text().toStdString();
    const std::string startAfter = Text1(8)->text().toStdString();
    const std::string emi = Text1(11)->text().toStdString();
    const calc::RecoveryOutcome out = calc::computeRecovery({principal, rate, startAfter, emi});
    if (out.rows) {
        clearList();
        fillList(details::scheduleLines(*out.rows));
    }
    if (out.months) setBoxText(12, *out.months);
    if (out.grossRecovery) setBoxText(9, *out.grossRecovery);
    if (out.grossInterest) setBoxText(10, *out.grossInterest);
    RecoveryFailed = out.failed();
    if (out.rows) keepListSource(ListKind::Recovery, *out.rows, out.figures.has_value());

    if (out.hasMessage()) {
        showMessage(out.message);
    } else if (out.ending == calc::Ending::FailedSilently) {
        // Figures of an earlier calculation must not pass for the answer to these inputs.
        const auto shown = [this](int box) { return !Text1(box)->text().isEmpty(); };
        if (shown(9) || shown(10) || shown(12)) showMessage(calc::messages::kCheckInput);
    }
}

void frmInterest::ShowDetailsM_Click() {
    Text2_->show();
    RecoveryMonths_Click();
    // A refused or failed calculation does not open the list; closing always works.
    if (RecoveryFailed && !showDetailsMOpen_) return;
    openOrCloseDetails(showDetailsMOpen_, Button("ShowDetailsM"), {5, 7, 8, 11});
}

}  // namespace brisanel::app
