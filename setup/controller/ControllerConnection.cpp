#include "setup/controller/ControllerConnection.h"

#include "platform/DatabaseFault.h"
#include "platform/FlagGuard.h"
#include "platform/ListControl.h"
#include "setup/common/CableLengthStep.h"
#include "setup/common/LoneEntry.h"
#include "setup/common/SelectionCascade.h"
#include "setup/common/TextBox.h"
#include "shell/AxisRecord.h"
#include "shell/Dependents.h"
#include "shell/Globals.h"

#include <QPushButton>

#include <algorithm>

using namespace Globals;

namespace {

const QString kTnl = QStringLiteral("TNL");

// The first row's column, empty when there is no row.
QString firstText(const QString& sql, const QVariantList& params, const QString& column)
{
    const Recordset& rs = Run_Query(sql, params);
    return rs.eof() ? QString() : rs.text(column);
}

} // namespace

ControllerConnection::ControllerConnection(const ControllerControls& controls)
    : m_c(controls)
{
}

QString ControllerConnection::completeBreakout(const QString& base, const QString& ports)
{
    if (base.mid(6, 1).compare(QLatin1String("n"), Qt::CaseInsensitive) == 0)
        return base.left(6) + ports + QStringLiteral("-XX");
    return base.left(7) + QStringLiteral("-XX");
}

QString ControllerConnection::requiredAccessoryOf(const QString& controller)
{
    const QString column = QStringLiteral("Required Accessory");
    const Recordset& rs =
        Run_Query(QStringLiteral("SELECT DISTINCT [All Controllers].[Controller Name], "
                                 "[All Controllers].[Required Accessory] "
                                 "From [All Controllers] WHERE ((([All Controllers].[Controller Name])=?));"),
                  {controller});
    if (rs.eof())
        return QString();
    // An empty text, "N/A" or "No ..." requires none; a Null names nothing at all.
    if (rs.isNull(column))
        throw DatabaseFault::badValue(System_Database.path(), QStringLiteral("All Controllers"), column, controller,
                                      QStringLiteral("value"));
    return rs.text(column);
}

QStringList ControllerConnection::controllers()
{
    QStringList names;
    const QString column = QStringLiteral("Controller Name");
    for (Recordset& rs = Run_Query(QStringLiteral("SELECT DISTINCT [Controllers].[Controller Name] FROM [Controllers]"
                                                  "ORDER BY [Controllers].[Controller Name];"));
         !rs.eof(); rs.moveNext())
        if (!rs.isNull(column) && !rs.text(column).isEmpty())
            names << rs.text(column);
    return names;
}

bool ControllerConnection::fits(const QString& controller, const QString& drive)
{
    return Run_Query(QStringLiteral("SELECT [Controller to Drive].[Controller Name], [Controller to Drive].[Drive Name] "
                                    "From [Controller to Drive] WHERE ((([Controller to Drive].[Controller Name])=?) "
                                    "AND (([Controller to Drive].[Drive Name])=?));"),
                     {controller, drive})
               .recordCount()
        > 0;
}

bool ControllerConnection::takes(const QString& controller, const AxisRecord& record)
{
    if (!record.Drive_Name.isEmpty())
        return fits(controller, record.Drive_Name);
    if (record.Motor_Series.isEmpty())
        return true;
    QStringList drives;
    const QString column = QStringLiteral("Drive Name");
    for (Recordset& rs = Run_Query(QStringLiteral("SELECT [Drive to Motor].[Drive Name] From [Drive to Motor] "
                                                  "WHERE ((([Drive to Motor].[Motor Name])=?));"),
                                   {record.Motor_Series});
         !rs.eof(); rs.moveNext())
        drives << rs.text(column);
    return std::ranges::any_of(drives, [&](const QString& drive) { return fits(controller, drive); });
}

bool ControllerConnection::isBreakout(const QString& accessory)
{
    return accessory.startsWith(kTnl, Qt::CaseInsensitive);
}

