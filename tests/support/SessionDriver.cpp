#include "support/SessionDriver.h"

#include "support/AppFixture.h"

#include "platform/ListControl.h"
#include "platform/MultiList.h"
#include "platform/OptionButton.h"
#include "setup/common/TextBox.h"
#include "shell/Form.h"
#include "shell/Forms.h"
#include "shell/SetupKinds.h"
#include "shell/frmAccessories.h"
#include "shell/frmGear.h"
#include "shell/mdiMain.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolBar>

#include <algorithm>

namespace {

const QString kMain = QStringLiteral("main");
const QString kAnswers = QStringLiteral(" => ");
const QString kEntry = QStringLiteral(" = ");
const QString kTyped = QStringLiteral(" := ");
const QString kClose = QStringLiteral("close");
const QString kResetAxis = QStringLiteral("ResetAxis");
const QString kResetAll = QStringLiteral("ResetAll");

// Shown in its window and usable by a user.
bool usable(const QWidget* w, const Form* window)
{
    return w->isEnabled() && w->isVisibleTo(window) && !w->objectName().isEmpty();
}

// 0: the setup form, 1: its options dialog, 2: the gearhead dialog, 3: the accessory dialog.
int rank(const Form* form)
{
    if (form->Name() == frmAccessories::Name)
        return 3;
    if (form->Name() == frmGear::Name)
        return 2;
    for (const SetupKinds::Kind& kind : SetupKinds::all())
        if (form->Name() == kind.optionsDialog)
            return 1;
    return 0;
}

bool sessionWindow(const Form* form)
{
    if (form->Name() == frmAccessories::Name || form->Name() == frmGear::Name)
        return true;
    for (const SetupKinds::Kind& kind : SetupKinds::all())
        if (form->Name() == kind.form || form->Name() == kind.optionsDialog)
            return true;
    return false;
}

const QString kTypedNotes[] = {QStringLiteral("Typed"), QStringLiteral("Two\nlines"), QString()};

} // namespace

SessionDriver::SessionDriver(mdiMain& main, MsgBox::Seam& msg) : m_main(main), m_msg(msg)
{
    m_msg.answerWith([this](const MsgBox::Message& message) {
        const bool yesNo = message.buttons == MsgBox::YesNo || message.buttons == MsgBox::YesNoCancel;
        if (message.buttons == MsgBox::OKOnly)
            return MsgBox::OK;
        // By MsgBox::Answer.
        static const QStringList names {QStringLiteral("OK"), QStringLiteral("Cancel"), QStringLiteral("Yes"),
                                        QStringLiteral("No")};
        if (m_rng) {
            const bool first = std::bernoulli_distribution(0.5)(*m_rng);
            const MsgBox::Answer answer =
                first ? (yesNo ? MsgBox::Yes : MsgBox::OK) : (yesNo ? MsgBox::No : MsgBox::Cancel);
            m_answers << names.at(answer);
            return answer;
        }
        if (!m_answers.isEmpty())
            return static_cast<MsgBox::Answer>(std::max<qsizetype>(0, names.indexOf(m_answers.takeFirst())));
        return yesNo ? MsgBox::Yes : MsgBox::OK;
    });
}

SessionDriver::~SessionDriver()
{
    m_msg.answerWith(nullptr);
}

QList<Form*> SessionDriver::windows()
{
    QList<Form*> shown;
    for (Form* form : Forms::loaded())
        if (form->Visible() && sessionWindow(form))
            shown << form;
    std::stable_sort(shown.begin(), shown.end(), [](const Form* a, const Form* b) { return rank(a) < rank(b); });
    return shown;
}

