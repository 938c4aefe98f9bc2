#include "curves/ServoFeedbackKinds.h"

#include "platform/Recordset.h"

ServoFeedbackKinds ServoFeedbackKinds::read(const Recordset& rs)
{
    ServoFeedbackKinds f;
    f.IncEncFeedback = rs.boolean(QStringLiteral("IncEncFeedback"));
    f.ResFeedback = rs.boolean(QStringLiteral("ResFeedback"));
    f.Rendat = rs.boolean(QStringLiteral("Rendat"));
    f.Endat = rs.boolean(QStringLiteral("Endat"));
    f.SinCos = rs.boolean(QStringLiteral("SinCos"));
    f.HallOnly = rs.boolean(QStringLiteral("HallOnly"));
    return f;
}
