#include "platform/MsgBox.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>

static MsgBox::Answer firstButton(MsgBox::Buttons buttons)
{
    return (buttons == MsgBox::YesNo || buttons == MsgBox::YesNoCancel) ? MsgBox::Yes : MsgBox::OK;
}

// The answer of Escape or of closing the window, as a message box gives it.
static MsgBox::Answer escapeAnswer(MsgBox::Buttons buttons)
{
    switch (buttons) {
    case MsgBox::OKOnly: return MsgBox::OK;
    case MsgBox::YesNo: return MsgBox::No;
    default: return MsgBox::Cancel;
    }
}

// The screen a dialog is centred on: its parent's, else the one under the mouse.
static QScreen* screenFor(const QWidget* parent)
{
    if (parent)
        return parent->screen();
    QScreen* underMouse = QGuiApplication::screenAt(QCursor::pos());
    return underMouse ? underMouse : QGuiApplication::primaryScreen();
}

// A message box wraps its text at half the screen's width at most; a text
// taller than two thirds of the screen would push its buttons off it.
static bool fitsMessageBox(const QString& prompt, const QFont& font, const QRect& available)
{
    QTextDocument text;
    text.setDocumentMargin(0);
    text.setDefaultFont(font);
    QTextOption wrap;
    wrap.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    text.setDefaultTextOption(wrap);
    text.setPlainText(prompt);
    text.setTextWidth(std::min(available.width() / 2, 500));
    return text.size().height() <= available.height() * 2 / 3;
}

// The box's icon, text and buttons in a window of four fifths of the screen,
// the text wrapped to its width and scrolling, the buttons always in sight.
static int execScrolling(const QMessageBox& box, const QRect& available)
{
    QDialog dialog(box.parentWidget());
    dialog.setWindowTitle(box.windowTitle());

    auto* text = new QPlainTextEdit(box.text());
    text->setReadOnly(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    auto* body = new QHBoxLayout;
    if (!box.iconPixmap().isNull()) {
        auto* icon = new QLabel;
        icon->setPixmap(box.iconPixmap());
        body->addWidget(icon, 0, Qt::AlignTop);
    }
    body->addWidget(text);

    // Both carry the same standard button values.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::StandardButtons(int(box.standardButtons())));
    QObject::connect(buttons, &QDialogButtonBox::clicked, &dialog, [&](QAbstractButton* button) {
        dialog.done(buttons->standardButton(button));
    });

    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(body);
    layout->addWidget(buttons);

    const QSize limit = available.size() * 4 / 5;
    dialog.resize(std::min(limit.width(), QFontMetrics(text->font()).averageCharWidth() * 100),
                  limit.height());
    // Enter answers OK or Yes, as in the plain box.
    buttons->button(box.standardButtons() & QMessageBox::Ok ? QDialogButtonBox::Ok : QDialogButtonBox::Yes)
        ->setDefault(true);
    return dialog.exec();
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
    const QRect available = screenFor(box.parentWidget())->availableGeometry();
    switch (fitsMessageBox(prompt, box.font(), available) ? box.exec() : execScrolling(box, available)) {
    case QMessageBox::Ok: return OK;
    case QMessageBox::Yes: return Yes;
    case QMessageBox::No: return No;
    default: return escapeAnswer(buttons);
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
