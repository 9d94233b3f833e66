#include "ui/widgets/Icons.h"

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

namespace {
// Whenever this file is part of the program (every control class refers to
// it), the pictures are there from the start, before any window asks.
const bool kLoadedAtStart = (EnsureResourcesLoaded(), true);
} // namespace

} // namespace icons
