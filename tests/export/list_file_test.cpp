#include "export/list_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace brisanel::saving {
namespace {

TEST(ListFile, EveryLineEndsInCrLfAndTxtIsAlwaysAppended) {
    const details::TextLines lines{"01.   Month 01\tBal.= 1000\t340",
                                   "02.   Month 02\tBal.= 0000\t"};
    EXPECT_EQ(listFileContents({kScheduleTitle, "SN   END OF", lines}),
              "DETAILS OF REDUCING BALANCE\r\n\r\nSN   END OF\r\n\r\n"
              "01.   Month 01\tBal.= 1000\t340\r\n02.   Month 02\tBal.= 0000\t\r\n\r\n\r\n");
    // An empty list still gives six lines.
    EXPECT_EQ(listFileContents({"T", "H", {}}), "T\r\n\r\nH\r\n\r\n\r\n\r\n");
    EXPECT_EQ(fileNameFor("plan"), "plan.txt");
    EXPECT_EQ(fileNameFor("plan.txt"), "plan.txt.txt");
    EXPECT_EQ(fileNameFor(""), ".txt");
    EXPECT_EQ(saveFailedMessage("plan.txt", "Disk full."),
              "The list could not be saved to plan.txt: Disk full.");
}

// Each test runs in a fresh folder made the current one: names without a folder are relative.
class ListFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(QDir::setCurrent(folder.path())); }
    void TearDown() override { QDir::setCurrent(previous); }

    static void put(const QString& name, const QByteArray& bytes) {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    static QByteArray bytes(const QString& name) {
        QFile file(name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }
    // Everything in the folder, hidden entries included, so a stray temporary shows.
    static QStringList entries(const QString& path = ".") {
        return QDir(path).entryList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }
    static void expectRefused(const QString& name) {
        const Probe probe = probeFile(name);
        EXPECT_EQ(probe.outcome, ProbeOutcome::Refused) << name.toStdString();
        EXPECT_FALSE(probe.reason.isEmpty()) << name.toStdString();
    }

    QString previous = QDir::currentPath();
    QTemporaryDir folder;
};

TEST_F(ListFileOnDisk, ProbeTellsExistingFromMissingFileAndFolderByReadingOnly) {
    put("plan.txt", "old");
    const std::pair<QString, ProbeOutcome> cases[] = {
        {"plan.txt", ProbeOutcome::Exists},
        {folder.filePath("plan.txt"), ProbeOutcome::Exists},
        {".txt", ProbeOutcome::Missing},
        {"nofolder/plan.txt", ProbeOutcome::MissingFolder},
        // A file standing where the folder should be is no folder either.
        {"plan.txt/x.txt", ProbeOutcome::MissingFolder},
    };
    for (const auto& [name, outcome] : cases) {
        EXPECT_EQ(probeFile(name).outcome, outcome) << name.toStdString();
    }
    EXPECT_EQ(bytes("plan.txt"), "old");
    EXPECT_EQ(entries(), QStringList({"plan.txt"}));
}

TEST_F(ListFileOnDisk, FoldersPipesAndImpossibleNamesAreRefusedWithAReason) {
    ASSERT_TRUE(QDir().mkdir("dir.txt"));
    // Opening a pipe for reading would wait for a writer that never comes.
    ASSERT_EQ(mkfifo("pipe.txt", 0600), 0);
    put("a", "keep");
    const QString withNull = QStringLiteral("a") + QChar(u'\0') + "b.txt";  // refused, not cut
    for (const QString& name :
         {QString("dir.txt"), QString("pipe.txt"), withNull, QString(5000, u'a') + ".txt"}) {
        expectRefused(name);
    }
    EXPECT_TRUE(writeListFile(withNull, "new").has_value());
    EXPECT_EQ(bytes("a"), "keep");
}

// Answers the replace question as told and records what the save asked and told.
struct Conversation final : SaveConversation {
    explicit Conversation(bool replace) : replace(replace) {}
    bool replaceExisting(const QString& fileName) override {
        asked.append(fileName);
        return replace;
    }
    void tell(SaveNotice notice, const QString& text) override { told.append({notice, text}); }

    bool replace;
    QStringList asked;
    QList<std::pair<SaveNotice, QString>> told;
};

TEST_F(ListFileOnDisk, SaveAsksBeforeReplacingAndTellsHowItEnded) {
    const details::TextLines first{"a\tb"}, second{"c"};
    Conversation yes(true), no(false);
    EXPECT_TRUE(saveList("plan", {"T", "H", first}, no));
    EXPECT_TRUE(no.asked.isEmpty());
    EXPECT_EQ(bytes("plan.txt"), "T\r\n\r\nH\r\n\r\na\tb\r\n\r\n\r\n");
    EXPECT_FALSE(saveList("plan", {"T", "H", second}, no));
    EXPECT_EQ(no.asked, QStringList{"plan.txt"});
    EXPECT_EQ(bytes("plan.txt"), "T\r\n\r\nH\r\n\r\na\tb\r\n\r\n\r\n");
    EXPECT_TRUE(saveList("plan", {"T", "H", second}, yes));
    EXPECT_EQ(bytes("plan.txt"), "T\r\n\r\nH\r\n\r\nc\r\n\r\n\r\n");
    ASSERT_TRUE(QDir().mkdir("dir.txt"));
    EXPECT_FALSE(saveList("nofolder/plan", {"T", "H", first}, yes));
    EXPECT_FALSE(saveList("dir", {"T", "H", first}, yes));
    EXPECT_FALSE(saveList("", {"T", "H", first}, no));  // a cancelled prompt writes no ".txt"
    EXPECT_EQ(no.told, (QList<std::pair<SaveNotice, QString>>{
                           {SaveNotice::Saved, "Congratulations, your current list is saved."},
                           {SaveNotice::NotSaved, "List not saved, recommended to try again."},
                           {SaveNotice::NotSaved, "List not saved, recommended to try again."}}));
    ASSERT_EQ(yes.told.size(), 3);
    EXPECT_EQ(yes.told[0].first, SaveNotice::Saved);
    EXPECT_EQ(yes.told[1], std::pair(SaveNotice::InvalidName,
                                     QString("Invalid file name, choose different file name.")));
    EXPECT_EQ(yes.told[2].first, SaveNotice::Failed);
    EXPECT_TRUE(yes.told[2].second.startsWith("The list could not be saved to dir.txt: "));
    EXPECT_EQ(entries(), QStringList({"dir.txt", "plan.txt"}));  // no temporary left behind
}

TEST_F(ListFileOnDisk, AWriteThatRunsOutOfSpaceKeepsTheOldFileWhole) {
    put("plan.txt", "the list saved before\r\n");
    const QByteArray big(64 * 1024, 'y');
    // Cap the size of any file this process writes, as a full disk would.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit capped = saved;
    capped.rlim_cur = 4096;
    const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &capped), 0);
    const auto replaced = writeListFile("plan.txt", big);
    Conversation yes(true);
    const bool fresh = saveList("fresh", {"T", "H", {big.toStdString()}}, yes);
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(replaced.value_or("").isEmpty());
    EXPECT_FALSE(fresh);  // a failed write is never reported as saved
    ASSERT_EQ(yes.told.size(), 1);
    EXPECT_EQ(yes.told[0].first, SaveNotice::Failed);
    EXPECT_EQ(bytes("plan.txt"), "the list saved before\r\n");
    EXPECT_EQ(entries(), QStringList{"plan.txt"});  // no partial temporary or new file
}

}  // namespace
}  // namespace brisanel::saving
