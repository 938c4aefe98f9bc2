#pragma once

#include "setup/common/CascadeControls.h"
#include "setup/common/CascadeRules.h"
#include "shell/Form.h"
#include "shell/SetupForm.h"
#include "shell/SetupKinds.h"

#include <functional>
#include <memory>

class CableLengthStep;
class DriveChoiceStep;
class DriveVoltageStep;
class ListControl;
class MotorOptionsStep;
class QPushButton;
class ResultArea;
class SelectionCascade;

// The frame every setup form shares, so that a form holds only its own lists
// and rules. A form
// - derives from this class and passes its kind (SetupKinds: the kind gives
//   the form's name, its options dialog and its caption in the New menu), its
//   own caption and its size in twips;
// - builds its controls in its constructor (FormControls makes them) into
//   m_controls, sets m_rules and m_cascade, wires the cascade with
//   wireCascade and its own lists and buttons with onClick;
// - implements Reset (calling closeDatabase first and Open_Database later),
//   Save_String, Update_Accessories_Display and replayProject.
// This class does the rest, the same for every kind:
// - the lists the gearhead dialog writes into (cmbShaft_options, cmbOptions)
//   and the curve button: the current axis' curve.
// - Load: the form at the main window's top left in its size, Current_Axis 1,
//   Reset, Current_Form its name, System_Type its kind.
// - Activate: a dialog opened from the form (gearhead, options, accessories)
//   stays in front when the user clicks the form; an accessory dialog opened
//   by the options dialog comes back above it.
// - Unload: unloads the gearhead dialog, the options dialog and the accessory
//   dialog, then closes the product database; shows the start dialog unless a
//   project is being opened; puts the main window back to its start state.
// - Terminate: closes the product database.
// - Open_File: the user's file replayed into the setup form of its kind.
// - Load_Previous_Values: runs replayProject; a file it cannot take leaves
//   the form as Reset leaves it and ends through SetupProjectFile::loadFailed
//   (the message, no flag left set, no file named); a fault of the catalogue
//   met on the way leaves it so too and is thrown on as the catalogue's.
class SetupFormBase : public Form, public SetupForm {
    Q_OBJECT
public:
    ~SetupFormBase() override;

    // The feedback the motor-options step looked the axis' [Drive to Motor]
    // row up with; the voltage and wiring steps find the same row with it.
    QString Feedback_Key;

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(bool& cancel) override;
    void Form_Terminate() override;

    void Open_File() final;
    // A catalogue that lacks a table or column, or whose table is empty,
    // throws DatabaseFault naming it before anything is replayed.
    void Load_Previous_Values() final;
    ListControl* cmbShaft_options() override { return m_controls.cmbShaft_options; }
    ListControl* cmbOptions() override { return m_controls.cmbOptions; }

protected:
    // Throws std::logic_error for a number that is no setup kind.
    SetupFormBase(int kind, const QString& caption, int widthTwips, int heightTwips);

    // The form's part of Load_Previous_Values, run after Reset with
    // Loading_Project set: reads Project_Lines into the records and globals,
    // replays them into the lists and clears Loading_Project. Throws when the
    // file holds a value the catalogue does not offer.
    virtual void replayProject() = 0;

    // Closes Shared_Recordset, then System_Database.
    static void closeDatabase();

    // Runs the handler on the list's choices and on the button's clicks. A
    // handler that fails leaves Loading_Lists and Loading_Project as they were
    // when it started; a failed click is reported to the user.
    // Each such handler and each replay is one batch of the result area.
    void onClick(ListControl* list, std::function<void()> handler);
    void onClick(QPushButton* button, std::function<void()> handler);

    // The layer that holds the form's result widgets (parent them to it).
    ResultArea* resultArea() const { return m_resultArea; }

    // Runs the drive list, the lists from the motor series down, the voltage,
    // wiring and cable-length lists and the curve button through the cascade
    // and the steps given (a form's own steps where it has them).
    void wireCascade(std::unique_ptr<DriveChoiceStep> driveChoice, std::unique_ptr<MotorOptionsStep> motorOptions,
                     std::unique_ptr<DriveVoltageStep> voltage);

    CascadeControls m_controls;
    CascadeRules m_rules;
    std::unique_ptr<SelectionCascade> m_cascade;

private:
    std::unique_ptr<DriveChoiceStep> m_driveChoice;
    std::unique_ptr<MotorOptionsStep> m_motorOptions;
    std::unique_ptr<DriveVoltageStep> m_voltage;
    std::unique_ptr<CableLengthStep> m_cableLengths;
    const SetupKinds::Kind& m_kind;
    int m_widthTwips;
    int m_heightTwips;
    ResultArea* m_resultArea = nullptr;
};
