#include "RuntimeImageReader.h"
#include "RuntimeObjectKinds.h"
#include "ImageCursor.h"

#include <array>
#include <cstdint>

namespace {

constexpr qsizetype kProjectHeaderLength = 55;
constexpr qsizetype kImageHeaderLength = 16;
constexpr qsizetype kScreenTableEntryLength = 6;
constexpr qsizetype kScreenRecordHeaderLength = 16;
constexpr int kKeyCount = 5;
constexpr qsizetype kKeyRecordLength = 18;
constexpr qsizetype kAlarmEntryMinLength = 3; // number and an empty text
constexpr qsizetype kCommSettingsEnd = 47;    // device entries follow from here
static_assert(kImageHeaderLength
                  + std::tuple_size_v<decltype(RuntimeComm::settings)> == kCommSettingsEnd);
constexpr qsizetype kDeviceEntryLength = 16;

// The images in the order of their offsets in the project header.
enum ImageIndex { Screens, Alarms, Font, Bitmaps, Comm, ImageCount };
constexpr std::array<const char*, ImageCount> kImageNames = {
    "screen image", "alarm image", "font image", "bitmap image", "communication image"};
constexpr std::array<std::uint8_t, ImageCount> kImageTypes = {1, 2, 3, 4, 5};
constexpr const char* kProjectHeaderName = "project header";

// Where an image lies in the runtime image.
struct Extent
{
    qint64 begin = 0;
    qint64 end = 0;
};

// What was found wrong, and where.
struct Damage
{
    const char* image = nullptr;
    qint64 at = 0;
    QString what;
};

bool Fail(Damage& damage, const char* image, qint64 at, const QString& what)
{
    damage.image = image;
    damage.at = at;
    damage.what = what;
    return false;
}

QString Hex(unsigned value)
{
    return QStringLiteral("0x") + QString::number(value, 16).toUpper().rightJustified(2, u'0');
}

RuntimeRegister ReadRegister(CImageCursor& c)
{
    RuntimeRegister r;
    r.device = c.U8();
    r.address = c.U16();
    return r;
}

// An encoded text: a count byte, then a width flag and a glyph offset per
// character. On failure `at` and `what` tell where and what.
bool ReadText(CImageCursor& c, RuntimeText& text, qint64& at, QString& what)
{
    at = c.Pos();
    if (!c.Has(1)) {
        what = QStringLiteral("ends before its character count");
        return false;
    }
    const int count = c.U8();
    if (!c.Has(3 * qint64(count))) {
        what = QStringLiteral("of %1 characters runs past the image's end").arg(count);
        return false;
    }
    text.clear();
    text.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        at = c.Pos();
        const std::uint8_t flag = c.U8();
        if (flag != 0x00 && flag != 0xFF) {
            what = QStringLiteral("has the character width flag %1, neither 0x00 nor 0xFF")
                       .arg(Hex(flag));
            return false;
        }
        RuntimeChar ch;
        ch.wide = flag == 0xFF;
        ch.glyphOffset = c.U16();
        text.push_back(ch);
    }
    return true;
}

bool CheckType(CImageCursor& c, ImageIndex index, Damage& damage)
{
    const std::uint8_t type = c.U8();
    if (type != kImageTypes[index])
        return Fail(
            damage, kImageNames[index], c.Begin(),
            QStringLiteral("its type byte is %1, not %2").arg(type).arg(kImageTypes[index]));
    return true;
}

