#include "ui/Icons.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside of any namespace.
static void RegisterKestrelResources()
{
    Q_INIT_RESOURCE(kestrel);
}

namespace icons {

void EnsureResourcesLoaded()
{
    static const bool loaded = (RegisterKestrelResources(), true);
    (void)loaded;
}

} // namespace icons
