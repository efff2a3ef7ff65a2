#include "platform/Resources.h"

#include <QtGlobal>

static void InitResourcesOutsideNamespace() {
    Q_INIT_RESOURCE(resources);
}

void InitResources() {
    InitResourcesOutsideNamespace();
}
