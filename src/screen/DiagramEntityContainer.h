#pragma once
#include "DiagramClipboardHandler.h"
#include "base/CoreLimits.h"
#include "DiagramEntity.h"
#include "UndoItem.h"

#include <QSize>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class IMessageSink;
class QObject;

// The objects of a const container in drawing order, each read-only.
class ConstObjectRange
{
public:
    using Objects = std::vector<std::unique_ptr<CDiagramEntity>>;
    class Iterator
    {
    public:
        explicit Iterator(Objects::const_iterator at) : at_(at) {}
        const CDiagramEntity* operator*() const { return at_->get(); }
        Iterator& operator++()
        {
            ++at_;
            return *this;
        }
        bool operator==(const Iterator& other) const { return at_ == other.at_; }
        bool operator!=(const Iterator& other) const { return at_ != other.at_; }

    private:
        Objects::const_iterator at_;
    };
    explicit ConstObjectRange(const Objects& objects) : objects_(objects) {}
    Iterator begin() const { return Iterator(objects_.begin()); }
    Iterator end() const { return Iterator(objects_.end()); }
    size_t size() const { return objects_.size(); }
    bool empty() const { return objects_.empty(); }
    const CDiagramEntity* operator[](size_t i) const { return objects_[i].get(); }

private:
    const Objects& objects_;
};

// The objects of one screen in drawing order (index 0 at the bottom), with
// the object limit, the clipboard, z-order, grouping and undo snapshots.
class CDiagramEntityContainer
{
public:
    static constexpr int kObjectLimit = CoreLimits::kObjectsPerScreen;
    static constexpr int kUndoDepth = 10;

    CDiagramEntityContainer();
    ~CDiagramEntityContainer();
    CDiagramEntityContainer(const CDiagramEntityContainer&) = delete;
    CDiagramEntityContainer& operator=(const CDiagramEntityContainer&) = delete;

    // Where the warning of a refused addition goes (none: dropped).
    void SetMessageSink(IMessageSink* sink) { sink_ = sink; }
    IMessageSink* MessageSink() const { return sink_; }
    // Where fresh group numbers come from: the application's counter, and
    // where the group numbers of added objects are reported so that the
    // counter moves past them. Without one, a counter shared by the whole
    // process.
    void SetGroupNumberSource(std::function<int()> source, std::function<void(int)> seen)
    {
        nextGroup_ = std::move(source);
        groupSeen_ = std::move(seen);
    }
    // Another clipboard to use instead of the container's own (none: own).
    void SetClipboard(CDiagramClipboardHandler* clipboard) { external_ = clipboard; }
    CDiagramClipboardHandler& Clipboard() { return external_ ? *external_ : clipboard_; }

    QString GetHeaderLine() const;
    int GetSize() const { return int(objects_.size()); }
    // Through a const container the objects are read-only.
    CDiagramEntity* GetAt(int index);
    const CDiagramEntity* GetAt(int index) const;
    int IndexOf(const CDiagramEntity* object) const;
    std::vector<std::unique_ptr<CDiagramEntity>>& Objects() { return objects_; }
    ConstObjectRange Objects() const { return ConstObjectRange(objects_); }

    // Appends on top; refused with the warning "Error GUI-005 : ..." when the
    // screen already holds the object limit.
    bool Add(std::unique_ptr<CDiagramEntity> object);
    // Appends without the limit: objects of an existing file are never lost.
    void AddLoaded(std::unique_ptr<CDiagramEntity> object);
    void RemoveAt(int index);
    void RemoveAll();
    void RemoveAllSelected();
    void Remove(CDiagramEntity* object);

    void SelectAll();
    void UnselectAll();
    int GetSelectCount() const;

    // Undo takes the newest snapshot back and keeps the state it leaves for
    // Redo; Redo brings that state back and keeps the one it leaves for Undo.
    // A new snapshot (the next change) forgets what could be redone.
    void Undo();
    void Redo();
    void Snapshot();
    // The state as a snapshot would keep it, and keeping such a state taken
    // earlier: a caller that may or may not change something takes the
    // state first and keeps it only when the change happens.
    std::unique_ptr<CUndoItem> CaptureState() const { return capture(); }
    void Snapshot(std::unique_ptr<CUndoItem> state);
    void ClearUndo()
    {
        undo_.clear();
        redo_.clear();
    }
    bool IsUndoPossible() const { return !undo_.empty(); }
    bool IsRedoPossible() const { return !redo_.empty(); }
    int UndoCount() const { return int(undo_.size()); }
    int RedoCount() const { return int(redo_.size()); }

    // Both change nothing (no number used, no modified flag) unless at
    // least two objects are selected.
    void Group();
    void Ungroup();

    // A copy placed 8 pixels right and down; with a paper size, moved back
    // onto the paper where it would leave it.
    void Duplicate(CDiagramEntity* object);
    void Cut(CDiagramEntity* object);
    void Copy(CDiagramEntity* object);
    void Up(CDiagramEntity* object);
    void Down(CDiagramEntity* object);
    void Front(CDiagramEntity* object);
    void Bottom(CDiagramEntity* object);
    // Adds clones of the clipboard's objects with fresh group numbers; stops
    // at the first refused addition. False when something was refused. With a
    // paper size, the copies that would leave the paper are moved back onto
    // it together.
    bool Paste();
    void CopyAllSelected();
    bool ObjectsInPaste() const
    {
        return !(external_ ? external_->IsEmpty() : clipboard_.IsEmpty());
    }

    // Sends a command to every object (or every selected one) in list order.
    // Objects that an earlier command removed are not sent to.
    void SendCommand(int command, CDiagramEntity* sender, bool selectedOnly,
                     QObject* editor = nullptr);

    void SetPaperSize(QSize size) { paperSize_ = size; }
    QSize GetPaperSize() const { return paperSize_; }

    // Every object that an undo or a redo could bring back, in every kept
    // state: a change of the project that rewrites what objects name (a
    // device rename) rewrites these too, so that no undo brings back a name
    // the project no longer has. The objects on the screen are not visited.
    void ForEachObjectInHistory(const std::function<void(CDiagramEntity&)>& visit);

    // The warning of a refused addition.
    static QString ObjectLimitMessage()
    {
        return QStringLiteral("Error GUI-005 : The size of Objects must be less than 100");
    }

private:
    int freshGroup();
    void groupSeen(int group);
    std::unique_ptr<CUndoItem> capture() const;
    // Moves the objects from `first` on back onto the paper, all by one shift.
    void keepOnPaper(int first);
    void restore(const CUndoItem& item);
    static void keepDepth(std::vector<std::unique_ptr<CUndoItem>>& history);
    void warn(const QString& text);

    std::vector<std::unique_ptr<CDiagramEntity>> objects_;
    QSize paperSize_{0, 0};
    std::vector<std::unique_ptr<CUndoItem>> undo_;
    std::vector<std::unique_ptr<CUndoItem>> redo_;
    CDiagramClipboardHandler clipboard_;
    CDiagramClipboardHandler* external_ = nullptr;
    IMessageSink* sink_ = nullptr;
    std::function<int()> nextGroup_;
    std::function<void(int)> groupSeen_;
};
