#pragma once
#include "CommandState.h"

// Which commands are available in which state, and which menu bar shows.
namespace CommandEnabling {
bool IsEnabled(CommandId id, const CommandState& state);
MenuBarKind ChooseMenuBar(const CommandState& state);
} // namespace CommandEnabling
