#pragma once
// A monkey for the editor window: seeded random events - clicks on every control, keys held and
// released, arrows held over timer ticks, catalogue choices, and every dialog answered at random
// (cancel, a wrong file, a good photo, a model) - driven through the window logic over the real
// engine, with the invariants a user relies on checked after each event.
//
// Events are plain values, so a failing list can be shortened (delta debugging) and printed as
// the code of a regression test.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace salon::monkey {

enum class Act {
    Press,      // mouse button down on a control (index names the control, sub its array index)
    Release,    // the held mouse button comes up
    Move,       // the mouse moves while held (or not) over the face view
    Click,      // Press then Release on the same spot
    KeyDown,    // also the keyboard's auto-repeat of a held key
    KeyUp,
    Timer1,     // the arrows' auto-repeat
    Timer2,     // the waiting animation
    CloseBox,   // the window's close box
    Display,    // the display settings change (sub picks the new work area)
};

enum Target {
    Funkce, Sipka, SSipka, Tlac, OblImg, TSipka, QSipka, BarImg, PicStopa, Vzornik, HScroll, Picture1, Picture2,
    TargetCount
};

struct Event {
    Act act = Act::Timer1;
    int target = 0;
    int sub = 0;       // array index of the control; key code for keys
    int button = 1;    // 1 left, 2 right, 4 middle
    int shift = 0;
    int x = 0, y = 0;  // in the control, as a fraction of its size in 1/100
    uint32_t answers = 0;  // seeds the dialogs' answers during this event
    friend bool operator==(const Event&, const Event&) = default;
};

std::string describe(const Event& e);
std::string describe(const std::vector<Event>& events);  // as the code of an initializer list

std::vector<Event> randomEvents(uint32_t seed, size_t count);

struct Failure {
    size_t event = 0;  // index of the event after which the invariant broke
    std::string why;   // which invariant
    std::string text() const;
};

// How far a run got: a monkey that never loads a face tests little.
struct Coverage {
    size_t restarts = 0;          // the program ended (quit, close box) and was started again
    size_t reached = 0;           // events that found their control shown and enabled
    std::vector<size_t> inMode;   // events that ended in each mode (index = mode)
};

// Runs the events on a fresh editor; the first broken invariant, or none. When the program ends,
// it is started again, as the user would.
std::optional<Failure> run(const std::vector<Event>& events, Coverage* coverage = nullptr);

// The shortest sublist (1-minimal: no single event can be left out) that breaks the same
// invariant as the events up to the failure.
std::vector<Event> shrink(std::vector<Event> events, const Failure& failure);

} // namespace salon::monkey
