#include "ScreenDocument.h"
#include "ScreenClipboard.h"
#include "screen/DiagramEntity.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/TessanDoc.h"
#include "screen/UndoItem.h"

CScreenDocument::CScreenDocument(CTessanDoc& document, QObject* parent)
    : QObject(parent),
      document_(document)
{
    // Objects cut or copied on one screen paste on any other.
    document_.Container().SetClipboard(&SharedScreenClipboard());
}

CScreenDocument::~CScreenDocument() = default;

const CDiagramEntityContainer& CScreenDocument::Container() const
{
    return document_.Container();
}

CDiagramEntityContainer& CScreenDocument::container()
{
    return document_.Container();
}

QByteArray CScreenDocument::bytes() const
{
    // What the screen file would hold: the objects, their order, fields and
    // groups, without the selection.
    return CTessanDoc::WriteBytes(Container());
}

bool CScreenDocument::finish(std::unique_ptr<CUndoItem> before, const QByteArray& beforeBytes)
{
    if (bytes() == beforeBytes)
        return false;
    container().Snapshot(std::move(before));
    emit changed();
    emit historyChanged();
    return true;
}

bool CScreenDocument::Edit(const Change& change)
{
    if (gestureStart_) {
        // An edit in the middle of a gesture ends the gesture first.
        EndGesture();
    }
    auto before = container().CaptureState();
    const QByteArray beforeBytes = bytes();
    const int selectedBefore = container().GetSelectCount();
    change(container());
    const bool edited = finish(std::move(before), beforeBytes);
    if (edited || container().GetSelectCount() != selectedBefore)
        emit selectionChanged();
    return edited;
}

void CScreenDocument::BeginGesture()
{
    if (gestureStart_)
        return;
    gestureStart_ = container().CaptureState();
    gestureBytes_ = bytes();
}

void CScreenDocument::GestureStep(const Change& change)
{
    if (!gestureStart_)
        BeginGesture();
    change(container());
    emit stepped();
}

bool CScreenDocument::EndGesture(const Change& finishing)
{
    if (!gestureStart_)
        return false;
    if (finishing)
        finishing(container());
    auto before = std::move(gestureStart_);
    const bool edited = finish(std::move(before), gestureBytes_);
    gestureBytes_.clear();
    if (!edited)
        emit stepped(); // the views drop what the steps showed
    emit selectionChanged();
    return edited;
}

void CScreenDocument::Select(const Change& change)
{
    change(container());
    emit selectionChanged();
}

void CScreenDocument::CopyToClipboard(const Change& change)
{
    change(container());
    emit clipboardChanged();
}

void CScreenDocument::ShowProperties(const CDiagramEntity* object, QObject* editor, bool show)
{
    if (CDiagramEntity* o = container().GetAt(Container().IndexOf(object)))
        o->ShowProperties(editor, show);
}

void CScreenDocument::ShowContextMenu(const CDiagramEntity* object, QPoint global, QObject* editor)
{
    if (CDiagramEntity* o = container().GetAt(Container().IndexOf(object)))
        o->ShowContextMenu(global, editor);
}

bool CScreenDocument::CanUndo() const
{
    return Container().IsUndoPossible();
}

bool CScreenDocument::CanRedo() const
{
    return Container().IsRedoPossible();
}

void CScreenDocument::Undo()
{
    step(false);
}

void CScreenDocument::Redo()
{
    step(true);
}

void CScreenDocument::step(bool redo)
{
    if (gestureStart_)
        EndGesture();
    if (!(redo ? CanRedo() : CanUndo()))
        return;
    if (redo)
        container().Redo();
    else
        container().Undo();
    emit changed();
    emit selectionChanged();
    emit historyChanged();
}

bool CScreenDocument::IsModified() const
{
    return document_.IsModified();
}

bool CScreenDocument::Rewrite(const std::function<bool(CDiagramEntity&)>& rewrite)
{
    if (gestureStart_)
        EndGesture();
    bool changed = false;
    for (const auto& object : container().Objects())
        changed |= rewrite(*object);
    container().ForEachObjectInHistory([&](CDiagramEntity& object) { changed |= rewrite(object); });
    if (!changed)
        return false;
    emit this->changed();
    emit historyChanged();
    return true;
}
