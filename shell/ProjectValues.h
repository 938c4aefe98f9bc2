#pragma once

#include "shell/AxisRecord.h"
#include "shell/Globals.h"

#include <array>
#include <tuple>

// Every value of a project: the axis records and both kinds' systems, taken
// and put back whole, so that another state of the project (as its file holds
// it) can be set beside the one the program holds.
struct ProjectValues {
    std::array<AxisRecord, std::tuple_size_v<decltype(Globals::Axis)>> axes;
    Globals::ControllerSystem controller;
    Globals::DriveControllerSystem driveController;

    // What the program holds now.
    static ProjectValues current()
    {
        return {Globals::Axis, Globals::sharedState.controller, Globals::sharedState.driveController};
    }
    // Exchanges these values with the program's.
    void exchange()
    {
        std::swap(axes, Globals::Axis);
        std::swap(controller, Globals::sharedState.controller);
        std::swap(driveController, Globals::sharedState.driveController);
    }
};