bool ReadProjectHeader(const QByteArray& bytes, RuntimeProjectHeader& h, Damage& damage)
{
    if (bytes.size() < kProjectHeaderLength)
        return Fail(damage, kProjectHeaderName, bytes.size(),
                    QStringLiteral("the runtime image ends after %1 bytes, inside its %2-byte "
                                   "project header")
                        .arg(bytes.size())
                        .arg(kProjectHeaderLength));
    CImageCursor c(bytes, 0, kProjectHeaderLength);
    const std::uint8_t type = c.U8();
    if (type != 0)
        return Fail(damage, kProjectHeaderName, 0,
                    QStringLiteral("its type byte is %1, not 0").arg(type));
    h.totalLength = c.U32();
    if (qint64(h.totalLength) != qint64(bytes.size()))
        return Fail(damage, kProjectHeaderName, 1,
                    QStringLiteral("the total length %1 is not the runtime image's %2 bytes")
                        .arg(h.totalLength)
                        .arg(bytes.size()));
    h.startScreen = c.U16();
    h.mark = c.U8();
    for (std::uint8_t& part : h.version)
        part = c.U8();
    c.Skip(4);
    h.panelFlags = c.U8();
    h.protectScreen = c.U16();
    h.logScreen = c.U16();
    h.logTimer = c.U8();
    h.protectTimeIndex = c.U8();
    for (std::uint8_t& pair : h.packedPassword)
        pair = c.U8();
    h.panelToPlcEnabled = c.U8();
    h.panelToPlc = ReadRegister(c);
    h.plcToPanelFlags = c.U8();
    h.plcToPanel = ReadRegister(c);
    for (std::uint32_t& offset : h.imageOffsets)
        offset = c.U32();
    return true;
}

// The images follow one another: each runs from its offset to the next one's
// (the last to the runtime image's end) and holds at least its 16-byte header.
bool ImageExtents(const RuntimeProjectHeader& h, qint64 total, std::array<Extent, ImageCount>& out,
                  Damage& damage)
{
    constexpr qint64 kOffsetsAt = 35;
    if (h.imageOffsets[Screens] != kProjectHeaderLength)
        return Fail(damage, kImageNames[Screens], kOffsetsAt,
                    QStringLiteral("its offset is %1, not %2")
                        .arg(h.imageOffsets[Screens])
                        .arg(kProjectHeaderLength));
    for (int i = 0; i < ImageCount; ++i) {
        const qint64 at = kOffsetsAt + 4 * i;
        const qint64 begin = h.imageOffsets[size_t(i)];
        const bool last = i + 1 == ImageCount;
        const qint64 end = last ? total : qint64(h.imageOffsets[size_t(i) + 1]);
        if (begin > total)
            return Fail(damage, kImageNames[size_t(i)], at,
                        QStringLiteral("it begins at byte %1, past the runtime image's end at "
                                       "byte %2")
                            .arg(begin)
                            .arg(total));
        if (end - begin < kImageHeaderLength)
            return Fail(damage, kImageNames[size_t(i)], at,
                        QStringLiteral("it begins at byte %1 and %2 at byte %3, which leaves less "
                                       "than its %4-byte header")
                            .arg(begin)
                            .arg(last ? QStringLiteral("the runtime image ends")
                                      : QStringLiteral("the %1 begins")
                                            .arg(QLatin1String(kImageNames[size_t(i) + 1])))
                            .arg(end)
                            .arg(kImageHeaderLength));
        out[size_t(i)] = {begin, end};
    }
    return true;
}

void ReadKeyRecord(CImageCursor& c, RuntimeFunctionKey& k)
{
    k.flags = c.U8();
    k.coil = ReadRegister(c);
    k.coilAction = c.U8();
    k.reg = ReadRegister(c);
    k.quantity = c.U8();
    k.value = c.U32();
    k.target = c.U8();
    k.targetScreen = c.U16();
    k.command = c.U8();
    k.device = c.U8();
}

