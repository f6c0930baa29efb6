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

const QString kScheduleHeader = QStringLiteral("SN   END OF      RED. BALANCE      EMI");
const QString kGrowthHeader = QStringLiteral("SN        END OF         INTEREST      TOTAL AMOUNT");

TEST(ListFileContents, EmptyListGivesSixLines) {
    const QByteArray expected =
        "DETAILS OF REDUCING BALANCE\r\n\r\nSN   END OF      RED. BALANCE      EMI\r\n\r\n\r\n\r\n";
    // Title, empty, header, empty, (no list lines), empty, empty closing line.
    EXPECT_EQ(listFileContents(q(kScheduleTitle), kScheduleHeader, {}), expected);
}

TEST(ListFileContents, ListLinesKeepTheirTabsAndEveryLineEndsInCrLf) {
    const QStringList lines = {
        QStringLiteral("01.   Month 01\tBal.= 1000\t340"),
        QStringLiteral("02.   Month 02\tBal.= 0670\t340"),
        QStringLiteral("03.   Month 03\tBal.= 0337\t337"),
    };
    const QByteArray bytes = listFileContents(q(kScheduleTitle), kScheduleHeader, lines);
    const QByteArray expected =
        "DETAILS OF REDUCING BALANCE\r\n"
        "\r\n"
        "SN   END OF      RED. BALANCE      EMI\r\n"
        "\r\n"
        "01.   Month 01\tBal.= 1000\t340\r\n"
        "02.   Month 02\tBal.= 0670\t340\r\n"
        "03.   Month 03\tBal.= 0337\t337\r\n"
        "\r\n"
        "\r\n";
    EXPECT_EQ(bytes, expected);
}

TEST(ListFileContents, GrowthTitleAndHeader) {
    EXPECT_EQ(listFileContents(q(kGrowthTitle), kGrowthHeader, {QStringLiteral("01\tYear 1")}),
              "DETAILS OF INTEREST AMOUNT INCREASE\r\n\r\n"
              "SN        END OF         INTEREST      TOTAL AMOUNT\r\n\r\n"
              "01\tYear 1\r\n\r\n\r\n");
}

TEST(ListFileContents, OneByteEachCharacterWithoutByteOrderMark) {
    const QByteArray bytes = listFileContents(QStringLiteral("caf\u00e9"), {}, {});
    EXPECT_TRUE(bytes.startsWith("caf\xe9\r\n"));
}

TEST(ListFileNames, TxtIsAlwaysAppended) {
    EXPECT_EQ(fileNameFor(QStringLiteral("plan")), QStringLiteral("plan.txt"));
    EXPECT_EQ(fileNameFor(QStringLiteral("plan.txt")), QStringLiteral("plan.txt.txt"));
    EXPECT_EQ(fileNameFor(QString()), QStringLiteral(".txt"));
    EXPECT_EQ(fileNameFor(QStringLiteral("sub/plan")), QStringLiteral("sub/plan.txt"));
}

TEST(ListFileMessages, ReplaceQuestionAndFailureNameTheFullFileName) {
    EXPECT_EQ(replaceQuestion(QStringLiteral("plan.txt")),
              QStringLiteral("You are already having a file with the name plan.txt in the default "
                             "folder.\r\nWould you still like to save by and replace the original "
                             "file?"));
    EXPECT_EQ(saveFailedMessage(QStringLiteral("plan.txt"), QStringLiteral("Disk full.")),
              QStringLiteral("The list could not be saved to plan.txt: Disk full."));
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
        for (const QString& name : lockedFolders_) {
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
    // Everything in the working folder, hidden entries included, so a stray temporary shows.
    static QStringList entries(const QString& path = QStringLiteral(".")) {
        return QDir(path).entryList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }
    void lock(const QString& name, QFile::Permissions permissions) {
        lockedFolders_ << name;
        ASSERT_TRUE(QFile::setPermissions(name, permissions));
    }
    static bool isRoot() { return geteuid() == 0; }

    QTemporaryDir folder_;
    QString previous_;
    QStringList lockedFolders_;
};

TEST_F(ListFileOnDisk, ProbeTellsExistingFromMissingFileAndFolder) {
    writeBytes(QStringLiteral("plan.txt"), "old");
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("sub")));

    EXPECT_EQ(probeFile(QStringLiteral("plan.txt")).outcome, ProbeOutcome::Exists);
    EXPECT_EQ(probeFile(folder_.filePath(QStringLiteral("plan.txt"))).outcome,
              ProbeOutcome::Exists);
    EXPECT_EQ(probeFile(QStringLiteral("other.txt")).outcome, ProbeOutcome::Missing);
    EXPECT_EQ(probeFile(QStringLiteral(".txt")).outcome, ProbeOutcome::Missing);
    EXPECT_EQ(probeFile(QStringLiteral("sub/other.txt")).outcome, ProbeOutcome::Missing);

    EXPECT_EQ(probeFile(QStringLiteral("nofolder/plan.txt")).outcome, ProbeOutcome::MissingFolder);
    // A file standing where the folder should be is no folder either.
    EXPECT_EQ(probeFile(QStringLiteral("plan.txt/x.txt")).outcome, ProbeOutcome::MissingFolder);
    // The probe only reads.
    EXPECT_EQ(readBytes(QStringLiteral("plan.txt")), "old");
    EXPECT_FALSE(QFile::exists(QStringLiteral("other.txt")));
}

