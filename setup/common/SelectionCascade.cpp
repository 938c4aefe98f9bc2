#include "setup/common/SelectionCascade.h"

#include "platform/DatabaseFault.h"
#include "platform/FlagGuard.h"
#include "platform/ListControl.h"
#include "platform/Pictures.h"
#include "setup/common/AxisSnapshot.h"
#include "setup/common/LoneEntry.h"
#include "setup/common/MotorPartNumber.h"
#include "setup/common/TextBox.h"
#include "shell/AxisRecord.h"
#include "shell/Dependents.h"
#include "shell/Globals.h"

#include <QLabel>
#include <QPushButton>
#include <QSet>

#include <array>

using namespace Globals;

namespace {

using Field = QString AxisRecord::*;

// The record slot of each list below the motor series, by its ordinary role.
const std::array<Field, 7> kSlots = {&AxisRecord::Frame_Size,   &AxisRecord::Stack_Length, &AxisRecord::Winding,
                                     &AxisRecord::Feedback,     &AxisRecord::Shaft_Option, &AxisRecord::Cable_Option,
                                     &AxisRecord::Motor_Option};

const QString kQdServo = QStringLiteral("QD_Servo");

// A "QD_Servo" motor offers its mountings in the fourth list and its feedbacks in the fifth.
Field slotOf(SelectionCascade::Stage stage, bool qdServo)
{
    if (qdServo && stage == SelectionCascade::FourthList)
        return &AxisRecord::Shaft_Option;
    if (qdServo && stage == SelectionCascade::FifthList)
        return &AxisRecord::Feedback;
    return kSlots[stage];
}

const QString kFrameSizes = QStringLiteral(
    "SELECT [Drive to Motor].[Drive Name], [Drive to Motor].[Motor Name], [Drive to Motor].Frame_Size "
    "FROM [Drive to Motor] WHERE ((([Drive to Motor].[Drive Name])=?) AND (([Drive to Motor].[Motor Name])=?))"
    "ORDER BY [Drive to Motor].Frame_Size;");

// Only the column the list shows: the drives of a series grow with the catalogue.
const QString kDrivesOfSeries = QStringLiteral(
    "SELECT [Drive to Motor].[Drive Name] "
    "From [Drive to Motor] WHERE ((([Drive to Motor].[Motor Name])=?))"
    "ORDER BY [Drive to Motor].[Drive Name];");

// The selected columns are the drive form's whatever the form filters by.
const QString kSeriesOfDrive = QStringLiteral(
    "SELECT DISTINCT [Drive to Motor].[Drive Name], "
    "[Drive to Motor].[Motor Name], Motors.[Include with Drives] FROM Motors INNER JOIN "
    "[Drive to Motor] ON Motors.[Motor Name] = [Drive to Motor].[Motor Name] "
    "WHERE ((([Drive to Motor].[Drive Name])=?) AND "
    "((Motors.[%1])=True));");

const QString kStackLengths = QStringLiteral(
    "SELECT [Drive to Motor].[Drive Name], [Drive to Motor].[Motor Name], [Drive to Motor].Frame_Size, "
    "[Drive to Motor].Stack_Length "
    "From [Drive to Motor] WHERE ((([Drive to Motor].[Drive Name])=?) AND (([Drive to Motor].[Motor Name])=?) "
    "AND (([Drive to Motor].Frame_Size)=?))"
    "ORDER BY [Drive to Motor].Stack_Length;");

const QString kWindings = QStringLiteral(
    "SELECT [Drive to Motor].[Drive Name], [Drive to Motor].[Motor Name], [Drive to Motor].Frame_Size, "
    "[Drive to Motor].Stack_Length, [Drive to Motor].Winding "
    "From [Drive to Motor] WHERE ((([Drive to Motor].[Drive Name])=?) AND (([Drive to Motor].[Motor Name])=?) "
    "AND (([Drive to Motor].Frame_Size)=?) "
    "AND (([Drive to Motor].Stack_Length)=?))"
    "ORDER BY [Drive to Motor].Winding;");

const QString kFeedbacks = QStringLiteral(
    "SELECT [Drive to Motor].[Drive Name], [Drive to Motor].[Motor Name], [Drive to Motor].Frame_Size, "
    "[Drive to Motor].Stack_Length, [Drive to Motor].Winding, [Drive to Motor].Feedback "
    "From [Drive to Motor] WHERE ((([Drive to Motor].[Drive Name])=?) AND (([Drive to Motor].[Motor Name])=?) "
    "AND (([Drive to Motor].Frame_Size)=?) "
    "AND (([Drive to Motor].Stack_Length)=?)  AND (([Drive to Motor].Winding)=?))"
    "ORDER BY [Drive to Motor].Feedback;");

const QString kShaftOptions = QStringLiteral(
    "SELECT [Shaft Options].[Motor Name], [Shaft Options].Frame_Size, [Shaft Options].Stack_Length, "
    "[Shaft Options].Shaft_Options "
    "From [Shaft Options] WHERE ((([Shaft Options].[Motor Name])=?) AND (([Shaft Options].Frame_Size)=?) "
    "AND (([Shaft Options].Stack_Length)=?))"
    "ORDER BY [Shaft Options].Shaft_Options;");

const QString kCableOptions = QStringLiteral(
    "SELECT [Drive to Motor].[Drive Name], [Drive to Motor].[Motor Name], [Drive to Motor].Frame_Size, "
    "[Drive to Motor].Stack_Length, [Drive to Motor].Winding, [Drive to Motor].Feedback, "
    "[Drive to Motor].Cable_Option "
    "From [Drive to Motor] WHERE ((([Drive to Motor].[Drive Name])=?) AND (([Drive to Motor].[Motor Name])=?) "
    "AND (([Drive to Motor].Frame_Size)=?) AND (([Drive to Motor].Stack_Length)=?) "
    "AND (([Drive to Motor].Winding)=?) AND (([Drive to Motor].Feedback)=?))"
    "ORDER BY [Drive to Motor].Cable_Option;");

// The ORDER BY column is the form's (the controller form orders by the cable option).
const QString kMotorOptions = QStringLiteral(
    "SELECT Options.[Motor Name], Options.Frame_Size, Options.Stack_Length, "
    "Options.Winding, Options.Feedback, Options.Cable_Option, Options.Options From Options "
    "WHERE (((Options.[Motor Name])=?) AND ((Options.Frame_Size)=?) AND ((Options.Stack_Length)=?) "
    "AND ((Options.Winding)=? Or (Options.Winding)='Any') AND "
    "((Options.Feedback)=? Or (Options.Feedback)='Any') AND "
    "((Options.Cable_Option)=? Or (Options.Cable_Option)='Any'))"
    "ORDER BY %1;");

} // namespace

