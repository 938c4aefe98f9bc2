#pragma once

#include "curves/CurveTable.h"
#include "shell/Form.h"

#include <QList>
#include <QString>

struct AxisRecord;
class ListControl;
class QChart;
class QChartView;
class QLabel;
class QLineSeries;
class QPlainTextEdit;
class QPushButton;
class QValueAxis;

// The speed/torque performance curve of the current axis' motor and drive.
// The setup forms' curve buttons load it, set MotorType and BusVoltage and
// call the curve builder of the motor's kind.
class frmCurve : public Form {
    Q_OBJECT
public:
    static constexpr QLatin1StringView Name{"frmCurve"};

    frmCurve();

    // Marks a curve draw in progress. A draw raised by a unit list that a
    // draw is filling runs inside the outer one, which reports its failure.
    class Drawing {
    public:
        Drawing() { ++s_depth; }
        ~Drawing() { --s_depth; }
        Drawing(const Drawing&) = delete;
        Drawing& operator=(const Drawing&) = delete;
        static bool active() { return s_depth > 0; }

    private:
        static inline int s_depth = 0;
    };

    QString MotorType;
    double BusVoltage = 0.0;
    int MotorID = 0;
    int DriveID = 0;

    // What every setup form's "Show Speed/Torque Curve" does with its axis:
    // loads and shows the window, hands it the motor type and bus voltage,
    // runs the builder of the motor's part-number type and, when the window
    // is still loaded, sets its caption.
    // The window keeps that axis for its redraws.
    static void Show_Axis_Curve(AxisRecord& R);

    // The axis the window was opened for (the current axis before any).
    AxisRecord& Axis_Record() const;

    // The curve module as at start-up: no curve database open, no motor or
    // amplifier read (added to Globals::Reset_All_State).
    static void Reset_Module_State();

    // The shown curve as CSV text (Windows-1252 characters, CR LF lines).
    QString Export_Curve() const;

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    void cmbSpeed_units_Click();
    void cmbTorque_Units_Click();
    void cmbSwitching_Frequency_Click();
    void cmdClose_Click();
    void cmdExport_Click();

    // The result message in txtmsg (lines end in CR LF as the library writes them).
    void Set_Message(const QString& text);

    // Chart steps shared by every drawer: data, axis titles, visible.
    void Set_Chart(const CurveTable& table, const QString& speedUnits, const QString& torqueUnits);
    // Fills a unit list that shows no unit and selects its first entry.
    void Fill_Unit_Lists();
    // The presentation of a stored (direct-drive or stepper) curve.
    void Present_Curve(const CurveTable& table, const QString& speedUnits, const QString& torqueUnits);

    // What the chart holds, as the export reads it back.
    const CurveTable& Chart_Data() const { return m_data; }
    bool Chart_Visible() const;

    ListControl* cmbSwitching_Frequency() const { return m_cmbSwitching_Frequency; }
    ListControl* cmbSpeed_units() const { return m_cmbSpeed_units; }
    ListControl* cmbTorque_Units() const { return m_cmbTorque_Units; }
    QLabel* lblSwitching_Frequency() const { return m_lblSwitching_Frequency; }
    QLabel* lblSpeed_Units() const { return m_lblSpeed_Units; }
    QLabel* lblTorque_Units() const { return m_lblTorque_Units; }
    QLabel* lblmsg() const { return m_lblmsg; }
    QPlainTextEdit* txtmsg() const { return m_txtmsg; }
    QChartView* MSChart1() const { return m_chartView; }
    QPushButton* cmdClose() const { return m_cmdClose; }
    QPushButton* cmdExport() const { return m_cmdExport; }

private:
    void redraw();
    void drawCurve();
    void addSeries();

    ListControl* m_cmbSwitching_Frequency = nullptr;
    ListControl* m_cmbSpeed_units = nullptr;
    ListControl* m_cmbTorque_Units = nullptr;
    QLabel* m_lblSwitching_Frequency = nullptr;
    QLabel* m_lblSpeed_Units = nullptr;
    QLabel* m_lblTorque_Units = nullptr;
    QLabel* m_lblmsg = nullptr;
    QPlainTextEdit* m_txtmsg = nullptr;
    QChartView* m_chartView = nullptr;
    QChart* m_chart = nullptr;
    QValueAxis* m_axisX = nullptr;
    QValueAxis* m_axisY = nullptr;
    // The chart's series, one per speed/torque column pair of the last curve.
    QList<QLineSeries*> m_series;
    QPushButton* m_cmdClose = nullptr;
    QPushButton* m_cmdExport = nullptr;
    CurveTable m_data;
    AxisRecord* m_axis = nullptr;
};
