#include "resources/resources.h"

#include <QtGlobal>

static void initialise() { Q_INIT_RESOURCE(resources); }

void loadResources()
{
    static const bool done = (initialise(), true);
    (void)done;
}
