#include "DiagramEntity.h"
#include "DiagramEntityContainer.h"
#include "ObjectUiHooks.h"
#include "ScreenNumbers.h"
#include "ScreenTextEscapes.h"

#include <algorithm>
#include <climits>

using ScreenNumbers::TruncateToInt;

CDiagramEntity::CDiagramEntity()
{
    Clear();
    typeName_ = title_ = name_ = QStringLiteral("basic");
}

CDiagramEntity::~CDiagramEntity() = default;

void CDiagramEntity::InitKind(const QString& kindName, int minWidth, int minHeight, int resizable,
                              int formId)
{
    typeName_ = title_ = name_ = kindName;
    minSize_ = QSize(minWidth, minHeight);
    resizable_ = resizable;
    formId_ = formId;
}

void CDiagramEntity::Clear()
{
    left_ = top_ = right_ = bottom_ = 0;
    markerSize_ = QSize(8, 8);
    minSize_ = QSize(1, 1);
    maxSize_ = QSize(-1, -1);
    selected_ = 0;
    container_ = nullptr;
    name_.clear();
}

std::unique_ptr<CDiagramEntity> CDiagramEntity::Clone() const
{
    auto copy = std::make_unique<CDiagramEntity>();
    copy->CopyFrom(*this);
    return copy;
}

void CDiagramEntity::CopyFrom(const CDiagramEntity& other)
{
    markerSize_ = other.markerSize_;
    minSize_ = other.minSize_;
    maxSize_ = other.maxSize_;
    selected_ = other.selected_;
    container_ = other.container_;
    typeName_ = other.typeName_;
    title_ = other.title_;
    name_ = other.name_;
    SetRect(other.left_, other.top_, other.right_, other.bottom_);
}

// ---- the screen-file line ----

bool CDiagramEntity::SplitKindName(const QString& line, QString* kindName, QString* rest)
{
    const qsizetype accent = line.indexOf(QLatin1Char('`'));
    if (accent < 0 || line.indexOf(QLatin1Char('`'), accent + 1) >= 0) {
        kindName->clear();
        rest->clear();
        return false;
    }
    *kindName = QStringView(line).left(accent).trimmed().toString();
    *rest = QStringView(line).mid(accent + 1).trimmed().toString();
    return true;
}

bool CDiagramEntity::ReadLine(const QString& line, bool legacyRangeMode)
{
    QString kindName, rest;
    if (!SplitKindName(line, &kindName, &rest) || kindName != typeName_)
        return false;
    QString kindFields;
    if (!ReadBaseFields(rest, &kindFields))
        return false;
    return ReadKindFields(kindFields, legacyRangeMode);
}

bool CDiagramEntity::ReadBaseFields(QStringView rest, QString* kindFields)
{
    if (rest.endsWith(QLatin1Char(';')))
        rest.chop(1);
    // The first seven pieces; the text after the seventh comma goes on.
    QStringView pieces[7];
    qsizetype start = 0;
    int count = 0;
    bool more = false;
    while (count < 7) {
        const qsizetype comma = rest.indexOf(QLatin1Char(','), start);
        if (comma < 0) {
            pieces[count++] = rest.mid(start);
            start = rest.size();
            break;
        }
        pieces[count++] = rest.mid(start, comma - start);
        start = comma + 1;
        if (count == 7)
            more = true;
    }
    if (count < 7)
        return false;
    SetRect(ScreenNumbers::ParseDouble(pieces[0]), ScreenNumbers::ParseDouble(pieces[1]),
            ScreenNumbers::ParseDouble(pieces[2]), ScreenNumbers::ParseDouble(pieces[3]));
    title_ = ScreenTextEscapes::Unescape(pieces[4]);
    name_ = ScreenTextEscapes::Unescape(pieces[5]);
    group_ = ScreenNumbers::ParseInt(pieces[6]);
    *kindFields = (more ? rest.mid(start).toString() : QString()) + QLatin1Char(';');
    return true;
}

bool CDiagramEntity::ReadKindFields(QStringView, bool)
{
    return true;
}

