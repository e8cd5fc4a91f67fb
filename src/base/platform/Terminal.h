#pragma once

namespace platform {

enum class StandardStream { Output, Error };

// True when the stream goes to a terminal (a console on Windows) rather than
// into a file or a pipe.
bool IsTerminal(StandardStream stream);

} // namespace platform
