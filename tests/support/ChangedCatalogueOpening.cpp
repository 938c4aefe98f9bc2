#include "support/ChangedCatalogueOpening.h"

#include "support/SessionChecks.h"

#include "platform/Database.h"
#include "shell/AxisRecord.h"
#include "shell/Globals.h"
#include "shell/SetupKinds.h"
#include "shell/frmGear.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace {

const QString kLoadError = QStringLiteral("Error Incompatible File Format or Motor/Drive No Longer Available");
const QString kFault = QStringLiteral("The database ");
const QString kHeading = QStringLiteral("The project file and the database ");
const QString kDiscard = QStringLiteral(" not fully configured.\r\nHit Cancel to Return or OK to Discard.");
const QString kLostController =
    QStringLiteral("Previously selected controller option no longer available or restructured.");
const QString kLostDriveController =
    QStringLiteral("Previously selected DriveController option no longer available or restructured.");

bool exists(const Database& db, const QString& sql, const QVariantList& params)
{
    return !db.OpenRecordset(QStringLiteral("SELECT 1 AS found FROM ") + sql + QStringLiteral(" LIMIT 1"), params).eof();
}

QStringList lines(const QByteArray& file)
{
    return QString::fromLatin1(file).split(QLatin1Char('\r'));
}

bool sameText(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// A value saved empty or 0 is none.
bool none(const QString& value)
{
    return value.isEmpty() || value == QLatin1String("0");
}

bool holdsLine(const QStringList& lines, const QString& value)
{
    return std::ranges::any_of(lines, [&](const QString& line) { return sameText(line, value); });
}

// The bill lines one bill has and the other lacks, case aside.
QStringList billChanges(const QStringList& before, const QStringList& after)
{
    QStringList lost;
    for (const QString& line : before)
        lost << line.toLower();
    QStringList gained;
    for (const QString& line : after)
        if (!lost.removeOne(line.toLower()))
            gained << line.toLower();
    return lost + gained;
}

QString part(const QString& billLine)
{
    return billLine.section(QLatin1Char(' '), 1);
}

QStringList quoted(const QString& text)
{
    static const QRegularExpression quote(QStringLiteral("\"([^\"]*)\""));
    QStringList out;
    for (const QRegularExpressionMatch& m : quote.globalMatch(text))
        out << m.captured(1);
    return out;
}

QString messageKind(const QString& message)
{
    static const QRegularExpression named(QStringLiteral("\"[^\"]*\""));
    return message.section(QLatin1Char('\r'), 0, 0).replace(named, QStringLiteral("\"...\""));
}

// Whether the change explains a fault the catalogue is blamed for: it names
// a column the change emptied, a row of a table the change took rows from,
// or a text the change wrote.
bool explained(const CatalogueChange& change, const QString& fault)
{
    static const QRegularExpression column(QStringLiteral("column \"([^\"]*)\""));
    const QString named = column.match(fault).captured(1);
    if (change.damaged.contains(named, Qt::CaseInsensitive))
        return true;
    if (fault.contains(QLatin1String(" has no row for "))
        && change.removedFrom.contains(named.section(QLatin1Char('.'), 0, 0), Qt::CaseInsensitive))
        return true;
    return std::ranges::any_of(quoted(fault), [&](const QString& key) {
        return key != named && change.written.contains(key, Qt::CaseInsensitive);
    });
}

// One line of the one message: "<What>: ..." with the value the file holds
// and the one the project now holds, either empty for none.
struct Claim {
    QString what;
    QString saved;
    QString now;
};

std::optional<Claim> claim(const QString& line)
{
    static const QRegularExpression::PatternOption all = QRegularExpression::DotMatchesEverythingOption;
    static const QRegularExpression both(QStringLiteral("^(.*): \"(.*)\" in the project file, \"(.*)\" now\\.$"), all);
    static const QRegularExpression savedOnly(QStringLiteral("^(.*): \"(.*)\" in the project file, none now\\.$"), all);
    static const QRegularExpression nowOnly(QStringLiteral("^(.*): \"(.*)\" now, not in the project file\\.$"), all);
    static const QRegularExpression folded(
        QStringLiteral("^(.*): \"(.*)\" in several rows in the project file, in one now\\.$"), all);
    if (const auto m = both.match(line); m.hasMatch())
        return Claim {m.captured(1), m.captured(2), m.captured(3)};
    if (const auto m = savedOnly.match(line); m.hasMatch())
        return Claim {m.captured(1), m.captured(2), {}};
    if (const auto m = nowOnly.match(line); m.hasMatch())
        return Claim {m.captured(1), {}, m.captured(2)};
    if (const auto m = folded.match(line); m.hasMatch())
        return Claim {m.captured(1), m.captured(2), m.captured(2)};
    return std::nullopt;
}

// The messages of an opening that did not refuse the file: the one message,
// the catalogue's faults the change explains, the options dialogs' own, and
// Done's question once the user was told.
struct Heard {
    bool told = false;
    bool discarded = false;
    QStringList lost;
    QStringList catalogueFaults;
    QList<Claim> claims;
    QStringList faults;
};

// `asked`: Done asks of the project on the intact catalogue too, its configuration being incomplete.
Heard hear(const CatalogueChange& change, const QStringList& messages, bool asked)
{
    Heard h;
    const auto fault = [&](const QString& text) {
        if (explained(change, text))
            h.catalogueFaults << text;
        else
            h.faults << QStringLiteral("told \"%1\", which the change does not explain").arg(text);
    };
    for (const QString& message : messages) {
        if (message.endsWith(kDiscard)) {
            if (!h.told && !asked)
                h.faults << QStringLiteral("a level left unchosen untold, Done asks: ") + message.section('\r', 0, 0);
            h.discarded = true;
        } else if (message == kLostController || message == kLostDriveController) {
            h.lost << message;
        } else if (message.startsWith(kHeading)) {
            for (const QString& line : message.split(QStringLiteral("\r\n")).mid(1)) {
                if (const std::optional<Claim> c = claim(line))
                    h.claims << *c;
                else
                    fault(line);
            }
        } else if (message.startsWith(kFault)) {
            fault(message);
        } else {
            h.faults << QStringLiteral("message: ") + message;
        }
        h.told = true;
    }
    return h;
}

// Whether the line of the intact file, whose value the changed file holds
// otherwise, is told: its value is named (or named within an entry, as a
// description is), it stands 21 or 42 lines from an entry named (the file
// keeps an accessory's or card's code, quantity and description in parallel
// lists of 21), or it moved up or down its list with an entry that went or came.
bool toldLine(const QStringList& intact, const QStringList& changed, qsizetype line, const QString& told)
{
    const QString& was = intact.at(line);
    const QString now = changed.value(line);
    const auto named = [&](const QString& value) {
        return told.contains(QLatin1Char('"') + value + QLatin1Char('"'), Qt::CaseInsensitive);
    };
    bool number = false;
    was.toInt(&number);
    if (named(was) || (!number && was.size() >= 3 && quoted(told).join(QLatin1Char('\n')).contains(was, Qt::CaseInsensitive)))
        return true;
    constexpr qsizetype kList = 21;
    for (const qsizetype away : {-2 * kList, -kList, kList, 2 * kList})
            if (line + away >= 0 && line + away < intact.size() && !intact.at(line + away).isEmpty()
                && named(intact.at(line + away)))
                return true;
    const auto near = [&](const QStringList& file, const QString& value) {
        for (qsizetype other = std::max<qsizetype>(0, line - kList + 1); other < std::min(file.size(), line + kList); ++other)
            if (other != line && sameText(file.at(other), value))
                return true;
        return false;
    };
    return near(changed, was) && (now.isEmpty() || near(intact, now) || named(now));
}

// Every line of the intact run's saved file whose value the changed run's
// holds otherwise, untold: a value the opened file holds empty (0) is none,
// which a reopening may complete, and one the changed run holds as the file
// does is kept, whatever the intact opening made of it; `cleared`, the kind whose configuration the
// user discarded at Done or was told without its part number, which empties
// its lines; `done`, the kind whose configuration Done finished since the
// intact file was saved, which gives its lines their values.
QStringList untoldLines(const QByteArray& intact, const QByteArray& changed, const QStringList& file,
                        const QString& told, int cleared, int done)
{
    const QStringList x = lines(intact);
    const QStringList y = lines(changed);
    QStringList out;
    for (qsizetype i = 0; i < x.size(); ++i) {
        const QString& was = x.at(i);
        const QString now = y.value(i);
        const int line = static_cast<int>(i + 1);
        if (none(was) || none(file.value(i)) || sameText(was, now) || sameText(file.at(i), now)
            || toldLine(x, y, i, told)
            || (none(now) && SessionChecks::configurationLine(cleared, line))
            || (!now.isEmpty() && SessionChecks::configurationLine(done, line)))
            continue;
        out << QStringLiteral("line %1 \"%2\" became \"%3\", untold").arg(i + 1).arg(was, now);
    }
    return out;
}

// The first line of two files that differs other than in case or as one none for another.
QString firstDifference(const QByteArray& a, const QByteArray& b)
{
    const QStringList x = lines(a);
    const QStringList y = lines(b);
    for (qsizetype i = 0; i < std::max(x.size(), y.size()); ++i)
        if (!sameText(x.value(i), y.value(i)) && !(none(x.value(i)) && none(y.value(i))))
            return QStringLiteral("line %1 \"%2\" became \"%3\"").arg(i + 1).arg(x.value(i), y.value(i));
    return {};
}

const AxisRecord* axisOf(const ProjectValues& held, int axis)
{
    return &held.axes[static_cast<std::size_t>(axis - 1)];
}

// The product and motor of one axis that the catalogue no longer offers.
void axisGone(const Database& db, int kind, const ProjectValues& held, int axis, QStringList& out)
{
    const AxisRecord& r = *axisOf(held, axis);
    if (r.Motor_Technology.isEmpty() && r.Drive_Name.isEmpty() && r.Motor_Series.isEmpty())
        return;
    const bool driveController = kind == SetupKinds::DriveController;
    const QString& controller = held.controller.Controller_Name;
    const QString products = driveController ? QStringLiteral("DriveControllers") : QStringLiteral("Drives");
    const QString type = driveController ? QStringLiteral("DriveController Type") : QStringLiteral("Drive Type");
    const QString name = driveController ? QStringLiteral("DriveController Name") : QStringLiteral("Drive Name");
    const QString include =
        driveController ? QStringLiteral("Include with DriveControllers") : QStringLiteral("Include with Drives");
    const QString at = QStringLiteral("axis %1: ").arg(axis);
    const auto gone = [&](const QString& what) { out << at + what; };

    if (!r.Motor_Technology.isEmpty()
        && !exists(db, QStringLiteral("[%1] WHERE [%2] = ?").arg(products, type), {r.Motor_Technology}))
        gone(QStringLiteral("no product of the technology \"%1\"").arg(r.Motor_Technology));
    // The technology lists drives and series; a drive lists its series, a series its drives.
    // A controller chosen after the technology lists every drive of its own.
    const bool driveListed = !r.Drive_Name.isEmpty()
        && (kind == SetupKinds::Controller && !controller.isEmpty()
                ? exists(db, QStringLiteral("[Controller to Drive] WHERE [Controller Name] = ? AND [Drive Name] = ?"),
                         {controller, r.Drive_Name})
                : exists(db, QStringLiteral("[%1] WHERE [%2] = ? AND [%3] = ?").arg(products, name, type),
                         {r.Drive_Name, r.Motor_Technology}));
    const bool seriesListed = !r.Motor_Series.isEmpty()
        && exists(db, QStringLiteral("Motors WHERE [Motor Name] = ? AND [Motor Type] = ? AND [%1] = 1").arg(include),
                  {r.Motor_Series, r.Motor_Technology});
    const bool paired = exists(db, QStringLiteral("[Drive to Motor] WHERE [Drive Name] = ? AND [Motor Name] = ?"),
                               {r.Drive_Name, r.Motor_Series});
    const bool seriesOfDrive = driveListed && paired
        && exists(db, QStringLiteral("Motors WHERE [Motor Name] = ? AND [%1] = 1").arg(include), {r.Motor_Series});
    if (!r.Drive_Name.isEmpty() && !driveListed && !(seriesListed && paired))
        gone(QStringLiteral("the drive \"%1\" is not offered").arg(r.Drive_Name));
    if (!r.Motor_Series.isEmpty() && !seriesListed && !seriesOfDrive)
        gone(QStringLiteral("the series \"%1\" is not offered").arg(r.Motor_Series));
    // A series chosen under a controller before a drive narrows the controller's drives of the technology to its own.
    if (kind == SetupKinds::Controller && !controller.isEmpty() && r.Drive_Name.isEmpty() && !r.Motor_Series.isEmpty()
        && !exists(db,
                   QStringLiteral("[Drive to Motor] INNER JOIN [Controller to Drive] ON [Controller to Drive].[Drive Name] = "
                                  "[Drive to Motor].[Drive Name] WHERE [Controller to Drive].[Controller Name] = ? AND "
                                  "[Controller to Drive].Tech = ? AND [Drive to Motor].[Motor Name] = ?"),
                   {controller, r.Motor_Technology, r.Motor_Series}))
        gone(QStringLiteral("no drive of \"%1\" drives the series \"%2\"").arg(controller, r.Motor_Series));
    if (kind == SetupKinds::Controller && !controller.isEmpty() && !r.Drive_Name.isEmpty()
        && !exists(db, QStringLiteral("[Controller to Drive] WHERE [Controller Name] = ? AND [Drive Name] = ?"),
                   {controller, r.Drive_Name}))
        gone(QStringLiteral("\"%1\" no longer drives \"%2\"").arg(controller, r.Drive_Name));
    // The motor's row by the keys the file holds: a series chosen lists the
    // frame sizes of its drive, the incompatibility prompt where there are
    // none; without a drive it lists the drives, none at all, and prompts nothing.
    if (r.Motor_Series.isEmpty() || r.Drive_Name.isEmpty())
        return;
    QString row = QStringLiteral("[Drive to Motor] WHERE [Motor Name] = ? AND Frame_Size IS NOT NULL");
    QVariantList keys {r.Motor_Series};
    const std::pair<const char*, const QString*> motorKeys[] = {
        {"Drive Name", &r.Drive_Name}, {"Frame_Size", &r.Frame_Size}, {"Stack_Length", &r.Stack_Length},
        {"Winding", &r.Winding},       {"Feedback", &r.Feedback},     {"Cable_Option", &r.Cable_Option}};
    for (const auto& [column, value] : motorKeys)
        if (!value->isEmpty()) {
            row += QStringLiteral(" AND [%1] = ?").arg(QLatin1String(column));
            keys << *value;
        }
    if (!exists(db, row, keys))
        gone(QStringLiteral("no [Drive to Motor] row for the motor %1").arg(r.Motor_Part_Number));
    // The drive form takes no frame size for a series without a part-number type.
    if (kind == SetupKinds::Drive && !r.Frame_Size.isEmpty()
        && !exists(db, QStringLiteral("Motors WHERE [Motor Name] = ? AND [PartNumber Type] <> ''"), {r.Motor_Series}))
        gone(QStringLiteral("the series \"%1\" has no part-number type").arg(r.Motor_Series));
    const QVariantList size {r.Motor_Series, r.Frame_Size, r.Stack_Length};
    const QString ofSize = QStringLiteral("[Motor Name] = ? AND Frame_Size = ? AND Stack_Length = ?");
    // The gearhead dialog adds the keyway to this series and frame.
    const bool addedKeyway = r.Shaft_Option == frmGear::Keyway && sameText(r.Motor_Series, QStringLiteral("KX"))
        && r.Frame_Size == QLatin1String("16");
    if (!r.Shaft_Option.isEmpty() && !addedKeyway
        && !exists(db, QStringLiteral("[Shaft Options] WHERE ") + ofSize + QStringLiteral(" AND Shaft_Options = ?"),
                   size + QVariantList {r.Shaft_Option}))
        gone(QStringLiteral("the shaft option \"%1\" is not offered").arg(r.Shaft_Option));
    if (r.Motor_Option.isEmpty())
        return;
    // A "QD_Servo" motor's options are matched on its mounting; a chosen
    // gearhead stands for the option that opens the gearhead dialog.
    const QString feedback = r.Part_Number_Type == QLatin1String("QD_Servo") ? r.Shaft_Option : r.Feedback;
    const bool gearhead = !r.Gearhead_Code.isEmpty() && sameText(r.Motor_Option, r.Gearhead_Code);
    if (!exists(db,
                QStringLiteral("Options WHERE ") + ofSize
                    + QStringLiteral(" AND (Winding = ? OR Winding = 'Any') AND (Feedback = ? OR Feedback = 'Any') "
                                     "AND (Cable_Option = ? OR Cable_Option = 'Any') AND ")
                    + (gearhead ? QStringLiteral("(Options = ? OR Options LIKE 'GXX%')") : QStringLiteral("Options = ?")),
                size + QVariantList {r.Winding, feedback, r.Cable_Option, r.Motor_Option}))
        gone(QStringLiteral("the motor option \"%1\" is not offered").arg(r.Motor_Option));
}

struct Levels {
    QString table;
    QString product;
    QString name;
    const AccessoryChoice::List21* saved;
    int count;
};

std::optional<Levels> levelsOf(int kind, const ProjectValues& held)
{
    if (kind == SetupKinds::Controller)
        return Levels {QStringLiteral("All Controllers"), QStringLiteral("Controller Name"),
                       held.controller.Controller_Name, &held.controller.configuration.Controller_Options, 6};
    if (kind == SetupKinds::DriveController)
        return Levels {QStringLiteral("All DriveControllers"), QStringLiteral("DriveController Name"),
                       held.driveController.Drive_Controller_Name,
                       &held.driveController.configuration.Drive_Controller_Options, 4};
    return std::nullopt;
}

// The options levels the project holds that the file holds too, on a line
// of its configuration: a reopening completes the others (one-entry levels).
QList<std::pair<int, QString>> savedLevels(int kind, const ProjectValues& held, const QStringList& file)
{
    const std::optional<Levels> levels = levelsOf(kind, held);
    QList<std::pair<int, QString>> out;
    if (!levels || levels->name.isEmpty())
        return out;
    for (int level = 1; level <= levels->count; ++level) {
        const QString& value = (*levels->saved)[static_cast<std::size_t>(level)];
        for (int line = 1; !value.isEmpty() && line <= file.size(); ++line)
            if (SessionChecks::configurationLine(kind, line) && file.at(line - 1) == value) {
                out.append({level, value});
                break;
            }
    }
    return out;
}

} // namespace

