#pragma once
// The library's classes by identifier ("WcxDevCtrs.ArvLog", "WcxDevCtrs.ArvStsBar"). The
// component system loads the library and calls its exported registration function, which adds
// one factory per class; registerClasses() does the same for a registry given directly.

#include "platform/automation/factories.h"

namespace devctrls {

void registerClasses(automation::FactoryRegistry& registry);

}  // namespace devctrls
