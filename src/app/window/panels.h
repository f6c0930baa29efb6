#pragma once

#include <span>
#include <string_view>

namespace brisanel::app {

/// One of the four panels: the frame that holds it, the menu command that brings it into view
/// and what that command resets, and what a saved list is called while it is in view and which
/// control saves it.
struct Panel {
    const char* frame;
    const char* command;
    const char* firstBox;              ///< the box the user starts with: the principal
    int outerHeight;                   ///< the window's outer height its command sets, in twips
    std::span<const int> resultBoxes;  ///< emptied by its command, in this order
    bool clearsList;                   ///< its command empties the list and shows Text2 again
    std::string_view title;            ///< of a list saved while it is in view
    std::string_view header;           ///< of a list saved while it is in view
    const char* saveControl;           ///< the button or label that saves the list; may be null
};

/// The panels from the top of the stack down: Frame4, Frame3, Frame2, Frame1.
std::span<const Panel> panels();

}  // namespace brisanel::app
