#pragma once

// What a value of the project, or an open window, derives from: the choice
// that, made anew, leaves it standing for nothing. The stages form a tree from
// the project down to an axis' curve (Dependents::parents); the motor details
// hang below both the drive and the series, which may be chosen in either
// order. A value at a stage goes when that stage or one above it is dropped.
enum class Stage {
    // File > Open, Close, New: the whole project and its every window.
    Project,
    // Reset: the system and every axis.
    System,
    // The controller of a controller system, and below it what another
    // controller leaves standing for nothing: its breakout and its options.
    Controller,
    // The breakout: its accessory, the ports chosen for it, then the cable
    // length chosen for those ports and the part number they give.
    Breakout,
    BreakoutPorts,
    BreakoutLength,
    ControllerOptions,
    // What the options name once the last level is chosen (part number,
    // readiness for expansion cards): any option level chosen anew withdraws it.
    ControllerResult,
    // The accessories chosen for a configuration: any option level chosen anew
    // leaves the accessory dialog open for it standing for nothing, and a
    // level above the last the choice too.
    ControllerAccessories,
    // One axis: Reset Axis, the axis copied over, the axis the form leaves.
    Axis,
    Technology,
    // The drive (or drive/controller), and below it its own configuration:
    // accessories, drive/controller options and the controller connection.
    Drive,
    DriveConfiguration,
    DriveControllerResult,
    DriveControllerAccessories,
    // The axis' connection to the controller: its cable with the length, part
    // number and notes, and the drive-specific controller accessory. A drive
    // the controller does not take leaves it standing for nothing.
    ControllerConnection,
    // The length chosen for that cable and the part number it gives.
    ControllerCableLength,
    // What only a file carries for an axis' drive (a required drive
    // accessory): a drive chosen anew keeps it while it offers it too.
    DriveOffer,
    Series,
    // The motor details in cascade order, below both the drive and the series.
    FrameSize,
    StackLength,
    Winding,
    FourthList,
    FifthList,
    CableOption,
    // The motor option with its gearhead, then what the motor's row gives.
    MotorOption,
    MotorResult,
    MotorCableLength,
    FeedbackCableLength,
    Voltage,
    Wiring,
    // The drive code the voltage (and a stepper's wiring) gives, the
    // drive/controller's part number it builds with the options' result, and
    // the curve drawn for the drive code.
    DriveCode,
    DriveControllerPartNumber,
    Curve,
};
