// The "Find Interest Rate" panel: the rate and its growth table (calc/rate_finder).
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "app/window/frm_interest.h"
#include "calc/rate_finder.h"

namespace brisanel::app {

void frmInterest::FindRate_Click() {
    const std::string principal = Text1(6)->text().toStdString();
    const std::string amount = Text1(21)->text().toStdString();
    const std::string duration = Text1(13)->text().toStdString();
    const auto period = static_cast<details::Period>(Combo2_->currentIndex());
    const calc::RateOutcome out = calc::findRate({principal, amount, duration, period});
    if (out.ratePerPeriod) setBoxText(22, *out.ratePerPeriod);
    if (out.annualRate) setBoxText(23, *out.annualRate);
    if (out.unitWord) setCaption(Label1(27), QString::fromStdString(*out.unitWord));
    if (out.growth) {
        Text2_->hide();  // uncovers the growth header
        clearList();
        fillList(details::growthLines(*out.growth, period));
        keepListSource(ListKind::Growth, *out.growth, true);
    }
    if (out.hasMessage()) showMessage(out.message);
}

void frmInterest::ShowDetail_Click() {
    // Only reveals or hides the list; the rows are those of the last "Find Interest Rate".
    openOrCloseDetails(showDetailOpen_, Button("ShowDetail"), {});
}

}  // namespace brisanel::app
