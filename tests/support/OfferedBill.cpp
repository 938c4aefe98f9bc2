#include "support/OfferedBill.h"

#include "platform/DatabaseFault.h"
#include "setup/common/InputVoltage.h"
#include "setup/common/MotorPartNumber.h"
#include "setup/controller/ControllerConnection.h"
#include "shell/AccessoryStore.h"
#include "shell/AxisRecord.h"
#include "shell/Globals.h"
#include "shell/PartNumbers.h"
#include "shell/SetupKinds.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <functional>
#include <optional>
#include <utility>

using namespace Globals;

namespace {

const QString kNotApplicable = QStringLiteral("N/A");
const QString kKeyway = QStringLiteral("K = Keyway");

// One line the configuration may bill: one of the parts, in one of the
// quantities, and, where a project file supplies the description, with it.
struct Offer {
    explicit Offer(QString what, QSet<QString> parts = {}, QSet<int> quantities = {1},
                   std::optional<QString> description = {})
        : what(std::move(what)), parts(std::move(parts)), quantities(std::move(quantities)),
          description(std::move(description))
    {
    }

    QString what;
    QSet<QString> parts;
    QSet<int> quantities;
    std::optional<QString> description;
    bool taken = false;

    // Names compare as the catalogue compares them, without regard to case.
    bool offers(const QString& part) const
    {
        return std::ranges::any_of(parts, [&](const QString& p) { return p.compare(part, Qt::CaseInsensitive) == 0; });
    }

    bool takes(const QString& part, int quantity, const QString& text) const
    {
        return !taken && offers(part) && quantities.contains(quantity)
            && (!description || description->compare(text, Qt::CaseInsensitive) == 0);
    }
};

// The offers of one owner of bill lines: the system, or an axis of a controller.
struct Owner {
    explicit Owner(QString name) : name(std::move(name)) {}