TEST_F(ListFileOnDisk, ProbeRefusesFoldersAndOtherNonFilesWithAReason) {
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("dir.txt")));
    const Probe folder = probeFile(QStringLiteral("dir.txt"));
    EXPECT_EQ(folder.outcome, ProbeOutcome::Refused);
    EXPECT_FALSE(folder.reason.isEmpty());

    // Opening a pipe for reading would wait for a writer that never comes.
    ASSERT_EQ(mkfifo("pipe.txt", 0600), 0);
    const Probe pipe = probeFile(QStringLiteral("pipe.txt"));
    EXPECT_EQ(pipe.outcome, ProbeOutcome::Refused);
    EXPECT_FALSE(pipe.reason.isEmpty());

    const Probe tooLong = probeFile(QString(5000, u'a') + QStringLiteral(".txt"));
    EXPECT_EQ(tooLong.outcome, ProbeOutcome::Refused);
    EXPECT_FALSE(tooLong.reason.isEmpty());
}

TEST_F(ListFileOnDisk, ANullInTheNameIsRefusedRatherThanCut) {
    writeBytes(QStringLiteral("a"), "keep");
    const QString name = QStringLiteral("a") + QChar(u'\0') + QStringLiteral("b.txt");
    const Probe probe = probeFile(name);
    EXPECT_EQ(probe.outcome, ProbeOutcome::Refused);
    EXPECT_FALSE(probe.reason.isEmpty());
    EXPECT_TRUE(writeListFile(name, "new").has_value());
    EXPECT_EQ(readBytes(QStringLiteral("a")), "keep");
    EXPECT_EQ(entries(), QStringList{QStringLiteral("a")});
}

TEST_F(ListFileOnDisk, ProbeRefusesAFileInAnUnreadableFolder) {
    if (isRoot()) GTEST_SKIP() << "permission bits do not stop root";
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("locked")));
    writeBytes(QStringLiteral("locked/plan.txt"), "x");
    writeBytes(QStringLiteral("secret.txt"), "x");
    lock(QStringLiteral("locked"), {});
    ASSERT_TRUE(QFile::setPermissions(QStringLiteral("secret.txt"), {}));

    for (const char* name : {"locked/plan.txt", "locked/other.txt", "locked/sub/x.txt"}) {
        const Probe probe = probeFile(QString::fromLatin1(name));
        EXPECT_EQ(probe.outcome, ProbeOutcome::Refused) << name;
        EXPECT_FALSE(probe.reason.isEmpty()) << name;
    }
    EXPECT_EQ(probeFile(QStringLiteral("secret.txt")).outcome, ProbeOutcome::Refused);
}

TEST_F(ListFileOnDisk, WriteCreatesTheFileWithExactBytes) {
    const QByteArray contents = listFileContents(
        q(kScheduleTitle), kScheduleHeader, {QStringLiteral("01.   Month 01\tBal.= 1000\t340")});
    EXPECT_EQ(writeListFile(QStringLiteral("plan.txt"), contents), std::nullopt);
    EXPECT_EQ(readBytes(QStringLiteral("plan.txt")), contents);
    EXPECT_EQ(writeListFile(QStringLiteral(".txt"), contents), std::nullopt);
    EXPECT_EQ(entries(), (QStringList{QStringLiteral(".txt"), QStringLiteral("plan.txt")}));
}

