#pragma once
// Qt implementations of the toolkit's services: message boxes, file dialogs, printer dialog.
//
// Each dialog is window-modal for Qt but waits in a nested loop of the platform event loop,
// like a modal form, so timers, sockets and scripts keep being served while it is open. A
// scripted answer (ui answer / answer-file, queued in the headless toolkit) takes precedence:
// it answers a box before it is shown, or closes the box that is open when it arrives.

namespace qtui {

void installQtServices();

}  // namespace qtui
