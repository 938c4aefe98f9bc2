#pragma once

#include <QPlainTextEdit>

// A read-only multi-line text box of a setup form. It keeps the text exactly
// as the program set it (lines end in CR LF) and shows it line by line, as
// many whole lines as its height holds in the desktop's font.
class TextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    void setText(const QString& text);
    // For a box that only ever holds one line (a part number): no wrapping
    // and no scroll bars to lay out on every change.
    void makeOneLine();
    // The text as it was set, CR LF included.
    QString text() const { return m_text; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fitMargin();

    QString m_text;
    qreal m_margin;
};
