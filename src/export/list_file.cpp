#include "export/list_file.h"

#include <QFile>
#include <QSaveFile>
#include <filesystem>
#include <system_error>

namespace brisanel::saving {

namespace fs = std::filesystem;

namespace {

// The system would cut such a name at the null and act on another file.
bool holdsNull(const QString& fileName) {
    return fileName.contains(QChar(u'\0'));
}

const char* const kNullInName = "The name holds a null character";

fs::path pathOf(const QString& fileName) {
    return fs::path(fileName.toStdU16String());
}

QString reasonOf(const std::error_code& error) {
    return QString::fromLocal8Bit(error.message().c_str());
}

// The file is not there: the folder part decides between writing and an invalid name.
Probe probeFolderOf(const fs::path& path) {
    fs::path folder = path.parent_path();
    if (folder.empty()) folder = ".";
    std::error_code error;
    const fs::file_status status = fs::status(folder, error);
    if (fs::is_directory(status)) return {ProbeOutcome::Missing, {}};
    // Not there at all, or a file standing where a folder should be.
    if (status.type() == fs::file_type::not_found || fs::exists(status)) {
        return {ProbeOutcome::MissingFolder, {}};
    }
    return {ProbeOutcome::Refused, reasonOf(error)};
}

}  // namespace

QString replaceQuestion(const QString& fileName) {
    return QStringLiteral("You are already having a file with the name ") + fileName +
           QStringLiteral(" in the default folder.") + QStringLiteral("\r\n") +
           QStringLiteral("Would you still like to save by and replace the original file?");
}

QString saveFailedMessage(const QString& fileName, const QString& reason) {
    QString why = reason.trimmed();
    while (why.endsWith(u'.')) why.chop(1);
    if (why.isEmpty()) why = QStringLiteral("unknown error");
    return QStringLiteral("The list could not be saved to ") + fileName + QStringLiteral(": ") +
           why + QStringLiteral(".");
}

QString fileNameFor(const QString& typed) {
    return typed + QStringLiteral(".txt");
}

QByteArray listFileContents(const ListFile& file) {
    QByteArray bytes;
    const auto append = [&bytes](std::string_view line) {
        bytes.append(line.data(), static_cast<qsizetype>(line.size()));
        bytes.append("\r\n");
    };
    append(file.title);
    append({});
    append(file.header);
    append({});
    for (std::string_view line : file.lines) append(line);
    append({});  // the empty line after the list
    append({});  // the closing line, empty
    return bytes;
}

Probe probeFile(const QString& fileName) {
    if (holdsNull(fileName)) return {ProbeOutcome::Refused, QString::fromLatin1(kNullInName)};

    const fs::path path = pathOf(fileName);
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found) return probeFolderOf(path);
    if (error) return {ProbeOutcome::Refused, reasonOf(error)};
    if (fs::is_directory(status)) {
        return {ProbeOutcome::Refused, QStringLiteral("The name is that of a folder")};
    }
    // Opening a pipe for reading would wait for a writer; a device is no place for a list.
    if (!fs::is_regular_file(status)) {
        return {ProbeOutcome::Refused, QStringLiteral("The name is not that of a plain file")};
    }

    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return {ProbeOutcome::Refused, file.errorString()};
    file.close();
    return {ProbeOutcome::Exists, {}};
}

std::optional<QString> writeListFile(const QString& fileName, const QByteArray& contents) {
    if (holdsNull(fileName)) return QString::fromLatin1(kNullInName);

    QSaveFile file(fileName);
    // Writing straight into the target could leave it half written.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    if (file.write(contents) != contents.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    // Flushes, syncs and renames over the target; on failure the temporary file is removed.
    if (!file.commit()) return file.errorString();
    return std::nullopt;
}

bool saveList(const QString& typedName, const ListFile& file, SaveConversation& conversation) {
    // A cancelled prompt gives no name either; ".txt" alone would be a hidden file.
    if (typedName.isEmpty()) {
        conversation.tell(SaveNotice::NotSaved, QString::fromUtf8(kNotSaved));
        return false;
    }
    const QString fileName = fileNameFor(typedName);
    const Probe probe = probeFile(fileName);
    switch (probe.outcome) {
        case ProbeOutcome::MissingFolder:
            conversation.tell(SaveNotice::InvalidName, QString::fromUtf8(kInvalidName));
            return false;
        case ProbeOutcome::Refused:
            conversation.tell(SaveNotice::Failed, saveFailedMessage(fileName, probe.reason));
            return false;
        case ProbeOutcome::Exists:
            if (!conversation.replaceExisting(fileName)) {
                conversation.tell(SaveNotice::NotSaved, QString::fromUtf8(kNotSaved));
                return false;
            }
            break;
        case ProbeOutcome::Missing:
            break;
    }
    if (const auto error = writeListFile(fileName, listFileContents(file))) {
        conversation.tell(SaveNotice::Failed, saveFailedMessage(fileName, *error));
        return false;
    }
    conversation.tell(SaveNotice::Saved, QString::fromUtf8(kSaved));
    return true;
}

}  // namespace brisanel::saving
