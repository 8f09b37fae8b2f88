#pragma once
// The wire format of the automation socket: one JSON object per line.
//
//   {"id":1,"op":"create","class":"Korvane_MBX_440.QBXPlugInAPI"}   -> {"id":1,"value":7}
//   {"id":2,"op":"get","object":7,"member":"Visible"}                -> {"id":2,"value":false}
//   {"id":3,"op":"put","object":7,"member":"Visible","value":true}   -> {"id":3,"value":null}
//   {"id":4,"op":"call","object":7,"member":"SendCommand","args":[13,7,"/a/b"]}
//   {"id":5,"op":"release","object":7}                               -> {"id":5,"value":null}
//   {"id":6,"op":"ui","request":{"op":"forms"}}                      -> {"id":6,"value":[...]}
//
// A failure replies {"id":N,"error":{"number":20003,"source":"Korvane_MBX-440",
// "description":"Command not supported"}}; a line that cannot be read replies with "id": null.

#include <string>

#include "platform/automation/dispatch.h"
#include "platform/core/error.h"

namespace automation::wire {

inline constexpr size_t kMaxLine = 1 << 20;  // longer lines end the connection

Value errorToJson(const platform::Error& e);
platform::Error errorFromJson(const Value& e);

Value valueReply(const Value& id, Value value);
Value errorReply(const Value& id, const platform::Error& e);

// One line of JSON; texts that are not valid UTF-8 get replacement characters instead of failing.
std::string toLine(const Value& v);

// The error for a protocol or transport failure.
platform::Error protocolError(std::string description);

}  // namespace automation::wire
