#pragma once
#include "CommandState.h"

// Which commands are available in which state, and which menu bar shows.
namespace CommandEnabling {
bool IsEnabled(CommandId id, const CommandState& state);
MenuBarKind ChooseMenuBar(const CommandState& state);
// The Object command of the kind being inserted shows a check mark.
bool IsChecked(CommandId id, const CommandState& state);
} // namespace CommandEnabling