QString CDiagramEntity::WriteBaseFields() const
{
    QString out;
    out.reserve(160);
    out += typeName_;
    out += QLatin1Char('`');
    ScreenNumbers::AppendFixed(out, left_);
    out += QLatin1Char(',');
    ScreenNumbers::AppendFixed(out, top_);
    out += QLatin1Char(',');
    ScreenNumbers::AppendFixed(out, right_);
    out += QLatin1Char(',');
    ScreenNumbers::AppendFixed(out, bottom_);
    out += QLatin1Char(',');
    out += ScreenTextEscapes::Escape(title_);
    out += QLatin1Char(',');
    out += ScreenTextEscapes::Escape(name_);
    out += QLatin1Char(',');
    out += QString::number(group_);
    return out;
}

QString CDiagramEntity::WriteKindFields() const
{
    return QString();
}

QString CDiagramEntity::WriteLine() const
{
    return WriteBaseFields() + QLatin1Char(',') + WriteKindFields() + QLatin1Char(';');
}

QString CDiagramEntity::ExportText(const QString&) const
{
    return QString();
}

// ---- geometry ----

PaperRect CDiagramEntity::GetRect() const
{
    return {TruncateToInt(left_), TruncateToInt(top_), TruncateToInt(right_),
            TruncateToInt(bottom_)};
}

void CDiagramEntity::SetRect(double left, double top, double right, double bottom)
{
    left_ = left;
    top_ = top;
    right_ = right;
    bottom_ = bottom;
    // Width and height in 64 bits: edges held at the int range cannot overflow.
    const PaperRect r = GetRect();
    const qint64 width = qint64(r.right) - r.left;
    const qint64 height = qint64(r.bottom) - r.top;
    if (minSize_.width() != -1 && width < minSize_.width())
        right_ = double(r.left) + minSize_.width();
    if (minSize_.height() != -1 && height < minSize_.height())
        bottom_ = double(r.top) + minSize_.height();
    if (maxSize_.width() != -1 && width > maxSize_.width())
        right_ = double(r.left) + maxSize_.width();
    if (maxSize_.height() != -1 && height > maxSize_.height())
        bottom_ = double(r.top) + maxSize_.height();
    if (form_)
        form_->LoadFromObject();
}

