#include "setup/common/CableLengthStep.h"

#include "platform/DatabaseFault.h"
#include "platform/ListControl.h"
#include "setup/common/TextBox.h"
#include "shell/AxisRecord.h"
#include "shell/Globals.h"
#include "shell/PartNumbers.h"

using namespace Globals;

CableLengthStep::CableLengthStep(const CascadeControls& controls)
    : m_c(controls)
{
}

namespace {

const QString kCables = QStringLiteral("Cables");

// "N/A" and "No Cable Required" stand for no cable: nothing to bill.
bool isPart(const QString& cable)
{
    return !Names_No_Part(cable);
}

} // namespace

QStringList CableLengthStep::lengths(const QString& cable)
{
    const QString column = QStringLiteral("Length");
    QStringList out;
    if (cable.isEmpty())
        return out;
    for (Recordset& rs = Run_Query(QStringLiteral("SELECT Cables.Cable, Cables.Length "
                                                  "From Cables WHERE (((Cables.Cable)=?))"
                                                  "ORDER BY Cables.Length;"),
                                   {cable});
         !rs.eof(); rs.moveNext()) {
        // A length is what the cable's part number is found by.
        if (rs.text(column).isEmpty())
            throw DatabaseFault::badValue(System_Database.path(), kCables, column, cable, QStringLiteral("value"));
        out << rs.text(column);
    }
    return out;
}

void CableLengthStep::fillLengths(ListControl* list, const QString& cable)
{
    const QStringList offered = lengths(cable);
    list->clear();
    list->addItems(offered);
}

QString CableLengthStep::partNumber(const QString& cable, const QString& length)
{
    const QString column = QStringLiteral("Cable Part Number");
    const Recordset& rs = Run_Query(QStringLiteral("SELECT Cables.Cable, Cables.Length, Cables.[Cable Part Number] "
                                                   "From Cables WHERE (((Cables.Cable)=?) AND ((Cables.Length)=?));"),
                                    {cable, length});
    if (rs.eof())
        return QString();
    const QString part = rs.text(column);
    // A cable billed without its part number would leave the bill in silence.
    if (part.isEmpty() && isPart(cable))
        throw DatabaseFault::badValue(System_Database.path(), kCables, column, {cable, length},
                                      QStringLiteral("value"));
    return part;
}

QString CableLengthStep::chosenPartNumber(ListControl* lengths, const QString& cable)
{
    try {
        return partNumber(cable, lengths->text());
    } catch (const DatabaseFault&) {
        lengths->restore(lengths->items(), lengths->formerIndex());
        throw;
    }
}

void CableLengthStep::click(Cable cable)
{
    const bool motor = cable == MotorCable;
    ListControl* own = motor ? m_c.cmbMotor_Cable_Length : m_c.cmbFeedback_Cable_Length;
    ListControl* other = motor ? m_c.cmbFeedback_Cable_Length : m_c.cmbMotor_Cable_Length;
    AxisRecord& record = Current_Record();

    const QString part = chosenPartNumber(own, motor ? record.Motor_Cable : record.Feedback_Cable);
    (motor ? record.Motor_Cable_Length : record.Feedback_Cable_Length) = own->text();
    (motor ? record.Motor_Cable_Part_Number : record.Feedback_Cable_Part_Number) = part;

    const QString crlf = QStringLiteral("\r\n");
    m_c.txtMotor->setText(QStringLiteral("Motor Cable: ") + record.Motor_Cable_Part_Number + crlf
                          + QStringLiteral("Feedback Cable: ") + record.Feedback_Cable_Part_Number + crlf
                          + QStringLiteral("Notes: ") + record.Motor_Notes);

    // The other cable takes the same length when it has none yet (and offers
    // it: otherwise it stays unselected). This one is taken first, so that a
    // length the other cannot bill leaves this choice standing.
    if (!Loading_Project && other->listIndex() < 0)
        other->setText(own->text());
}