SelectionCascade::SelectionCascade(const CascadeControls& controls, const CascadeRules& rules)
    : m_c(controls), m_rules(rules)
{
}

void SelectionCascade::fillDistinct(ListControl* list, const QString& sql, const QVariantList& params,
                                    const QString& column, bool keepEmpty)
{
    Distinct_Count = 0;
    Distinct_List.clear();
    Recordset& rs = Run_Query(sql, params);
    QSet<QString> seen;
    for (; !rs.eof(); rs.moveNext()) {
        // A value that is not there at all cannot become an entry.
        if (rs.isNull(column))
            continue;
        const QString value = rs.text(column);
        if (value.isEmpty() && !keepEmpty)
            continue;
        Distinct_Found = seen.contains(value);
        if (Distinct_Found)
            continue;
        seen.insert(value);
        Distinct_List.append(value);
        ++Distinct_Count;
    }
    list->addItems(Distinct_List);
}

void SelectionCascade::fillRows(ListControl* list, const QString& sql, const QVariantList& params,
                                const QString& column, bool keepEmpty)
{
    QStringList entries;
    for (Recordset& rs = Run_Query(sql, params); !rs.eof(); rs.moveNext())
        if (!rs.isNull(column) && (keepEmpty || !rs.text(column).isEmpty()))
            entries << rs.text(column);
    list->addItems(entries);
}