QList<SessionDriver::Candidate> SessionDriver::candidates(std::mt19937& rng, bool anyWindow) const
{
    QList<Form*> open = windows();
    if (!anyWindow && open.size() > 1)
        open = {open.last()};
    QList<Candidate> out;
    for (Form* window : open) {
        const QString prefix = window->Name() + QLatin1Char('.');
        for (auto* list : window->findChildren<ListControl*>()) {
            if (!usable(list, window) || list->listCount() == 0)
                continue;
            const int entry = std::uniform_int_distribution<int>(0, list->listCount() - 1)(rng);
            // Unchosen lists come first, so that sessions reach whole configurations.
            out.append({prefix + list->objectName() + kEntry + list->items().at(entry), list->listIndex() < 0 ? 8.0 : 1.0});
        }
        for (auto* list : window->findChildren<MultiList*>()) {
            if (!usable(list, window) || list->listCount() == 0)
                continue;
            const int row = std::uniform_int_distribution<int>(0, list->listCount() - 1)(rng);
            out.append({prefix + list->objectName() + kEntry + list->items().at(row), 2.0});
        }
        for (auto* button : window->findChildren<QPushButton*>())
            if (usable(button, window) && button->objectName() != QLatin1String("cmdCurve"))
                out.append({prefix + button->objectName(), 1.0});
        for (auto* option : window->findChildren<OptionButton*>())
            if (usable(option, window))
                out.append({prefix + option->objectName(), 1.0});
        for (auto* notes : window->findChildren<QPlainTextEdit*>())
            if (usable(notes, window) && !notes->isReadOnly() && !qobject_cast<TextBox*>(notes)) {
                const int typed = std::uniform_int_distribution<int>(0, std::size(kTypedNotes) - 1)(rng);
                out.append({prefix + notes->objectName() + kTyped + kTypedNotes[typed], 0.3});
            }
        if (rank(window) > 0)
            out.append({prefix + kClose, 1.0});
    }
    if (anyWindow || (open.size() == 1 && rank(open.first()) == 0)) {
        const QAction* resetAxis = m_main.Toolbar_Button(6);
        if (m_main.Toolbar1()->isEnabled() && resetAxis->isEnabled() && resetAxis->isVisible())
            out.append({kMain + QLatin1Char('.') + kResetAxis, 0.15});
        if (m_main.mnuReset_All()->isEnabled())
            out.append({kMain + QLatin1Char('.') + kResetAll, 0.1});
    }
    return out;
}

void SessionDriver::step(std::mt19937& rng, bool anyWindow, QStringList& actions)
{
    const QList<Candidate> offered = candidates(rng, anyWindow);
    if (offered.isEmpty())
        return;
    std::vector<double> weights;
    for (const Candidate& c : offered)
        weights.push_back(c.weight);
    const Candidate& drawn = offered.at(std::discrete_distribution<int>(weights.begin(), weights.end())(rng));
    actions << drawn.line;
    m_answers.clear();
    m_rng = &rng;
    run(drawn.line);
    m_rng = nullptr;
    if (!m_answers.isEmpty())
        actions.last() += kAnswers + m_answers.join(QLatin1Char(' '));
}

bool SessionDriver::perform(const QString& line)
{
    const qsizetype answers = line.lastIndexOf(kAnswers);
    m_answers = answers < 0 ? QStringList() : line.mid(answers + kAnswers.size()).split(QLatin1Char(' '));
    return run(answers < 0 ? line : line.left(answers));
}

bool SessionDriver::run(const QString& action)
{
    const qsizetype dot = action.indexOf(QLatin1Char('.'));
    const QString windowName = action.left(dot);
    QString control = action.mid(dot + 1);
    QString argument;
    bool typed = false;
    for (const QString& separator : {kTyped, kEntry}) {
        const qsizetype at = control.indexOf(separator);
        if (at >= 0) {
            argument = control.mid(at + separator.size());
            control = control.left(at);
            typed = separator == kTyped;
            break;
        }
    }

    if (windowName == kMain) {
        QAction* item = control == kResetAxis ? m_main.Toolbar_Button(6) : m_main.mnuReset_All();
        if (!item->isEnabled())
            return false;
        item->trigger();
        AppFixture::processEvents();
        return true;
    }
    Form* window = Forms::find(windowName);
    if (!window || !window->Visible())
        return false;
    if (control == kClose) {
        window->close();
        AppFixture::processEvents();
        return true;
    }
    QWidget* widget = window->findChild<QWidget*>(control);
    if (!widget || !usable(widget, window))
        return false;
    bool done = true;
    if (auto* list = qobject_cast<ListControl*>(widget)) {
        done = list->choose(argument);
    } else if (auto* rows = qobject_cast<MultiList*>(widget)) {
        const qsizetype row = rows->items().indexOf(argument);
        done = row >= 0;
        if (done)
            rows->choose(static_cast<int>(row));
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        button->click();
    } else if (auto* option = qobject_cast<OptionButton*>(widget)) {
        option->choose();
    } else if (auto* notes = qobject_cast<QPlainTextEdit*>(widget); notes && typed) {
        notes->setPlainText(argument);
    } else {
        done = false;
    }
    AppFixture::processEvents();
    return done;
}
