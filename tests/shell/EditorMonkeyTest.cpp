// The monkey over the editor window: a seeded run of random events in every test run, and the
// shortest event lists of the faults it found, kept as regression tests.
#include "EditorMonkey.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string>

using namespace salon::monkey;

namespace {

size_t fromEnvironment(const char* name, size_t fallback)
{
    const char* v = std::getenv(name);
    return v && *v ? size_t(std::strtoull(v, nullptr, 10)) : fallback;
}

void expectNoFailure(const std::vector<Event>& events)
{
    const auto failure = run(events);
    EXPECT_FALSE(failure) << failure->text();
}

} // namespace

// SALON_MONKEY_EVENTS and SALON_MONKEY_SEED change the run (the long run sets 100,000 events).
TEST(EditorMonkey, SeededRandomEventsKeepEveryInvariant)
{
    const size_t count = fromEnvironment("SALON_MONKEY_EVENTS", 10000);
    const uint32_t seed = uint32_t(fromEnvironment("SALON_MONKEY_SEED", 20261207));
    const std::vector<Event> events = randomEvents(seed, count);
    const auto start = std::chrono::steady_clock::now();
    Coverage coverage;
    const auto failure = run(events, &coverage);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::string modes;
    for (size_t m = 0; m < coverage.inMode.size(); ++m)
        if (coverage.inMode[m]) modes += " " + std::to_string(m) + ":" + std::to_string(coverage.inMode[m]);
    std::cout << count << " events in " << seconds << " s, " << coverage.reached << " reached their control, "
              << coverage.restarts << " restarts; events per mode" << modes << '\n';
    // A monkey that never gets past the empty window tests nothing.
    EXPECT_GT(coverage.reached, count / 5);
    if (count >= 1000)
        for (int mode : {2, 4, 5, 6, 9, 10, 12, 13}) EXPECT_GT(coverage.inMode[size_t(mode)], 0u) << "mode " << mode;
    if (!failure) return;
    const std::vector<Event> shortest = shrink(events, *failure);
    ADD_FAILURE() << "seed " << seed << ", " << failure->text() << "\nshortest events that reproduce it ("
                  << shortest.size() << "):\n" << describe(shortest);
}

// An arrow key held in move mode while a new model came in from the catalogue: the repeat went on
// in mode 2 and moved the face with no undo entry, under a panel without arrows.
TEST(EditorMonkeyFound, ANewModelEndsTheRepeatOfAHeldArrowKey)
{
    expectNoFailure({
        {Act::Click, Funkce, 1, 1, 4, 92, 35, 2351486677u},
        {Act::Press, Funkce, 9, 1, 3, 82, 5, 1890535925u},
        {Act::Release, Tlac, 0, 2, 1, 11, 21, 691302181u},
        {Act::Click, Funkce, 11, 1, 0, 16, 38, 162320459u},
        {Act::KeyDown, Funkce, 38, 1, 0, 78, 51, 2627066943u},
        {Act::Click, Funkce, 1, 1, 0, 94, 32, 2631372944u},
        {Act::Timer1, Picture2, 0, 1, 3, 5, 19, 3218556884u},
    });
}

// The mode-change question answered No keeps the mode; the clicked command's button was left
// pressed when a right-click help or a middle click had released the mode's own button first.
TEST(EditorMonkeyFound, ANoToTheQuestionReleasesTheClickedButton)
{
    // Right-click help on the stamp button in mode 4, then scale, answered No.
    expectNoFailure({
        {Act::Click, Funkce, 9, 1, 3, 26, 55, 1210524930u},
        {Act::Click, Funkce, 1, 1, 0, 51, 29, 3828381396u},
        {Act::Click, Funkce, 2, 1, 4, 22, 11, 1327975261u},
        {Act::Click, Funkce, 4, 2, 4, 40, 2, 1658341162u},
        {Act::Click, Funkce, 10, 1, 0, 34, 8, 3843512368u},
    });
    // A middle click on rotation in mode 5, then deformation, answered No.
    expectNoFailure({
        {Act::Click, Funkce, 9, 1, 4, 68, 59, 844142483u},
        {Act::Click, Funkce, 1, 1, 0, 19, 12, 3991231765u},
        {Act::Click, Funkce, 3, 1, 2, 78, 81, 2085855594u},
        {Act::Press, Funkce, 14, 4, 3, 91, 4, 2722774606u},
        {Act::Release, Picture1, 0, 1, 4, 17, 6, 4198867111u},
        {Act::Click, Funkce, 13, 1, 0, 13, 60, 1873083505u},
    });
}

// A damaged model chosen after a good one: the good one stays loaded, and so must its name.
TEST(EditorMonkeyFound, ADamagedModelLeavesTheNameOfTheModelShown)
{
    expectNoFailure({
        {Act::Click, Funkce, 1, 1, 0, 14, 10, 3535371908u},
        {Act::Click, Funkce, 1, 1, 4, 59, 82, 1303136507u},
    });
}

// The scale mode's reset evens out the two scales. After the small photo was made narrow with held
// keys and short with clicks, the even scale gave it a side under 8 pixels, which no arrow allows.
TEST(EditorMonkeyFound, EvenedScalesStayWithinWhatTheArrowsAllow)
{
    expectNoFailure({
        {Act::Click, Funkce, 1, 1, 0, 34, 43, 938304372u},
        {Act::Click, Funkce, 9, 1, 0, 11, 70, 181987631u},
        {Act::Click, Funkce, 10, 1, 4, 68, 13, 3423236312u},
        {Act::KeyDown, Funkce, 37, 2, 0, 60, 38, 3567065523u},
        {Act::Timer1, QSipka, 0, 1, 0, 0, 89, 1791123802u},
        {Act::KeyUp, SSipka, 37, 1, 0, 74, 82, 1077135974u},
        {Act::KeyDown, Picture2, 109, 1, 0, 41, 0, 1320359112u},
        {Act::Timer1, Picture1, 0, 1, 0, 41, 91, 3674796113u},
        {Act::Timer1, PicStopa, 0, 2, 1, 22, 81, 3290195389u},
        {Act::KeyUp, Sipka, 109, 1, 0, 95, 2, 506817973u},
        {Act::KeyDown, Funkce, 45, 4, 3, 39, 100, 4077995490u},
        {Act::Timer1, Sipka, 4, 1, 3, 95, 63, 775539235u},
        {Act::Timer1, Funkce, 3, 4, 0, 62, 45, 2839235405u},
        {Act::Timer1, Funkce, 15, 1, 0, 52, 80, 1558147613u},
        {Act::Timer1, BarImg, 0, 1, 4, 23, 30, 588204685u},
        {Act::Timer1, SSipka, 3, 1, 0, 57, 56, 3195562670u},
        {Act::Timer1, Picture2, 0, 1, 0, 38, 54, 345753618u},
        {Act::Timer1, HScroll, 0, 1, 0, 80, 43, 3854166157u},
        {Act::Timer1, TSipka, 3, 2, 0, 68, 11, 962854464u},
        {Act::Click, SSipka, 1, 1, 0, 7, 53, 2014467988u},
        {Act::KeyUp, Funkce, 45, 2, 0, 91, 63, 3306901994u},
        {Act::KeyDown, Picture1, 45, 2, 4, 55, 8, 1976185102u},
        {Act::Click, Sipka, 4, 1, 0, 32, 75, 3196097934u},
        {Act::Click, Sipka, 4, 1, 0, 95, 67, 1118971048u},
        {Act::Click, Tlac, 0, 1, 2, 65, 21, 828818936u},
    });
}