void SelectionCascade::hideResultDisplay() const
{
    // A hidden list keeps no choice of a motor that is gone.
    for (QWidget* w : m_c.resultDisplay) {
        w->hide();
        if (auto* list = qobject_cast<ListControl*>(w))
            list->clear();
    }
}

void SelectionCascade::reset() const
{
    for (ListControl* list : {m_c.driveList, m_c.cmbMotor_Series}) {
        list->clear();
        list->setEnabled(false);
    }
    emptyAndDisable(FrameSize);
    hideResultDisplay();
    // Beyond the result display: the drive/controller's own part-number box too.
    for (TextBox* box : {m_c.txtDrive, m_c.txtMotor_Part, m_c.txtMotor}) {
        box->setText(QString());
        box->hide();
    }
    for (QWidget* w : std::initializer_list<QWidget*> {m_c.driveButton, m_c.lblDrive, m_c.picDrive, m_c.picMotor_Series})
        w->hide();
    Last_Drive.clear();
    Last_Motor_Series.clear();
}

void SelectionCascade::emptyAndDisable(Stage first) const
{
    const auto lists = m_c.detailLists();
    for (int s = first; s <= MotorOptions; ++s)
        lists[s]->clear();
    for (int s = first; s <= MotorOptions; ++s)
        lists[s]->setEnabled(false);
}

Stage SelectionCascade::stageOf(Stage stage)
{
    return static_cast< ::Stage>(static_cast<int>(::Stage::FrameSize) + stage);
}

void SelectionCascade::dropFrom(Stage first) const
{
    Dependents::drop(stageOf(first));
    if (m_rules.resultDropped && !Loading_Project)
        m_rules.resultDropped();
}

void SelectionCascade::relabel(const QString& partNumberType) const
{
    struct Captions {
        const char* type;
        QString stack, winding, feedback, shaft, options;
    };
    const Captions table[] = {
        {"L7_Servo", "Stack Length", "Winding", "Feedback", "Shaft Options", "Motor Options"},
        {"QD_Servo", "Stack Length", "Winding", "Mounting", "Feedback", "Motor Options"},
        {"Stepper", "Stack Length", "Winding", "Shaft", "Shaft Options", "Motor Options"},
        {"Colbitum", "Motor Diameter", "Voltage", m_rules.colbitumFeedbackCaption, "Shaft Options", "Options"},
    };
    for (const Captions& c : table) {
        if (partNumberType != QLatin1String(c.type))
            continue;
        m_c.lblStack_Length->setText(c.stack);
        m_c.lblWinding->setText(c.winding);
        m_c.lblFeedback->setText(c.feedback);
        m_c.lblShaft_Options->setText(c.shaft);
        m_c.lblMotor_Options->setText(c.options);
        return;
    }
}

void SelectionCascade::listFrameSizes() const
{
    fillDistinct(m_c.cmbFrame_size, kFrameSizes, {m_c.driveList->text(), m_c.cmbMotor_Series->text()},
                 QStringLiteral("Frame_Size"));
    m_c.cmbFrame_size->setListIndex(-1);
    m_c.cmbFrame_size->setEnabled(true);
}

bool SelectionCascade::listAfterDrive(bool seriesChosen, const AxisSnapshot& before)
{
    if (!seriesChosen) {
        listSeriesOfDrive();
        return true;
    }
    listFrameSizes();
    if (m_c.cmbFrame_size->listCount() > 0)
        return true;
    before.refuse(QStringLiteral("Drive"));
    return false;
}

