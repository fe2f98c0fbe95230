// The zoom and pan buttons that repeat while held, in the drawing window and the preview dialogs: a counter per
// button, 1 when pressed and 0 when released. Each tick of the main window's timer counts a held button on; from
// its third tick held, the button's command runs again on every tick.
#pragma once

#include <QAbstractButton>

#include <array>
#include <cstddef>

// The button's press and release set its counter.
inline void ConnectHeld(QAbstractButton* button, int& counter)
{
    QObject::connect(button, &QAbstractButton::pressed, button, [&counter] { counter = 1; });
    QObject::connect(button, &QAbstractButton::released, button, [&counter] { counter = 0; });
}

// One tick: run(index) for each button held long enough, the others held counted on.
template <std::size_t N, class Run>
void TickHeld(std::array<int, N>& counters, Run run)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (counters[i] > 2)
            run(static_cast<int>(i));
        else if (counters[i] > 0)
            ++counters[i];
    }
}
