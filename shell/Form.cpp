#include "shell/Form.h"

#include "platform/HandlerCall.h"
#include "platform/Twips.h"
#include "shell/Forms.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <algorithm>

Form::Form(const QString& name, Kind kind)
    : m_name(name), m_kind(kind)
{
    setObjectName(name);
    if (kind == TopLevel)
        setWindowFlag(Qt::Window, true);
    else if (kind == OwnedDialog)
        setWindowFlags(Qt::Dialog);
}

Form::~Form()
{
    if (m_sub) {
        m_sub->removeEventFilter(this);
        m_sub->setWidget(nullptr);
        m_sub->deleteLater();
    }
}

void Form::ensureOwner()
{
    QMdiArea* area = Forms::mdiArea();
    QWidget* owner = area ? area->window() : nullptr;
    if (!owner || parentWidget() == owner)
        return;
    // Reparenting hides a window and may move it: it keeps both.
    const QRect geometry = this->geometry();
    const bool wasShown = isVisible();
    setParent(owner, windowFlags());
    setGeometry(geometry);
    if (wasShown)
        QWidget::show();
}

void Form::ensureFrame()
{
    if (m_kind == OwnedDialog)
        ensureOwner();
    if (m_kind != MdiChild || m_sub)
        return;
    QMdiArea* area = Forms::mdiArea();
    if (!area)
        return;
    const QSize size = this->size();
    m_sub = area->addSubWindow(this);
    m_sub->setAttribute(Qt::WA_DeleteOnClose, false);
    m_sub->setWindowTitle(windowTitle());
    m_sub->resize(size);
    m_sub->installEventFilter(this);
}

QWidget* Form::frameWidget()
{
    ensureFrame();
    return m_sub ? static_cast<QWidget*>(m_sub) : static_cast<QWidget*>(this);
}

void Form::Show()
{
    ensureFrame();
    m_shown = true;
    if (m_sub) {
        QWidget::show();
        m_sub->show();
        m_sub->raise();
        if (QMdiArea* area = m_sub->mdiArea())
            area->setActiveSubWindow(m_sub);
    } else {
        QWidget::show();
        raise();
        activateWindow();
    }
}

void Form::Hide()
{
    m_shown = false;
    if (m_sub)
        m_sub->hide();
    else
        QWidget::hide();
}

void Form::setSubject(Stage stage, int axis, bool throughForm)
{
    static quint64 opened = 0;
    m_subject = Subject {stage, axis, throughForm, ++opened};
}

void Form::Unload()
{
    Forms::unload(m_name);
}

void Form::setCaption(const QString& caption)
{
    setWindowTitle(caption);
    if (m_sub)
        m_sub->setWindowTitle(caption);
}

void Form::setSizeTwips(int widthTwips, int heightTwips)
{
    frameWidget()->resize(Twips::size(widthTwips, heightTwips));
}

void Form::moveTwips(int leftTwips, int topTwips)
{
    frameWidget()->move(Twips::point(leftTwips, topTwips));
}

void Form::placeAboveScreenMiddle(int widthTwips, int heightTwips)
{
    setSizeTwips(widthTwips, heightTwips);
    const QPoint at = aboveScreenMiddle({Twips::screenWidth(), Twips::screenHeight()}, {widthTwips, heightTwips});
    moveTwips(at.x(), at.y());
}

QPoint Form::aboveScreenMiddle(QSize screenTwips, QSize formTwips)
{
    return {std::max(0, (screenTwips.width() - formTwips.width()) / 2),
            std::max(0, screenTwips.height() / 2 - formTwips.height())};
}

int Form::widthTwips() const
{
    return Twips::fromPixels(m_sub ? m_sub->width() : width());
}

int Form::heightTwips() const
{
    return Twips::fromPixels(m_sub ? m_sub->height() : height());
}

int Form::topTwips() const
{
    return Twips::fromPixels(m_sub ? m_sub->y() : y());
}

void Form::closeEvent(QCloseEvent* event)
{
    // The window's close box unloads the form as its own Unload would.
    event->ignore();
    const QString name = m_name;
    HandlerCall::fromEventLoop([name] { Forms::unload(name); });
}

bool Form::eventFilter(QObject* watched, QEvent* event)
{
    // The MDI frame's close box unloads the form too.
    if (watched == m_sub && event->type() == QEvent::Close) {
        event->ignore();
        const QString name = m_name;
        HandlerCall::fromEventLoop([name] { Forms::unload(name); });
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
