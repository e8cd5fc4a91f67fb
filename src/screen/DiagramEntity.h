#pragma once
#include "HitCode.h"
#include "PaperRect.h"

#include <QByteArray>
#include <QPoint>
#include <QSize>
#include <QString>
#include <memory>
#include <vector>
#include <optional>

struct RegisterRef;
class CDiagramEntityContainer;
class IObjectPropertyForm;
class QObject;

// Object commands: the object context menu and the group selection.
enum ObjectCommand : int {
    CMD_CUT = 100,
    CMD_COPY = 101,
    CMD_DUPLICATE = 102,
    CMD_PROPERTIES = 103,
    CMD_UP = 104,
    CMD_DOWN = 105,
    CMD_FRONT = 106,
    CMD_BOTTOM = 107,
    CMD_SELECT_GROUP = 108,
};

// One object on a screen: its geometry in paper pixels (doubles, not kept
// normalised), its size limits, selection and group, and the line in which it
// is saved. Each kind derives from it and adds its properties.
class CDiagramEntity
{
public:
    CDiagramEntity();
    virtual ~CDiagramEntity();
    CDiagramEntity(const CDiagramEntity&) = delete;
    CDiagramEntity& operator=(const CDiagramEntity&) = delete;

    // The kind code (ObjectKind); -1 for the base class.
    virtual int Kind() const { return -1; }
    // The register references the object is bound to (a coil for a light).
    virtual std::vector<RegisterRef*> RegisterRefs() { return {}; }
    // The PLC words its register reference takes from its start: two for a
    // float or 32-bit value, a string's register count, one otherwise.
    virtual int RegisterWords() const { return 1; }
    // Whether its reference names a coil rather than a register.
    virtual bool RefersToCoil() const { return false; }
    // The file of the project's own bitmaps that it shows; empty for none.
    virtual QString ProjectBitmapFile() const { return {}; }

    virtual void Clear();
    virtual std::unique_ptr<CDiagramEntity> Clone() const;
    void CopyFrom(const CDiagramEntity& other);

    // The screen-file line of the object, without its line end.
    bool ReadLine(const QString& line, bool legacyRangeMode = false);
    QString WriteLine() const;
    QString ExportText(const QString& format) const;
    // Splits at the grave accent: exactly two pieces, each trimmed. False,
    // with an empty kind name, otherwise.
    static bool SplitKindName(const QString& line, QString* kindName, QString* rest);
    // Takes edges, title, name and group from the rest of a line; `kindFields`
    // receives what follows the group, with ";" appended.
    bool ReadBaseFields(QStringView rest, QString* kindFields);
    QString WriteBaseFields() const;
    virtual bool ReadKindFields(QStringView fields, bool legacyRangeMode);
    virtual QString WriteKindFields() const;

    // Geometry.
    PaperRect GetRect() const;
    void SetRect(double left, double top, double right, double bottom);
    void SetRect(const PaperRect& r) { SetRect(r.left, r.top, r.right, r.bottom); }
    void SetRectNormalized(int x1, int y1, int x2, int y2);
    void MoveBy(double dx, double dy);
    double GetLeft() const { return left_; }
    double GetRight() const { return right_; }
    double GetTop() const { return top_; }
    double GetBottom() const { return bottom_; }
    void SetLeft(double v) { left_ = v; }
    void SetRight(double v) { right_ = v; }
    void SetTop(double v) { top_ = v; }
    void SetBottom(double v) { bottom_ = v; }
    void SetMinimumSize(QSize s) { minSize_ = s; }
    QSize GetMinimumSize() const { return minSize_; }
    void SetMaximumSize(QSize s) { maxSize_ = s; }
    QSize GetMaximumSize() const { return maxSize_; }
    void SetSizeLimits(int minWidth, int minHeight, int maxWidth, int maxHeight);
    QSize GetMarkerSize() const { return markerSize_; }
    void SetMarkerSize(QSize s) { markerSize_ = s; }
    double GetZoom() const { return zoom_; }
    void SetZoom(double z) { zoom_ = z; }

    // Selection: selecting a grouped object selects its whole group.
    void Select(bool selected);
    bool IsSelected() const { return selected_ != 0; }
    bool IntersectsRect(const PaperRect& rect) const;

    HitCode HitTest(QPoint point, const PaperRect& rect) const;
    HitCode HitTest(QPoint point) const { return HitTest(point, GetRect()); }
    PaperRect GetMarkerRect(HitCode code, const PaperRect& rect) const;
    CursorShape GetCursor(HitCode code) const;

    // Commands 100..108; true when the command was carried out.
    bool DoCommand(int command, CDiagramEntity* sender, QObject* editor = nullptr);
    void MarkNew(bool isNew) { markedNew_ = isNew; }
    bool IsMarkedNew() const { return markedNew_; }

    // Through the editor's registrations (ObjectUiHooks); nothing without them.
    void ShowProperties(QObject* parent, bool show = true);
    void ShowContextMenu(QPoint point, QObject* parent);
    IObjectPropertyForm* PropertyForm() const { return form_.get(); }
    int GetPropertyFormId() const { return formId_; }

    const QString& GetTypeName() const { return typeName_; }
    const QString& GetTitle() const { return title_; }
    void SetTitle(const QString& t) { title_ = t; }
    const QString& GetName() const { return name_; }
    void SetName(const QString& n) { name_ = n; }
    int GetGroup() const { return group_; }
    void SetGroup(int g) { group_ = g; }
    bool IsResizable() const { return resizable_ != 0; }
    CDiagramEntityContainer* GetContainer() const { return container_; }
    void SetContainer(CDiagramEntityContainer* c) { container_ = c; }

    // The compiled record and bitmap of the last compilation.
    QByteArray recordBytes;
    QByteArray bitmapBytes;

protected:
    // A kind's identity: its name (type name, title and name at creation),
    // minimum size, resizable flag and form id.
    void InitKind(const QString& kindName, int minWidth, int minHeight, int resizable, int formId);

private:
    double left_ = 0, right_ = 0, top_ = 0, bottom_ = 0;
    QSize markerSize_{8, 8};
    QSize minSize_{1, 1};
    QSize maxSize_{-1, -1};
    double zoom_ = 1.0;
    int selected_ = 0;
    int resizable_ = 1;
    QString typeName_;
    QString title_;
    QString name_;
    int group_ = 0;
    std::unique_ptr<IObjectPropertyForm> form_;
    int formId_ = 0;
    CDiagramEntityContainer* container_ = nullptr;
    bool markedNew_ = false;
};