void CDiagramEntity::SetRectNormalized(int x1, int y1, int x2, int y2)
{
    SetRect(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
}

void CDiagramEntity::MoveBy(double dx, double dy)
{
    SetRect(left_ + dx, top_ + dy, right_ + dx, bottom_ + dy);
}

void CDiagramEntity::SetSizeLimits(int minWidth, int minHeight, int maxWidth, int maxHeight)
{
    minSize_ = QSize(minWidth, minHeight);
    maxSize_ = QSize(maxWidth, maxHeight);
}

// ---- selection, hit-testing, commands ----

void CDiagramEntity::Select(bool selected)
{
    selected_ = selected ? 1 : 0;
    if (selected && group_ != 0 && container_)
        container_->SendCommand(CMD_SELECT_GROUP, this, false);
}

bool CDiagramEntity::IntersectsRect(const PaperRect& rect) const
{
    const PaperRect a = GetRect().Normalized();
    const PaperRect b = rect.Normalized();
    const PaperRect both{std::max(a.left, b.left), std::max(a.top, b.top),
                         std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
    return !both.IsEmpty();
}

HitCode CDiagramEntity::HitTest(QPoint point, const PaperRect& rect) const
{
    HitCode result = rect.Contains(point) ? HIT_BODY : HIT_NONE;
    for (int code = HIT_TOPLEFT; code <= HIT_RIGHTMIDDLE; ++code)
        if (GetMarkerRect(HitCode(code), rect).Contains(point))
            result = HitCode(code);
    return result;
}

PaperRect CDiagramEntity::GetMarkerRect(HitCode code, const PaperRect& rect) const
{
    // In 64 bits: the edges of a loaded object may lie anywhere in the int
    // range, and the marker rectangle is held to it.
    const qint64 hw = markerSize_.width() / 2;
    const qint64 hh = markerSize_.height() / 2;
    const qint64 cx = rect.left + (qint64(rect.right) - rect.left) / 2;
    const qint64 cy = rect.top + (qint64(rect.bottom) - rect.top) / 2;
    qint64 x = 0, y = 0;
    switch (code) {
    case HIT_TOPLEFT:
        x = rect.left;
        y = rect.top;
        break;
    case HIT_TOPMIDDLE:
        x = cx;
        y = rect.top;
        break;
    case HIT_TOPRIGHT:
        x = rect.right;
        y = rect.top;
        break;
    case HIT_BOTTOMLEFT:
        x = rect.left;
        y = rect.bottom;
        break;
    case HIT_BOTTOMMIDDLE:
        x = cx;
        y = rect.bottom;
        break;
    case HIT_BOTTOMRIGHT:
        x = rect.right;
        y = rect.bottom;
        break;
    case HIT_LEFTMIDDLE:
        x = rect.left;
        y = cy;
        break;
    case HIT_RIGHTMIDDLE:
        x = rect.right;
        y = cy;
        break;
    default: return {};
    }
    const auto held = [](qint64 v) { return int(std::clamp<qint64>(v, INT_MIN, INT_MAX)); };
    return {held(x - hw), held(y - hh), held(x + hw), held(y + hh)};
}

CursorShape CDiagramEntity::GetCursor(HitCode code) const
{
    // The markers of an object that cannot be resized move it, like its body.
    if (code == HIT_BODY || (!resizable_ && code != HIT_NONE))
        return CursorShape::SizeAll;
    switch (code) {
    case HIT_TOPLEFT:
    case HIT_BOTTOMRIGHT: return CursorShape::SizeNWSE;
    case HIT_TOPMIDDLE:
    case HIT_BOTTOMMIDDLE: return CursorShape::SizeNS;
    case HIT_TOPRIGHT:
    case HIT_BOTTOMLEFT: return CursorShape::SizeNESW;
    case HIT_LEFTMIDDLE:
    case HIT_RIGHTMIDDLE: return CursorShape::SizeWE;
    default: return CursorShape::None;
    }
}

bool CDiagramEntity::DoCommand(int command, CDiagramEntity* sender, QObject* editor)
{
    switch (command) {
    case CMD_CUT:
    case CMD_COPY:
    case CMD_DUPLICATE:
    case CMD_UP:
    case CMD_DOWN:
    case CMD_FRONT:
    case CMD_BOTTOM: {
        if (!container_ || !selected_)
            return false;
        CDiagramEntityContainer* c = container_;
        switch (command) {
        case CMD_CUT: c->Cut(this); break; // this object is gone now
        case CMD_COPY: c->Copy(this); break;
        case CMD_DUPLICATE:
            c->Duplicate(this);
            selected_ = 0;
            break;
        case CMD_UP: c->Up(this); break;
        case CMD_DOWN: c->Down(this); break;
        case CMD_FRONT: c->Front(this); break;
        case CMD_BOTTOM: c->Bottom(this); break;
        }
        return true;
    }
    case CMD_PROPERTIES:
        if (!selected_)
            return false;
        ShowProperties(editor, true);
        return true;
    case CMD_SELECT_GROUP:
        if (sender && sender != this && group_ == sender->group_)
            selected_ = 1;
        return false;
    default: return false;
    }
}

void CDiagramEntity::ShowProperties(QObject* parent, bool show)
{
    if (!show) {
        if (form_ && form_->IsShown())
            form_->Hide();
        return;
    }
    if (!form_) {
        const int kind = Kind();
        if (kind < 0 || kind >= kObjectKindCount)
            return;
        const auto& factory = ObjectUiHooks::Instance().formFactories[kind];
        if (!factory)
            return;
        form_ = factory(*this);
        if (!form_)
            return;
    }
    form_->Show(parent);
    form_->LoadFromObject();
    form_->Focus();
}

void CDiagramEntity::ShowContextMenu(QPoint point, QObject* parent)
{
    if (const auto& menu = ObjectUiHooks::Instance().contextMenu)
        menu(*this, point, parent);
}
