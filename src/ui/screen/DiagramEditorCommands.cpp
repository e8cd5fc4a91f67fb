// The canvas's commands as the keyboard and its two context menus reach
// them; what they do is CCanvasEditActions, the mouse is CCanvasGestures.
#include "DiagramEditor.h"
#include "screen/DiagramEntityContainer.h"
#include "ui/document/ScreenDocument.h"

#include "app/ObjectRegisters.h"

#include <QKeyEvent>
#include <QMenu>

#include <algorithm>

// ---- the object commands that act on one object ----

void CDiagramEditor::Up()
{
    ObjectCommand(CMD_UP);
}

void CDiagramEditor::Down()
{
    ObjectCommand(CMD_DOWN);
}

void CDiagramEditor::ToFront()
{
    ObjectCommand(CMD_FRONT);
}

void CDiagramEditor::ToBack()
{
    ObjectCommand(CMD_BOTTOM);
}

// ---- the keyboard ----

void CDiagramEditor::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const bool keypad = event->modifiers() & Qt::KeypadModifier;
    const bool ctrl = mods & Qt::ControlModifier;
    const bool shift = mods & Qt::ShiftModifier;
    const bool alt = mods & Qt::AltModifier;
    const int key = event->key();
    bool handled = true;
    if (keypad && key == Qt::Key_Plus && !ctrl)
        SetZoom(ctx_.zoom + zoomStep_);
    else if (keypad && key == Qt::Key_Minus && !ctrl)
        SetZoom(ctx_.zoom - zoomStep_);
    else if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up
             || key == Qt::Key_Down) {
        const int dx = key == Qt::Key_Left ? -1 : key == Qt::Key_Right ? 1 : 0;
        const int dy = key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : 0;
        if (shift)
            ResizeSelection(dx, dy);
        else
            MoveSelection(dx, dy);
    } else if (key == Qt::Key_Delete && shift)
        Cut();
    else if (key == Qt::Key_Delete)
        DeleteSelection();
    else if (key == Qt::Key_Insert && shift)
        Paste();
    else if (key == Qt::Key_Insert && ctrl)
        Copy();
    else if (key == Qt::Key_Insert)
        Duplicate();
    else if ((key == Qt::Key_Return || key == Qt::Key_Enter) && ctrl)
        ShowPropertiesOfSelection();
    else if (key == Qt::Key_A && ctrl)
        SelectAll();
    else if (key == Qt::Key_X && ctrl)
        Cut();
    else if (key == Qt::Key_C && ctrl)
        Copy();
    else if (key == Qt::Key_V && ctrl)
        Paste();
    else if (key == Qt::Key_Z && ctrl && shift)
        Redo();
    else if (key == Qt::Key_Z && ctrl)
        Undo();
    else if (key == Qt::Key_Y && ctrl)
        Redo();
    else if (key == Qt::Key_Backspace && alt)
        Undo();
    else if (key == Qt::Key_PageUp && ctrl)
        ToFront();
    else if (key == Qt::Key_PageDown && ctrl)
        ToBack();
    else if (key == Qt::Key_PageUp)
        Up();
    else if (key == Qt::Key_PageDown)
        Down();
    else if (key == Qt::Key_Escape)
        CancelMode();
    else
        handled = false;
    if (handled)
        event->accept();
    else
        QAbstractScrollArea::keyPressEvent(event);
}

// ---- the context menus ----

QMenu* CDiagramEditor::BuildEditorMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    const int selected = SelectionCount();
    auto add = [&](const QString& text, bool enabled, auto slot) {
        QAction* a = menu->addAction(MenuText(text));
        a->setEnabled(enabled);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    add(QStringLiteral("Cut"), selected > 0, &CDiagramEditor::Cut);
    add(QStringLiteral("Copy"), selected > 0, &CDiagramEditor::Copy);
    add(QStringLiteral("Paste"), CanPaste(), &CDiagramEditor::Paste);
    menu->addSeparator();
    add(QStringLiteral("Group"), selected >= 2, &CDiagramEditor::Group);
    add(QStringLiteral("Ungroup"), selected >= 2, &CDiagramEditor::Ungroup);
    menu->addSeparator();
    QMenu* align = menu->addMenu(MenuText(QStringLiteral("Align")));
    align->menuAction()->setEnabled(selected >= 2);
    const struct
    {
        const char* text;
        ObjectAlignment::Mode mode;
    } modes[] = {
        {"Left", ObjectAlignment::AlignLeft},
        {"Right", ObjectAlignment::AlignRight},
        {"Top", ObjectAlignment::AlignTop},
        {"Bottom", ObjectAlignment::AlignBottom},
        {"Horizontal Centres", ObjectAlignment::CentreHorizontally},
        {"Vertical Centres", ObjectAlignment::CentreVertically},
        {"Same Width", ObjectAlignment::SameWidth},
        {"Same Height", ObjectAlignment::SameHeight},
        {"Distribute Horizontally", ObjectAlignment::DistributeHorizontally},
        {"Distribute Vertically", ObjectAlignment::DistributeVertically},
    };
    for (const auto& m : modes) {
        if (m.mode == ObjectAlignment::SameWidth
            || m.mode == ObjectAlignment::DistributeHorizontally)
            align->addSeparator();
        QAction* a = align->addAction(MenuText(QString::fromLatin1(m.text)));
        a->setEnabled(CanAlign(m.mode));
        const ObjectAlignment::Mode mode = m.mode;
        connect(a, &QAction::triggered, this, [this, mode] { Align(mode); });
    }
    addFindUses(menu);
    return menu;
}

QMenu* CDiagramEditor::BuildObjectMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    const struct
    {
        const char* text;
        int command;
    } entries[] = {
        {"Cut", CMD_CUT},
        {"Copy", CMD_COPY},
        {"Duplicate", CMD_DUPLICATE},
        {nullptr, 0},
        {"Up", CMD_UP},
        {"Down", CMD_DOWN},
        {"To front", CMD_FRONT},
        {"To back", CMD_BOTTOM},
        {nullptr, 0},
        {"Properties", CMD_PROPERTIES},
    };
    for (const auto& e : entries) {
        if (!e.text) {
            menu->addSeparator();
            continue;
        }
        QAction* a = menu->addAction(MenuText(QString::fromLatin1(e.text)));
        const int command = e.command;
        connect(a, &QAction::triggered, this, [this, command] { ObjectCommand(command); });
    }
    addFindUses(menu);
    return menu;
}

void CDiagramEditor::addFindUses(QMenu* menu)
{
    menu->addSeparator();
    const CDiagramEntity* object = gestures_.TopmostSelected();
    QAction* a = menu->addAction(MenuText(QStringLiteral("Find Uses")));
    a->setEnabled(object && !ObjectRegisters(*object).empty());
    connect(a, &QAction::triggered, this, [this, object] { emit findUsesRequested(object); });
}
