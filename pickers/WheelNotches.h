#pragma once
// The pickers' wheel handling: whole notches only. A high-resolution wheel or
// a touchpad accumulates until one notch's worth has turned; each notch goes
// to the up or down handler, which says whether it used it.
#include <QWheelEvent>

#include <cstdlib>

// up and down are called as f(bool& handled); returns whether any notch was handled.
template <class Up, class Down>
bool DispatchWheelNotches(int& accumulator, const QWheelEvent* e, Up up, Down down)
{
    accumulator += e->angleDelta().y();
    bool handled = false;
    const int step = QWheelEvent::DefaultDeltasPerStep;
    while (std::abs(accumulator) >= step) {
        const bool isDown = accumulator < 0;
        accumulator += isDown ? step : -step;
        bool h = false;
        if (isDown)
            down(h);
        else
            up(h);
        handled = handled || h;
    }
    return handled;
}
