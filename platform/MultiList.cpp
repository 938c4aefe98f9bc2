#include "platform/MultiList.h"

#include "platform/HandlerCall.h"

#include <QSignalBlocker>

MultiList::MultiList(QWidget* parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::MultiSelection);
    connect(this, &QListWidget::itemClicked, this,
            [this](QListWidgetItem*) { HandlerCall::fromEventLoop(m_handler); });
}

void MultiList::setClickHandler(std::function<void()> handler)
{
    m_handler = std::move(handler);
}

void MultiList::addItem(const QString& text)
{
    const QSignalBlocker blocker(this);
    QListWidget::addItem(text);
}

void MultiList::clear()
{
    const QSignalBlocker blocker(this);
    QListWidget::clear();
}

QString MultiList::list(int index) const
{
    const QListWidgetItem* it = item(index);
    return it ? it->text() : QString();
}

QStringList MultiList::items() const
{
    QStringList out;
    for (int i = 0; i < count(); ++i)
        out << item(i)->text();
    return out;
}

bool MultiList::selected(int index) const
{
    const QListWidgetItem* it = item(index);
    return it && it->isSelected();
}

void MultiList::setSelected(int index, bool on)
{
    QListWidgetItem* it = item(index);
    if (!it || it->isSelected() == on)
        return;
    {
        const QSignalBlocker blocker(this);
        it->setSelected(on);
    }
    if (m_handler)
        m_handler();
}

QList<int> MultiList::selectedRows() const
{
    QList<int> out;
    for (int i = 0; i < count(); ++i)
        if (item(i)->isSelected())
            out << i;
    return out;
}

void MultiList::choose(int index)
{
    QListWidgetItem* it = item(index);
    if (!it)
        return;
    {
        const QSignalBlocker blocker(this);
        it->setSelected(!it->isSelected());
    }
    HandlerCall::fromEventLoop(m_handler);
}
