#pragma once

#include "setup/drive/CascadeControls.h"
#include "setup/drive/CascadeRules.h"

#include <QString>

struct AxisRecord;
class ListControl;

// Puts a project's restored axis record back into a setup form's lists in
// cascade order. Each stored value is selected as if the user had picked it,
// so the list handlers (which keep stored slots while Loading_Project is set)
// fill the next list and rebuild every derived value from the database.
class ProjectReplay {
public:
    explicit ProjectReplay(const CascadeControls& controls);
    // Where a file without technology and series finds it by the drive's
    // name: the form's drive table (the drive form's [Drives] until told).
    ProjectReplay& withRules(const CascadeRules& rules);

    // Throws std::runtime_error (or DatabaseError) when a stored value is not
    // offered any more or the technology cannot be found; the lists keep what
    // the replay reached.
    void run(AxisRecord& record) const;

    // The technology of a file that has none: the series' motor type, else the drive's type.
    QString lookUpTechnology(const AxisRecord& record) const;
    // Frame sizes of "QD_Servo" files written before they were code-and-description items.
    static QString qdFrameSize(const QString& frameSize);

private:
    static void select(ListControl* list, const QString& value);
    static void selectOrClear(ListControl* list, const QString& value);

    const CascadeControls& m_c;
    CascadeRules m_rules;
};