QString ControllerConnection::breakoutPartNumber()
{
    const int axes = std::clamp(Total_Axes, 1, static_cast<int>(Axis.size()));
    const bool driven = std::any_of(Axis.begin(), Axis.begin() + axes,
                                    [](const AxisRecord& record) { return !record.Drive_Name.isEmpty(); });
    if (Controller_Name.isEmpty() || !driven)
        return {};
    if (!isBreakout(Required_Accessory))
        return Required_Accessory;
    if (Breakout_Axes.isEmpty() || Required_Accessory_Length.isEmpty())
        return {};
    return CableLengthStep::partNumber(Required_Accessory, Required_Accessory_Length);
}

QString ControllerConnection::text()
{
    const AxisRecord& record = Current_Record();
    const QString crlf = QStringLiteral("\r\n");
    // A breakout or a cable without its length shows its name, which is no part number.
    const QString breakout = Required_Accessory_Part_Number.isEmpty() ? Required_Accessory
                                                                      : Required_Accessory_Part_Number;
    const QString cable =
        record.Controller_Cable_Length.isEmpty() ? record.Controller_Cable : record.Controller_Cable_Part_Number;
    return QStringLiteral("Required Controller Accessories: ") + breakout + crlf
        + QStringLiteral("Drive Specific Controller Accessory: ") + record.Drive_Controller_Accessory + crlf
        + QStringLiteral("Cables: ") + cable + crlf + QStringLiteral("Notes: ") + record.Controller_Cable_Notes;
}

void ControllerConnection::writeText() const
{
    Required_Accessory_Part_Number = breakoutPartNumber();
    m_c.txtController->setText(text());
}

void ControllerConnection::connect(int axis, const QString& controller, const QString& drive)
{
    const Recordset& rs = Run_Query(
        QStringLiteral("SELECT [Controller to Drive].[Controller Name], [Controller to Drive].[Drive Name], "
                       "[Controller to Drive].Cable, [Controller to Drive].ControllerDriveRequired_Accessory "
                       "From [Controller to Drive] WHERE ((([Controller to Drive].[Controller Name])=?) AND "
                       "(([Controller to Drive].[Drive Name])=?));"),
        {controller, drive});
    const bool paired = !rs.eof();
    // A pair whose cable or accessory is Null names nothing the connection
    // could show or bill: it changes nothing. An empty one, "N/A" or "No ..."
    // is none; a cable without rows in Cables offers no length.
    for (const char* column : {"Cable", "ControllerDriveRequired_Accessory"})
        if (paired && rs.isNull(QLatin1String(column)))
            throw DatabaseFault::badValue(System_Database.path(), QStringLiteral("Controller to Drive"),
                                          QLatin1String(column), {controller, drive}, QStringLiteral("value"));
    const QString cable = paired ? rs.text(QStringLiteral("Cable")) : QString();
    const QString accessory = paired ? rs.text(QStringLiteral("ControllerDriveRequired_Accessory")) : QString();
    CableLengthStep::lengths(cable);
    AxisRecord& record = Axis[static_cast<std::size_t>(axis - 1)];
    // Another cable has no length chosen yet; a replay keeps the stored one.
    if (cable != record.Controller_Cable)
        Dependents::drop(Stage::ControllerConnection, axis);
    const QString& length = record.Controller_Cable_Length;
    record.Controller_Cable_Part_Number = length.isEmpty() ? QString() : CableLengthStep::partNumber(cable, length);
    record.Drive_Controller_Accessory = accessory;
    record.Controller_Cable = cable;
    record.Controller_Cable_Notes = firstText(QStringLiteral("SELECT Cables.Cable, Cables.Notes From Cables "
                                                             "WHERE (((Cables.Cable)=?));"),
                                              {cable}, QStringLiteral("Notes"));
}