// One screen record at the cursor; `s` already holds the table's number and offset.
bool ReadScreenRecord(CImageCursor& c, RuntimeScreen& s, Damage& damage)
{
    const char* image = kImageNames[Screens];
    const qint64 recordAt = c.Pos();
    if (!c.Has(kScreenRecordHeaderLength + kKeyCount * kKeyRecordLength))
        return Fail(
            damage, image, recordAt,
            QStringLiteral("the record of screen %1 runs past the image's end").arg(s.number));
    const std::uint8_t mark = c.U8();
    if (mark != 1)
        return Fail(damage, image, recordAt,
                    QStringLiteral("the record of screen %1 begins with %2, not 1")
                        .arg(s.number)
                        .arg(mark));
    const std::uint16_t number = c.U16();
    if (number != s.number)
        return Fail(damage, image, recordAt + 1,
                    QStringLiteral("the record of screen %1 holds the screen number %2")
                        .arg(s.number)
                        .arg(number));
    s.next = c.U16();
    s.previous = c.U16();
    const qint64 countAt = c.Pos();
    const int objectCount = c.U16();
    c.Skip(7);
    for (RuntimeFunctionKey& k : s.keys)
        ReadKeyRecord(c, k);

    for (int i = 0; i < kKeyCount; ++i) {
        RuntimeFunctionKey& k = s.keys[size_t(i)];
        if (!c.Has(1))
            return Fail(damage, image, c.Pos(),
                        QStringLiteral("the F%1 description of screen %2 runs past the image's end")
                            .arg(i + 1)
                            .arg(s.number));
        k.showDescription = c.U8();
        if (!k.showDescription)
            continue;
        qint64 at = 0;
        QString what;
        if (!ReadText(c, k.description, at, what))
            return Fail(damage, image, at,
                        QStringLiteral("the F%1 description of screen %2 %3")
                            .arg(i + 1)
                            .arg(s.number)
                            .arg(what));
    }

    if (qint64(objectCount) * ShortestRuntimeObjectRecord() > c.Left())
        return Fail(damage, image, countAt,
                    QStringLiteral("screen %1 counts %2 objects, more than its remaining %3 bytes "
                                   "can hold")
                        .arg(s.number)
                        .arg(objectCount)
                        .arg(c.Left()));
    s.objects.reserve(size_t(objectCount));
    for (int i = 0; i < objectCount; ++i) {
        const qint64 objectAt = c.Pos();
        if (!c.Has(1))
            return Fail(damage, image, objectAt,
                        QStringLiteral("object %1 of screen %2 runs past the image's end")
                            .arg(i + 1)
                            .arg(s.number));
        RuntimeObject o;
        o.kind = c.U8();
        const RuntimeObjectKindEntry* kind = RuntimeObjectKindOf(o.kind);
        if (!kind)
            return Fail(damage, image, objectAt,
                        QStringLiteral("object %1 of screen %2 has the kind code %3, not 0 to %4")
                            .arg(i + 1)
                            .arg(s.number)
                            .arg(o.kind)
                            .arg(RuntimeObjectKinds().size() - 1));
        if (!c.Has(kind->recordLength - 1))
            return Fail(damage, image, objectAt,
                        QStringLiteral("object %1 of screen %2 runs past the image's end")
                            .arg(i + 1)
                            .arg(s.number));
        kind->readFields(c, o);
        o.recordOffset = std::uint32_t(objectAt - c.Begin());
        s.objects.push_back(o);
    }
    return true;
}

bool ReadScreenImage(const QByteArray& bytes, Extent e, std::vector<RuntimeScreen>& screens,
                     Damage& damage)
{
    const char* image = kImageNames[Screens];
    CImageCursor table(bytes, e.begin, e.end);
    if (!CheckType(table, Screens, damage))
        return false;
    const int count = table.U16();
    table.Skip(13);
    if (!table.Has(kScreenTableEntryLength * count))
        return Fail(damage, image, e.begin + 1,
                    QStringLiteral("its table of %1 screens runs past the image's end").arg(count));

    // The records follow the table one after another, in table order.
    CImageCursor records(bytes, e.begin, e.end);
    records.Seek(table.Pos() + kScreenTableEntryLength * count);
    screens.reserve(size_t(count));
    for (int k = 0; k < count; ++k) {
        RuntimeScreen s;
        s.number = table.U16();
        const qint64 offsetAt = table.Pos();
        s.offset = table.U32();
        const qint64 expected = records.Pos() - e.begin;
        if (qint64(s.offset) != expected)
            return Fail(damage, image, offsetAt,
                        QStringLiteral("the record of screen %1 is said to begin at %2, not at %3 "
                                       "where %4")
                            .arg(s.number)
                            .arg(s.offset)
                            .arg(expected)
                            .arg(k == 0 ? QStringLiteral("the screen table ends")
                                        : QStringLiteral("the record before it ends")));
        if (!ReadScreenRecord(records, s, damage))
            return false;
        screens.push_back(std::move(s));
    }
    if (records.Left() != 0)
        return Fail(damage, image, records.Pos(),
                    QStringLiteral("%1 bytes follow the last screen record").arg(records.Left()));
    return true;
}

