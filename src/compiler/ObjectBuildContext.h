#pragma once
#include <QByteArray>
#include <QString>

class CCompileContext;
class CImageWriter;
struct FontSpec;
struct PaperRect;
struct RegisterRef;

// What an object needs to build its screen record: the register code, the
// bitmap data its picture goes into, and the renderings of its picture. One
// per screen, so that picture warnings name the screen.
class CObjectBuildContext
{
public:
    CObjectBuildContext(CCompileContext& ctx, const QString& screenTitle)
        : ctx_(ctx),
          title_(screenTitle)
    {}

    // The object whose record is built next: a register of it that names a
    // device that does not exist gives one warning naming it.
    void BeginObject(const QString& name);
    // The device's station number, 0xFF (and the warning) for a device that
    // does not exist.
    quint8 DeviceNumber(const RegisterRef& ref);
    quint16 PanelAddress(const RegisterRef& ref) const;

    // Appends a packed picture to the bitmap data; returns its offset there.
    quint32 AppendPicture(const QByteArray& packed);

    // A text picture of the object's size, packed.
    QByteArray TextPicture(const QString& text, const FontSpec& font, const PaperRect& rect,
                           bool inverted);
    // A static bitmap's picture file placed into the object's box, packed; a
    // file that cannot be read gives the box in its background colour and a
    // warning that names the file.
    QByteArray BitmapPicture(const QString& folder, const QString& fileName, const PaperRect& rect,
                             int scaling, bool blackInversion);

    // Pictures are limited to this many pixels a side (a damaged screen file
    // must not ask for gigabytes).
    static constexpr int kMaxPictureSide = 4096;

private:
    CCompileContext& ctx_;
    QString title_;
    QString object_;
    bool deviceWarned_ = false;
};
