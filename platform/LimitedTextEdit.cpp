#include "platform/LimitedTextEdit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>

#include <algorithm>

LimitedTextEdit::LimitedTextEdit(int maxLength, QWidget* parent)
    : QPlainTextEdit(parent), m_maxLength(maxLength)
{
    // Tab and Shift+Tab move on to the next control, as from every box of the
    // program: a keyboard user is never held in the box.
    setTabChangesFocus(true);
}

qsizetype LimitedTextEdit::room() const
{
    const QTextCursor cursor = textCursor();
    // The document counts the paragraph separator that ends its last line.
    const qsizetype length = document()->characterCount() - 1;
    return std::max<qsizetype>(0, m_maxLength - length + (cursor.selectionEnd() - cursor.selectionStart()));
}

QString LimitedTextEdit::fitted(const QString& text) const
{
    qsizetype n = std::min(text.size(), room());
    if (n > 0 && n < text.size() && text.at(n - 1).isHighSurrogate())
        --n;
    return text.left(n);
}

void LimitedTextEdit::insertFromMimeData(const QMimeData* source)
{
    if (!source->hasText() || source->text().size() <= room()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    QMimeData cut;
    cut.setText(fitted(source->text()));
    QPlainTextEdit::insertFromMimeData(&cut);
}

void LimitedTextEdit::keyPressEvent(QKeyEvent* event)
{
    // Keys that type (a line break too); editing keys and shortcuts go on.
    const QString typed = event->text();
    const bool types = !typed.isEmpty() && std::ranges::all_of(typed, [](QChar c) {
        return c.isPrint() || c == QLatin1Char('\r') || c == QLatin1Char('\t');
    });
    if (types && !(event->modifiers() & Qt::ControlModifier) && typed.size() > room()) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void LimitedTextEdit::inputMethodEvent(QInputMethodEvent* event)
{
    if (event->commitString().size() <= room()) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent cut(event->preeditString(), event->attributes());
    cut.setCommitString(fitted(event->commitString()), event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&cut);
}
