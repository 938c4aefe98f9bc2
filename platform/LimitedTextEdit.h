#pragma once

#include <QPlainTextEdit>

// A text box of several lines that takes at most maxLength characters from the
// user: what is typed, pasted or dropped beyond them is cut off before it goes
// in (a huge paste costs nothing). Text set by code is taken whole. Tab moves
// the focus on and types nothing.
class LimitedTextEdit : public QPlainTextEdit {
public:
    explicit LimitedTextEdit(int maxLength, QWidget* parent = nullptr);

    int maxLength() const { return m_maxLength; }

protected:
    void insertFromMimeData(const QMimeData* source) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    // How many characters may still go in, the selection replaced.
    qsizetype room() const;
    // The text cut to the room, never between the halves of a surrogate pair.
    QString fitted(const QString& text) const;

    int m_maxLength;
};
