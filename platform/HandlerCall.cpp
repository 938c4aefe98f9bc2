#include "platform/HandlerCall.h"

#include "platform/MsgBox.h"

#include <QString>

#include <exception>

void HandlerCall::fromEventLoop(const std::function<void()>& handler)
{
    if (!handler)
        return;
    try {
        handler();
    } catch (const std::exception& e) {
        MsgBox::show(QString::fromUtf8(e.what()), MsgBox::OKOnly, QStringLiteral("Brevan Quenro"),
                     MsgBox::Critical);
    } catch (...) {
        MsgBox::show(QStringLiteral("Unexpected error"), MsgBox::OKOnly,
                     QStringLiteral("Brevan Quenro"), MsgBox::Critical);
    }
}
