#include "platform/catalog/program_id.h"

#include <cctype>

namespace catalog {

namespace {

// The digit positions [first, last) that count at each scope.
struct DigitRange {
    int first;
    int last;
};
constexpr DigitRange kScopeDigits[kMaxScope + 1] = {
    {0, 0}, {6, 10}, {6, 12}, {0, 6}, {0, 10}, {0, 12}, {0, 16},
};

}  // namespace

bool isProgramId(std::string_view text) {
    if (text.size() != 16) return false;
    for (char c : text)
        if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

bool matchesAtScope(std::string_view templateId, std::string_view programId, int scope) {
    if (scope < 0 || scope > kMaxScope || !isProgramId(templateId) || !isProgramId(programId))
        return false;
    for (int i = kScopeDigits[scope].first; i < kScopeDigits[scope].last; ++i) {
        if (std::toupper(static_cast<unsigned char>(templateId[i])) !=
            std::toupper(static_cast<unsigned char>(programId[i])))
            return false;
    }
    return true;
}

}  // namespace catalog
