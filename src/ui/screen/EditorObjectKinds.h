#pragma once
#include "screen/ObjectUiHooks.h"

#include <QString>
#include <span>

class CObjectPainter;

// One row of the editor's table of kinds: how a kind shows in the menus, on
// the canvas and in the manual. The kind's stored name ("Static Text"), the
// key of its texts in the language files, comes from the screen layer's table.
struct EditorObjectKind
{
    ObjectKind code;
    const char* menuText;          // the Object menu's built-in text, with its mnemonic
    const char* statusTip;         // the built-in status-bar prompt of its command
    const CObjectPainter* painter; // preview, content size and icon
    ObjectUiHooks::FormFactory::result_type (*createForm)(CDiagramEntity& object);
    const char* formName;   // the property form's window ("CDlgObjStaticText")
    const char* manualPage; // the manual's page of the property form
};

// Every kind, in the order of their codes (the row of a code is its index):
// the Object menu and the object list show them in this order.
std::span<const EditorObjectKind> EditorObjectKinds();
// The row of a kind code; none outside the table.
const EditorObjectKind* EditorObjectKindOf(int kind);

// The object help page of a kind: its stored name without blanks, the
// language suffix and ".htm" ("StaticTexten.htm"); empty outside the table.
QString ObjectHelpPage(int kind, const QString& languageCode);
