// Editor::mouseDown / mouseUp: a press on a control, handed to the control's handler.
#include "editor/shell/Editor.h"

namespace salon {

namespace {

void call(const MouseHandler& handler, int index, int button, int shift, int x, int y)
{
    if (handler) handler(index, button, shift, x, y);
}

} // namespace

void Editor::mouseDown(ControlGroup group, int index, int button, int shift, int x, int y)
{
    auto& c = commands;
    switch (group) {
    case ControlGroup::Funkce: Funkce_MouseDown(index, button, shift, x, y); break;
    case ControlGroup::Sipka: Sipka_MouseDown(index, button, shift, x, y); break;
    case ControlGroup::SSipka: SSipka_MouseDown(index, button, shift, x, y); break;
    case ControlGroup::Tlac: Tlac_MouseDown(index, button, shift, x, y); break;
    case ControlGroup::OblImg: OblImg_MouseDown(index, button, shift, x, y); break;
    case ControlGroup::TSipka: call(c.TSipka_MouseDown, index, button, shift, x, y); break;
    case ControlGroup::QSipka: call(c.QSipka_MouseDown, index, button, shift, x, y); break;
    case ControlGroup::BarImg: call(c.BarImg_MouseDown, index, button, shift, x, y); break;
    case ControlGroup::PicStopa: call(c.PicStopa_MouseDown, 0, button, shift, x, y); break;
    case ControlGroup::Vzornik: call(c.Vzornik_MouseDown, 0, button, shift, x, y); break;
    case ControlGroup::Picture1: Picture1_MouseDown(button, shift, x, y); break;
    case ControlGroup::Picture2: call(c.Picture2_MouseDown, 0, button, shift, x, y); break;
    case ControlGroup::None: break;
    }
}

// Only these controls act on release; the others finish on their press.
void Editor::mouseUp(ControlGroup group, int index, int button, int shift, int x, int y)
{
    auto& c = commands;
    switch (group) {
    case ControlGroup::Funkce: Funkce_MouseUp(index, button, shift, x, y); break;
    case ControlGroup::Sipka: Sipka_MouseUp(index, button, shift, x, y); break;
    case ControlGroup::SSipka: SSipka_MouseUp(index, button, shift, x, y); break;
    case ControlGroup::Tlac: Tlac_MouseUp(index, button, shift, x, y); break;
    case ControlGroup::OblImg: OblImg_MouseUp(index, button, shift, x, y); break;
    case ControlGroup::TSipka: call(c.TSipka_MouseUp, index, button, shift, x, y); break;
    case ControlGroup::QSipka: call(c.QSipka_MouseUp, index, button, shift, x, y); break;
    case ControlGroup::BarImg: call(c.BarImg_MouseUp, index, button, shift, x, y); break;
    case ControlGroup::Picture1: Picture1_MouseUp(button, shift, x, y); break;
    default: break;
    }
}

} // namespace salon
