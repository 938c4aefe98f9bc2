#pragma once

#include "setup/common/SelectionCascade.h"

// The selection cascade of the controller setup form: with a controller
// chosen, the technology lists that controller's drives, and a motor series
// chosen before the drive narrows the controller's drive list to the drives
// that pair with the series.
class ControllerCascade : public SelectionCascade {
public:
    ControllerCascade(const CascadeControls& controls, const CascadeRules& rules, ListControl* controllerList);

    // Removes the entries of the list that the names do not hold; the
    // selection goes. Gives the number of entries left.
    static int narrow(ListControl* list, const QStringList& names);

protected:
    bool listDrivesOfSeries() override;
    QVariantList technologyDriveParams(const QString& technology) const override;

private:
    ListControl* m_cmbController;
};
