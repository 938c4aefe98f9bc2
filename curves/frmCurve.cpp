#include "curves/frmCurve.h"

#include "curves/CurveDatabase.h"
#include "curves/CurveNumbers.h"
#include "curves/DDCurves.h"
#include "curves/ServoCurveData.h"
#include "curves/ServoCurves.h"
#include "curves/StepperCurves.h"
#include "platform/FileDialog.h"
#include "platform/FlagGuard.h"
#include "platform/HandlerCall.h"
#include "platform/ListControl.h"
#include "platform/MsgBox.h"
#include "platform/Twips.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/Report.h"
#include "shell/SetupKinds.h"

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

const QStringList kSpeedUnits = {QStringLiteral("rpm"), QStringLiteral("rps"), QStringLiteral("rad/s")};
const QStringList kTorqueUnits = {QStringLiteral("oz-in"), QStringLiteral("in-lb"), QStringLiteral("ft-lb"),
                                  QStringLiteral("N-m")};

template <class W>
W* place(W* widget, const QString& name, int left, int top, int width, int height)
{
    widget->setObjectName(name);
    widget->setGeometry(Twips::rect(left, top, width, height));
    return widget;
}

// A unit list that shows no unit gets its entries and selects the first. The
// draw that fills it is already in those units: the selection draws nothing more.
void fillWhenEmpty(ListControl* list, const QStringList& entries)
{
    if (!list->text().isEmpty())
        return;
    FlagGuard loading(Globals::Loading_Lists, true);
    list->clear();
    list->addItems(entries);
    list->setListIndex(0);
}

// An axis from 0 to a round value at or above top, with ticks on round steps.
void scaleAxis(QValueAxis* axis, double top)
{
    if (!(top > 0))
        top = 1;
    const double raw = top / 5;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    double step = 10 * magnitude;
    for (double factor : {1.0, 2.0, 2.5, 5.0})
        if (factor * magnitude >= raw) {
            step = factor * magnitude;
            break;
        }
    const double max = std::ceil(top / step - 1e-9) * step;
    // The tick count first: each change lays the chart out again, and a range
    // set last is laid out with its ticks in one pass.
    axis->setTickCount(static_cast<int>(std::lround(max / step)) + 1);
    axis->setRange(0.0, max);
}

} // namespace

frmCurve::frmCurve()
    : Form(Name), m_data(4)
{
    setCaption(QStringLiteral("Performance Curve"));

    m_cmdClose = place(new QPushButton(QStringLiteral("Close"), this), QStringLiteral("cmdClose"), 6840, 120, 1455, 375);
    m_cmdExport = place(new QPushButton(QStringLiteral("Export Curve"), this), QStringLiteral("cmdExport"), 6840, 600,
                        1455, 375);
    m_lblSwitching_Frequency = place(new QLabel(QStringLiteral("Switching Frequency (kHz)"), this),
                                     QStringLiteral("lblSwitching_Frequency"), 120, 120, 1455, 495);
    // Its box holds two lines of the small dialog font the layout was made for.
    m_lblSwitching_Frequency->setWordWrap(true);
    QFont small = m_lblSwitching_Frequency->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    m_lblSwitching_Frequency->setFont(small);
    m_lblSwitching_Frequency->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    m_cmbSwitching_Frequency = place(new ListControl(this), QStringLiteral("cmbSwitching_Frequency"), 120, 600, 1455,
                                     315);
    m_lblSpeed_Units = place(new QLabel(QStringLiteral("Speed Units"), this), QStringLiteral("lblSpeed_Units"), 3000,
                             240, 1815, 255);
    m_cmbSpeed_units = place(new ListControl(this), QStringLiteral("cmbSpeed_units"), 3000, 600, 1815, 315);
    m_lblTorque_Units = place(new QLabel(QStringLiteral("Torque Units"), this), QStringLiteral("lblTorque_Units"),
                              4800, 240, 1815, 255);
    m_cmbTorque_Units = place(new ListControl(this), QStringLiteral("cmbTorque_Units"), 4800, 600, 1815, 315);
    m_lblmsg = place(new QLabel(QStringLiteral("Speed/Torque Simulation Results"), this), QStringLiteral("lblmsg"),
                     120, 960, 8055, 255);
    // Three lines (verdict, the library's findings, the closing break) without a scroll bar; the chart
    // below starts lower and keeps its bottom.
    m_txtmsg = place(new QPlainTextEdit(QStringLiteral("txtmsg"), this), QStringLiteral("txtmsg"), 120, 1200, 8055,
                     810);
    m_txtmsg->setReadOnly(true);

    m_chart = new QChart;
    m_axisX = new QValueAxis;
    m_axisY = new QValueAxis;
    m_axisX->setLabelFormat(QStringLiteral("%g"));
    m_axisY->setLabelFormat(QStringLiteral("%g"));
    m_chart->addAxis(m_axisX, Qt::AlignBottom);
    m_chart->addAxis(m_axisY, Qt::AlignLeft);
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    // The continuous and the peak curve; a stepper curve drops the second.
    addSeries();
    addSeries();
    m_chartView = place(new QChartView(m_chart, this), QStringLiteral("MSChart1"), 120, 2040, 8055, 6255);
    m_chartView->setRenderHint(QPainter::Antialiasing);

    // No result and no chart until a curve is drawn.
    for (QWidget* w : std::initializer_list<QWidget*>{m_lblmsg, m_txtmsg, m_chartView})
        w->hide();

    m_cmbSpeed_units->setClickHandler([this] { cmbSpeed_units_Click(); });
    m_cmbTorque_Units->setClickHandler([this] { cmbTorque_Units_Click(); });
    m_cmbSwitching_Frequency->setClickHandler([this] { cmbSwitching_Frequency_Click(); });
    connect(m_cmdClose, &QPushButton::clicked, this, [this] { HandlerCall::fromEventLoop([this] { cmdClose_Click(); }); });
    connect(m_cmdExport, &QPushButton::clicked, this,
            [this] { HandlerCall::fromEventLoop([this] { cmdExport_Click(); }); });
}