TEST_F(ListFileOnDisk, WriteReplacesTheWholeContentOfAnExistingFile) {
    writeBytes(QStringLiteral("plan.txt"), QByteArray(10000, 'x'));
    EXPECT_EQ(writeListFile(QStringLiteral("plan.txt"), "short\r\n"), std::nullopt);
    EXPECT_EQ(readBytes(QStringLiteral("plan.txt")), "short\r\n");
    EXPECT_EQ(entries(), QStringList{QStringLiteral("plan.txt")});
}

TEST_F(ListFileOnDisk, WriteOntoAFolderFailsAndLeavesItAsItWas) {
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("dir.txt")));
    writeBytes(QStringLiteral("dir.txt/inside"), "x");
    const auto reason = writeListFile(QStringLiteral("dir.txt"), "list\r\n");
    ASSERT_TRUE(reason.has_value());
    EXPECT_FALSE(reason->isEmpty());
    EXPECT_TRUE(QFileInfo(QStringLiteral("dir.txt")).isDir());
    EXPECT_EQ(entries(QStringLiteral("dir.txt")), QStringList{QStringLiteral("inside")});
    EXPECT_EQ(entries(), QStringList{QStringLiteral("dir.txt")});
}

TEST_F(ListFileOnDisk, WriteWhereNoFolderCanBeFailsWithAReason) {
    writeBytes(QStringLiteral("plain.txt"), "x");
    for (const char* name : {"plain.txt/x.txt", "nofolder/x.txt", "/proc/brisanel-list.txt"}) {
        const auto reason = writeListFile(QString::fromLatin1(name), "list\r\n");
        ASSERT_TRUE(reason.has_value()) << name;
        EXPECT_FALSE(reason->isEmpty()) << name;
    }
    EXPECT_EQ(readBytes(QStringLiteral("plain.txt")), "x");
    EXPECT_EQ(entries(), QStringList{QStringLiteral("plain.txt")});
}

TEST_F(ListFileOnDisk, WriteIntoAReadOnlyFolderFailsAndLeavesNoFile) {
    if (isRoot()) GTEST_SKIP() << "permission bits do not stop root";
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("ro")));
    writeBytes(QStringLiteral("ro/plan.txt"), "old");
    lock(QStringLiteral("ro"), QFile::ReadOwner | QFile::ExeOwner);

    const auto fresh = writeListFile(QStringLiteral("ro/new.txt"), "list\r\n");
    ASSERT_TRUE(fresh.has_value());
    EXPECT_FALSE(fresh->isEmpty());
    // Replacing needs a temporary beside the target, which the folder refuses: the old file stays.
    EXPECT_TRUE(writeListFile(QStringLiteral("ro/plan.txt"), "list\r\n").has_value());
    EXPECT_EQ(readBytes(QStringLiteral("ro/plan.txt")), "old");
    EXPECT_EQ(entries(QStringLiteral("ro")), QStringList{QStringLiteral("plan.txt")});
}

// Caps the size of any file this process writes, as a full disk would, until destroyed.
class FileSizeCap {
public:
    explicit FileSizeCap(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = signal(SIGXFSZ, SIG_IGN);
        rlimit capped = saved_;
        capped.rlim_cur = bytes;
        active_ = setrlimit(RLIMIT_FSIZE, &capped) == 0;
    }
    ~FileSizeCap() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        signal(SIGXFSZ, oldHandler_);
    }
    FileSizeCap(const FileSizeCap&) = delete;
    FileSizeCap& operator=(const FileSizeCap&) = delete;
    bool active() const { return active_; }

private:
    rlimit saved_{};
    void (*oldHandler_)(int) = nullptr;
    bool active_ = false;
};

TEST_F(ListFileOnDisk, AWriteThatRunsOutOfSpaceKeepsTheOldFileWhole) {
    const QByteArray old = "the list saved before\r\n";
    writeBytes(QStringLiteral("plan.txt"), old);
    const QByteArray big(64 * 1024, 'y');
    std::optional<QString> reason;
    {
        FileSizeCap cap(4096);
        ASSERT_TRUE(cap.active());
        reason = writeListFile(QStringLiteral("plan.txt"), big);
        EXPECT_TRUE(writeListFile(QStringLiteral("fresh.txt"), big).has_value());
    }
    ASSERT_TRUE(reason.has_value());
    EXPECT_FALSE(reason->isEmpty());
    EXPECT_EQ(readBytes(QStringLiteral("plan.txt")), old);
    // Neither the partial temporary nor a partial new file remains.
    EXPECT_EQ(entries(), QStringList{QStringLiteral("plan.txt")});
}

}  // namespace
}  // namespace brisanel::saving