    QString name;
    QList<Offer> offers;
};

void eachRow(const QString& sql, const QVariantList& params, const std::function<void(const Recordset&)>& take)
{
    for (Recordset rs = System_Database.OpenRecordset(sql, params); !rs.eof(); rs.moveNext())
        take(rs);
}

QStringList column(const QString& sql, const QVariantList& params, const QString& name)
{
    QStringList values;
    eachRow(sql, params, [&](const Recordset& rs) {
        if (!rs.isNull(name))
            values << rs.text(name);
    });
    return values;
}

// As the report counts a quantity text.
int billed(const QString& quantity)
{
    bool whole = false;
    const int count = quantity.trimmed().toInt(&whole);
    return whole ? count : 1;
}

// The part numbers of a cable, one per length.
QSet<QString> cableParts(const QString& cable)
{
    QSet<QString> parts;
    for (const QString& part : column(QStringLiteral("SELECT [Cable Part Number] FROM Cables WHERE Cable = ?"), {cable},
                                      QStringLiteral("Cable Part Number")))
        if (!part.isEmpty())
            parts << part;
    return parts;
}

// What an accessory dialog lists from a table for its key: at most 21, in its
// order; `leftOut` names the texts its statement leaves out ("'', 'N/A'").
QStringList listed(const QString& table, const QString& keyColumn, const QString& column, const QString& key,
                   const QString& leftOut = {})
{
    QString sql = QStringLiteral("SELECT [%1] FROM [%2] WHERE [%3] = ?").arg(column, table, keyColumn);
    if (!leftOut.isEmpty())
        sql += QStringLiteral(" AND NOT [%1] IN (%2)").arg(column, leftOut);
    QStringList entries;
    eachRow(sql + QStringLiteral(" ORDER BY [%1]").arg(column), {key}, [&](const Recordset& rs) {
        if (entries.size() < static_cast<qsizetype>(AccessoryStore::Entries))
            entries << rs.text(column);
    });
    return entries;
}

void addAccessories(QList<Offer>& offers, const QString& what, const QStringList& entries,
                    const std::function<QString(const QString&)>& quantity)
{
    for (const QString& entry : entries)
        offers.append(Offer(what, {Get_Code(entry)}, {billed(quantity(entry))}, Get_Description(entry)));
}

QString one(const QString&)
{
    return QStringLiteral("1");
}

// The card rows of the expansion kind a configuration is ready for, each in
// 1 to 8 or the row's own quantity, whatever the expansion choice: a project
// saved while the accessory dialog was open holds the cards of its last closing.
void addCards(QList<Offer>& offers, bool jtr, bool duw, bool lumio)
{
    const QString type = AccessoryStore::Expansion_Type(AccessoryStore::Expansion_Caption(jtr, duw, lumio));
    if (type.isEmpty())
        return;
    // Each card once, however often the catalogue holds it.
    QSet<QString> cards;
    eachRow(QStringLiteral("SELECT [DUW Number], [DUW Description], [Required Quantity] FROM ExpIO "
                           "WHERE [Expansion IO Type] = ? ORDER BY [DUW Number]"),
            {type}, [&](const Recordset& rs) {
                const QString number = rs.text(QStringLiteral("DUW Number")).toLower();
                if (cards.size() >= AccessoryStore::Card_Rows || cards.contains(number))
                    return;
                cards << number;
                Offer card(QStringLiteral("expansion card"), {rs.text(QStringLiteral("DUW Number"))}, {},
                           rs.text(QStringLiteral("DUW Description")));
                for (int count = 1; count <= 8; ++count)
                    card.quantities << count;
                const QString own = rs.text(QStringLiteral("Required Quantity"));
                if (!own.isEmpty() && own != QLatin1String("0"))
                    card.quantities << billed(own);
                offers.append(card);
            });
}

// The [Drive to Motor] rows of the axis' drive and motor choice: the drive
// codes at its input voltage (at any, without one) and its two cables.
struct MotorRow {
    QStringList driveCodes;
    QString motorCable;
    QString feedbackCable;
};

QList<MotorRow> motorRows(const AxisRecord& axis)
{
    const InputVoltage::Item* voltage = InputVoltage::find(axis.Drive_Voltage);
    QList<MotorRow> rows;
    eachRow(QStringLiteral("SELECT * FROM [Drive to Motor] WHERE [Drive Name] = ? AND [Motor Name] = ? "
                           "AND Frame_Size = ? AND Stack_Length = ? AND Winding = ? AND Feedback = ? "
                           "AND Cable_Option = ?"),
            {axis.Drive_Name, axis.Motor_Series, axis.Frame_Size, axis.Stack_Length, axis.Winding, axis.Feedback,
             axis.Cable_Option},
            [&](const Recordset& rs) {
                MotorRow row {{}, rs.text(QStringLiteral("Motor_Cable")), rs.text(QStringLiteral("Feedback_Cable"))};
                const auto offers = [&](const QString& field) {
                    return !rs.isNull(field) && rs.text(field) != kNotApplicable;
                };
                for (const InputVoltage::Item& item : InputVoltage::items()) {
                    if ((voltage && voltage != &item) || !(offers(item.plainColumn) || offers(item.parallelColumn)))
                        continue;
                    // The plain column is the drive code as it is, "N/A" or empty too, where the pair offers the voltage.
                    row.driveCodes << rs.text(item.plainColumn);
                    if (offers(item.parallelColumn))
                        row.driveCodes << rs.text(item.parallelColumn);
                }
                rows << row;
            });
    return rows;
}

// Every complete motor part number of the axis' motor choice: each shaft
// option with each motor option, or with each gearhead the gearhead dialog
// offers where the options offer one (then also on the keyway it adds).
QSet<QString> motorParts(const AxisRecord& axis, const QList<MotorRow>& rows)
{
    QSet<QString> parts;
    if (rows.isEmpty())
        return parts;
    AxisRecord motor = axis;
    motor.Part_Number_Type = column(QStringLiteral("SELECT [PartNumber Type] FROM Motors WHERE [Motor Name] = ?"),
                                    {axis.Motor_Series}, QStringLiteral("PartNumber Type"))
                                 .value(0);
    const QVariantList size {axis.Motor_Series, axis.Frame_Size, axis.Stack_Length};
    QStringList shafts =
        column(QStringLiteral("SELECT Shaft_Options FROM [Shaft Options] WHERE [Motor Name] = ? AND Frame_Size = ? "
                              "AND Stack_Length = ?"),
               size, QStringLiteral("Shaft_Options"));
    if (shafts.isEmpty())
        shafts << QString();
    const QStringList gearheads = column(
        QStringLiteral("SELECT GXX FROM Gearhead WHERE [Motor Name] = ? AND Frame_Size = ? AND Stack_Length = ?"), size,
        QStringLiteral("GXX"));
    const auto build = [&](const QString& shaft, const QString& option) {
        motor.Shaft_Option = shaft;
        motor.Motor_Option = option;
        if (const auto built = MotorPartNumber::build(motor))
            parts << built->partNumber;
    };
    for (const QString& shaft : shafts) {
        // The options' feedback column holds a "QD_Servo" motor's mounting, a shaft option.
        const QString feedback = motor.Part_Number_Type == QLatin1String("QD_Servo") ? shaft : axis.Feedback;
        QStringList options;
        bool gearhead = false;
        for (const QString& option :
             column(QStringLiteral("SELECT Options FROM Options WHERE [Motor Name] = ? AND Frame_Size = ? "
                                   "AND Stack_Length = ? AND (Winding = ? OR Winding = 'Any') "
                                   "AND (Feedback = ? OR Feedback = 'Any') "
                                   "AND (Cable_Option = ? OR Cable_Option = 'Any')"),
                    size + QVariantList {axis.Winding, feedback, axis.Cable_Option}, QStringLiteral("Options"))) {
            if (option.startsWith(QLatin1String("GXX"), Qt::CaseInsensitive))
                gearhead = true;
            else
                options << option;
        }
        if (options.isEmpty() && !gearhead)
            options << QString();
        for (const QString& option : options)
            build(shaft, option);
        if (gearhead)
            for (const QString& code : gearheads)
                for (const QString& shaftWithGearhead : {shaft, kKeyway})
                    build(shaftWithGearhead, code);
    }
    return parts;
}

// The motor (unless the drive and motor are one unit) and its two cables.
void addMotor(QList<Offer>& offers, const AxisRecord& axis, const QList<MotorRow>& rows, const QString& unit)
{
    if (axis.Motor_Series != unit)
        offers.append(Offer(QStringLiteral("motor"), motorParts(axis, rows)));
    Offer power(QStringLiteral("motor power cable"));
    Offer feedback(QStringLiteral("motor feedback cable"));
    for (const MotorRow& row : rows) {
        power.parts += cableParts(row.motorCable);
        feedback.parts += cableParts(row.feedbackCable);
    }
    offers << power << feedback;
}

// A drive's accessories (quantity one) and its required accessory, one of their part numbers.
void addDriveAccessories(QList<Offer>& offers, const QStringList& entries)
{
    addAccessories(offers, QStringLiteral("drive accessory"), entries, one);
    Offer required(QStringLiteral("required drive accessory"));
    for (const QString& entry : entries)
        required.parts << Get_Code(entry);
    offers << required;
}

// A part number the catalogue can build: none where its construction row is missing.
std::optional<QString> built(const std::function<QString()>& build)
{
    try {
        return build();
    } catch (const DatabaseFault&) {
        return std::nullopt;
    }
}

QSet<QString> driveParts(const AxisRecord& axis, const QList<MotorRow>& rows)
{
    QSet<QString> parts;
    for (const MotorRow& row : rows)
        for (const QString& code : row.driveCodes)
            if (const auto part = built([&] { return Build_Drive_Part_Number(axis.Drive_Name, code); }))
                parts << *part;
    return parts;
}

// A drive with its accessories (from the table of its form), motor and cables.
void addDrive(QList<Offer>& offers, const AxisRecord& axis, const QString& table, const QString& column)
{
    const QList<MotorRow> rows = motorRows(axis);
    offers.append(Offer(QStringLiteral("drive"), driveParts(axis, rows)));
    addDriveAccessories(offers, listed(table, QStringLiteral("Drive Name"), column, axis.Drive_Name,
                                       QStringLiteral("'', 'N/A', 'None'")));
    addMotor(offers, axis, rows, QStringLiteral("ZU"));
}

Owner driveSystem()
{
    Owner owner(QStringLiteral("the drive system"));
    addDrive(owner.offers, Axis[0], QStringLiteral("Drive Only Accessories"), QStringLiteral("Drive Only Accessory"));
    return owner;
}

// The rows of an options table, one a configuration, that the saved levels name.
void eachConfiguration(const QString& table, const QString& nameColumn, const QString& name,
                       const AccessoryChoice::List21& levels, int count,
                       const std::function<void(const Recordset&)>& take)
{
    QString sql = QStringLiteral("SELECT * FROM [%1] WHERE [%2] = ?").arg(table, nameColumn);
    QVariantList params {name};
    for (int level = 1; level <= count; ++level) {
        sql += QStringLiteral(" AND Option%1 = ?").arg(level);
        params << levels[static_cast<std::size_t>(level)];
    }
    eachRow(sql, params, take);
}

Owner driveControllerSystem()
{
    const AxisRecord& axis = Axis[0];
    const QList<MotorRow> rows = motorRows(axis);
    Owner owner(QStringLiteral("the drive/controller system"));
    Offer product(QStringLiteral("drive/controller"));
    bool jtr = false;
    bool duw = false;
    eachConfiguration(QStringLiteral("All DriveControllers"), QStringLiteral("DriveController Name"), axis.Drive_Name,
                      Drive_Controller_Options, 4, [&](const Recordset& rs) {
                          QString option = rs.text(QStringLiteral("PartNumber"));
                          if (option.isEmpty())
                              option = kNotApplicable;
                          for (const MotorRow& row : rows)
                              for (const QString& code : row.driveCodes)
                                  if (const auto part = built([&] {
                                          return Build_DriveController_Part_Number(axis.Drive_Name, code, option);
                                      }))
                                      product.parts << *part;
                          jtr = jtr || rs.boolean(QStringLiteral("JTR Ready"));
                          duw = duw || rs.boolean(QStringLiteral("DUW Ready"));
                      });
    // The drive/controller that is its motor too bills the motor's number.
    if (axis.Drive_Name == QLatin1String("iQO"))
        product.parts = motorParts(axis, rows);
    owner.offers << product;
    addAccessories(owner.offers, QStringLiteral("drive/controller accessory"),
                   listed(QStringLiteral("DriveController Accessories"), QStringLiteral("DriveController Name"),
                          QStringLiteral("DriveController Accessory"), axis.Drive_Name, QStringLiteral("'', 'N/A'")),
                   one);
    addCards(owner.offers, jtr, duw, false);
    addMotor(owner.offers, axis, rows, QStringLiteral("iQO"));
    return owner;
}

// The controller with its accessories, cards and breakout.
Owner controller()
{
    Owner owner(QStringLiteral("the controller"));
    Offer product(QStringLiteral("controller"));
    bool jtr = false;
    bool duw = false;
    bool lumio = false;
    eachConfiguration(QStringLiteral("All Controllers"), QStringLiteral("Controller Name"), Controller_Name,
                      Controller_Options, 6, [&](const Recordset& rs) {
                          // Its axis count follows at Done: options changed since may name another.
                          product.parts << rs.text(QStringLiteral("Part Number"));
                          jtr = jtr || rs.boolean(QStringLiteral("JTR Ready"));
                          duw = duw || rs.boolean(QStringLiteral("DUW Ready"));
                          lumio = lumio || rs.boolean(QStringLiteral("LUMIO Ready"));
                      });
    owner.offers << product;
    addAccessories(owner.offers, QStringLiteral("controller accessory"),
                   listed(QStringLiteral("Controller Accessories"), QStringLiteral("Controller Name"),
                          QStringLiteral("Controller Accessory"), Controller_Name),
                   [](const QString& entry) {
                       return AccessoryStore::Breakout_Quantity(entry, Controller_Name, Controller_Options[2],
                                                                Controller_Options[3]);
                   });
    addCards(owner.offers, jtr, duw, lumio);

    Offer breakout(QStringLiteral("controller breakout"));
    const QStringList ports = column(QStringLiteral("SELECT DISTINCT [TNL Axes] FROM [All Controllers] "
                                                    "WHERE [Controller Name] = ? AND NOT [TNL Axes] = 0"),
                                     {Controller_Name}, QStringLiteral("TNL Axes"));
    for (const QString& base : column(QStringLiteral("SELECT DISTINCT [Required Accessory] FROM [All Controllers] "
                                                     "WHERE [Controller Name] = ?"),
                                      {Controller_Name}, QStringLiteral("Required Accessory"))) {
        if (!base.startsWith(QLatin1String("TNL"), Qt::CaseInsensitive)) {
            breakout.parts << base;
            continue;
        }
        for (const QString& count : ports)
            breakout.parts += cableParts(ControllerConnection::completeBreakout(base, count));
    }
    owner.offers << breakout;
    return owner;
}

// An axis of the controller: its connection to the controller, drive, drive
// accessories, motor and cables.
Owner controllerAxis(int number)
{
    const AxisRecord& axis = Axis[static_cast<std::size_t>(number - 1)];
    Owner owner(QStringLiteral("axis %1").arg(number));
    bool paired = false;
    eachRow(QStringLiteral("SELECT Cable, ControllerDriveRequired_Accessory FROM [Controller to Drive] "
                           "WHERE [Controller Name] = ? AND [Drive Name] = ?"),
            {Controller_Name, axis.Drive_Name}, [&](const Recordset& rs) {
                paired = true;
                const QString cable = rs.text(QStringLiteral("Cable"));
                owner.offers << Offer(QStringLiteral("command cable"), cableParts(cable));
                // "N/A" in any case, empty text or "No ..." is no part.
                const QString accessory = rs.text(QStringLiteral("ControllerDriveRequired_Accessory"));
                const bool part = !accessory.trimmed().isEmpty()
                    && accessory.trimmed().compare(kNotApplicable, Qt::CaseInsensitive) != 0
                    && !accessory.startsWith(QLatin1String("No"));
                owner.offers.append(Offer(QStringLiteral("drive to controller accessory"),
                                          part ? QSet<QString> {accessory} : QSet<QString> {}));
            });
    if (paired)
        addDrive(owner.offers, axis, QStringLiteral("Drive Accessories"), QStringLiteral("Drive Accessory"));
    return owner;
}

// What stands for a part number still to be chosen: a cable's name, a breakout's base.
bool standIn(const QString& part)
{
    static const QRegularExpression placeholder(QStringLiteral("XX|^TNL-BKn$"),
                                                QRegularExpression::CaseInsensitiveOption);
    return placeholder.match(part).hasMatch()
        || !column(QStringLiteral("SELECT Cable FROM Cables WHERE Cable = ?"), {part}, QStringLiteral("Cable"))
                .isEmpty();
}

// The description column of each bill line of Report_Text, in bill order.
QStringList billDescriptions()
{
    const QStringList lines =
        Report_Text.section(QStringLiteral("Description\r\n\r\n"), 1).split(QStringLiteral("\r\n"));
    QStringList descriptions;
    for (int i = 1; i <= BOM_Count; ++i) {
        const QString& line = lines.value(i - 1);
        const QString& part = BOM_Part_Number[i];
        const QString lead = QString(23, QLatin1Char(' ')) + part;
        const qsizetype at = line.indexOf(lead);
        descriptions << (at < 0 ? QString() : line.mid(at + lead.size() + std::max<qsizetype>(0, 24 - part.size())));
    }
    return descriptions;
}

QString why(const Owner& owner, const QString& part, int quantity, const QString& description)
{
    if (standIn(part))
        return QStringLiteral("is a placeholder for a part number still to be chosen");
    const auto offer = std::ranges::find_if(owner.offers, [&](const Offer& o) { return o.offers(part); });
    if (offer == owner.offers.end())
        return QStringLiteral("is not offered for ") + owner.name;
    const QString as = QStringLiteral("is offered for %1 as its %2").arg(owner.name, offer->what);
    if (!offer->quantities.contains(quantity))
        return as + QStringLiteral(", but not %1 of it").arg(quantity);
    if (offer->description && offer->description->compare(description, Qt::CaseInsensitive) != 0)
        return as + QStringLiteral(", described \"%1\"").arg(*offer->description);
    return as + QStringLiteral(", fewer times than billed");
}

} // namespace

