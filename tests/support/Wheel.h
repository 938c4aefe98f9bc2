#pragma once

class QWidget;

// The mouse wheel as the window system turns it over a widget.
class Wheel {
public:
    // One notch per step, down for positive steps, with the pointer over the
    // widget's centre: delivered as a spontaneous event, so that it may give
    // focus and pass on to the parents as a real turn does.
    static void turn(QWidget* over, int steps = 1);
};
