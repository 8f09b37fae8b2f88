#pragma once
// The `ui ...` lines of scripts, for the automation socket and `qbx script`. One line is one
// command; the answer is a JSON value (or a platform::Error is raised).
//
//   ui forms                                  -> [{"name":"fMain","visible":true,...}]
//   ui get fMain.txtnci(5) Text               -> "21,5"
//   ui get fMain Caption                      -> form property
//   ui set fMain.txtnci(5) Text "21,5"        -> value as JSON, or a bare word as text
//   ui key fMain.txtnci(5) 12{ENTER}          -> the rest of the line is typed
//   ui click fMain.cmdApply   | ui dblclick fMain.lstLog
//   ui focus fMain.txtPoll
//   ui select fMain.cmb_display(99) 3         -> pick an entry (position or text)
//   ui tab fMain.tabData 2 | ui check fDlg.tvw key 1 | ui menu fMain.mnuExit
//   ui mouse down|move|up fMain.UpD_nci(9) <x> <y>
//   ui close fMain
//   ui answer 4 | ui answer-file /tmp/x.par | ui answer-file cancel
//   ui boxes                                  -> [{"text":...,"answer":...}, ...]
//   ui advance 250

#include <string_view>

#include "platform/ui/value.h"

namespace ui {

// Runs one line (with or without the leading "ui").
Value runScriptLine(std::string_view line);

}  // namespace ui
