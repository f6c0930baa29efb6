#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <string_view>

#include "details/text_lines.h"

// Writing the details list to a plain text file. The window asks for the name and shows the
// messages, the command line takes them from its options; this unit runs the save for both:
// it forms the name, probes for an existing file and writes the bytes.
namespace brisanel::saving {

/// Title lines: the first for reducing-balance schedules, the second for the growth table.
inline constexpr std::string_view kScheduleTitle = "DETAILS OF REDUCING BALANCE";
inline constexpr std::string_view kGrowthTitle = "DETAILS OF INTEREST AMOUNT INCREASE";

/// The texts of the save, letter for letter.
inline constexpr std::string_view kNamePrompt = "Write a valid file name:";
inline constexpr std::string_view kInvalidName = "Invalid file name, choose different file name.";
inline constexpr std::string_view kNotSaved = "List not saved, recommended to try again.";
inline constexpr std::string_view kSaved = "Congratulations, your current list is saved.";

/// The question asked before an existing file is replaced (two lines, CR LF between them).
QString replaceQuestion(const QString& fileName);

/// One sentence naming the file and why it could not be probed or written.
QString saveFailedMessage(const QString& fileName, const QString& reason);

/// The typed text with ".txt" appended, always: "plan.txt" becomes "plan.txt.txt", "" ".txt".
QString fileNameFor(const QString& typed);

/// What a saved list holds besides its lines.
struct ListFile {
    std::string_view title;   ///< kScheduleTitle or kGrowthTitle
    std::string_view header;  ///< the column header above the lines
    const details::TextLines& lines;
};

/// The whole file: title, empty line, header, empty line, every list line unchanged (tabs
/// included), an empty line and an empty closing line; each line ends in CR LF. The texts are
/// plain ASCII and are written byte for byte, with no byte-order mark.
QByteArray listFileContents(const ListFile& file);

enum class ProbeOutcome {
    Exists,         ///< a plain file that opens for reading: ask before replacing it
    Missing,        ///< no such file, but its folder exists: write it
    MissingFolder,  ///< the folder part names no folder: the name is invalid
    Refused,        ///< anything else; the reason says what
};

struct Probe {
    ProbeOutcome outcome;
    QString reason;  ///< filled for Refused (no access, a folder, a name the system refuses...)
};

/// Learns whether the file exists by opening it for reading and closing it at once, reading
/// nothing. Relative names are relative to the current working directory. Only plain files are
/// opened, so a pipe or device of that name cannot hold the caller up.
Probe probeFile(const QString& fileName);

/// Writes the contents to a temporary file beside the target and moves it over the target only
/// once every byte is written and flushed, so a failure leaves an existing file as it was and no
/// partial file behind. Returns std::nullopt on success, else the reason.
std::optional<QString> writeListFile(const QString& fileName, const QByteArray& contents);

/// How a save ended, for the one message that says so.
enum class SaveNotice {
    InvalidName,  ///< the folder part names no folder: kInvalidName
    Failed,       ///< probing or writing failed: saveFailedMessage
    NotSaved,     ///< no name, or the user would not replace the existing file: kNotSaved
    Saved,        ///< kSaved
};

/// What a save asks and tells: the window answers with its dialogs, the command line with its
/// options and standard error.
class SaveConversation {
public:
    virtual ~SaveConversation() = default;
    /// Whether the existing file may be replaced; asked before anything is written.
    virtual bool replaceExisting(const QString& fileName) = 0;
    /// Tells how the save ended; called exactly once.
    virtual void tell(SaveNotice notice, const QString& text) = 0;
};

/// Saves the list under the typed name with ".txt" appended: probes for the file, asks before
/// replacing one, writes it whole or not at all, and tells how it went. An empty name (the
/// prompt cancelled) saves nothing and tells NotSaved. Returns true when saved.
bool saveList(const QString& typedName, const ListFile& file, SaveConversation& conversation);

}  // namespace brisanel::saving
