#include "setup/common/SingleAxisSetupForm.h"

#include "curves/frmCurve.h"
#include "platform/FlagGuard.h"
#include "platform/ListControl.h"
#include "setup/common/CableLengthStep.h"
#include "setup/common/DriveVoltageStep.h"
#include "setup/common/FormControls.h"
#include "setup/common/MotorOptionsStep.h"
#include "setup/common/SelectionCascade.h"
#include "setup/common/TextBox.h"
#include "shell/Globals.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

using namespace Globals;

SingleAxisSetupForm::SingleAxisSetupForm(int kind, const QString& caption, int widthTwips, int heightTwips)
    : SetupFormBase(kind, caption, widthTwips, heightTwips)
{
}

SingleAxisSetupForm::~SingleAxisSetupForm() = default;

void SingleAxisSetupForm::build(const Layout& layout, std::unique_ptr<MotorOptionsStep> motorOptions,
                                std::unique_ptr<DriveVoltageStep> voltage, std::function<void()> driveClick,
                                std::function<void()> buttonClick)
{
    createControls(layout);
    m_cascade = std::make_unique<SelectionCascade>(m_controls, m_rules);
    m_motorOptions = std::move(motorOptions);
    m_voltage = std::move(voltage);
    m_cableLengths = std::make_unique<CableLengthStep>(m_controls);

    CascadeControls& c = m_controls;
    SelectionCascade* cascade = m_cascade.get();
    const auto detail = [cascade](SelectionCascade::Stage stage) {
        return [cascade, stage] { cascade->detailClick(stage); };
    };
    onClick(c.cmbMotor_Tech, [this] { cmbMotor_Tech_Click(); });
    onClick(c.driveList, std::move(driveClick));
    onClick(c.cmbMotor_Series, [cascade] { cascade->motorSeriesClick(); });
    onClick(c.cmbFrame_size, detail(SelectionCascade::FrameSize));
    onClick(c.cmbStack_length, detail(SelectionCascade::StackLength));
    onClick(c.cmbWinding, detail(SelectionCascade::Winding));
    onClick(c.cmbFeedback, detail(SelectionCascade::FourthList));
    onClick(c.cmbShaft_options, detail(SelectionCascade::FifthList));
    onClick(c.cmbCable_Option, detail(SelectionCascade::CableOption));
    onClick(c.cmbOptions, [this] { m_motorOptions->click(); });
    onClick(c.cmbDriveVoltage, [this] { m_voltage->voltageClick(); });
    onClick(c.cmbWiring, [this] { m_voltage->wiringClick(); });
    onClick(c.cmbMotor_Cable_Length, [this] { m_cableLengths->click(CableLengthStep::MotorCable); });
    onClick(c.cmbFeedback_Cable_Length, [this] { m_cableLengths->click(CableLengthStep::FeedbackCable); });
    onClick(m_button, std::move(buttonClick));
    onClick(static_cast<QPushButton*>(c.cmdCurve), [this] { cmdCurve_Click(); });
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
    m_picDrive = F::make<QLabel>(results, layout.drivePicture, 240, 1500, 2400, 1500);
    F::label(this, "lblMotor_Series", QStringLiteral("Motor Series"), 240, 3120, 3000);
    c.cmbMotor_Series = F::make<ListControl>(this, "cmbMotor_Series", 240, 3360, 3000, 315);
    c.picMotor_Series = F::make<QLabel>(results, "picMotor_Series", 240, 3780, 2400, layout.resultsTop - 3780);
    for (QLabel* picture : {m_picDrive, c.picMotor_Series}) {
        picture->setScaledContents(true);
        picture->setFrameShape(QFrame::Box);
    }

    // Middle: the motor detail lists in cascade order.
    const int mid = 3720;
    const int width = 4080;
    struct Detail {
        const char* label;
        const char* caption;
        const char* list;
        ListControl* CascadeControls::*control;
        QLabel* CascadeControls::*labelSlot;
    };
    const Detail details[] = {
        {"lblFrame_Size", "Frame Size", "cmbFrame_size", &CascadeControls::cmbFrame_size, nullptr},
        {"lblStack_Length", "Stack Length", "cmbStack_length", &CascadeControls::cmbStack_length,
         &CascadeControls::lblStack_Length},
        {"lblWinding", "Winding", "cmbWinding", &CascadeControls::cmbWinding, &CascadeControls::lblWinding},
        {"lblFeedback", "Feedback", "cmbFeedback", &CascadeControls::cmbFeedback, &CascadeControls::lblFeedback},
        {"lblShaft_Options", "Shaft Options", "cmbShaft_options", &CascadeControls::cmbShaft_options,
         &CascadeControls::lblShaft_Options},
        {"lblCable_Option", "Cable Options", "cmbCable_Option", &CascadeControls::cmbCable_Option, nullptr},
        {"lblMotor_Options", "Motor Options", "cmbOptions", &CascadeControls::cmbOptions,
         &CascadeControls::lblMotor_Options},
    };
    int top = 120;
    for (const Detail& d : details) {
        QLabel* l = F::label(this, d.label, QString::fromLatin1(d.caption), mid, top, width);
        if (d.labelSlot)
            c.*d.labelSlot = l;
        c.*d.control = F::make<ListControl>(this, d.list, mid, top + 240, width, 315);
        top += 720;
    }

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
    m_button = F::make<QPushButton>(results, layout.button, right, 3720, 3360, 420);
    m_button->setText(layout.buttonCaption);
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
    c.txtDrive = F::make<TextBox>(results, layout.driveBox, 240, boxes, 4080, height - 1260);
    c.lblMotor_Part =
        F::label(results, "lblMotor_Part", QStringLiteral("Motor Part Number"), 240, boxes + height - 1140, 4080);
    c.txtMotor_Part = F::make<TextBox>(results, "txtMotor_Part", 240, boxes + height - 900, 4080, 900);
    c.txtMotor_Part->makeOneLine();
    c.lblMotor = F::label(results, "lblMotor", QStringLiteral("Drive to Motor Connection Part Numbers"), 4560,
                          boxes - 240, 4080);
    c.txtMotor = F::make<TextBox>(results, "txtMotor", 4560, boxes, 4080, height);
    m_lblAccessories = F::label(results, "lblAccessories", layout.accessoriesCaption, 8880, boxes - 240, 3960);
    m_txtAccessories = F::make<TextBox>(results, "txtAccessories", 8880, boxes, 3960, height);

    c.resultDisplay = {c.cmbMotor_Cable_Length, c.lblMotor_Cable_Length, c.cmbFeedback_Cable_Length,
                       c.lblFeedback_Cable_Length, c.txtDrive, c.lblDrive, c.cmbDriveVoltage, c.lblDriveVoltage,
                       c.cmbWiring, c.lblwiring, c.cmdCurve, c.txtMotor, c.lblMotor, c.txtMotor_Part,
                       c.lblMotor_Part};
    for (QWidget* l : c.lines)
        c.resultDisplay.append(l);
}

