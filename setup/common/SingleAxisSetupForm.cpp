#include "setup/common/SingleAxisSetupForm.h"

#include "platform/FlagGuard.h"
#include "platform/ListControl.h"
#include "setup/common/DriveChoiceStep.h"
#include "setup/common/DriveVoltageStep.h"
#include "setup/common/FormControls.h"
#include "setup/common/MotorOptionsStep.h"
#include "setup/common/SelectionCascade.h"
#include "setup/common/TextBox.h"
#include "shell/Dependents.h"
#include "shell/Globals.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

using namespace Globals;

SingleAxisSetupForm::SingleAxisSetupForm(int kind, const QString& caption, int widthTwips, int heightTwips)
    : SetupFormBase(kind, caption, widthTwips, heightTwips)
{
    m_cascade = std::make_unique<SelectionCascade>(m_controls, m_rules);
}

SingleAxisSetupForm::~SingleAxisSetupForm() = default;

void SingleAxisSetupForm::build(const Layout& layout, std::unique_ptr<DriveChoiceStep> driveChoice,
                                std::unique_ptr<MotorOptionsStep> motorOptions,
                                std::unique_ptr<DriveVoltageStep> voltage, std::function<void()> buttonClick)
{
    createControls(layout);
    onClick(m_controls.cmbMotor_Tech, [this] { cmbMotor_Tech_Click(); });
    wireCascade(std::move(driveChoice), std::move(motorOptions), std::move(voltage));
    onClick(m_controls.driveButton, std::move(buttonClick));
}

void SingleAxisSetupForm::createControls(const Layout& layout)
{
    using F = FormControls;
    CascadeControls& c = m_controls;

    // Left: technology, drive and motor series with their pictures.
    F::label(this, "lblMotor_Tech", QStringLiteral("Motor Technology"), 240, 120, 3000);
    c.cmbMotor_Tech = F::make<ListControl>(this, "cmbMotor_Tech", 240, 360, 3000, 315);
    F::label(this, "lblDrive_Select", layout.driveCaption, 240, 840, 3000);
    c.driveList = F::make<ListControl>(this, layout.driveList, 240, 1080, 3000, 315);
    // What the cascade reveals lives in the result area.
    QWidget* results = resultArea();
    c.resultArea = resultArea();
    c.picDrive = F::make<QLabel>(results, layout.drivePicture, 240, 1500, 2400, 1500);
    F::label(this, "lblMotor_Series", QStringLiteral("Motor Series"), 240, 3120, 3000);
    c.cmbMotor_Series = F::make<ListControl>(this, "cmbMotor_Series", 240, 3360, 3000, 315);
    c.picMotor_Series = F::make<QLabel>(results, "picMotor_Series", 240, 3780, 2400, layout.resultsTop - 3780);
    for (QLabel* picture : {c.picDrive, c.picMotor_Series}) {
        picture->setScaledContents(true);
        picture->setFrameShape(QFrame::Box);
    }

    // Middle: the motor detail lists in cascade order.
    c.makeDetailLists(this, 4080, 240, [](int stage) { return CascadeControls::Place {3720, 120 + 720 * stage}; });

    // Right: voltage, wiring, cable lengths and the two buttons.
    const int right = 8280;
    const int rw = 4440;
    c.lblDriveVoltage = F::label(results, "lblDriveVoltage", QStringLiteral("Drive Input Voltage"), right, 120, rw);
    c.cmbDriveVoltage = F::make<ListControl>(results, "cmbDriveVoltage", right, 360, 2400, 315);
    c.lblwiring = F::label(results, "lblwiring", QStringLiteral("Motor Wiring"), right, 840, rw);
    c.cmbWiring = F::make<ListControl>(results, "cmbWiring", right, 1080, 2400, 315);
    c.lblMotor_Cable_Length =
        F::label(results, "lblMotor_Cable_Length", QStringLiteral("Motor to Drive Power Cable Length"), right, 1560, rw);
    c.cmbMotor_Cable_Length = F::make<ListControl>(results, "cmbMotor_Cable_Length", right, 1800, 2400, 315);
    c.lblFeedback_Cable_Length = F::label(results, "lblFeedback_Cable_Length",
                                          QStringLiteral("Motor to Drive Feedback Cable Length"), right, 2280, rw);
    c.cmbFeedback_Cable_Length = F::make<ListControl>(results, "cmbFeedback_Cable_Length", right, 2520, 2400, 315);
    c.driveButton = F::make<QPushButton>(results, layout.button, right, 3720, 3360, 420);
    c.driveButton->setText(layout.buttonCaption);
    auto* cmdCurve = F::make<QPushButton>(results, "cmdCurve", right, 4320, 3360, 420);
    cmdCurve->setText(QStringLiteral("Show Speed/Torque Curve"));
    c.cmdCurve = cmdCurve;

    // Bottom: the results between the separator lines.
    const int boxes = layout.resultsTop + 360;
    const int height = layout.resultsHeight;
    c.lines = {F::line(results, "Line5", 120, layout.resultsTop, 12720, 30),
               F::line(results, "Line6", 120, boxes + height + 180, 12720, 30),
               F::line(results, "Line7", 4440, layout.resultsTop + 120, 30, height + 300),
               F::line(results, "Line8", 8760, layout.resultsTop + 120, 30, height + 300)};
    c.lblDrive = F::label(results, layout.driveBoxLabel, layout.driveBoxCaption, 240, boxes - 240, 4080);
    // Down to the caption below: a part number and notes wrapped on two lines, whole.
    c.txtDrive = F::make<TextBox>(results, layout.driveBox, 240, boxes, 4080, height - 1155);
    c.lblMotor_Part =
        F::label(results, "lblMotor_Part", QStringLiteral("Motor Part Number"), 240, boxes + height - 1140, 4080);
    c.txtMotor_Part = F::make<TextBox>(results, "txtMotor_Part", 240, boxes + height - 900, 4080, 900);
    c.txtMotor_Part->makeOneLine();
    c.lblMotor = F::label(results, "lblMotor", QStringLiteral("Drive to Motor Connection Part Numbers"), 4560,
                          boxes - 240, 4080);
    c.txtMotor = F::make<TextBox>(results, "txtMotor", 4560, boxes, 4080, height);
    m_lblAccessories = F::label(results, "lblAccessories", layout.accessoriesCaption, 8880, boxes - 240, 3960);
    m_txtAccessories = F::make<TextBox>(results, "txtAccessories", 8880, boxes, 3960, height);

    c.listResultDisplay();
}

void SingleAxisSetupForm::Reset()
{
    // The dialogs store what they show through the catalogue before the system goes.
    Dependents::drop(Stage::System);
    closeDatabase();
    m_cascade->reset();
    m_txtAccessories->setText(QString());
    m_txtAccessories->hide();
    m_lblAccessories->hide();
    Open_Database();

    if (!Keep_Technology) {
        m_controls.cmbMotor_Tech->clear();
        SelectionCascade::fillRows(m_controls.cmbMotor_Tech, m_rules.technologiesSql, {}, m_rules.technologiesColumn,
                                   false);
    }
    Loading_Lists = false;
}

void SingleAxisSetupForm::cmbMotor_Tech_Click()
{
    m_cascade->technologyChosen([this] {
        FlagGuard keep(Keep_Technology, true);
        Reset();
    });
}
