#include "setup/controller/ControllerCascade.h"

#include "platform/ListControl.h"

ControllerCascade::ControllerCascade(const CascadeControls& controls, const CascadeRules& rules,
                                     ListControl* controllerList)
    : SelectionCascade(controls, rules), m_cmbController(controllerList)
{
}

int ControllerCascade::narrow(ListControl* list, const QStringList& names)
{
    for (int i = list->listCount() - 1; i >= 0; --i)
        if (!names.contains(list->list(i), Qt::CaseInsensitive))
            list->removeItem(i);
    list->setListIndex(-1);
    return list->listCount();
}

bool ControllerCascade::listDrivesOfSeries()
{
    if (m_cmbController->listIndex() == -1)
        return SelectionCascade::listDrivesOfSeries();
    return narrow(m_c.driveList, drivesOfSeries(m_c.cmbMotor_Series->text())) > 0;
}

QVariantList ControllerCascade::technologyDriveParams(const QString& technology) const
{
    return {technology, m_cmbController->text()};
}
