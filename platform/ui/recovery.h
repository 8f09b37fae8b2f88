#pragma once
// Abort/Retry/Ignore for long routines with many steps.
//
//   ui::Recovery rec({.title = "fMain InitDevice",
//                     .text = [](const platform::Error& e) { return e.description + " in
//                     InitDevice"; }});
//   rec.onFailure([&](const platform::Error&) { fProgress.unload(); });
//   bool ok = ui::recoverable([&] {
//       rec.step([&] { openDevice(); });
//       rec.step([&] { readValues(); });   // Ignore: skipped, the routine goes on
//   });                                    // Abort: false
//
// A failing step (platform::Error, or any std::exception, taken as an Error with number
// errc::kGeneric and what() as description) shows the message box with AbortRetryIgnore, the
// icon (critical unless given) and the caller's text and title. Retry runs the step again,
// Ignore returns false from step() and counts it as skipped, Abort throws ui::Aborted. Aborted
// derives from no standard exception, so the "ignore step by step" helpers and handlers that
// catch std::exception let it pass; recoverable() (or a catch of ui::Aborted) ends the routine.
//
// Automatic retries: with autoRetry(n) a failure is first retried without asking, up to n times
// in the whole run; the count starts again whenever the user answers Retry or Ignore.

#include <functional>
#include <string>

#include "platform/core/error.h"

namespace ui {

// Thrown by Recovery::step when the user chose Abort.
struct Aborted {
    platform::Error error;  // the failure that led to it
};

struct RecoveryBox {
    std::string title;
    std::function<std::string(const platform::Error&)> text;  // default: the description
    int icon = 16;                                            // vbCritical
};

enum class StepResult { Done, Ignored, Aborted };

class Recovery {
  public:
    explicit Recovery(RecoveryBox box);

    // Runs a step; true when it succeeded (possibly after retries), false when ignored.
    // Throws Aborted when the user chose Abort.
    bool step(const std::function<void()>& fn);
    // The same without the exception.
    StepResult tryStep(const std::function<void()>& fn);

    // Up to n automatic retries over the whole run before asking; onRetry sees each failure
    // that is retried automatically (to log "... repeating").
    Recovery& autoRetry(int n, std::function<void(const platform::Error&)> onRetry = {});
    // Called with every failure before the box is shown (e.g. to log it or close windows).
    Recovery& onFailure(std::function<void(const platform::Error&)> fn);
    // Called once when the user chose Abort, before Aborted is thrown.
    Recovery& onAbort(std::function<void(const platform::Error&)> fn);

    int ignored() const { return ignored_; }        // steps skipped by Ignore
    int autoRetries() const { return autoCount_; }  // automatic retries since the last answer

  private:
    RecoveryBox box_;
    int maxAuto_ = 0;
    int autoCount_ = 0;
    int ignored_ = 0;
    std::function<void(const platform::Error&)> onRetry_, onFailure_, onAbort_;
};

// Runs a routine that uses Recovery steps; false when one of them was aborted.
bool recoverable(const std::function<void()>& routine);

// The failure of a step as a platform::Error (std::exception becomes errc::kGeneric).
platform::Error asError(const std::exception& e);

}  // namespace ui
