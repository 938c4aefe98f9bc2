#include "setup/common/CableLengthStep.h"

#include "platform/ListControl.h"
#include "setup/common/SelectionCascade.h"
#include "setup/common/TextBox.h"
#include "shell/AxisRecord.h"
#include "shell/Globals.h"

using namespace Globals;

CableLengthStep::CableLengthStep(const CascadeControls& controls)
    : m_c(controls)
{
}

void CableLengthStep::fillLengths(ListControl* list, const QString& cable)
{
    list->clear();
    SelectionCascade::fillRows(list,
                               QStringLiteral("SELECT Cables.Cable, Cables.Length "
                                              "From Cables WHERE (((Cables.Cable)=?))"
                                              "ORDER BY Cables.Length;"),
                               {cable}, QStringLiteral("length"));
}

QString CableLengthStep::partNumber(const QString& cable, const QString& length)
{
    const Recordset& rs = Run_Query(QStringLiteral("SELECT Cables.Cable, Cables.Length, Cables.[Cable Part Number] "
                                                   "From Cables WHERE (((Cables.Cable)=?) AND ((Cables.Length)=?));"),
                                    {cable, length});
    return rs.eof() ? QString() : rs.text(QStringLiteral("Cable Part Number"));
}

void CableLengthStep::click(Cable cable)
{
    const bool motor = cable == MotorCable;
    ListControl* own = motor ? m_c.cmbMotor_Cable_Length : m_c.cmbFeedback_Cable_Length;
    ListControl* other = motor ? m_c.cmbFeedback_Cable_Length : m_c.cmbMotor_Cable_Length;
    AxisRecord& record = Current_Record();

    // The other cable takes the same length when it has none yet (and offers
    // it: otherwise it stays unselected); its own handler runs completely first.
    if (!Loading_Project && other->listIndex() < 0)
        other->setText(own->text());

    QString& length = motor ? record.Motor_Cable_Length : record.Feedback_Cable_Length;
    QString& partNumber = motor ? record.Motor_Cable_Part_Number : record.Feedback_Cable_Part_Number;
    const QString& name = motor ? record.Motor_Cable : record.Feedback_Cable;
    length = own->text();
    partNumber = CableLengthStep::partNumber(name, length);

    const QString crlf = QStringLiteral("\r\n");
    m_c.txtMotor->setText(QStringLiteral("Motor Cable: ") + record.Motor_Cable_Part_Number + crlf
                          + QStringLiteral("Feedback Cable: ") + record.Feedback_Cable_Part_Number + crlf
                          + QStringLiteral("Notes: ") + record.Motor_Notes);
}