QStringList ChangedCatalogueOpening::toldAnew(const CatalogueChange& change, const QStringList& messages)
{
    const Heard heard = hear(change, messages, true);
    QStringList out = heard.faults;
    if (!heard.claims.isEmpty())
        out << QStringLiteral("%1 values named anew").arg(heard.claims.size());
    return out;
}

QStringList ChangedCatalogueOpening::gone(const QString& path, int kind, const ProjectValues& held)
{
    const Database db = Database::open(path);
    QStringList out;
    const QString& controller = held.controller.Controller_Name;
    if (kind == SetupKinds::Controller && !controller.isEmpty()
        && !exists(db, QStringLiteral("Controllers WHERE [Controller Name] = ?"), {controller}))
        out << QStringLiteral("the controller \"%1\" is not offered").arg(controller);
    for (int axis = 1; axis <= (kind == SetupKinds::Controller ? static_cast<int>(held.axes.size()) : 1); ++axis)
        axisGone(db, kind, held, axis, out);
    return out;
}

QStringList ChangedCatalogueOpening::withdrawnLevels(const QString& path, int kind, const ProjectValues& held,
                                                     const QStringList& file)
{
    const QList<std::pair<int, QString>> saved = savedLevels(kind, held, file);
    const std::optional<Levels> levels = levelsOf(kind, held);
    if (saved.isEmpty() || !levels)
        return {};
    const Database db = Database::open(path);
    QString rows = QStringLiteral("[%1] WHERE [%2] = ?").arg(levels->table, levels->product);
    QVariantList values {levels->name};
    QStringList out;
    for (const auto& [level, value] : saved) {
        rows += QStringLiteral(" AND Option%1 = ?").arg(level);
        values << value;
        if (!exists(db, rows, values)) {
            out << QStringLiteral("level %1 \"%2\"").arg(level).arg(value);
            break;
        }
    }
    return out;
}

