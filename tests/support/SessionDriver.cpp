#include "support/SessionDriver.h"

#include "support/AppFixture.h"

#include "curves/frmCurve.h"
#include "platform/FileDialog.h"
#include "platform/ListControl.h"
#include "platform/MultiList.h"
#include "platform/OptionButton.h"
#include "setup/common/TextBox.h"
#include "shell/Form.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/SetupKinds.h"
#include "shell/frmAccessories.h"
#include "shell/frmGear.h"
#include "shell/mdiMain.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolBar>

#include <algorithm>

using namespace Globals;

namespace {

const QString kMain = QStringLiteral("main");
const QString kAnswers = QStringLiteral(" => ");
const QString kEntry = QStringLiteral(" = ");
const QString kTyped = QStringLiteral(" := ");
const QString kClose = QStringLiteral("close");
const QString kResetAxis = QStringLiteral("ResetAxis");
const QString kResetAll = QStringLiteral("ResetAll");
const QString kOpen = QStringLiteral("Open");
const QString kSave = QStringLiteral("Save");
const QString kSaveAs = QStringLiteral("SaveAs");
const QString kCloseProject = QStringLiteral("Close");
const QString kExport = QStringLiteral("ExportData");
const QString kNew = QStringLiteral("New");
const QString kExportFile = QStringLiteral("export.txt");
const QString kCurve = QStringLiteral("cmdCurve");
// The names sessions save under, so that they save over their own files too.
const QString kProjectFiles[] = {QStringLiteral("p1.dat"), QStringLiteral("p2.dat"), QStringLiteral("p3.dat")};

enum Road {
    OpenOverSameKind,
    OpenOverOtherKind,
    OpenAtStart,
    ReopenAfterSaveOver,
    TwoSaveReopenCycles,
    ExportData,
    ExportWithDialog,
    Curve,
    CurveWithDialog,
    CloseWithCurve,
    CountLoweredRaised,
    ControllerOverAxes,
    LongSession,
};

// Shown in its window and usable by a user.
bool usable(const QWidget* w, const Form* window)
{
    return w->isEnabled() && w->isVisibleTo(window) && !w->objectName().isEmpty();
}

// 0: the setup form, 1: its options dialog, 2: the gearhead dialog, 3: the accessory dialog, 4: the curve window.
int rank(const Form* form)
{
    if (form->Name() == frmCurve::Name)
        return 4;
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
    if (rank(form) > 0)
        return true;
    for (const SetupKinds::Kind& kind : SetupKinds::all())
        if (form->Name() == kind.form)
            return true;
    return false;
}

int shownKind(const QList<Form*>& windows)
{
    for (const SetupKinds::Kind& kind : SetupKinds::all())
        if (std::ranges::any_of(windows, [&](const Form* w) { return w->Name() == kind.form; }))
            return kind.number;
    return 0;
}

bool dialogShown(const QList<Form*>& windows, int highestRank)
{
    return std::ranges::any_of(windows, [&](const Form* w) { return rank(w) > 0 && rank(w) <= highestRank; });
}

// The last axis that holds a drive; 0 when none does.
int highestConfiguredAxis()
{
    for (int a = static_cast<int>(Axis.size()); a > 0; --a)
        if (!Axis.at(a - 1).Drive_Name.isEmpty())
            return a;
    return 0;
}

// The axis count an entry of the controller options' count level names; 0 for other entries.
int countOf(const QString& entry)
{
    static const QRegularExpression count(QStringLiteral("^(\\d+) = \\d+ Ax(is|es)$"));
    const QRegularExpressionMatch m = count.match(entry);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

// How much more likely than others an entry or button is drawn: roads that
// need several axes configured, then their count lowered and raised, or
// another controller over them.
double steered(const Form* window, const QString& control, const QString& entry)
{
    const int highest = highestConfiguredAxis();
    if (control == QLatin1String("cmbAxis"))
        return !Current_Record().Drive_Name.isEmpty()
                && Axis.at(std::clamp(entry.section(QLatin1Char(' '), 1).toInt(), 1, 16) - 1).Drive_Name.isEmpty()
            ? 4.0
            : 1.0;
    if (highest < 2)
        return 1.0;
    if (control == QLatin1String("cmbController") || control == QLatin1String("cmdController"))
        return 3.0;
    if (window->Name() != SetupKinds::ControllerOptionsDialog)
        return 1.0;
    if (const int count = countOf(entry); count > 0 && (count < highest || (Total_Axes < highest && count >= highest)))
        return 6.0;
    // Done once every level is chosen, so that the count takes effect.
    const QList<ListControl*> levels = window->findChildren<ListControl*>();
    if (control == QLatin1String("cmdDone")
        && std::ranges::all_of(levels, [](const ListControl* l) { return l->isHidden() || l->listIndex() >= 0; }))
        return 4.0;
    return 1.0;
}

const QString kTypedNotes[] = {QStringLiteral("Typed"), QStringLiteral("Two\nlines"), QString()};

int fileKind(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return QString::fromLatin1(file.read(8)).section(QLatin1Char('\r'), 0, 0).trimmed().toInt();
}

} // namespace

SessionDriver::SessionDriver(mdiMain& main, MsgBox::Seam& msg, QString folder)
    : m_main(main), m_msg(msg), m_folder(std::move(folder))
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

const QStringList& SessionDriver::roadNames()
{
    // By Road.
    static const QStringList names {
        QStringLiteral("File > Open over a project of the same kind"),
        QStringLiteral("File > Open over a project of another kind"),
        QStringLiteral("File > Open at the start dialog"),
        QStringLiteral("reopened after File > Save over the opened file"),
        QStringLiteral("two or more such Save and reopen cycles"),
        QStringLiteral("Export Data"),
        QStringLiteral("Export Data with a dialog or the curve open"),
        QStringLiteral("Show Speed/Torque Curve"),
        QStringLiteral("Show Speed/Torque Curve with a dialog open"),
        QStringLiteral("File > Close with the curve window open"),
        QStringLiteral("axis count lowered, then raised"),
        QStringLiteral("another controller over configured axes"),
        QStringLiteral("over 100 actions"),
    };
    return names;
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

QString SessionDriver::path(const QString& name) const
{
    return QDir(m_folder).filePath(name);
}

QString SessionDriver::file(const QString& line) const
{
    const QString action = line.section(kAnswers, 0, 0);
    const QString command = action.section(kEntry, 0, 0);
    const QString name = action.section(kEntry, 1);
    if (command == kMain + QLatin1Char('.') + kExport)
        return path(kExportFile);
    if (command == kMain + QLatin1Char('.') + kSave && name.isEmpty())
        return Project_Path;
    if (command == kMain + QLatin1Char('.') + kOpen || command.startsWith(kMain + QLatin1Char('.') + kSave))
        return path(name);
    return {};
}

void SessionDriver::menuCandidates(std::mt19937& rng, bool anyWindow, const QList<Form*>& open,
                                   QList<Candidate>& out) const
{
    const QString menu = kMain + QLatin1Char('.');
    const bool project = shownKind(open) != 0;
    const bool files = !m_folder.isEmpty();
    // What it saved before the projects it was given: a session reopens its own work.
    const QStringList projects =
        files ? QDir(m_folder).entryList({QStringLiteral("*.dat")}, QDir::Files, QDir::Name) : QStringList();
    // A file saved over after it was opened is opened again most: the Save and reopen cycles.
    for (const QString& name : projects) {
        const bool saved = std::ranges::find(kProjectFiles, name) != std::end(kProjectFiles);
        const double again = m_savedOver.contains(path(name)) ? 20.0 : 1.0;
        out.append(
            {menu + kOpen + kEntry + name, (saved ? 2.0 : 1.0) * again * (project ? 0.15 : 1.0) / projects.size()});
    }
    if (!project) {
        for (const SetupKinds::Kind& kind : SetupKinds::all())
            out.append({menu + kNew + kEntry + kind.form, 0.5});
        return;
    }
    const bool curve = std::ranges::any_of(open, [](const Form* w) { return rank(w) == 4; });
    const int name = std::uniform_int_distribution<int>(0, std::size(kProjectFiles) - 1)(rng);
    if (files) {
        out.append({menu + kSave, m_opened.contains(Project_Path) ? 0.8 : 0.2});
        out.append({menu + kSaveAs + kEntry + kProjectFiles[name], 0.15});
        out.append({menu + kExport, dialogShown(open, 4) ? 0.5 : 0.1});
    }
    out.append({menu + kCloseProject, curve || !m_savedOver.isEmpty() ? 1.0 : 0.1});
    if (anyWindow || open.size() == 1) {
        const QAction* resetAxis = m_main.Toolbar_Button(6);
        if (m_main.Toolbar1()->isEnabled() && resetAxis->isEnabled() && resetAxis->isVisible())
            out.append({menu + kResetAxis, 0.15});
        if (m_main.mnuReset_All()->isEnabled())
            out.append({menu + kResetAll, 0.1});
    }
}

QList<SessionDriver::Candidate> SessionDriver::candidates(std::mt19937& rng, bool anyWindow) const
{
    const QList<Form*> all = windows();
    QList<Form*> open = all;
    if (!anyWindow && open.size() > 1)
        open = {open.last()};
    QList<Candidate> out;
    for (Form* window : open) {
        const QString prefix = window->Name() + QLatin1Char('.');
        for (auto* list : window->findChildren<ListControl*>()) {
            if (!usable(list, window) || list->listCount() == 0)
                continue;
            const int entry = std::uniform_int_distribution<int>(0, list->listCount() - 1)(rng);
            const QString text = list->items().at(entry);
            // Unchosen lists come first, so that sessions reach whole configurations.
            out.append({prefix + list->objectName() + kEntry + text,
                        (list->listIndex() < 0 ? 8.0 : 1.0) * steered(window, list->objectName(), text)});
        }
        for (auto* list : window->findChildren<MultiList*>()) {
            if (!usable(list, window) || list->listCount() == 0)
                continue;
            const int row = std::uniform_int_distribution<int>(0, list->listCount() - 1)(rng);
            out.append({prefix + list->objectName() + kEntry + list->items().at(row), 2.0});
        }
        for (auto* button : window->findChildren<QPushButton*>())
            if (usable(button, window)) {
                const bool curveOverDialog = button->objectName() == kCurve && dialogShown(all, 3);
                out.append({prefix + button->objectName(),
                            (curveOverDialog ? 3.0 : 1.0) * steered(window, button->objectName(), {})});
            }
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
    menuCandidates(rng, anyWindow, all, out);
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
    const QList<Form*> open = windows();
    const Before before {shownKind(open),
                         std::ranges::any_of(open, [](const Form* w) { return rank(w) == 4; }),
                         dialogShown(open, 3),
                         dialogShown(open, 4),
                         highestConfiguredAxis(),
                         Controller_Name};
    actions << drawn.line;
    m_answers.clear();
    m_asked.clear();
    m_rng = &rng;
    run(drawn.line);
    m_rng = nullptr;
    if (!m_asked.isEmpty())
        actions.last() += kEntry + m_asked;
    if (!m_answers.isEmpty())
        actions.last() += kAnswers + m_answers.join(QLatin1Char(' '));
    m_answers.clear();
    noteRoads(actions.last(), before);
}

void SessionDriver::noteRoads(const QString& line, const Before& before)
{
    const auto take = [this](Road road) { m_roads.insert(roadNames().at(road)); };
    const QString command = line.section(kAnswers, 0, 0).section(kEntry, 0, 0);
    const QString menu = kMain + QLatin1Char('.');
    if (command == menu + kOpen) {
        const QString opened = file(line);
        take(before.kind == 0 ? OpenAtStart : before.kind == fileKind(opened) ? OpenOverSameKind : OpenOverOtherKind);
        if (m_savedOver.remove(opened)) {
            take(ReopenAfterSaveOver);
            if (++m_cycles >= 2)
                take(TwoSaveReopenCycles);
        }
        m_opened.insert(opened);
    } else if (command == menu + kSave && m_opened.contains(Project_Path)) {
        m_savedOver.insert(Project_Path);
    } else if (command == menu + kExport) {
        take(ExportData);
        if (before.dialogOrCurveShown)
            take(ExportWithDialog);
    } else if (command.endsWith(QLatin1Char('.') + kCurve)) {
        take(Curve);
        if (before.dialogShown)
            take(CurveWithDialog);
    } else if (command == menu + kCloseProject && before.curveShown) {
        take(CloseWithCurve);
    } else if (command.endsWith(QLatin1String(".cmbController")) && before.highestConfiguredAxis >= 2
               && Controller_Name != before.controller) {
        take(ControllerOverAxes);
    }
    if (shownKind(windows()) == SetupKinds::Controller) {
        if (Total_Axes > 0 && Total_Axes < m_axes)
            m_lowered = true;
        else if (m_lowered && Total_Axes > m_axes)
            take(CountLoweredRaised);
        m_axes = Total_Axes;
    }
    if (++m_steps > 100)
        take(LongSession);
}

bool SessionDriver::perform(const QString& line)
{
    const qsizetype answers = line.lastIndexOf(kAnswers);
    m_answers = answers < 0 ? QStringList() : line.mid(answers + kAnswers.size()).split(QLatin1Char(' '));
    const bool performed = run(answers < 0 ? line : line.left(answers));
    // The answers are this action's: a question a later one asks is not answered by them.
    m_answers.clear();
    return performed;
}

bool SessionDriver::runMenu(const QString& command, const QString& argument)
{
    const bool file = command == kOpen || command == kSave || command == kSaveAs || command == kExport;
    if (file && m_folder.isEmpty())
        return false;
    // Answers the File dialogs of this action; an answer it did not ask for goes with it.
    FileDialog::Seam dialogs;
    QAction* item = nullptr;
    QString name = argument;
    if (command == kOpen) {
        if (!QFile::exists(path(argument)))
            return false;
        dialogs.queuePath(path(argument));
        item = m_main.mnuOpen();
    } else if (command == kSaveAs || command == kSave) {
        if (m_rng && command == kSave)
            name = kProjectFiles[std::uniform_int_distribution<int>(0, std::size(kProjectFiles) - 1)(*m_rng)];
        if (!name.isEmpty())
            dialogs.queuePath(path(name));
        item = command == kSave ? m_main.mnuSave() : m_main.mnuSave_As();
    } else if (command == kExport) {
        const QString file = path(kExportFile);
        QFile::remove(file);
        dialogs.queuePath(file);
        item = m_main.mnuExport_Data();
    } else if (command == kCloseProject) {
        item = m_main.mnuClose();
    } else if (command == kNew) {
        if (!m_main.mnuNew()->isEnabled())
            return false;
        const int kind = argument == SetupKinds::DriveForm ? SetupKinds::Drive
            : argument == SetupKinds::DriveControllerForm ? SetupKinds::DriveController
                                                          : SetupKinds::Controller;
        item = kind == SetupKinds::Drive ? m_main.mnuDrive()
            : kind == SetupKinds::DriveController ? m_main.mnuDrive_Controller()
                                                  : m_main.mnuController_Only();
    } else if (command == kResetAxis) {
        item = m_main.Toolbar_Button(6);
    } else if (command == kResetAll) {
        item = m_main.mnuReset_All();
    }
    if (!item || !item->isEnabled())
        return false;
    item->trigger();
    AppFixture::processEvents();
    // A drawn Save names its file only where it asked for one.
    if (m_rng && command == kSave && !dialogs.calls().isEmpty())
        m_asked = name;
    return true;
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

    if (windowName == kMain)
        return runMenu(control, argument);
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
    // Export Curve writes where Export Data does.
    FileDialog::Seam dialogs;
    if (!m_folder.isEmpty())
        dialogs.queuePath(path(kExportFile));
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
