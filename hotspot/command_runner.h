// Runs command lines as new processes whose window stays hidden.
#pragma once

#include <optional>
#include <string>

namespace lumaret {

// Starts the command line (its first word names the program) and tells only
// whether the process was created. The program is always the file of that
// name in System32 (".exe" added when the name has none), never one from the
// program's folder, the current directory or the PATH; a first word that
// holds a path, or names no file there, fails to start. The command line
// itself goes to the program as it is. With `wait` it waits for the process to
// end, otherwise at most 1,000 ms for it to be idle (at once for a console
// program). The show mode is mapped by ShowWindowValueFor; omitted means 2.
// A hidden program (show mode 1) gets no console window (CREATE_NO_WINDOW).
bool RunCommandLine(const std::string& commandLine, bool wait, std::optional<int> showMode = std::nullopt);

// How a command run to its end went.
struct CommandOutcome {
  bool started = false;  // the process was created
  bool ended = false;    // it ended by itself within the limit
  unsigned long exitCode = 0;
  bool Succeeded() const { return started && ended && exitCode == 0; }
};

constexpr unsigned kCommandTimeLimitMs = 30000;

// Starts the command line hidden and waits for it to end, at most
// `limitMs`; one still running then is ended and counts as failed. While it
// waits, this thread's window messages keep being handled (the window paints
// and answers). When the window's WM_QUIT turns up, the wait stops at once,
// the quit is posted again for the main loop, and the command is left to
// finish by itself (not ended, not judged).
CommandOutcome RunCommandLineToEnd(const std::string& commandLine, unsigned limitMs = kCommandTimeLimitMs);

}  // namespace lumaret
