#pragma once
// Looks at each message before the window's controls get it. The keys the
// core gives a meaning to (Enter, Space, Esc) go to the core first; while
// input is blocked, no key or click reaches any control, and keys and
// clicks are only reported.

#include <windows.h>

#include <optional>

#include "runtime/adapter.h"

namespace corvane::win32 {

// True when the message must go no further. `control` is the form control
// the message is for, if any.
bool BlockedInput(const MSG& message, std::optional<ControlRef> control, AdapterEvents& events);
// A click on a label or into an edit box is reported too, for the core to
// run whatever the form binds to it; buttons report their own clicks.
void ReportClick(const MSG& message, ControlRef control, AdapterEvents& events);
bool CoreKey(const MSG& message, ControlRef control, AdapterEvents& events);

}  // namespace corvane::win32
