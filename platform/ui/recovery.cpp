#include "platform/ui/recovery.h"

#include "platform/ui/services.h"

namespace ui {

platform::Error asError(const std::exception& e) {
    if (auto* err = dynamic_cast<const platform::Error*>(&e)) return *err;
    return platform::Error(platform::errc::kGeneric, "", e.what());
}

Recovery::Recovery(RecoveryBox box) : box_(std::move(box)) {}

Recovery& Recovery::autoRetry(int n, std::function<void(const platform::Error&)> onRetry) {
    maxAuto_ = n;
    onRetry_ = std::move(onRetry);
    return *this;
}

Recovery& Recovery::onFailure(std::function<void(const platform::Error&)> fn) {
    onFailure_ = std::move(fn);
    return *this;
}

Recovery& Recovery::onAbort(std::function<void(const platform::Error&)> fn) {
    onAbort_ = std::move(fn);
    return *this;
}

bool Recovery::step(const std::function<void()>& fn) {
    for (;;) {
        platform::Error failure(0, "", "");
        try {
            fn();
            return true;
        } catch (const std::exception& e) {
            failure = asError(e);
        }
        if (autoCount_ < maxAuto_) {
            ++autoCount_;
            if (onRetry_) onRetry_(failure);
            continue;
        }
        if (onFailure_) onFailure_(failure);
        std::string text = box_.text ? box_.text(failure) : failure.description;
        int answer = msgBox(text, vbAbortRetryIgnore | box_.icon, box_.title);
        if (answer == vbRetry) {
            autoCount_ = 0;
            continue;
        }
        if (answer == vbIgnore) {
            autoCount_ = 0;
            ++ignored_;
            return false;
        }
        // Abort, or any answer a foreign service gives that is not Retry or Ignore.
        if (onAbort_) onAbort_(failure);
        throw Aborted{failure};
    }
}

StepResult Recovery::tryStep(const std::function<void()>& fn) {
    try {
        return step(fn) ? StepResult::Done : StepResult::Ignored;
    } catch (const Aborted&) {
        return StepResult::Aborted;
    }
}

bool recoverable(const std::function<void()>& routine) {
    try {
        routine();
        return true;
    } catch (const Aborted&) {
        return false;
    }
}

}  // namespace ui
