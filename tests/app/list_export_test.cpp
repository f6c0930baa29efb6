// The details list's commands: what Copy and Copy as Table put on the clipboard, the document
// that Export PDF and Print write, and when the commands can be used.
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <sstream>

#include "cli/run.h"
#include "window_fixture.h"

namespace brisanel::app::testing {
namespace {

class ListExport : public WindowTest {
protected:
    void trigger(const QString& command) const { find<QAction>(command)->trigger(); }
    QString clipboard() const { return QGuiApplication::clipboard()->text(); }
    void expectCommands(bool enabled) const {
        for (const char* name : {"actCopy", "actCopyCsv", "actExportPdf", "actPrint"}) {
            EXPECT_EQ(find<QAction>(name)->isEnabled(), enabled) << name;
        }
    }
    void showEmiSchedule(const QString& months) const {
        choose("mnEMI");
        for (const auto& [box, text] : {std::pair{20, "1000"}, {18, "12"}}) type(box, text);
        type(19, months);
        click("ShowDetails");
    }

    // The title, then every line of the list in order, as pdftotext reads them from the PDF.
    void expectWholeList(const QString& pdf) const {
        const QString text = pdfText(pdf).simplified();
        qsizetype at = text.indexOf("DETAILS OF REDUCING BALANCE");
        ASSERT_EQ(at, 0);
        for (const QString& line : listLines()) {
            at = text.indexOf(line.simplified(), at);
            ASSERT_GE(at, 0) << line.toStdString();
        }
    }
    static QString pdfText(const QString& pdf) {
        QProcess reader;
        reader.start("pdftotext", {"-layout", pdf, "-"});
        EXPECT_TRUE(reader.waitForFinished(10000)) << "pdftotext (poppler-utils) is needed";
        return QString::fromUtf8(reader.readAllStandardOutput());
    }

    QTemporaryDir folder;
};

TEST_F(ListExport, CopyTakesTheSelectedLinesOrAllOfThemAndWaitsForATable) {
    expectCommands(false);
    showEmiSchedule("3");
    expectCommands(true);
    trigger("actCopy");  // nothing selected: every line
    EXPECT_EQ(clipboard(), listLines().join('\n'));
    // A click on the first line, a Ctrl-click on the third, then Ctrl+C in the list.
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    list()->setFocus();
    for (const auto& [row, keys] : {std::pair{0, Qt::NoModifier}, {2, Qt::ControlModifier}}) {
        const QPoint at = list()->visualItemRect(list()->item(row)).center();
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, keys, at);
    }
    QTest::keyClick(list(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard(), "01.   Month 01\tBal.= 1000\t340\n03.   Month 03\tBal.= 0337\t337");

    choose("mnFindRate");  // empties the list
    expectCommands(false);
}

TEST_F(ListExport, CopyAsTableIsBrisanelCalcsCsvOfTheTableShownWhateverTheBoxesSayNow) {
    const auto calc = [](const std::vector<std::string>& arguments) {
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(cli::runCommandLine(arguments, out, err), cli::kExitOk) << err.str();
        return QString::fromStdString(out.str());
    };
    showEmiSchedule("30");
    type(20, "2000");
    trigger("actCopyCsv");
    EXPECT_EQ(clipboard(), calc({"emi", "--principal", "1000", "--months", "30", "--rate", "12",
                                 "--schedule", "--format", "csv"}));
    choose("mnRecovery");
    click("RecoveryMonths");
    type(11, "50");
    trigger("actCopyCsv");
    EXPECT_EQ(clipboard(), calc({"recovery", "--principal", "5000", "--rate", "12.50", "--emi",
                                 "600", "--schedule", "--format", "csv"}));
    choose("mnFindRate");
    periods()->setCurrentIndex(5);
    type(13, "40");
    click("FindRate");
    periods()->setCurrentIndex(1);
    trigger("actCopyCsv");
    EXPECT_EQ(clipboard(), calc({"rate", "--principal", "5000", "--amount", "6250", "--duration",
                                 "40", "--compounding", "daily", "--growth", "--format", "csv"}));
}

TEST_F(ListExport, ThePdfAndThePrintHoldTheTitleFiguresAndEveryLineOnNumberedPages) {
    showEmiSchedule("1800");
    dialogs.savePath = folder.filePath("plan");  // ".pdf" is added
    trigger("actExportPdf");
    const QString pdf = folder.filePath("plan.pdf");
    const QStringList pages = pdfText(pdf).split('\f', Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 31);
    // 48 lines under the first page's title, inputs and results, then 59 on each further page.
    for (int page = 0; page < 31; ++page) {
        EXPECT_EQ(pages[page].count("Month "), page == 0 ? 48 : page < 30 ? 59 : 41) << page;
        EXPECT_TRUE(pages[page].contains(QString("Page %1 of 31").arg(page + 1)));
    }
    EXPECT_TRUE(pages[0].simplified().contains("Principal loan amount: 1000 Repayment starts"));
    expectWholeList(pdf);

    dialogs.printPath = folder.filePath("printed.pdf");
    trigger("actPrint");
    expectWholeList(dialogs.printPath);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ListExport, CancelWritesNothingAndAFailedWriteSaysWhyAndLeavesWhatWasThere) {
    showEmiSchedule("3");
    trigger("actExportPdf");  // no name: both dialogs are cancelled
    trigger("actPrint");
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    EXPECT_TRUE(dialogs.messages.empty());

    ASSERT_TRUE(QDir(folder.path()).mkdir("plan.pdf"));
    dialogs.savePath = folder.filePath("plan.pdf");
    trigger("actExportPdf");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    const ShownMessage& told = dialogs.messages[0];
    EXPECT_TRUE(told.text.startsWith("The list could not be saved to " + dialogs.savePath + ": "));
    EXPECT_TRUE(told.title == "Brisanel" && told.icon == MessageIcon::Critical);
    EXPECT_TRUE(QDir(dialogs.savePath).isEmpty());
}

}  // namespace
}  // namespace brisanel::app::testing
