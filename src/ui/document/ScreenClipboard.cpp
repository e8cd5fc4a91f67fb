#include "ScreenClipboard.h"
#include "screen/DiagramClipboardHandler.h"

CDiagramClipboardHandler& SharedScreenClipboard()
{
    static CDiagramClipboardHandler clipboard;
    return clipboard;
}
