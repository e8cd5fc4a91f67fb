// The editor's commands (Edit menu, object menu, keyboard) and its two
// context menus; the interaction lives in DiagramEditor.cpp.
#include "DiagramEditor.h"
#include "screen/DiagramEntityContainer.h"
#include "ui/document/ScreenDocument.h"

#include "app/ObjectRegisters.h"

#include <QMenu>

#include <algorithm>

// ---- commands ----

void CDiagramEditor::Undo()
{
    if (!CanUndo())
        return;
    CancelMode();
    doc_->Undo();
}

void CDiagramEditor::Redo()
{
    if (!CanRedo())
        return;
    CancelMode();
    doc_->Redo();
}

void CDiagramEditor::Cut()
{
    if (!HasSelection())
        return;
    CancelMode();
    // The property forms of the objects that go are closed first.
    for (const CDiagramEntity* o : Container()->Objects())
        if (o->IsSelected())
            doc_->ShowProperties(o, this, false);
    doc_->Edit([](CDiagramEntityContainer& objects) {
        objects.CopyAllSelected();
        objects.RemoveAllSelected();
    });
}

void CDiagramEditor::Copy()
{
    // Copying changes nothing on the screen: no undo point.
    if (HasSelection())
        doc_->CopyToClipboard([](CDiagramEntityContainer& objects) { objects.CopyAllSelected(); });
}

void CDiagramEditor::Paste()
{
    if (!CanPaste())
        return;
    CancelMode();
    doc_->Edit([](CDiagramEntityContainer& objects) {
        objects.UnselectAll();
        objects.Paste();
    });
}

void CDiagramEditor::SelectAll()
{
    if (!doc_)
        return;
    doc_->Select([](CDiagramEntityContainer& objects) { objects.SelectAll(); });
}

void CDiagramEditor::DeleteSelection()
{
    if (!HasSelection())
        return;
    CancelMode();
    for (const CDiagramEntity* o : Container()->Objects())
        if (o->IsSelected())
            doc_->ShowProperties(o, this, false);
    doc_->Edit([](CDiagramEntityContainer& objects) { objects.RemoveAllSelected(); });
}

void CDiagramEditor::Duplicate()
{
    if (SelectionCount() != 1)
        return;
    const int index = Container()->IndexOf(topmostSelected());
    doc_->Edit([&](CDiagramEntityContainer& objects) {
        objects.GetAt(index)->DoCommand(CMD_DUPLICATE, nullptr, this);
    });
}

void CDiagramEditor::Group()
{
    if (SelectionCount() < 2)
        return;
    doc_->Edit([](CDiagramEntityContainer& objects) { objects.Group(); });
}

void CDiagramEditor::Ungroup()
{
    if (SelectionCount() < 2)
        return;
    doc_->Edit([](CDiagramEntityContainer& objects) { objects.Ungroup(); });
}

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

void CDiagramEditor::ObjectCommand(int command)
{
    if (!HasSelection())
        return;
    switch (command) {
    case CMD_PROPERTIES:
        ShowPropertiesOfSelection();
        return;
    case CMD_COPY:
        doc_->CopyToClipboard([&](CDiagramEntityContainer& objects) {
            objects.SendCommand(command, nullptr, true, this);
        });
        return;
    case CMD_DUPLICATE:
    case CMD_UP:
    case CMD_DOWN:
    case CMD_FRONT:
    case CMD_BOTTOM:
        // The z-order and the duplicate act on one object.
        if (SelectionCount() != 1)
            return;
        break;
    case CMD_CUT:
        break;
    default:
        return;
    }
    CancelMode();
    doc_->Edit([&](CDiagramEntityContainer& objects) { objects.SendCommand(command, nullptr, true, this); });
}

void CDiagramEditor::Align(ObjectAlignment::Mode mode)
{
    if (!CanAlign(mode))
        return;
    CancelMode();
    doc_->Edit([&](CDiagramEntityContainer& objects) { ObjectAlignment::Apply(objects, mode, paper_); });
}

void CDiagramEditor::MoveSelection(int stepsX, int stepsY)
{
    if (!HasSelection())
        return;
    // One grid step with snapping on, one pixel without.
    double dx = double(stepsX) * (snap_ ? grid_.width() : 1);
    double dy = double(stepsY) * (snap_ ? grid_.height() : 1);
    clampShift(&dx, &dy);
    doc_->Edit([&](CDiagramEntityContainer& objects) {
        for (const auto& o : objects.Objects())
            if (o->IsSelected())
                o->MoveBy(dx, dy);
    });
}

void CDiagramEditor::ResizeSelection(int stepsX, int stepsY)
{
    if (!HasSelection())
        return;
    doc_->Edit([&](CDiagramEntityContainer& objects) {
        for (const auto& o : objects.Objects()) {
            // An object that only moves keeps its size.
            if (!o->IsSelected() || !o->IsResizable())
                continue;
            double r = o->GetRight() + double(stepsX) * (snap_ ? grid_.width() : 1);
            double b = o->GetBottom() + double(stepsY) * (snap_ ? grid_.height() : 1);
            if (keepInside_) {
                r = std::min(r, double(std::max(paper_.width(), int(o->GetRight()))));
                b = std::min(b, double(std::max(paper_.height(), int(o->GetBottom()))));
            }
            o->SetRect(o->GetLeft(), o->GetTop(), r, b);
        }
    });
}

void CDiagramEditor::ShowPropertiesOfSelection()
{
    if (SelectionCount() != 1)
        return;
    const CDiagramEntity* object = topmostSelected();
    doc_->ShowProperties(object, this, true);
    emit propertiesRequested(object);
}

bool CDiagramEditor::CanUndo() const
{
    return doc_ && doc_->CanUndo();
}

bool CDiagramEditor::CanRedo() const
{
    return doc_ && doc_->CanRedo();
}

bool CDiagramEditor::HasSelection() const
{
    return SelectionCount() > 0;
}

int CDiagramEditor::SelectionCount() const
{
    return Container() ? Container()->GetSelectCount() : 0;
}

bool CDiagramEditor::CanPaste() const
{
    return Container() && Container()->ObjectsInPaste();
}

bool CDiagramEditor::CanAlign(ObjectAlignment::Mode mode) const
{
    return SelectionCount() >= ObjectAlignment::MinimumSelection(mode);
}

QRect CDiagramEditor::SelectionRect() const
{
    QRect box;
    if (!Container())
        return box;
    for (const CDiagramEntity* o : Container()->Objects()) {
        if (!o->IsSelected())
            continue;
        const PaperRect r = o->GetRect().Normalized();
        box = box.united(QRect(r.left, r.top, r.Width(), r.Height()));
    }
    return box;
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
        if (m.mode == ObjectAlignment::SameWidth || m.mode == ObjectAlignment::DistributeHorizontally)
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
        {"Cut", CMD_CUT},     {"Copy", CMD_COPY},         {"Duplicate", CMD_DUPLICATE},
        {nullptr, 0},         {"Up", CMD_UP},             {"Down", CMD_DOWN},
        {"To front", CMD_FRONT}, {"To back", CMD_BOTTOM}, {nullptr, 0},
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
    const CDiagramEntity* object = topmostSelected();
    QAction* a = menu->addAction(MenuText(QStringLiteral("Find Uses")));
    a->setEnabled(object && !ObjectRegisters(*object).empty());
    connect(a, &QAction::triggered, this, [this, object] { emit findUsesRequested(object); });
}
