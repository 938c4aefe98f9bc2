#include "setup/common/TextBox.h"

#include <QEvent>
#include <QTextDocument>

#include <algorithm>

TextBox::TextBox(QWidget* parent)
    : QPlainTextEdit(parent), m_margin(document()->documentMargin())
{
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

void TextBox::setText(const QString& text)
{
    m_text = text;
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setPlainText(shown);
}

void TextBox::makeOneLine()
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void TextBox::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    fitMargin();
}

void TextBox::changeEvent(QEvent* event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitMargin();
}

void TextBox::fitMargin()
{
    // The small boxes were drawn for two lines of a narrower font: the margin
    // gives way so that the second line is not cut. Taller boxes keep theirs.
    const int room = contentsRect().height();
    const int line = std::max(1, fontMetrics().lineSpacing());
    const int lines = std::clamp(room / line, 1, 2);
    const qreal margin = std::clamp<qreal>(room - lines * line, 0, m_margin);
    if (document()->documentMargin() != margin)
        document()->setDocumentMargin(margin);
}
