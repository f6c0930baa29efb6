// Compare Offers through its controls: offers edited in place, the cheapest marked with the
// engine's figures, its file saved and opened again, and brisanel-calc reading that file.
#include <QAbstractButton>
#include <QClipboard>
#include <QSplitterHandle>
#include <QTemporaryDir>
#include <sstream>

#include "app/compare/compare_window.h"
#include "app/compare/offer_model.h"
#include "cli/run.h"
#include "window_fixture.h"

namespace brisanel::app::testing {
namespace {

// 10 000 at 12 % over 12 months: 888.49 a month, 661.85 interest (10 000 x 0.01 / (1 - 1.01^-12)
// = 888.4879, times 12).
plan::PlanInputs loan() {
    plan::PlanInputs inputs;
    inputs.loan = {"10000", "12", "0", "12", std::nullopt};
    return inputs;
}

class Compare : public ::testing::Test {
protected:
    template <typename T = QWidget>
    T* in(const QString& name) const {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << "no control named " << name.toStdString();
        return found;
    }
    QAbstractItemModel* model(const char* table) const { return in<QTableView>(table)->model(); }
    void edit(int row, int offer, const QString& text) const {
        QAbstractItemModel* offers = model("tblOffers");
        offers->setData(offers->index(row, offer), text);
    }
    // A row of the figures, an offer each.
    QStringList figures(const QString& caption) const {
        QAbstractItemModel* results = model("tblResults");
        for (int row = 0; row < results->rowCount(); ++row) {
            if (results->headerData(row, Qt::Vertical).toString() != caption) continue;
            QStringList texts;
            for (int c = 0; c < results->columnCount(); ++c)
                texts.append(results->index(row, c).data().toString());
            return texts;
        }
        return {};
    }

