#pragma once

#include <QString>

#include <functional>

// Where the cascades of the three setup forms differ. Each form builds one of
// these; the defaults are the drive setup form's.
struct CascadeRules {
    // The form's setup kind, which tells the gearhead dialog its caller; the form base sets it.
    int systemType = 0;

    // Technology list: one entry per row of technologiesSql (column
    // technologiesColumn); the drives of a technology (column technologyDriveColumn)
    // and the motor series offered with them and with a chosen drive (rows
    // whose includeColumn is true).
    QString technologiesSql = QStringLiteral("SELECT DISTINCT [Drives].[Drive Type] FROM [Drives]"
                                             "ORDER BY [Drives].[Drive Type];");
    QString technologiesColumn = QStringLiteral("Drive Type");
    QString technologyDrivesSql;
    QString technologyDriveColumn = QStringLiteral("Drive Name");
    QString technologySeriesSql = QStringLiteral("SELECT [Motors].[Motor Name], [Motors].[Include with Drives] "
                                                 "FROM [Motors] WHERE (([Motors].[Motor Type])=?)"
                                                 "ORDER BY [Motors].[Motor Name];");
    QString includeColumn = QStringLiteral("Include with Drives");

    // The drive form takes no frame size for a series without a part-number type.
    bool frameSizeNeedsPartNumberType = true;
    // After a series chosen first, a one-entry drive list selects itself.
    bool seriesSelectsSingleDrive = true;
    // Caption of the fourth list for "Colbitum" motors.
    QString colbitumFeedbackCaption = QStringLiteral("Misc");
    // The column the motor options are ordered by.
    QString optionsOrderBy = QStringLiteral("Options.Options");
    // A "GXX" option opens the gearhead dialog only while no gearhead is chosen.
    bool gearheadOnlyWithoutGearhead = false;
    // The motor-options step writes the drive text (the other forms leave it to the voltage step).
    bool optionsWritesDriveText = true;
    // A project file without technology and series finds it by the drive's
    // name in the form's own drive table (bound to "?", column below).
    QString driveTechnologySql = QStringLiteral("SELECT DISTINCT [Drives].[Drive Type], [Drives].[Drive Name]"
                                                "FROM [Drives] WHERE (([Drives].[Drive Name]) = ?) "
                                                "ORDER BY [Drives].[Drive Type];");
    QString driveTechnologyColumn = QStringLiteral("Drive Type");
    QString keywayMessage = QStringLiteral("Please select another shaft Options\r\n"
                                           "Keyway on Size 16 motors is not valid unless with a gearhead");
    // What the form shows of the values a choice above the motor options has
    // dropped (outside a replay).
    std::function<void()> resultDropped;
};
