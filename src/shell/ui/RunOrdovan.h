#pragma once
// The program from start to end: the services, every window in its order,
// the message loop, and the end when the main window closes.

namespace ordovan {

class OrdovanApplication;

// Returns the exit code of the message loop. An error that escapes start-up
// is shown in a message box with its own text.
int RunOrdovan(OrdovanApplication& app);

}  // namespace ordovan
