#pragma once

#include <QComboBox>

#include <functional>

// A drop-down list whose Click handler runs the way the cascade expects:
// filling or clearing never runs it, a selection made by code runs it at once
// (nested) when the index changes, a selection by text always runs it, and a
// user's choice always runs it, also when the same entry is picked again.
// The mouse wheel picks entries only while the list has the keyboard focus;
// over any other list it scrolls what lies behind, and it never gives focus.
class ListControl : public QComboBox {
    Q_OBJECT
public:
    explicit ListControl(QWidget* parent = nullptr);

    void setClickHandler(std::function<void()> handler);

    // The open list is at least as wide as its widest entry, whatever the
    // closed list's width and the style.
    void showPopup() override;

    // Filling never selects: a list without a selection keeps none.
    void addItem(const QString& text);
    // All entries at once, in order.
    void addItems(const QStringList& texts);
    void clear();
    // Removing the selected entry leaves nothing selected.
    void removeItem(int index);

    int listCount() const { return count(); }
    QString list(int index) const { return itemText(index); }
    QStringList items() const;
    int listIndex() const { return currentIndex(); }
    // The selected entry's text, empty when nothing is selected.
    QString text() const;

    // Selection by code: runs the handler only when the index changes.
    void setListIndex(int index);
    // Selection of an entry by its text (exact, else ignoring case); runs the
    // handler even when it is already selected. False when no entry matches:
    // nothing changes then.
    bool setText(const QString& text);

    // A user's choice, as from the keyboard or mouse: always runs the handler.
    void choose(int index);
    bool choose(const QString& text);

    int findEntry(const QString& text) const;

    // The selection that the choice now running (or run last) replaced, -1 for none.
    int formerIndex() const { return m_former; }
    // Entries and selection put back as they were, running no handler.
    void restore(const QStringList& entries, int index);

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    // Selects without notice, keeping the selection it replaces.
    void select(int index);
    void runClick();
    void onActivated(int index);

    std::function<void()> m_handler;
    // The selection as this class last left it: a user's choice has already
    // changed the index when it reports itself.
    int m_settled = -1;
    int m_former = -1;
};