bool ReadAlarmImage(const QByteArray& bytes, Extent e, RuntimeAlarms& alarms, Damage& damage)
{
    const char* image = kImageNames[Alarms];
    CImageCursor c(bytes, e.begin, e.end);
    if (!CheckType(c, Alarms, damage))
        return false;
    alarms.firstCoilAddress = c.U16();
    const qint64 countAt = c.Pos();
    const int count = c.U16();
    alarms.device = c.U8();
    c.Skip(10);
    if (qint64(count) * kAlarmEntryMinLength > c.Left())
        return Fail(damage, image, countAt,
                    QStringLiteral("it counts %1 alarms, more than its remaining %2 bytes can hold")
                        .arg(count)
                        .arg(c.Left()));
    alarms.alarms.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        if (!c.Has(2))
            return Fail(damage, image, c.Pos(),
                        QStringLiteral("alarm %1 runs past the image's end").arg(i + 1));
        RuntimeAlarm a;
        a.number = c.U16();
        qint64 at = 0;
        QString what;
        if (!ReadText(c, a.message, at, what))
            return Fail(damage, image, at,
                        QStringLiteral("the message of alarm %1 %2").arg(i + 1).arg(what));
        alarms.alarms.push_back(std::move(a));
    }
    if (c.Left() != 0)
        return Fail(damage, image, c.Pos(),
                    QStringLiteral("%1 bytes follow the last alarm").arg(c.Left()));
    return true;
}

bool ReadCommImage(const QByteArray& bytes, Extent e, RuntimeComm& comm, Damage& damage)
{
    const char* image = kImageNames[Comm];
    CImageCursor c(bytes, e.begin, e.end);
    if (!CheckType(c, Comm, damage))
        return false;
    comm.currentDevice = c.U8();
    const qint64 countAt = c.Pos();
    const int count = c.U8();
    const qint64 length = e.end - e.begin;
    if (length < kCommSettingsEnd)
        return Fail(damage, image, e.end,
                    QStringLiteral("it ends after %1 bytes, inside its %2 bytes of settings")
                        .arg(length)
                        .arg(kCommSettingsEnd));
    if (length != kCommSettingsEnd + kDeviceEntryLength * count)
        return Fail(damage, image, countAt,
                    QStringLiteral("it counts %1 devices of %2 bytes, but %3 bytes follow its "
                                   "settings")
                        .arg(count)
                        .arg(kDeviceEntryLength)
                        .arg(length - kCommSettingsEnd));
    // The settings run from offset 16 to 46, their last 8 bytes zero.
    c.Seek(e.begin + kImageHeaderLength);
    for (std::uint8_t& b : comm.settings)
        b = c.U8();
    comm.devices.resize(size_t(count));
    for (RuntimeDevice& d : comm.devices)
        for (std::uint8_t& b : d.bytes)
            b = c.U8();
    return true;
}

bool Decode(const QByteArray& bytes, RuntimeImage& out, Damage& damage)
{
    if (!ReadProjectHeader(bytes, out.header, damage))
        return false;
    std::array<Extent, ImageCount> extents;
    if (!ImageExtents(out.header, bytes.size(), extents, damage))
        return false;
    if (!ReadScreenImage(bytes, extents[Screens], out.screens, damage))
        return false;
    if (!ReadAlarmImage(bytes, extents[Alarms], out.alarms, damage))
        return false;

    CImageCursor font(bytes, extents[Font].begin, extents[Font].end);
    if (!CheckType(font, Font, damage))
        return false;
    out.font = bytes.mid(extents[Font].begin, extents[Font].end - extents[Font].begin);

    CImageCursor bitmaps(bytes, extents[Bitmaps].begin, extents[Bitmaps].end);
    if (!CheckType(bitmaps, Bitmaps, damage))
        return false;
    const qint64 dataAt = extents[Bitmaps].begin + kImageHeaderLength;
    out.bitmapData = bytes.mid(dataAt, extents[Bitmaps].end - dataAt);

    return ReadCommImage(bytes, extents[Comm], out.comm, damage);
}

} // namespace

bool ReadRuntimeImage(const QByteArray& bytes, RuntimeImage& image, QString* error)
{
    RuntimeImage decoded;
    Damage damage;
    if (!Decode(bytes, decoded, damage)) {
        if (error)
            *error = QStringLiteral("The %1 is damaged at byte %2: %3.")
                         .arg(QLatin1String(damage.image))
                         .arg(damage.at)
                         .arg(damage.what);
        return false;
    }
    image = std::move(decoded);
    if (error)
        error->clear();
    return true;
}