void SingleAxisSetupForm::Reset()
{
    CascadeControls& c = m_controls;
    closeDatabase();

    const QList<ListControl*> lists = {c.driveList,       c.cmbMotor_Series,  c.cmbFrame_size,
                                       c.cmbStack_length, c.cmbFeedback,      c.cmbWinding,
                                       c.cmbShaft_options, c.cmbCable_Option, c.cmbOptions};
    for (ListControl* list : lists)
        list->clear();

    // The voltage and wiring lists keep their entries: they are refilled before they show again.
    m_button->hide();
    for (TextBox* box : {c.txtDrive, c.txtMotor_Part, c.txtMotor, m_txtAccessories}) {
        box->setText(QString());
        box->hide();
    }
    for (QWidget* w : std::initializer_list<QWidget*> {c.lblDrive, c.cmbDriveVoltage, c.lblDriveVoltage, c.cmbWiring,
                                                       c.lblwiring, c.cmdCurve, c.lblMotor_Part, c.lblMotor,
                                                       m_picDrive, c.picMotor_Series, m_lblAccessories})
        w->hide();
    for (QWidget* l : c.lines)
        l->hide();

    Last_Drive.clear();
    Last_Motor_Series.clear();

    Open_Database();

    for (ListControl* list : lists)
        list->setListIndex(-1);
    for (ListControl* list : lists)
        list->setEnabled(false);

    for (ListControl* length : {c.cmbMotor_Cable_Length, c.cmbFeedback_Cable_Length}) {
        length->hide();
        length->clear();
    }
    c.lblMotor_Cable_Length->hide();
    c.lblFeedback_Cable_Length->hide();

    resetRecord(Current_Record());

    if (!Keep_Technology) {
        c.cmbMotor_Tech->clear();
        SelectionCascade::fillRows(c.cmbMotor_Tech, m_rules.technologiesSql, {}, m_rules.technologiesColumn);
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

void SingleAxisSetupForm::cmdCurve_Click()
{
    frmCurve::Show_Axis_Curve(Current_Record());
}
