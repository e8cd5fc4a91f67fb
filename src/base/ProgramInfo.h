#pragma once

// The options each program answers before it starts anything (no display,
// no single-instance hand-over): --version prints "NAME (Corvel) 1.0.0.4",
// --help (or -h) prints `help`; both on stdout.
namespace ProgramInfo {

// The program version, "1.0.0.4".
const char* Version();
// When argv[1] is one of those options: prints its answer and returns 0 (the
// exit code); otherwise -1.
int Answer(int argc, char** argv, const char* name, const char* help);

} // namespace ProgramInfo
