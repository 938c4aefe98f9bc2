#include "platform/OptionButton.h"

#include "platform/HandlerCall.h"

#include <QSignalBlocker>

OptionButton::OptionButton(const QString& caption, QWidget* parent)
    : QRadioButton(caption, parent)
{
    connect(this, &QAbstractButton::clicked, this,
            [this](bool) { HandlerCall::fromEventLoop(m_handler); });
}

void OptionButton::setClickHandler(std::function<void()> handler)
{
    m_handler = std::move(handler);
}

void OptionButton::setValue(bool on)
{
    if (isChecked() == on)
        return;
    {
        const QSignalBlocker blocker(this);
        // Qt keeps the checked button of an exclusive group checked; an option
        // button set to False from code must read False afterwards.
        const bool exclusive = autoExclusive();
        if (!on)
            setAutoExclusive(false);
        setChecked(on);
        setAutoExclusive(exclusive);
    }
    if (on && m_handler)
        m_handler();
}

void OptionButton::choose()
{
    {
        const QSignalBlocker blocker(this);
        setChecked(true);
    }
    HandlerCall::fromEventLoop(m_handler);
}
