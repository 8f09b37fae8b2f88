#include "devctrls/classes.h"

#include "devctrls/arv_log.h"

namespace devctrls {

const std::vector<std::string_view>& classIds() {
    static const std::vector<std::string_view> ids = {ArvLog::kProgId};
    return ids;
}

std::shared_ptr<Object> createObject(std::string_view progId) {
    std::string id = foldCase(progId);
    if (id == foldCase(ArvLog::kProgId)) return std::make_shared<ArvLog>();
    return nullptr;
}

}  // namespace devctrls