void ControllerConnection::requireAccessoryOf(const QString& controller) const
{
    Required_Accessory = requiredAccessoryOf(controller);
    listPorts();
    writeText();
}

void ControllerConnection::serveOtherAxes(const QString& controller) const
{
    if (std::any_of(Axis.begin(), Axis.end(), [](const AxisRecord& record) { return !record.Drive_Name.isEmpty(); }))
        requireAccessoryOf(controller);
}

void ControllerConnection::forgetBreakout() const
{
    Dependents::drop(Stage::Breakout);
    for (ListControl* list : {m_c.cmbAxis_Number, m_c.cmbReq_Accessories_length})
        list->clear();
    for (QWidget* w : {static_cast<QWidget*>(m_c.cmbAxis_Number), m_c.lblAxis_Number,
                       static_cast<QWidget*>(m_c.cmbReq_Accessories_length), m_c.lblReq_Accessories_length})
        w->hide();
    // The connection text shows no breakout of the former controller.
    writeText();
}

void ControllerConnection::forgetPorts()
{
    FlagGuard emptying(Loading_Project, false);
    Dependents::drop(Stage::BreakoutPorts);
}

void ControllerConnection::refuse() const
{
    for (QWidget* w : {static_cast<QWidget*>(m_c.txtController), m_c.lblController})
        w->hide();
    for (QWidget* line : m_c.lines)
        line->hide();
    for (QWidget* w : std::initializer_list<QWidget*> {m_c.txtController_part, m_c.lblController_Part,
                                                       m_c.cmbController_Cable_Length, m_c.lblController_Cable_Length,
                                                       m_c.cmdController, m_c.cmdDriveAccessories})
        w->hide();
    // Nothing of the connection stays chosen behind the hidden lists; the breakout's hide too.
    forgetBreakout();
    m_c.cmbController_Cable_Length->clear();
    Dependents::drop(Stage::ControllerConnection);
}

void ControllerConnection::build(const QString& drive) const
{
    const QString controller = m_c.cmbController->text();
    Required_Accessory = requiredAccessoryOf(controller);
    // The lengths are listed afresh: only a length chosen in them makes the
    // cable a part (a replay keeps the stored one and selects it next).
    Dependents::drop(Stage::ControllerConnection, Current_Axis);
    connect(Current_Axis, controller, drive);
    writeText();

    // Listed afresh whatever the form shows, so that the one-entry rule holds
    // on every road; the ports and length chosen for the system stay chosen.
    listPorts();
    listCableLengths();
    m_c.show(m_c.txtController);
    m_c.show(m_c.lblController);
    for (QWidget* line : m_c.lines)
        m_c.show(line);
}