void frmCurve::Show_Axis_Curve(AxisRecord& R)
{
    frmCurve* form = Forms::get<frmCurve>();
    // Opened again for another axis: its drive offers its own frequencies.
    if (form->m_axis != &R) {
        form->m_axis = &R;
        form->m_cmbSwitching_Frequency->clear();
    }
    form->MotorType = R.Part_Number_Type;
    // The curve of that axis: a choice that drops it closes the window; the
    // form showing another axis does not.
    const auto axis = std::find_if(Globals::Axis.begin(), Globals::Axis.end(),
                                   [&R](const AxisRecord& record) { return &record == &R; });
    form->setSubject(Stage::Curve, static_cast<int>(axis - Globals::Axis.begin()) + 1, false);
    form->Show();

    const QString type = R.Part_Number_Type;
    QString caption = QStringLiteral("Performance Curve for a ") + R.Curve_Drive_Part_Number + QStringLiteral(" & ");
    if (type == QLatin1String("L7_Servo") || type == QLatin1String("QD_Servo")) {
        form->BusVoltage = R.Bus_Voltage;
        ServoCurves::Show_Servo_Curve(R.Curve_Motor_Part_Number, R.Curve_Drive_Part_Number, R.Bus_Voltage);
        caption += R.Curve_Motor_Part_Number + QStringLiteral(" @") + R.Drive_Voltage;
    } else if (type == QLatin1String("Stepper")) {
        const QString key = R.Curve_Motor_Part_Number + QStringLiteral("__(") + R.Motor_Wiring.left(3)
                            + QLatin1Char(',') + R.Drive_Voltage + QLatin1Char(')');
        form->BusVoltage = R.Bus_Voltage;
        StepperCurves::Show_Stepper_Curve(key, R.Curve_Drive_Part_Number);
        caption += key;
    } else if (type == QLatin1String("Colbitum")) {
        form->BusVoltage = R.Bus_Voltage;
        DDCurves::Show_DD_Curve(R.Curve_Motor_Part_Number, R.Curve_Drive_Part_Number);
        caption += R.Curve_Motor_Part_Number;
    } else {
        return;
    }
    // A builder that found no curve has unloaded the window.
    if (frmCurve* shown = Forms::find<frmCurve>())
        shown->setCaption(caption);
}

AxisRecord& frmCurve::Axis_Record() const
{
    return m_axis ? *m_axis : Globals::Current_Record();
}

