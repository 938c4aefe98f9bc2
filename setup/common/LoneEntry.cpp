#include "setup/common/LoneEntry.h"

#include "platform/FlagGuard.h"
#include "platform/ListControl.h"
#include "shell/Globals.h"

using namespace Globals;

bool LoneEntry::choose(ListControl* list, When when)
{
    if (list->listCount() != 1 || list->listIndex() == 0 || (Loading_Project && when == OutsideReplay))
        return false;
    FlagGuard running(Loading_Lists, false);
    list->setListIndex(0);
    return true;
}
