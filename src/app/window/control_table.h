#pragma once

#include <span>

namespace brisanel::app {

/// How a control looks and what kind of widget it is.
enum class Look {
    Frame,         // QGroupBox
    Input,         // QLineEdit the user types into, dark blue text
    InputGreen,    // an input box for a waiting time, green text
    Result,        // read-only QLineEdit, light green background, red text
    ResultInfo,    // read-only QLineEdit on the tooltip colour, red text, no tab stop
    Header,        // read-only QLineEdit above the details list, left-aligned
    Label,         // QLabel, bold
    LabelRegular,  // QLabel, regular weight
    LabelCentred,  // QLabel, regular weight, centred
    LabelLink,     // QLabel, regular weight, underlined, purple
    SaveLabel,     // the clickable QLabel that saves the list
    Button,        // QPushButton
    Combo,         // pick-only QComboBox
    List,          // QListWidget of the details area
    Picture,       // QLabel showing a picture
};

/// One control of the window. Geometry is in twips, relative to the container's top-left.
struct ControlRow {
    const char* name;  // the object name, array members as "Text1(21)"
    Look look;
    const char* parent;  // the containing frame's name; nullptr for the window's client area
    const char* text;    // caption or initial text
    int left, top, width, height;
    int tabIndex;  // -1 where the control takes no focus
    bool visible = true;
};

/// Every control of the window, in stacking order: a row lies over the rows before it that share
/// its place, and a frame comes before the controls it holds.
std::span<const ControlRow> controlTable();

struct MenuRow {
    const char* name;
    const char* caption;
    bool enabled;
};

/// The menu bar's commands, left to right.
std::span<const MenuRow> menuTable();

}  // namespace brisanel::app
