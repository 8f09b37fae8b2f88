// A shared library of in-process classes for the tests: "Test.InprocEcho".

#include <cctype>

#include "platform/automation/factories.h"
#include "platform/automation/members.h"

namespace {
class Echo : public automation::Automatable<Echo> {
  public:
    static const automation::Members<Echo>& members() {
        static const auto table =
            automation::Members<Echo>("Test.InprocEcho").method("Upper", [](Echo&, std::string s) {
                for (char& c : s) c = static_cast<char>(std::toupper(c));
                return s;
            });
        return table;
    }
};
}  // namespace

QBX_AUTOMATION_CLASSES(registry) {
    registry.add("Test.InprocEcho", [] { return std::make_shared<Echo>(); });
}