    ScriptedDialogs dialogs;
    std::unique_ptr<compare::CompareWindow> window =
        std::make_unique<compare::CompareWindow>(dialogs, nullptr);
    QTemporaryDir folder;
};

enum {
    kName = compare::OfferModel::Name,
    kRate = compare::OfferModel::Rate,
    kUpfrontFee = compare::OfferModel::UpfrontFee,
    kBalloon = compare::OfferModel::Balloon,
    kInterestOnly = compare::OfferModel::InterestOnly
};

TEST_F(Compare, MarksTheCheapestAndWhatTheOthersCostMoreAsEachCellIsTyped) {
    window->compareWith(loan());
    EXPECT_EQ(model("tblOffers")->columnCount(), 2);
    EXPECT_EQ(model("tblOffers")->index(kName, 1).data().toString(), "Offer 2");
    edit(kUpfrontFee, 1, "100");
    EXPECT_EQ(figures("Total amount payable"), QStringList({"10,661.85", "10,761.85"}));
    EXPECT_EQ(figures("More than the cheapest"), QStringList({"Cheapest", "+100.00"}));
    EXPECT_TRUE(model("tblResults")->index(0, 0).data(Qt::FontRole).value<QFont>().bold());

    // At 10 %: 879.16 a month, 10 549.91 with 100 more: now the cheaper by 11.95.
    edit(kRate, 1, "10");
    EXPECT_EQ(figures("Total amount payable"), QStringList({"10,661.85", "10,649.91"}));
    EXPECT_EQ(figures("More than the cheapest"), QStringList({"+11.95", "Cheapest"}));
    EXPECT_TRUE(window->isWindowModified());

    // What the engine refuses is said with the offer's name; a fee that is no amount too.
    edit(kRate, 1, "abc");
    EXPECT_TRUE(in<QLabel>("lblCompareMessages")->text().startsWith("Offer 2: "));
    EXPECT_EQ(model("tblResults")->columnCount(), 0);
    edit(kRate, 1, "10");
    edit(kUpfrontFee, 0, "two");
    EXPECT_EQ(in<QLabel>("lblCompareMessages")->text(),
              "Offer 1, Upfront fee (amount or 2%): \"two\" is not an amount or a percentage "
              "(2%) of 0 or more.");
    EXPECT_FALSE(in<QAction>("actSaveComparison")->isEnabled());
}

TEST_F(Compare, SavesAComparisonThatOpensAgainAndThatBrisanelCalcReads) {
    window->compareWith(loan());
    edit(kUpfrontFee, 1, "100");
    in<QLineEdit>("txtHorizon")->setText("6");
    dialogs.savePath = folder.filePath("offers");
    in<QAction>("actSaveComparison")->trigger();
    const QString saved = folder.filePath("offers.brisanel-compare");
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_TRUE(window->windowTitle().startsWith("offers.brisanel-compare[*]"));
    in<QAction>("actCopyComparison")->trigger();
    const QString copied = QGuiApplication::clipboard()->text();

    dialogs.savePath = folder.filePath("offers.pdf");
    in<QAction>("actExportComparisonPdf")->trigger();
    QFile pdf(dialogs.savePath);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");

    // Closing with changes asks first; Cancel keeps them.
    edit(kName, 0, "Bank A");
    dialogs.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(window->openComparisonFile(saved));
    EXPECT_EQ(dialogs.messages.back().buttons, MessageButtons::SaveDiscardCancel);
    dialogs.answers = {MessageAnswer::Discard};
    ASSERT_TRUE(window->openComparisonFile(saved));
    EXPECT_EQ(model("tblOffers")->index(kName, 0).data().toString(), "Offer 1");
    EXPECT_EQ(model("tblOffers")->index(kUpfrontFee, 1).data().toString(), "100");
    EXPECT_EQ(in<QLineEdit>("txtHorizon")->text(), "6");
    EXPECT_EQ(figures("More than the cheapest"), QStringList({"Cheapest", "+100.00"}));

    // brisanel-calc compare reads the file, and prints what Copy as Table copied.
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(cli::runCommandLine({"compare", saved.toStdString(), "--format", "csv"}, out, err),
              cli::kExitOk)
        << err.str();
    EXPECT_EQ(QString::fromStdString(out.str()), copied);
    EXPECT_NE(out.str().find("\r\nOffer 2,false,100,100,"), std::string::npos) << out.str();
}

TEST_F(Compare, ABalloonAndInterestOnlyPaymentsAreTypedInPlace) {
    window->compareWith(loan());
    // 5 000 left for the end: (10 000 - 5 000 / 1.01^12) x 0.01 / (1 - 1.01^-12) = 494.24 a
    // month, 12 x 494.24 + 5 000 = 10 930.93 in all.
    edit(kBalloon, 1, "5000");
    EXPECT_EQ(figures("Total amount payable"), QStringList({"10,661.85", "10,930.93"}));
    // Two payments of 100 interest, then 10 of 10 000 x 0.01 / (1 - 1.01^-10) = 1 055.82.
    edit(kBalloon, 1, "");
    edit(kInterestOnly, 1, "2");
    EXPECT_EQ(figures("Total amount payable"), QStringList({"10,661.85", "10,758.21"}));
    EXPECT_EQ(model("tblOffers")->index(kInterestOnly, 1).data().toString(), "2");
    edit(kInterestOnly, 1, "two");
    EXPECT_EQ(in<QLabel>("lblCompareMessages")->text(),
              "Offer 2, Interest-only payments: \"two\" is not a number of payments.");
}

TEST_F(Compare, EveryControlAndChartIsNamedAndTheChartsSayWhatTheyShow) {
    window->compareWith(loan());
    edit(kUpfrontFee, 1, "100");
    window->show();
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const auto* area = qobject_cast<QAbstractScrollArea*>(control->parentWidget());
        if (area && area->viewport() == control) continue;  // the view holding it is named
        if (!(control->focusPolicy() & Qt::TabFocus) || !control->isVisibleTo(window.get()) ||
            qobject_cast<QAbstractButton*>(control) || qobject_cast<QSplitterHandle*>(control))
            continue;
        EXPECT_FALSE(control->accessibleName().isEmpty())
            << control->metaObject()->className() << " " << control->objectName().toStdString();
    }
    EXPECT_EQ(in("chartCompareBalance")->accessibleDescription(),
              "Balance by period: Offer 1 from 10,000.00 to 0.00 at period 12; "
              "Offer 2 from 10,000.00 to 0.00 at period 12");
    EXPECT_EQ(in("chartCompareCost")->accessibleDescription(),
              "Cost of each offer: Offer 1 661.85 interest and 0.00 fees; "
              "Offer 2 661.85 interest and 100.00 fees");
}

TEST_F(Compare, FourOffersAtMostAndARefusedFileChangesNothing) {
    window->compareWith(loan());
    in<QAction>("actAddOffer")->trigger();
    in<QAction>("actAddOffer")->trigger();
    EXPECT_EQ(model("tblOffers")->columnCount(), 4);
    EXPECT_FALSE(in<QAction>("actAddOffer")->isEnabled());
    // 10 000 over 12 months at 12, 11, 10 and 9 %: 888.49, 883.82, 879.16 and 874.51 a month.
    for (int offer = 1; offer < 4; ++offer) edit(kRate, offer, QString::number(12 - offer));
    EXPECT_EQ(figures("Total amount payable"),
              QStringList({"10,661.85", "10,605.80", "10,549.91", "10,494.18"}));
    EXPECT_EQ(figures("More than the cheapest"),
              QStringList({"+167.68", "+111.62", "+55.73", "Cheapest"}));
    EXPECT_TRUE(model("tblResults")->index(0, 3).data(Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(model("tblResults")->index(0, 0).data(Qt::FontRole).value<QFont>().bold());

    // A file of five offers is refused whole, and the four typed stay.
    QFile five(folder.filePath("five.brisanel-compare"));
    ASSERT_TRUE(five.open(QIODevice::WriteOnly));
    const QByteArray offer = R"({"brisanel_plan": 1, "loan": {"principal": 1000, "rate": 5,
                                 "start_after": 0, "months": 12}})";
    five.write(R"({"brisanel_comparison": 1, "offers": [)" + offer + ',' + offer + ',' + offer +
               ',' + offer + ',' + offer + "]}");
    five.close();
    dialogs.answers = {MessageAnswer::Discard};
    EXPECT_FALSE(window->openComparisonFile(five.fileName()));
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_TRUE(dialogs.messages.back().text.startsWith(five.fileName() + ": offers: "))
        << dialogs.messages.back().text.toStdString();
    EXPECT_EQ(dialogs.messages.back().icon, MessageIcon::Exclamation);
    EXPECT_EQ(model("tblOffers")->columnCount(), 4);
    EXPECT_EQ(model("tblOffers")->index(kRate, 3).data().toString(), "9");
}

}  // namespace
}  // namespace brisanel::app::testing