void frmCurve::Reset_Module_State()
{
    ServoCurveData::Servo_Curve_Database = Database();
    ServoCurveData::Line_Voltage_Class = 0;
    ServoCurveData::Servo_Motor = ServoMotorRecord();
    ServoCurveData::Servo_Drive = ServoDriveRecord();
    DDCurves::Reset_State();
    StepperCurves::Reset_State();
}

void frmCurve::Form_Load()
{
    setSizeTwips(8460, 8940);
    // Centred across the area the window lives in (the screen for a top-level window).
    const QWidget* area = frameWidget()->parentWidget();
    const int areaTwips = area ? Twips::fromPixels(area->width()) : Twips::screenWidth();
    moveTwips((areaTwips - widthTwips()) / 2, 0);
    Globals::Current_Form = frmCurve::Name;
    Globals::Current_Record().Switching_Frequency.clear();
}

void frmCurve::Form_Unload(bool& cancel)
{
    (void)cancel;
    const QString setupForm = SetupKinds::formName(Globals::System_Type);
    if (!setupForm.isEmpty())
        Globals::Current_Form = setupForm;
}

void frmCurve::cmbSpeed_units_Click()
{
    redraw();
}

void frmCurve::cmbTorque_Units_Click()
{
    redraw();
}

void frmCurve::cmbSwitching_Frequency_Click()
{
    redraw();
}

void frmCurve::redraw()
{
    // A list filled by a draw selects its entry under Loading_Lists: that draw already shows it.
    if (Globals::Loading_Lists)
        return;
    // A draw raised while another runs belongs to it: its failure is reported once, by the outer draw.
    if (Drawing::active()) {
        drawCurve();
        return;
    }
    try {
        Drawing drawing;
        drawCurve();
    } catch (const std::exception& error) {
        m_chartView->hide();
        MsgBox::show(CurveDatabase::Failure_Message(error), MsgBox::OKOnly, Globals::Product_Title);
    }
}

void frmCurve::drawCurve()
{
    QString speed = m_cmbSpeed_units->text();
    QString torque = m_cmbTorque_Units->text();
    if (MotorType == QLatin1String("L7_Servo") || MotorType == QLatin1String("QD_Servo"))
        ServoCurves::Draw_Servo_Curve(speed, torque, BusVoltage);
    else if (MotorType == QLatin1String("Stepper"))
        StepperCurves::Draw_Stepper_Curve(speed, torque, MotorID, DriveID);
    else if (MotorType == QLatin1String("Colbitum"))
        DDCurves::Draw_DD_Curve(speed, torque, MotorID, DriveID);
}

void frmCurve::cmdClose_Click()
{
    Unload();
}

void frmCurve::cmdExport_Click()
{
    FileDialog::Settings settings;
    settings.filter = QStringLiteral("All Files (*.*)|*.*|CSV (Comma Delimited) Files (*.csv)|*.csv");
    settings.filterIndex = 2;
    const std::optional<QString> path = FileDialog::show(this, FileDialog::Save, settings);
    if (!path)
        return;
    Globals::Write_And_Open(QStringLiteral("Curve"), *path, Export_Curve());
}

void frmCurve::Set_Message(const QString& text)
{
    // The text box breaks lines at LF alone.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // Laying the text out again costs more than the comparison.
    if (m_txtmsg->toPlainText() != shown)
        m_txtmsg->setPlainText(shown);
}

bool frmCurve::Chart_Visible() const
{
    return !m_chartView->isHidden();
}

void frmCurve::Set_Chart(const CurveTable& table, const QString& speedUnits, const QString& torqueUnits)
{
    m_data = table;

    // A redraw replaces the points of the series already in the chart.
    const int pairs = table.columns() / 2;
    while (m_series.size() > pairs) {
        QLineSeries* gone = m_series.takeLast();
        m_chart->removeSeries(gone);
        delete gone;
    }
    while (m_series.size() < pairs)
        addSeries();
    double maxX = 0.0;
    double maxY = 0.0;
    for (int pair = 0; pair < pairs; ++pair) {
        QList<QPointF> points;
        // Empty cells add no points.
        for (int row = 0; row < CurveTable::Rows; ++row) {
            if (!table.has(row, pair * 2 + 1) || !table.has(row, pair * 2 + 2))
                continue;
            const double x = table.value(row, pair * 2 + 1);
            const double y = table.value(row, pair * 2 + 2);
            points.append(QPointF(x, y));
            maxX = std::max(maxX, x);
            maxY = std::max(maxY, y);
        }
        m_series[pair]->replace(points);
    }
    m_chart->legend()->setVisible(table.columns() > 2);

    scaleAxis(m_axisX, maxX);
    scaleAxis(m_axisY, maxY * 1.1);
    m_axisX->setTitleText(QStringLiteral("Speed (") + speedUnits + QLatin1Char(')'));
    m_axisY->setTitleText(QStringLiteral("Torque (") + torqueUnits + QLatin1Char(')'));
    m_chartView->update();
    m_chartView->show();
}

