#include "platform/ListControl.h"

#include "platform/HandlerCall.h"

#include <QAbstractItemView>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QWheelEvent>

ListControl::ListControl(QWidget* parent)
    : QComboBox(parent)
{
    setEditable(false);
    // A wheel passing over the list must not take the focus it then follows.
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QComboBox::activated, this, &ListControl::onActivated);
}

void ListControl::setClickHandler(std::function<void()> handler)
{
    m_handler = std::move(handler);
}

void ListControl::addItem(const QString& text)
{
    const QSignalBlocker blocker(this);
    const int before = currentIndex();
    QComboBox::addItem(text);
    if (before < 0)
        setCurrentIndex(-1);
    m_settled = currentIndex();
}

void ListControl::addItems(const QStringList& texts)
{
    // One insertion into the model: a long list costs no per-entry notifications.
    const QSignalBlocker blocker(this);
    const int before = currentIndex();
    QComboBox::addItems(texts);
    if (before < 0)
        setCurrentIndex(-1);
    m_settled = currentIndex();
}

void ListControl::clear()
{
    const QSignalBlocker blocker(this);
    QComboBox::clear();
    m_settled = -1;
}

void ListControl::removeItem(int index)
{
    if (index < 0 || index >= count())
        return;
    const QSignalBlocker blocker(this);
    const int selected = currentIndex();
    QComboBox::removeItem(index);
    if (selected == index)
        setCurrentIndex(-1);
    m_settled = currentIndex();
}

QStringList ListControl::items() const
{
    QStringList out;
    out.reserve(count());
    for (int i = 0; i < count(); ++i)
        out << itemText(i);
    return out;
}

QString ListControl::text() const
{
    return currentIndex() < 0 ? QString() : itemText(currentIndex());
}

void ListControl::setListIndex(int index)
{
    if (index < -1 || index >= count())
        index = -1;
    if (index == currentIndex())
        return;
    select(index);
    runClick();
}

int ListControl::findEntry(const QString& text) const
{
    for (int i = 0; i < count(); ++i)
        if (itemText(i) == text)
            return i;
    for (int i = 0; i < count(); ++i)
        if (itemText(i).compare(text, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

bool ListControl::setText(const QString& text)
{
    const int index = findEntry(text);
    if (index < 0)
        return false;
    select(index);
    runClick();
    return true;
}

void ListControl::choose(int index)
{
    if (index < 0 || index >= count())
        return;
    select(index);
    HandlerCall::fromEventLoop(m_handler);
}

bool ListControl::choose(const QString& text)
{
    const int index = findEntry(text);
    if (index < 0)
        return false;
    choose(index);
    return true;
}

void ListControl::showPopup()
{
    // A style that opens the list as a menu widens it to the entries itself;
    // the others keep the closed width. Measured only when opened: filling a
    // list stays free of it.
    QStyleOptionComboBox option;
    initStyleOption(&option);
    if (!style()->styleHint(QStyle::SH_ComboBox_Popup, &option, this)) {
        QAbstractItemView* entries = view();
        int width = entries->sizeHintForColumn(0) + 2 * entries->frameWidth();
        if (count() > maxVisibleItems())
            width += entries->verticalScrollBar()->sizeHint().width();
        entries->setMinimumWidth(width);
    }
    QComboBox::showPopup();
}

void ListControl::wheelEvent(QWheelEvent* event)
{
    // Ignored, the turn goes to the parents: the form scrolls as over empty space.
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

void ListControl::runClick()
{
    if (m_handler)
        m_handler();
}

void ListControl::select(int index)
{
    m_former = currentIndex();
    const QSignalBlocker blocker(this);
    setCurrentIndex(index);
    m_settled = index;
}

void ListControl::restore(const QStringList& entries, int index)
{
    const QSignalBlocker blocker(this);
    if (items() != entries) {
        QComboBox::clear();
        QComboBox::addItems(entries);
    }
    setCurrentIndex(index);
    m_settled = currentIndex();
}

void ListControl::onActivated(int)
{
    m_former = m_settled;
    m_settled = currentIndex();
    // A user's choice arrives through the event loop: nothing may escape here.
    HandlerCall::fromEventLoop(m_handler);
}