void SelectionCascade::listSeriesOfDrive() const
{
    fillDistinct(m_c.cmbMotor_Series, kSeriesOfDrive.arg(m_rules.includeColumn), {m_c.driveList->text()},
                 QStringLiteral("Motor Name"), false);
    m_c.cmbMotor_Series->setListIndex(-1);
}

QStringList SelectionCascade::drivesOfSeries(const QString& series)
{
    QStringList drives;
    const QString column = QStringLiteral("Drive Name");
    for (Recordset& rs = Run_Query(kDrivesOfSeries, {series}); !rs.eof(); rs.moveNext())
        if (!rs.text(column).isEmpty() && !drives.contains(rs.text(column)))
            drives << rs.text(column);
    return drives;
}

void SelectionCascade::technologyChosen(const std::function<void()>& resetKeepingTechnology)
{
    if (!Loading_Project)
        resetKeepingTechnology();
    const QString technology = m_c.cmbMotor_Tech->text();
    Current_Record().Motor_Technology = technology;

    // A row without a name offers nothing to choose.
    fillRows(m_c.driveList, m_rules.technologyDrivesSql, technologyDriveParams(technology),
             m_rules.technologyDriveColumn, false);
    const QString name = QStringLiteral("Motor Name");
    QStringList series;
    for (Recordset& rs = Run_Query(m_rules.technologySeriesSql, {technology}); !rs.eof(); rs.moveNext())
        if (rs.boolean(m_rules.includeColumn) && !rs.text(name).isEmpty())
            series << rs.text(name);
    m_c.cmbMotor_Series->addItems(series);

    // Enabled first: a lone entry the catalogue refuses leaves its list to the user.
    m_c.driveList->setEnabled(true);
    m_c.cmbMotor_Series->setEnabled(true);
    LoneEntry::choose(m_c.driveList);
    LoneEntry::choose(m_c.cmbMotor_Series);
}

bool SelectionCascade::listDrivesOfSeries()
{
    m_c.driveList->clear();
    fillDistinct(m_c.driveList, kDrivesOfSeries, {m_c.cmbMotor_Series->text()}, QStringLiteral("Drive Name"), false);
    m_c.driveList->setListIndex(-1);
    return true;
}

bool SelectionCascade::upperChoice(const ListControl* list, const QString& last, ::Stage stage,
                                   const ChoiceSteps& steps)
{
    if (Loading_Lists)
        return false;
    const QString chosen = list->text();
    if (chosen == last)
        return false;
    if (!Loading_Project)
        Dependents::closeWindows(stage);
    const AxisSnapshot before(list);
    FlagGuard loading(Loading_Lists, true);
    AxisRecord& record = Current_Record();

    hideResultDisplay();
    emptyAndDisable(FrameSize);
    Dependents::drop(stage);
    if (m_rules.resultDropped && !Loading_Project)
        m_rules.resultDropped();
    steps(chosen, before, record);
    return true;
}

void SelectionCascade::motorSeriesClick()
{
    upperChoice(m_c.cmbMotor_Series, Last_Motor_Series, ::Stage::Series,
                [this](const QString& series, const AxisSnapshot& before, AxisRecord& record) {
                    seriesChosen(series, before, record);
                });
}

void SelectionCascade::seriesChosen(const QString& series, const AxisSnapshot& before, AxisRecord& record)
{
    // Any type is taken as it stands: another one keeps the captions and
    // builds no motor part number; only a series without its row is refused.
    QString partNumberType;
    try {
        partNumberType = MotorPartNumber::typeOf(series);
    } catch (const DatabaseFault&) {
        before.restore();
        throw;
    }
    Pictures::showIn(m_c.picMotor_Series, series);
    if (m_c.driveList->listIndex() != -1) {
        if (!listAfterDrive(true, before))
            return;
    } else if (!listDrivesOfSeries()) {
        before.refuse(QStringLiteral("Controller"));
        return;
    }
    Loading_Lists = false;

    record.Part_Number_Type = partNumberType;
    relabel(record.Part_Number_Type);

    record.Motor_Series = series;

    if (m_rules.seriesSelectsSingleDrive)
        LoneEntry::choose(m_c.driveList);
    LoneEntry::choose(m_c.cmbFrame_size);
}

