#pragma once

// The editor's start: the application state beside the program, the main
// window, and the project named on the command line.
namespace CEditorApplication {
int Run(int argc, char** argv);
} // namespace CEditorApplication