ChangedCatalogueOpening::Verdict ChangedCatalogueOpening::judge(const CatalogueChange& change, const QString& changed,
                                                                const ProjectOpening::Run& intact,
                                                                const ProjectOpening::Run& run, Reference reference)
{
    Verdict v;
    const ProjectOpening::Once& first = run.first;
    v.messageKind = messageKind(first.messages.value(0, QStringLiteral("in silence")));
    if (!run.thrown.isEmpty()) {
        v.outcome = Refused;
        v.faults << QStringLiteral("threw: ") + run.thrown;
        return v;
    }
    const int kind = QString::fromLatin1(intact.file).section(QLatin1Char('\r'), 0, 0).toInt();
    const ProjectValues& held = intact.first.values;
    const QStringList gone = ChangedCatalogueOpening::gone(changed, kind, held);

    if (!first.opened) {
        v.outcome = Refused;
        const QString message = first.messages.value(0);
        if (first.messages.size() != 1)
            v.faults << QStringLiteral("refused with %1 messages: %2")
                            .arg(first.messages.size())
                            .arg(first.messages.join(QLatin1String(" | ")));
        else if (message.startsWith(kFault) ? !explained(change, message) : message != kLoadError || gone.isEmpty())
            v.faults << QStringLiteral("refused, though its product and motors are offered: ") + message;
        if (first.title != Globals::Product_Title)
            v.faults << QStringLiteral("refused, yet titled \"%1\"").arg(first.title);
        return v;
    }
    if (!gone.isEmpty())
        v.faults << QStringLiteral("opened, though %1").arg(gone.join(QLatin1String("; ")));

    // Done asks of a configuration the file holds no level of, or that it asked of on the intact catalogue too.
    const QStringList file = lines(run.file);
    const bool asked = savedLevels(kind, held, file).isEmpty()
        || std::ranges::any_of(intact.first.messages, [](const QString& m) { return m.endsWith(kDiscard); });
    const Heard heard = hear(change, first.messages, asked);
    v.faults << heard.faults;
    v.outcome = heard.told ? Told : first.saved == intact.first.saved && first.billText == intact.first.billText
        ? Identical
        : Quiet;
    const QString told = first.messages.join(QLatin1Char('\n'));
    const QStringList intactLines = lines(intact.first.saved);
    const QStringList savedLines = lines(first.saved);
    const auto ofConfiguration = [&](const QString& value) {
        for (int line = 1; line <= intactLines.size(); ++line)
            if (SessionChecks::configurationLine(kind, line) && sameText(intactLines.at(line - 1), value))
                return true;
        return false;
    };
    const bool cleared = heard.discarded || std::ranges::any_of(heard.claims, [&](const Claim& c) {
        return c.what.endsWith(QLatin1String("part number")) && c.now.isEmpty() && ofConfiguration(c.saved);
    });
    // A bill line that came or went is named by the message, or is one the
    // file does not hold (a cable's part number), which the program cannot
    // know changed. A configuration finished otherwise (its axis counts among
    // it) bills otherwise: its lines tell what differs.
    const bool configured = [&] {
        for (int line = 1; line <= std::max(intactLines.size(), savedLines.size()); ++line)
            if (SessionChecks::configurationLine(kind, line) && !sameText(intactLines.value(line - 1), savedLines.value(line - 1))
                && !(none(intactLines.value(line - 1)) && none(savedLines.value(line - 1))))
                return false;
        return true;
    }();
    // Done, which the opening presses, finishes a configuration it left
    // unfinished on the intact catalogue: its lines take what Done gives them.
    const auto asks = [](const QStringList& messages) {
        return std::ranges::any_of(messages, [](const QString& m) { return m.endsWith(kDiscard); });
    };
    const int done = reference == Shown || (asks(intact.first.messages) && !asks(first.messages)) ? kind : 0;
    for (const QString& line : untoldLines(intact.first.saved, first.saved, file, told, cleared ? kind : 0, done))
        v.faults << (heard.told ? line : QStringLiteral("the file changed in silence: ") + line);

    const QStringList named = quoted(told);
    const auto holds = [](const QStringList& lines, const QString& part) {
        return std::ranges::any_of(lines, [&](const QString& l) { return l.contains(part, Qt::CaseInsensitive); });
    };
    // A configuration the options message leaves incomplete, or whose
    // drive/controller the catalogue cannot build a part number for, bills
    // none of the accessories and cards its record keeps for it.
    const AccessoryChoice* kept = kind == SetupKinds::Controller ? &held.controller.configuration.Controller_Accessories
        : kind == SetupKinds::DriveController   ? &held.driveController.configuration.Drive_Controller_Accessories
                                                : nullptr;
    const bool incomplete = heard.lost.contains(kLostController) || heard.lost.contains(kLostDriveController)
        || std::ranges::any_of(heard.catalogueFaults, [](const QString& f) {
               return f.contains(QLatin1String("\"DriveController Construction."));
           });
    const auto waits = [&](const QString& p) {
        return incomplete && kept && holds(QStringList(kept->Entry.begin(), kept->Entry.end()), p);
    };
    for (const QString& line : configured ? billChanges(intact.first.bill, first.bill) : QStringList()) {
        const QString p = part(line);
        if ((holds(file, p) || holds(savedLines, p)) && !waits(p)
            && std::ranges::none_of(named, [&](const QString& n) { return n.contains(p, Qt::CaseInsensitive); }))
            v.faults << QStringLiteral("the bill line \"%1\" came or went, untold").arg(line);
    }
    for (const Claim& c : heard.claims) {
        if (!c.saved.isEmpty() && !holdsLine(file, c.saved))
            v.faults << QStringLiteral("told the file holds \"%1\", which it does not").arg(c.saved);
        if (!c.now.isEmpty() && !holdsLine(savedLines, c.now))
            v.faults << QStringLiteral("told the project now holds \"%1\", which Save As does not write").arg(c.now);
    }

    // A saved option no longer offered keeps the options dialog's own message
    // and stays in the record, for the user to choose again.
    const QStringList withdrawn = withdrawnLevels(changed, kind, held, file);
    const QString lost = kind == SetupKinds::Controller ? kLostController : kLostDriveController;
    for (const QString& level : withdrawn) {
        if (!heard.lost.contains(lost))
            v.faults << QStringLiteral("the options %1 withdrawn, untold by the options dialog").arg(level);
        if (!holdsLine(savedLines, quoted(level).value(0)))
            v.faults << QStringLiteral("the options %1 withdrawn, left out of the file").arg(level);
    }
    if (!first.unoffered.isEmpty())
        v.faults << QStringLiteral("bills ") + first.unoffered.first();

    // Reopened, nothing new: the options dialog's message and the catalogue's faults may come again.
    const ProjectOpening::Once& again = run.again;
    if (!again.opened) {
        v.faults << QStringLiteral("what Save As wrote is refused: ") + again.messages.join(QLatin1String(" | "));
        return v;
    }
    const Heard reheard = hear(change, again.messages, asked || heard.discarded);
    if (!reheard.claims.isEmpty() || !reheard.faults.isEmpty()
        || std::ranges::any_of(reheard.lost, [&](const QString& m) { return !heard.lost.contains(m); })
        || std::ranges::any_of(reheard.catalogueFaults,
                               [&](const QString& f) { return !heard.catalogueFaults.contains(f); }))
        v.faults << QStringLiteral("what Save As wrote opens with: ") + again.messages.join(QLatin1String(" | "));
    if (!again.unoffered.isEmpty())
        v.faults << QStringLiteral("reopened, bills ") + again.unoffered.first();
    if (const QString difference = firstDifference(first.saved, again.saved); !difference.isEmpty())
        v.faults << QStringLiteral("what Save As wrote saves otherwise: ") + difference;
    return v;
}
