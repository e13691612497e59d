// Runs command lines as new processes whose window stays hidden.
#pragma once

#include <optional>
#include <string>

#include "common/text.h"

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
  bool started = false;   // the process was created
  bool ended = false;     // it ended by itself within the limit
  bool timedOut = false;  // it was still running at the limit and was ended
  unsigned long exitCode = 0;
  // What it wrote to its standard output and error, in the order written,
  // as bytes in the console code page: the last kKeptOutputBytes of it.
  std::string output;
  bool Succeeded() const { return started && ended && exitCode == 0; }
};

constexpr unsigned kCommandTimeLimitMs = 30000;

// Starts the command line hidden and waits for it to end, at most
// `limitMs`; one still running then is ended and counts as failed. Its
// standard output and error go into one pipe that is read while it runs, so
// it never waits on a full pipe however much it writes; the pipe's write
// end is the only handle it inherits. A descendant that keeps the pipe open
// after the command ended is not waited for. While it waits, this thread's
// window messages keep being handled (the window paints and answers). When
// the window's WM_QUIT turns up, the wait stops at once, the quit is posted
// again for the main loop, and the command is left to finish by itself (not
// ended, not judged).
CommandOutcome RunCommandLineToEnd(const std::string& commandLine, unsigned limitMs = kCommandTimeLimitMs);

// The rules of the console code page (GetOEMCP: 936 on a Chinese Windows,
// 437 or 850 on a Western one), in which console programs write to a pipe.
const CodePage& ConsoleCodePage();

// Console output for display: converted from the console code page, every
// line end as CR LF, without empty lines at either end.
std::wstring ConsoleOutputText(const std::string& output);

}  // namespace lumaret
