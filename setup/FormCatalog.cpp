#include "setup/FormCatalog.h"

#include "shell/Forms.h"

void FormCatalog::registerAll()
{
}
