#include "devctrls/classes.h"

#include "devctrls/arv_log.h"
#include "devctrls/arv_sts_bar.h"

namespace devctrls {

void registerClasses(automation::FactoryRegistry& registry) {
    registry.add(ArvLog::kProgId, [] { return std::make_shared<ArvLog>(); });
    registry.add(ArvStsBar::kProgId, [] { return std::make_shared<ArvStsBar>(); });
}

}  // namespace devctrls

QBX_AUTOMATION_CLASSES(registry) { devctrls::registerClasses(registry); }
