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

QString q(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

TEST(ListFileContents, EveryLineEndsInCrLfWithOneByteACharacter) {
    EXPECT_EQ(
        listFileContents(q(kScheduleTitle), "SN   END OF      RED. BALANCE      EMI",
                         {"01.   Month 01\tBal.= 1000\t340", "02.   Month 02\tBal.= 0670\t340",
                          "03.   Month 03\tBal.= 0337\t337"}),
        "DETAILS OF REDUCING BALANCE\r\n\r\nSN   END OF      RED. BALANCE      EMI\r\n\r\n"
        "01.   Month 01\tBal.= 1000\t340\r\n02.   Month 02\tBal.= 0670\t340\r\n"
        "03.   Month 03\tBal.= 0337\t337\r\n\r\n\r\n");
    // An empty list still gives six lines; no byte-order mark.
    EXPECT_EQ(listFileContents(q(kGrowthTitle), "caf\u00e9", {}),
              "DETAILS OF INTEREST AMOUNT INCREASE\r\n\r\ncaf\xe9\r\n\r\n\r\n\r\n");
}

TEST(ListFileNames, TxtIsAlwaysAppendedAndFailuresNameTheFile) {
    EXPECT_EQ(fileNameFor("plan"), "plan.txt");
    EXPECT_EQ(fileNameFor("plan.txt"), "plan.txt.txt");
    EXPECT_EQ(fileNameFor(""), ".txt");
    EXPECT_EQ(fileNameFor("sub/plan"), "sub/plan.txt");
    EXPECT_EQ(saveFailedMessage("plan.txt", "Disk full."),
              "The list could not be saved to plan.txt: Disk full.");
}

// Every file-system test runs inside a fresh folder made the current working directory, since
// names without a folder are relative to it.
class ListFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        previous_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(folder_.path()));
    }
    void TearDown() override {
        QDir::setCurrent(previous_);
        // Let the temporary folder be removed even if a test locked part of it.
        for (const QString& name : locked_) {
            QFile::setPermissions(folder_.filePath(name),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
    }

    static void writeBytes(const QString& name, const QByteArray& bytes) {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    static QByteArray readBytes(const QString& name) {
        QFile file(name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }
    // Everything in the folder, hidden entries included, so a stray temporary shows.
    static QStringList entries(const QString& path = ".") {
        return QDir(path).entryList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }
    void lock(const QString& name, QFile::Permissions permissions) {
        locked_ << name;
        ASSERT_TRUE(QFile::setPermissions(name, permissions));
    }
    static void expectRefused(const QString& name) {
        const Probe probe = probeFile(name);
        EXPECT_EQ(probe.outcome, ProbeOutcome::Refused) << name.toStdString();
        EXPECT_FALSE(probe.reason.isEmpty()) << name.toStdString();
    }

    QTemporaryDir folder_;
    QString previous_;
    QStringList locked_;
};

TEST_F(ListFileOnDisk, ProbeTellsExistingFromMissingFileAndFolderByReadingOnly) {
    writeBytes("plan.txt", "old");
    ASSERT_TRUE(QDir().mkdir("sub"));
    const std::pair<QString, ProbeOutcome> cases[] = {
        {"plan.txt", ProbeOutcome::Exists},
        {folder_.filePath("plan.txt"), ProbeOutcome::Exists},
        {"other.txt", ProbeOutcome::Missing},
        {".txt", ProbeOutcome::Missing},
        {"sub/other.txt", ProbeOutcome::Missing},
        {"nofolder/plan.txt", ProbeOutcome::MissingFolder},
        // A file standing where the folder should be is no folder either.
        {"plan.txt/x.txt", ProbeOutcome::MissingFolder},
    };
    for (const auto& [name, outcome] : cases) {
        EXPECT_EQ(probeFile(name).outcome, outcome) << name.toStdString();
    }
    EXPECT_EQ(readBytes("plan.txt"), "old");
    EXPECT_EQ(entries(), QStringList({"plan.txt", "sub"}));
}

TEST_F(ListFileOnDisk, ProbeRefusesFoldersPipesAndImpossibleNamesWithAReason) {
    ASSERT_TRUE(QDir().mkdir("dir.txt"));
    // Opening a pipe for reading would wait for a writer that never comes.
    ASSERT_EQ(mkfifo("pipe.txt", 0600), 0);
    expectRefused("dir.txt");
    expectRefused("pipe.txt");
    expectRefused(QString(5000, u'a') + ".txt");
}

TEST_F(ListFileOnDisk, ANullInTheNameIsRefusedRatherThanCut) {
    writeBytes("a", "keep");
    const QString name = QStringLiteral("a") + QChar(u'\0') + "b.txt";
    expectRefused(name);
    EXPECT_TRUE(writeListFile(name, "new").has_value());
    EXPECT_EQ(readBytes("a"), "keep");
    EXPECT_EQ(entries(), QStringList{"a"});
}

TEST_F(ListFileOnDisk, WriteCreatesOrReplacesTheWholeFileLeavingNoTemporary) {
    EXPECT_EQ(writeListFile(".txt", "list\r\n"), std::nullopt);
    writeBytes("plan.txt", QByteArray(10000, 'x'));
    EXPECT_EQ(writeListFile("plan.txt", "short\r\n"), std::nullopt);
    EXPECT_EQ(readBytes(".txt"), "list\r\n");
    EXPECT_EQ(readBytes("plan.txt"), "short\r\n");
    EXPECT_EQ(entries(), QStringList({".txt", "plan.txt"}));
}

TEST_F(ListFileOnDisk, AWriteThatCannotBeDoneFailsWithAReasonAndChangesNothing) {
    ASSERT_TRUE(QDir().mkdir("dir.txt"));
    writeBytes("dir.txt/inside", "x");
    writeBytes("plain.txt", "x");
    for (const char* name : {"dir.txt", "plain.txt/x.txt", "nofolder/x.txt"}) {
        const auto reason = writeListFile(name, "list\r\n");
        ASSERT_TRUE(reason.has_value()) << name;
        EXPECT_FALSE(reason->isEmpty()) << name;
    }
    EXPECT_TRUE(QFileInfo("dir.txt").isDir());
    EXPECT_EQ(entries("dir.txt"), QStringList{"inside"});
    EXPECT_EQ(readBytes("plain.txt"), "x");
    EXPECT_EQ(entries(), QStringList({"dir.txt", "plain.txt"}));
}

TEST_F(ListFileOnDisk, LockedPlacesRefuseTheProbeAndAReplaceInPlace) {
    if (geteuid() == 0) GTEST_SKIP() << "permission bits do not stop root";
    ASSERT_TRUE(QDir().mkdir("locked"));
    ASSERT_TRUE(QDir().mkdir("ro"));
    writeBytes("locked/plan.txt", "x");
    writeBytes("ro/plan.txt", "old");
    writeBytes("secret.txt", "x");
    lock("locked", {});
    lock("ro", QFile::ReadOwner | QFile::ExeOwner);
    ASSERT_TRUE(QFile::setPermissions("secret.txt", {}));
    for (const char* name :
         {"locked/plan.txt", "locked/other.txt", "locked/sub/x.txt", "secret.txt"}) {
        expectRefused(name);
    }
    // Replacing needs a temporary beside the target, which the folder refuses; writing over the
    // old file in place instead could leave it half written.
    EXPECT_TRUE(writeListFile("ro/plan.txt", "list\r\n").has_value());
    EXPECT_EQ(readBytes("ro/plan.txt"), "old");
    EXPECT_EQ(entries("ro"), QStringList{"plan.txt"});
}

TEST_F(ListFileOnDisk, AWriteThatRunsOutOfSpaceKeepsTheOldFileWhole) {
    const QByteArray old = "the list saved before\r\n";
    writeBytes("plan.txt", old);
    const QByteArray big(64 * 1024, 'y');
    // Cap the size of any file this process writes, as a full disk would.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit capped = saved;
    capped.rlim_cur = 4096;
    const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &capped), 0);
    const auto replaced = writeListFile("plan.txt", big);
    const auto fresh = writeListFile("fresh.txt", big);
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, oldHandler);

    ASSERT_TRUE(replaced.has_value() && fresh.has_value());
    EXPECT_FALSE(replaced->isEmpty());
    EXPECT_EQ(readBytes("plan.txt"), old);
    // Neither the partial temporary nor a partial new file remains.
    EXPECT_EQ(entries(), QStringList{"plan.txt"});
}

}  // namespace
}  // namespace brisanel::saving
