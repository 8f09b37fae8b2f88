#pragma once
// "Ignore step by step": run each step; a step that fails is skipped and the next one runs.
// Used by the walks over the network database and by every closing sequence, whose failing
// steps are skipped without a message.

#include <functional>
#include <initializer_list>

namespace platform {

// Runs every step; returns how many of them failed.
int ignoreStepByStep(std::initializer_list<std::function<void()>> steps);

// Runs one step; returns false when it failed.
bool ignoreStep(const std::function<void()>& step);

}  // namespace platform