QStringList OfferedBill::faults()
{
    if (BOM_Count <= 0)
        return {};
    if (!System_Database.isOpen())
        return {QStringLiteral("The bill of material has %1 lines, but no catalogue is open.").arg(BOM_Count)};

    // The bill's owners; a controller's axis lines end in " Axis n".
    QList<Owner> owners;
    const int kind = SetupKinds::projectKind(System_Type);
    const bool axes = kind == SetupKinds::Controller;
    if (axes) {
        owners << controller();
        for (int a = 1; a <= std::clamp(Total_Axes, 0, static_cast<int>(Axis.size())); ++a)
            owners << controllerAxis(a);
    } else if (kind == SetupKinds::DriveController) {
        owners << driveControllerSystem();
    } else {
        owners << driveSystem();
    }
    static const QRegularExpression axisSuffix(QStringLiteral(" Axis ([0-9]+)$"));

    QStringList faults;
    const QStringList descriptions = billDescriptions();
    for (int i = 1; i <= BOM_Count; ++i) {
        const QString& part = BOM_Part_Number[i];
        const int quantity = BOM_Quantity[i];
        QString description = descriptions.at(i - 1);
        Owner* owner = &owners.first();
        if (const QRegularExpressionMatch m = axisSuffix.match(description); axes && m.hasMatch()) {
            const int number = m.captured(1).toInt();
            if (number >= 1 && number < owners.size()) {
                owner = &owners[number];
                description.chop(m.capturedLength());
            }
        }
        const auto offer = std::ranges::find_if(
            owner->offers, [&](const Offer& o) { return o.takes(part, quantity, description); });
        if (offer != owner->offers.end()) {
            offer->taken = true;
            continue;
        }
        faults << QStringLiteral("Bill line %1, %2 x \"%3\" (%4), %5")
                      .arg(i)
                      .arg(quantity)
                      .arg(part.left(80), description.left(80), why(*owner, part, quantity, description));
    }
    return faults;
}
