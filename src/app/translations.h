#pragma once

class QCoreApplication;

namespace brisanel::app {

/// Installs the program's English texts, built into it: the forms of the texts that count
/// something, so that they read "1 year" and "2 years". Returns false when they cannot be read.
bool installTranslations(QCoreApplication& application);

}  // namespace brisanel::app
