#include "platform/MsgBox.h"

#include <QApplication>
#include <QMessageBox>

static MsgBox::Answer firstButton(MsgBox::Buttons buttons)
{
    return (buttons == MsgBox::YesNo || buttons == MsgBox::YesNoCancel) ? MsgBox::Yes : MsgBox::OK;
}

MsgBox::Answer MsgBox::show(const QString& prompt, Buttons buttons, const QString& title, Icon icon)
{
    const Message message{prompt, buttons, title, icon};
    if (Seam* seam = Seam::current())
        return seam->answer(message);

    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setText(prompt);
    switch (icon) {
    case Critical: box.setIcon(QMessageBox::Critical); break;
    case Question: box.setIcon(QMessageBox::Question); break;
    case Exclamation: box.setIcon(QMessageBox::Warning); break;
    case Information: box.setIcon(QMessageBox::Information); break;
    case NoIcon: break;
    }
    switch (buttons) {
    case OKOnly: box.setStandardButtons(QMessageBox::Ok); break;
    case OKCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok: return OK;
    case QMessageBox::Yes: return Yes;
    case QMessageBox::No: return No;
    default: return buttons == YesNo ? No : Cancel;
    }
}

QStringList MsgBox::Seam::prompts() const
{
    QStringList out;
    for (const Message& m : m_messages)
        out << m.prompt;
    return out;
}

MsgBox::Answer MsgBox::Seam::answer(const Message& message)
{
    m_messages.append(message);
    if (m_answers.empty())
        return m_answerer ? m_answerer(message) : firstButton(message.buttons);
    const Answer a = m_answers.front();
    m_answers.pop_front();
    return a;
}