void ControllerConnection::listPorts() const
{
    m_c.cmbReq_Accessories_length->clear();
    m_c.cmbAxis_Number->clear();
    if (!isBreakout(Required_Accessory)) {
        for (QWidget* w : {static_cast<QWidget*>(m_c.cmbReq_Accessories_length), m_c.lblReq_Accessories_length,
                           static_cast<QWidget*>(m_c.cmbAxis_Number), m_c.lblAxis_Number})
            w->hide();
        return;
    }
    const QString controller = m_c.cmbController->text();
    const QString column = QStringLiteral("TNL Axes");
    SelectionCascade::fillRows(m_c.cmbAxis_Number,
                               QStringLiteral("SELECT DISTINCT [All Controllers].[Controller Name], "
                                              "[All Controllers].[TNL Axes] From [All Controllers] WHERE "
                                              "((([All Controllers].[Controller Name])=?) AND "
                                              "(NOT ([All Controllers].[TNL Axes])=0))"
                                              "ORDER BY [All Controllers].[TNL Axes];"),
                               {controller}, column, false);
    // A breakout offers no ports when its rows hold 0; rows without a count
    // in their place leave it unbuildable: the catalogue's to name.
    if (m_c.cmbAxis_Number->listCount() == 0
        && !Run_Query(QStringLiteral("SELECT [All Controllers].[Controller Name] From [All Controllers] WHERE "
                                     "[All Controllers].[Controller Name]=? AND "
                                     "([All Controllers].[TNL Axes] IS NULL OR [All Controllers].[TNL Axes]='');"),
                      {controller})
                .eof())
        throw DatabaseFault::badValue(System_Database.path(), QStringLiteral("All Controllers"), column, controller,
                                      QStringLiteral("value"));
    m_c.show(m_c.cmbAxis_Number);
    m_c.show(m_c.lblAxis_Number);
    // The breakout serves every axis: shown again for another axis' drive, it
    // keeps its ports and length (a replay selects the stored ones itself).
    if (!Loading_Project && !Breakout_Axes.isEmpty()) {
        const QString length = Required_Accessory_Length;
        FlagGuard keeping(Loading_Project, true);
        FlagGuard running(Loading_Lists, false);
        if (m_c.cmbAxis_Number->setText(Breakout_Axes)) {
            if (!length.isEmpty() && !m_c.cmbReq_Accessories_length->setText(length))
                Required_Accessory_Length.clear();
            return;
        }
        // The ports of another controller: its own are listed as for a first choice.
        forgetPorts();
    }
    LoneEntry::choose(m_c.cmbAxis_Number);
}

void ControllerConnection::listCableLengths() const
{
    const QString& cable = Current_Record().Controller_Cable;
    ListControl* lengths = m_c.cmbController_Cable_Length;
    CableLengthStep::fillLengths(lengths, cable);
    // A drive that needs no cable ("No Cable Required") offers no length to choose.
    if (!cable.isEmpty() && !cable.startsWith(QLatin1String("No"))) {
        m_c.show(lengths);
        m_c.show(m_c.lblController_Cable_Length);
    }
    // A single length gives its part number at once.
    LoneEntry::choose(lengths);
}

void ControllerConnection::portsClick() const
{
    if (Loading_Lists || !isBreakout(Required_Accessory))
        return;
    const QString ports = m_c.cmbAxis_Number->text();
    // Completed from the base part every time, so that another count gives its own cable.
    QString base = requiredAccessoryOf(m_c.cmbController->text());
    if (!isBreakout(base))
        base = Required_Accessory;
    const QString breakout = completeBreakout(base, ports);
    // A breakout cable with a row without its length takes no ports.
    QStringList offered;
    try {
        offered = CableLengthStep::lengths(breakout);
    } catch (const DatabaseFault&) {
        m_c.cmbAxis_Number->restore(m_c.cmbAxis_Number->items(), m_c.cmbAxis_Number->formerIndex());
        throw;
    }
    Required_Accessory = breakout;
    // No length is chosen for the new cable yet, so it is no part yet. A
    // replay selects the stored length next, which completes it.
    if (!Loading_Project)
        Required_Accessory_Length.clear();
    Breakout_Axes = ports;
    writeText();

    ListControl* lengths = m_c.cmbReq_Accessories_length;
    lengths->clear();
    lengths->addItems(offered);
    LoneEntry::choose(lengths);
    m_c.show(lengths);
    m_c.show(m_c.lblReq_Accessories_length);
}

void ControllerConnection::breakoutLengthClick() const
{
    if (!isBreakout(Required_Accessory))
        return;
    CableLengthStep::chosenPartNumber(m_c.cmbReq_Accessories_length, Required_Accessory);
    Required_Accessory_Length = m_c.cmbReq_Accessories_length->text();
    writeText();
}

void ControllerConnection::cableLengthClick() const
{
    AxisRecord& record = Current_Record();
    ListControl* lengths = m_c.cmbController_Cable_Length;
    record.Controller_Cable_Part_Number = CableLengthStep::chosenPartNumber(lengths, record.Controller_Cable);
    record.Controller_Cable_Length = lengths->text();
    writeText();
}
