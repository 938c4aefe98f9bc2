#pragma once

#include "shell/AxisRecord.h"
#include "shell/Globals.h"

#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QStringList>


class ListControl;
class QWidget;

// What a setup form shows and holds for its current axis when a choice's
// handler starts, so that a choice the user takes back at the
// incompatibility question leaves nothing behind: every control of the form
// (entries and selection, text, picture, shown and enabled), the axis record,
// the last choices and the controller and drive/controller systems. The chosen list is taken with the
// selection that the choice replaced.
class AxisSnapshot {
public:
    explicit AxisSnapshot(const ListControl* chosen);
    AxisSnapshot(const AxisSnapshot&) = delete;
    AxisSnapshot& operator=(const AxisSnapshot&) = delete;

    // The choice cannot stand: asks whether to reset the axis of that kind of
    // incompatibility ("Drive" or "Controller") and, unless the answer reset
    // it, puts everything back as it was, running no handler. True when the
    // axis was reset (with resetCurrentAxis false: when the user said Yes,
    // the caller resetting what does not fit). A replay (Loading_Project) asks
    // nothing: it puts everything back and throws std::runtime_error.
    bool refuse(const QString& kind, bool resetCurrentAxis = true) const;
    // Puts everything back as it was, running no handler: a choice the
    // catalogue cannot complete is not taken.
    void restore() const;

private:
    struct Control {
        QPointer<QWidget> widget;
        bool hidden = false;
        bool enabled = true;
        QString text;
        QStringList entries;
        int index = -1;
        QPixmap picture;
    };

    void take(QWidget* parent, const ListControl* chosen);

    QList<Control> m_controls;
    AxisRecord m_record;
    QStringList m_lastChoices;
    Globals::ControllerSystem m_controller;
    Globals::DriveControllerSystem m_driveController;
};
