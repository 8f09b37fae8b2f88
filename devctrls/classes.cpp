#include "devctrls/classes.h"

#include "devctrls/arv_log.h"
#include "devctrls/arv_sts_bar.h"

namespace devctrls {

const std::vector<std::string_view>& classIds() {
    static const std::vector<std::string_view> ids = {ArvLog::kProgId, ArvStsBar::kProgId};
    return ids;
}

std::shared_ptr<Object> createObject(std::string_view progId) {
    std::string id = foldCase(progId);
    if (id == foldCase(ArvLog::kProgId)) return std::make_shared<ArvLog>();
    if (id == foldCase(ArvStsBar::kProgId)) return std::make_shared<ArvStsBar>();
    return nullptr;
}

}  // namespace devctrls