void frmCurve::addSeries()
{
    static const QStringList names = {QStringLiteral("Continuous Torque"), QStringLiteral("Peak Torque")};
    auto* series = new QLineSeries;
    series->setName(names.value(static_cast<int>(m_series.size())));
    m_chart->addSeries(series);
    series->attachAxis(m_axisX);
    series->attachAxis(m_axisY);
    m_series.append(series);
}

void frmCurve::Fill_Unit_Lists()
{
    fillWhenEmpty(m_cmbSpeed_units, kSpeedUnits);
    fillWhenEmpty(m_cmbTorque_Units, kTorqueUnits);
}

void frmCurve::Present_Curve(const CurveTable& table, const QString& speedUnits, const QString& torqueUnits)
{
    Set_Chart(table, speedUnits, torqueUnits);
    Fill_Unit_Lists();
    Set_Message(QStringLiteral("Motor, Drive and Voltage passed"));
    for (QWidget* w : std::initializer_list<QWidget*>{m_txtmsg, m_lblmsg, m_lblTorque_Units, m_lblSpeed_Units,
                                                      m_cmbTorque_Units, m_cmbSpeed_units})
        w->show();
    m_cmbTorque_Units->setEnabled(true);
    m_cmbSpeed_units->setEnabled(true);
    m_lblSwitching_Frequency->hide();
    m_cmbSwitching_Frequency->hide();
    m_cmbSwitching_Frequency->setEnabled(false);
}

QString frmCurve::Export_Curve() const
{
    static const QString crlf = QStringLiteral("\r\n");
    const QString su = m_cmbSpeed_units->text();
    const QString tu = m_cmbTorque_Units->text();
    const bool stepper = MotorType == QLatin1String("Stepper");

    QString text = Caption() + crlf;
    text += QStringLiteral("Speed Units,") + su + QStringLiteral(",") + crlf;
    text += QStringLiteral("Torque Units,") + tu + QStringLiteral(",") + crlf;
    if (stepper) {
        text += crlf;
        text += QStringLiteral("Speed (") + su + QStringLiteral("),Continuous Torque (") + tu + QStringLiteral("),")
                + crlf;
    } else {
        text += QStringLiteral("Switching Frequency,") + m_cmbSwitching_Frequency->text() + QStringLiteral(" kHz,")
                + crlf;
        text += crlf;
        text += QStringLiteral("Continuous Speed (") + su + QStringLiteral("),Continuous Torque (") + tu
                + QStringLiteral("),") + QStringLiteral("Peak Speed (") + su + QStringLiteral("),Peak Torque (") + tu
                + QStringLiteral("),") + crlf;
    }

    if (Chart_Visible()) {
        const int columns = stepper ? 2 : 4;
        // Every row that holds a value: a curve that closes earlier than the other loses nothing.
        int last = -1;
        for (int row = 0; row < CurveTable::Rows; ++row)
            for (int column = 1; column <= columns; ++column)
                if (m_data.has(row, column))
                    last = row;
        for (int row = 0; row <= last; ++row) {
            for (int column = 1; column <= columns; ++column)
                text += CurveNumbers::toText(m_data.value(row, column)) + QStringLiteral(", ");
            text += crlf;
        }
    }

    text += crlf;
    if (stepper) {
        text += QStringLiteral("Parallel connected motors are limited to 50% duty cycle when ")
                + QStringLiteral("operated above 5 rps.,") + crlf;
        text += QStringLiteral("For greater than 50% duty cycle above 5 rps connection must be ")
                + QStringLiteral("made to the motor in series.,") + crlf;
        text += QStringLiteral("Fan cooling the motor will increase duty cyles above 5 rps.,") + crlf;
    }
    text += QStringLiteral("Note: \u00B110% Torque variance due to motor tolerance.,") + crlf;
    return text;
}