void SelectionCascade::fillAfter(Stage stage, bool qdServo, const AxisRecord& record) const
{
    const QString drive = m_c.driveList->text();
    const QString series = m_c.cmbMotor_Series->text();
    const QString frame = m_c.cmbFrame_size->text();
    const QString stack = m_c.cmbStack_length->text();
    const QString winding = m_c.cmbWinding->text();
    const auto lists = m_c.detailLists();
    ListControl* next = lists[stage + 1];

    // For "QD_Servo" the fourth list offers the mountings and the fifth the feedbacks.
    const auto feedbacks = [&] {
        fillDistinct(next, kFeedbacks, {drive, series, frame, stack, winding}, QStringLiteral("Feedback"));
    };
    const auto shaftOptions = [&] {
        fillDistinct(next, kShaftOptions, {series, frame, stack}, QStringLiteral("Shaft_Options"));
    };
    switch (stage) {
    case FrameSize:
        fillDistinct(next, kStackLengths, {drive, series, frame}, QStringLiteral("Stack_Length"));
        break;
    case StackLength:
        fillDistinct(next, kWindings, {drive, series, frame, stack}, QStringLiteral("Winding"));
        break;
    case Winding:
        qdServo ? shaftOptions() : feedbacks();
        break;
    case FourthList:
        qdServo ? feedbacks() : shaftOptions();
        break;
    case FifthList:
        // Filtered by the feedback stored in the record, whichever list showed it.
        fillDistinct(next, kCableOptions, {drive, series, frame, stack, winding, record.Feedback},
                     QStringLiteral("Cable_Option"));
        break;
    case CableOption:
        // Filtered by the fourth list's text: the mounting for "QD_Servo".
        fillDistinct(next, kMotorOptions.arg(m_rules.optionsOrderBy),
                     {series, frame, stack, winding, m_c.cmbFeedback->text(), m_c.cmbCable_Option->text()},
                     QStringLiteral("Options"));
        break;
    case MotorOptions:
        break;
    }
}

void SelectionCascade::detailClick(Stage stage)
{
    if (stage >= MotorOptions)
        return;
    AxisRecord& record = Current_Record();
    if (Loading_Lists)
        return;
    // Without a type the choice is not taken: the list shows its former entry
    // again, as the record holds it, and the stack lengths stay empty.
    if (stage == FrameSize && m_rules.frameSizeNeedsPartNumberType && record.Part_Number_Type.isEmpty()) {
        m_c.cmbFrame_size->restore(m_c.cmbFrame_size->items(), m_c.cmbFrame_size->formerIndex());
        return;
    }
    FlagGuard loading(Loading_Lists, true);

    const auto lists = m_c.detailLists();
    ListControl* own = lists[stage];
    ListControl* next = lists[stage + 1];
    const Stage after = static_cast<Stage>(stage + 1);

    hideResultDisplay();
    emptyAndDisable(after);
    dropFrom(after);

    const bool qdServo = record.Part_Number_Type == kQdServo;
    const Field ownSlot = slotOf(stage, qdServo);
    const bool earlyStore = stage == Winding || stage == FourthList || stage == FifthList;
    const QString text = own->text();

    if (earlyStore)
        record.*ownSlot = text;
    fillAfter(stage, qdServo, record);
    next->setListIndex(-1);
    next->setEnabled(true);
    if (!earlyStore)
        record.*ownSlot = text;
    Loading_Lists = false;
    if (stage == Winding)
        record.Winding = m_c.cmbWinding->text();

    // A "QD_Servo" feedback list always waits for the user.
    if (!(qdServo && stage == FourthList))
        LoneEntry::choose(next);
}
