#pragma once
// The control model: the editor's windows as plain structs of controls holding exactly the
// properties its handlers read and write. The handlers change these values; the Qt view draws
// them and forwards events back. Nothing here knows about a toolkit.
//
// Units: positions and sizes are window pixels (the window layout is given in twips and converted
// at 15 twips a pixel before it gets here). A picture id is a resource bitmap number (0 = none).
#include "platform/Bitmap.h"
#include "platform/Ui.h"

#include <cstdint>
#include <string>
#include <vector>

namespace salon {

struct Control {
    bool Visible = true;
    bool Enabled = true;
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    std::string ToolTipText;
};

// An image control used as a button: BorderStyle 1 is the pressed look, 0 the released one.
struct ImageButton : Control {
    int BorderStyle = 0;
    int32_t Picture = 0;
};

// A picture box bound to a surface of the engine's table (or -1 when it owns none).
struct PictureBox : Control {
    int surface = -1;
    Bitmap picture;  // what the box shows when it has no surface
    Cursor MousePointer = Cursor::Default;
};

// An image control that shows a picture it owns, stretched over its size.
struct ImageControl : Control {
    Bitmap picture;
};

struct Timer {
    int32_t Interval = 0;
    bool Enabled = false;
};

struct ListBox : Control {
    std::vector<std::string> items;
    int32_t ListIndex = -1;
};

struct ScrollBar : Control {
    int32_t Min = 0;
    int32_t Max = 0;
    int32_t Value = 0;
    int32_t SmallChange = 1;
    int32_t LargeChange = 1;
};

struct CommandButton : Control {
    std::string Caption;
};

// A line of text over the window; hidden until it has something to say.
struct Label : Control {
    Label() { Visible = false; }
    std::string Caption;
};

} // namespace salon
