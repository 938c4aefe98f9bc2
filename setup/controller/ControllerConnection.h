#pragma once

#include "setup/controller/ControllerControls.h"

#include <QString>

struct AxisRecord;

// The connection between the chosen controller and the current axis' drive:
// the required (breakout) accessory with its ports and cable length, the
// controller-to-drive cable with its length and notes, the drive-specific
// controller accessory, and the connection text that shows them. The
// controller and drive choices build it; its three lists have their own
// handlers here.
class ControllerConnection {
public:
    explicit ControllerConnection(const ControllerControls& controls);
    ControllerConnection(const ControllerConnection&) = delete;
    ControllerConnection& operator=(const ControllerConnection&) = delete;

    // A breakout base part with the chosen ports: a seventh character "n"
    // stands for the count, any other keeps the first seven characters;
    // "-XX" ends the cable's name.
    static QString completeBreakout(const QString& base, const QString& ports);
    // [All Controllers].[Required Accessory] of the controller; empty without a
    // row. Throws DatabaseFault when its row holds Null.
    static QString requiredAccessoryOf(const QString& controller);
    // The controllers [Controllers] lists, in name order: the only ones the
    // form takes, whichever list offers them, as the file's reopening does.
    static QStringList controllers();
    // Whether [Controller to Drive] pairs the two.
    static bool fits(const QString& controller, const QString& drive);
    // Whether an axis goes with the controller as its replay holds it: its
    // drive fits, or without a drive some drive of its motor series does.
    static bool takes(const QString& controller, const AxisRecord& record);

    // A TNL breakout: a part only once its ports and length are chosen.
    static bool isBreakout(const QString& accessory);
    // The breakout's part number as the system holds it, however it got
    // there: the controller's required accessory once an axis of the system
    // has a drive, a TNL breakout only with its ports and length chosen.
    static QString breakoutPartNumber();
    // The connection text txtController shows for the system's breakout and
    // the current axis' cable.
    static QString text();
    // Required_Accessory_Part_Number as breakoutPartNumber gives it, and
    // txtController from it and the current axis' cable.
    void writeText() const;
    // A new controller: the former one's breakout (Stage::Breakout) goes, and
    // its lists; the connection text shows it gone.
    void forgetBreakout() const;
    // Ports the controller does not offer, and the length chosen with them,
    // go: the list is left for the user. Also while a replay keeps values,
    // which a drop of the breakout's stage would not empty then.
    static void forgetPorts();
    // The controller's required accessory stands for a system whose axes
    // have drives, also while the current axis has none.
    void requireAccessoryOf(const QString& controller) const;
    // The same once the current axis has no drive, when another axis has one.
    void serveOtherAxes(const QString& controller) const;
    // The axis' cable, its notes and its drive-specific accessory for the
    // controller and the drive; the length stays for the same cable (and in a
    // replay). Throws DatabaseFault for a pair whose cable or accessory is
    // Null or whose cable has a row without its length, before any change, or
    // for a length without its part number, once the axis changed.
    static void connect(int axis, const QString& controller, const QString& drive);
    // An incompatible drive: the connection area and both configure buttons
    // go, and so do the required accessory with its breakout and the axis'
    // connection (Stage::ControllerConnection).
    void refuse() const;
    // Reads the controller's required accessory and the axis' cable, notes and
    // drive-specific accessory for the chosen controller and the drive, lists
    // the breakout ports (keeping the system's chosen ones) and the cable
    // lengths, selecting a list's only entry, and shows the connection text.
    void build(const QString& drive) const;

    void portsClick() const;
    void breakoutLengthClick() const;
    void cableLengthClick() const;

    // The controller's breakout port counts, when its required accessory is a
    // TNL breakout (a single count is chosen at once); else the breakout lists
    // hide. Throws DatabaseFault for a breakout whose rows offer no count
    // because they hold none.
    void listPorts() const;

private:
    void listCableLengths() const;

    const ControllerControls& m_c;
};
