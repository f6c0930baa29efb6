#pragma once

#include <QPixmap>

// The window's small pictures, drawn here rather than loaded, so the program needs no files.
namespace brisanel::app::pictures {

/// 32 x 32: a gold coin marked with a percent sign. The window icon and the panels' decoration.
QPixmap coin();

/// 36 x 50: a pocket calculator; `lit` draws the variant that shows under the pointer.
QPixmap calculator(bool lit);

}  // namespace brisanel::app::pictures
