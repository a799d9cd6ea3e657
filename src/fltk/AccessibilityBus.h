#pragma once

namespace ttt {

// Whether an accessibility bus is running for this session, found without starting one:
// the bridge to it is then worth loading. It runs when the environment names its address,
// when the X display's root window carries it (the bus launcher puts it there), or when the
// session bus has an owner for the launcher's name. NO_AT_BRIDGE=1 turns it all off.
bool accessibilityBusRunning();

}  // namespace ttt
