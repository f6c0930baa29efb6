#pragma once

#include <QFont>

// The window's two fonts. Where a family is not installed, the first installed one of a short list
// of close families stands in for it.
namespace brisanel::app::fonts {

/// "MS Sans Serif" 8.25 pt: the window, its frames, buttons and labels.
QFont window();

/// "Comic Sans MS" 9.75 pt bold: the text boxes and the details list.
QFont boxes();

}  // namespace brisanel::app::fonts
