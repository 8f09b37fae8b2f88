#pragma once
// The library's classes by identifier ("WcxDevCtrs.ArvLog", "WcxDevCtrs.ArvStsBar").

#include <memory>
#include <string_view>
#include <vector>

#include "devctrls/members.h"

namespace devctrls {

// The identifiers of the classes the library provides.
const std::vector<std::string_view>& classIds();

// A new object of the class (compared without regard to case); nullptr for an unknown one.
std::shared_ptr<Object> createObject(std::string_view progId);

}  // namespace devctrls
