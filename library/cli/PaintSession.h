#pragma once
// The painting demo's document and tools, free of any window: the view forwards mouse events in
// picture coordinates and redraws the canvas. Every tool goes through the library's own methods:
// brush kinds through PsMalBod (one coverage array per drag, so joints are painted once), the
// clone stamp through PsRazitko (the source point chosen with the right button, kept at the same
// offset for the whole drag), and the figure tools through PsMaluj.
#include "library/Pixolf.h"
#include "library/imaging/LibraryCursors.h"

#include <cstdint>
#include <optional>
#include <string>

namespace pixol::cli {

class PaintSession {
public:
    enum class Tool { Brush, Airbrush, Lighten, Darken, Noise, Taper, Stamp, Freehand, Line, Rectangle, Ellipse,
                      Polygon, Fill };
    static constexpr int ToolCount = 13;
    static const char* toolName(Tool t);

    PaintSession();
    // A picture file as the canvas; false (and a message) when it cannot be read.
    bool open(const std::string& path, std::string& error);
    void blank(int32_t width, int32_t height);

    salon::Surface& canvas() { return m_canvas; }
    Tool tool() const { return m_tool; }
    void setTool(Tool t);
    int32_t width() const { return m_width; }
    void setWidth(int32_t w);
    uint32_t colour() const { return m_colour; }
    void setColour(uint32_t c);
    float opacity() const { return m_opacity; }
    void setOpacity(float o) { m_opacity = o; }
    // The stamp's source point, set by a right-button press with the stamp tool.
    bool hasSource() const { return m_hasSource; }

    // Buttons: 1 left, 2 right. Each returns true when the canvas changed.
    bool press(int32_t x, int32_t y, int buttons);
    bool move(int32_t x, int32_t y, int buttons);
    bool release(int32_t x, int32_t y, int buttons);

    // The pointer chosen for the tool through the library (PsObjCursor number), and for the
    // library's own cursors (20-80) the cursor itself, for the view to show.
    int32_t pointer() const { return m_pointer; }
    const std::optional<cursors::Cursor>& cursor() const { return m_cursor; }

private:
    bool stroke(int32_t x, int32_t y);
    bool figure(int32_t stat, int32_t x, int32_t y, int buttons);
    void choosePointer();

    Pixolf m_lib;
    salon::Surface m_canvas;
    ByteArray m_coverage;
    LongArray m_axy;
    int32_t m_pocet = 0;
    Tool m_tool = Tool::Brush;
    int32_t m_width = 16;
    uint32_t m_colour = 0x2040C0;
    float m_opacity = 0.8f;
    bool m_dragging = false;
    int32_t m_lastX = 0, m_lastY = 0;
    bool m_hasSource = false;
    int32_t m_sourceX = 0, m_sourceY = 0, m_dX = 0, m_dY = 0;
    int32_t m_pointer = 0;
    std::optional<cursors::Cursor> m_cursor;
};

} // namespace pixol::cli
