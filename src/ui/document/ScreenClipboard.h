#pragma once

class CDiagramClipboardHandler;

// The one clipboard of every screen window, so that objects copied on one
// screen can be pasted on another (each screen's container would otherwise
// keep a clipboard of its own).
CDiagramClipboardHandler& SharedScreenClipboard();
