#pragma once

#include <QListWidget>

#include <functional>

// A multi-select list box with the same event rules as ListControl: filling
// and clearing run nothing, a selection changed by code runs the Click handler
// when it changes, a user's click always runs it.
class MultiList : public QListWidget {
    Q_OBJECT
public:
    explicit MultiList(QWidget* parent = nullptr);

    void setClickHandler(std::function<void()> handler);

    void addItem(const QString& text);
    void clear();

    int listCount() const { return count(); }
    QString list(int index) const;
    QStringList items() const;
    bool selected(int index) const;
    void setSelected(int index, bool on);
    QList<int> selectedRows() const;

    // A user's click on an entry: toggles it and always runs the handler.
    void choose(int index);

private:
    std::function<void()> m_handler;
};
