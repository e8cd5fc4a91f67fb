#pragma once
#include "ViewSettings.h"
#include "project/RegisterRef.h"

#include <optional>

// What the main window asks of the screen view in the active window: the
// Edit and Object commands go to it, their enabling asks it, and it follows
// the view settings. The screen editor's view implements this; the main
// window finds it with dynamic_cast on the widget of a screen window.
class IScreenViewCommands
{
public:
    virtual ~IScreenViewCommands() = default;
    virtual void Undo() = 0;
    virtual void Redo() = 0;
    virtual void Cut() = 0;
    virtual void Copy() = 0;
    virtual void Paste() = 0;
    virtual void SelectAll() = 0;
    // Object menu: the next click on the paper inserts an object of this kind.
    virtual void StartInsert(int kind) = 0;
    // The editor is ready for editing (the object commands are enabled).
    virtual bool IsReadyForEditing() const = 0;
    // What the Edit commands can do now.
    virtual bool CanUndo() const = 0;
    virtual bool CanRedo() const = 0;
    virtual bool HasSelection() const = 0;
    virtual bool CanPaste() const = 0;
    // The register or coil of the topmost selected object; none when it has none.
    virtual std::optional<RegisterRef> SelectedRegister() const { return std::nullopt; }
    // The kind being inserted (its Object command shows a check mark); -1: none.
    virtual int InsertKind() const { return -1; }
    // The window's own zoom (keypad + and -, Ctrl+wheel) as a factor.
    virtual double ZoomFactor() const { return 0; }
    // The window's place among the windows of its screen (1: the first).
    virtual void SetWindowIndex(int) {}
    // The main window's view settings changed (or the window just opened).
    virtual void ApplyViewSettings(const CViewSettings& settings) = 0;
};
