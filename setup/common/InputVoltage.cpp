#include "setup/common/InputVoltage.h"

#include "setup/common/DriveToMotorRow.h"

const QList<InputVoltage::Item>& InputVoltage::items()
{
    static const QList<Item> table = {
        {QStringLiteral("24VDC"), QStringLiteral("24VDC_Drive"), QStringLiteral("24VDC_Drive_Parallel"), 24},
        {QStringLiteral("48VDC"), QStringLiteral("48VDC_Drive"), QStringLiteral("48VDC_Drive_Parallel"), 48},
        {QStringLiteral("75VDC"), QStringLiteral("75VDC_Drive"), QStringLiteral("75VDC_Drive_Parallel"), 75},
        {QStringLiteral("120VAC"), QStringLiteral("120VAC_Drive"), QStringLiteral("120VAC_Drive_Parallel"), 170},
        {QStringLiteral("230VAC"), QStringLiteral("230VAC_Drive"), QStringLiteral("230VAC_Drive_Parallel"), 325},
        {QStringLiteral("400VAC"), QStringLiteral("460VAC_Drive"), QStringLiteral("460VAC_Drive_Parallel"), 565},
        {QStringLiteral("460VAC"), QStringLiteral("460VAC_Drive"), QStringLiteral("460VAC_Drive_Parallel"), 650},
    };
    return table;
}

const InputVoltage::Item* InputVoltage::find(const QString& text)
{
    for (const Item& item : items())
        if (item.text == text)
            return &item;
    return nullptr;
}

QStringList InputVoltage::offered(const DriveToMotorRow& row)
{
    QStringList out;
    for (const Item& item : items()) {
        // "400VAC" has no pair of its own: it comes with the 460 V pair.
        if (item.text == QLatin1String("400VAC"))
            continue;
        if (!row.offers(item.plainColumn) && !row.offers(item.parallelColumn))
            continue;
        if (item.text == QLatin1String("460VAC"))
            out << QStringLiteral("400VAC");
        out << item.text;
    }
    return out;
}

QStringList InputVoltage::wirings(const DriveToMotorRow& row, const Item& item)
{
    QStringList out;
    if (row.offers(item.plainColumn))
        out << QStringLiteral("SERIES");
    if (row.offers(item.parallelColumn))
        out << QStringLiteral("PARALLEL");
    return out;
}
