#include "PaintSession.h"

#include "library/imaging/PixelArrays.h"
#include "platform/PictureFile.h"

#include <algorithm>

namespace pixol::cli {

const char* PaintSession::toolName(Tool t)
{
    static const char* const names[] = {"Brush", "Airbrush", "Lighten", "Darken", "Noise", "Taper", "Stamp",
                                        "Pencil", "Line", "Rectangle", "Ellipse", "Polygon", "Fill"};
    return names[int(t)];
}

PaintSession::PaintSession()
{
    blank(480, 360);
}

void PaintSession::blank(int32_t width, int32_t height)
{
    m_canvas = salon::Surface();
    m_canvas.backColour = 0xFFFFFF;
    m_canvas.setSize(width, height);
    m_canvas.clear();
    m_canvas.keepImage();
    setColour(m_colour);
    setWidth(m_width);
}

bool PaintSession::open(const std::string& path, std::string& error)
{
    auto picture = salon::loadPicture(path);
    if (!picture) {
        error = path + ": " + picture.error();
        return false;
    }
    m_canvas = salon::Surface();
    m_canvas.backColour = 0xFFFFFF;
    m_canvas.setPicture(picture.value().toRgb24());
    setColour(m_colour);
    setWidth(m_width);
    return true;
}

void PaintSession::setTool(Tool t)
{
    m_tool = t;
    m_dragging = false;
    m_pocet = 0;
    choosePointer();
}

void PaintSession::setWidth(int32_t w)
{
    m_width = std::clamp(w, 1, 300);
    m_lib.SObrMode(m_canvas, -1, -1, -1, -1, -1, -1, std::clamp(m_width / 4, 1, 1000));
    choosePointer();
}

void PaintSession::setColour(uint32_t c)
{
    m_colour = c & 0xFFFFFF;
    // Pen and fill of the figure tools follow the brush colour; figures are filled solid.
    m_lib.SObrMode(m_canvas, -1, int32_t(m_colour), int32_t(m_colour), 0);
}

void PaintSession::choosePointer()
{
    // PsObjCursor numbers: the standard cross, or a library cursor (its resource + 10).
    const int32_t r = std::clamp(m_width / 2, 1, 16);
    int32_t pointer = 2;
    if (m_tool < Tool::Stamp) pointer = 19 + r;  // the brush's outline
    else if (m_tool == Tool::Stamp) pointer = 35 + r;  // the outline with the target's cross
    else if (m_tool == Tool::Freehand) pointer = cursors::Pencil + 10;
    else if (m_tool == Tool::Fill) pointer = cursors::Bucket + 10;
    if (!m_lib.PsObjCursor(m_canvas, pointer)) return;
    m_pointer = pointer;
    int32_t resource = 0;
    m_cursor.reset();
    if (m_lib.objectPointer(m_canvas, resource) == 99) m_cursor = cursors::find(resource);
}

bool PaintSession::stroke(int32_t x, int32_t y)
{
    static const int32_t kinds[] = {2, 6, 3, 4, 8, 11};
    int32_t le, te, w, h;
    int32_t done = 0;
    const int32_t bmX = m_canvas.drawableWidth(), bmY = m_canvas.drawableHeight();
    if (m_tool == Tool::Stamp)
        done = m_lib.PsRazitko(m_canvas, m_canvas, bmX, bmY, bmX, bmY, m_coverage, 2, m_width, m_opacity, m_dX, m_dY,
                               m_lastX, m_lastY, x, y, le, te, w, h);
    else
        done = m_lib.PsMalBod(m_canvas, bmX, bmY, m_coverage, kinds[int(m_tool)], m_width, m_opacity,
                              int32_t(m_colour), m_lastX, m_lastY, x, y, le, te, w, h);
    m_lastX = x;
    m_lastY = y;
    return done == 1;
}

bool PaintSession::figure(int32_t stat, int32_t x, int32_t y, int buttons)
{
    const uint8_t typ = uint8_t(int(m_tool) - int(Tool::Freehand) + 1);
    int32_t fillStat = 0, fillRgn = 0, pointer = 0;
    const int32_t r = m_lib.PsMaluj(m_canvas, stat, typ, int16_t(buttons), 0, float(x), float(y), m_axy, m_pocet, 0,
                                    fillStat, fillRgn, pointer);
    return r != 0;
}

bool PaintSession::press(int32_t x, int32_t y, int buttons)
{
    if (m_tool >= Tool::Freehand) return figure(1, x, y, buttons);
    if (m_tool == Tool::Stamp && (buttons & 2)) {
        m_hasSource = true;
        m_sourceX = x;
        m_sourceY = y;
        return false;
    }
    if (m_tool == Tool::Stamp && !m_hasSource) return false;
    if (m_tool == Tool::Stamp) {
        m_dX = m_sourceX - x;
        m_dY = m_sourceY - y;
    }
    // A new drag: a clean coverage array, so this stroke may paint over the last one.
    m_coverage.erase();
    m_dragging = true;
    m_lastX = x;
    m_lastY = y;
    return stroke(x, y);
}

bool PaintSession::move(int32_t x, int32_t y, int buttons)
{
    if (m_tool >= Tool::Freehand) return figure(2, x, y, buttons);
    if (!m_dragging || (x == m_lastX && y == m_lastY)) return false;
    return stroke(x, y);
}

bool PaintSession::release(int32_t x, int32_t y, int buttons)
{
    if (m_tool >= Tool::Freehand) return figure(3, x, y, buttons);
    const bool changed = m_dragging && (x != m_lastX || y != m_lastY) && stroke(x, y);
    m_dragging = false;
    return changed;
}

} // namespace pixol::cli
