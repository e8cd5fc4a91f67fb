#pragma once
#include "CommandId.h"

#include <QIcon>

// The product's own icons, drawn with QPainter at the sizes the toolbars
// and menus ask for. A command without a picture gets a null icon.
namespace IconPainter {
QIcon Icon(CommandId id);
// The icon of an object kind (0..7), as in the Object menu.
QIcon KindIcon(int kind);
// The application's icon: the panel with its display and keys.
QIcon AppIcon();
} // namespace IconPainter
