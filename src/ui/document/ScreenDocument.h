#pragma once
#include <QObject>
#include <QPoint>

#include <functional>
#include <memory>

class CDiagramEntity;
class CDiagramEntityContainer;
class CTessanDoc;
struct CUndoItem;

// One open screen as the editor's windows share it: the screen's document
// (its objects and its screen file) behind the one path by which anything
// changes them. An edit captures the state, applies the change, keeps the
// undo snapshot only when the screen really changed, sets the modified flag
// and emits `changed`; undo and redo go the same way. Views read the objects
// through const access and repaint on the signals, so every view of a screen
// stays in step.
//
// Selection is the objects' own flag: changing it is no edit (no snapshot, no
// modified flag) and emits `selectionChanged`.
class CScreenDocument : public QObject
{
    Q_OBJECT
public:
    using Change = std::function<void(CDiagramEntityContainer&)>;

    explicit CScreenDocument(CTessanDoc& document, QObject* parent = nullptr);
    ~CScreenDocument() override;

    const CDiagramEntityContainer& Container() const;

    // The one edit: true when the screen changed (then it is marked modified,
    // one undo point is kept and `changed` is emitted).
    bool Edit(const Change& change);

    // A mouse gesture changes the objects step by step while the views
    // follow; it is one edit from Begin to End. Steps emit `stepped` without
    // an undo point; End applies its last change (e.g. snapping), then keeps
    // the state from Begin as the undo point when the screen changed.
    void BeginGesture();
    void GestureStep(const Change& change);
    bool EndGesture(const Change& finish = {});
    bool InGesture() const { return gestureStart_ != nullptr; }

    // Selects or unselects objects; no edit.
    void Select(const Change& change);
    // Puts objects on the clipboard; no edit.
    void CopyToClipboard(const Change& change);

    // An object's property form and context menu. The form stores its
    // fields through Edit.
    void ShowProperties(const CDiagramEntity* object, QObject* editor, bool show = true);
    void ShowContextMenu(const CDiagramEntity* object, QPoint global, QObject* editor);

    bool CanUndo() const;
    bool CanRedo() const;
    void Undo();
    void Redo();

    // What the screen file would hold differs from what was last read or
    // written.
    bool IsModified() const;

    // A change of the project that rewrites what the objects name (a device
    // rename): `rewrite` is applied to every object on the screen and in
    // every undo and redo state, so no undo brings the old names back. It
    // is no undo step of its own. True when any object changed; then the
    // views follow.
    bool Rewrite(const std::function<bool(CDiagramEntity&)>& rewrite);

signals:
    // The objects changed (an edit, undo or redo).
    void changed();
    // A gesture moved or sized objects; the views repaint.
    void stepped();
    void selectionChanged();
    void clipboardChanged();
    // The modified flag changed, or the undo history did.
    void historyChanged();

private:
    friend class CProjectController;
    // The document itself, for saving and the screen commands.
    CTessanDoc& Document() { return document_; }
    CDiagramEntityContainer& container();
    bool finish(std::unique_ptr<CUndoItem> before, const QByteArray& beforeBytes);
    // Undo or redo, as an edit of its own.
    void step(bool redo);
    QByteArray bytes() const;

    CTessanDoc& document_;
    std::unique_ptr<CUndoItem> gestureStart_;
    QByteArray gestureBytes_;
};
