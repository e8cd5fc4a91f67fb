#pragma once
#include "CompileReporter.h"
#include "RegisterCoder.h"

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QSet>
#include <QString>

struct CompileInput;
struct CompileOutput;
class CProjectModel;
struct RegisterRef;
class CHZLib;

// The state of one compilation that the image builders share: its input,
// the font library and bitmap data it builds, the warning count, and the
// Output pane.
class CCompileContext
{
public:
    CCompileContext(const CompileInput& input, CompileOutput& output, ICompileReporter& reporter);

    const CompileInput& input;
    const CProjectModel& model;
    ICompileReporter& reporter;
    CRegisterCoder coder;
    CHZLib& hzLib;
    QByteArray& bitmapData;
    int warnings = 0;
    int errors = 0;

    const QString& ProjectName() const { return projectName_; }
    // The language-file text of a key (looked up once per compilation).
    QString Text(int section, const QString& key);
    QString Text(int section, int key);

    void Output(const QString& line) { reporter.OutputLine(line); }
    void Progress(int percent) { reporter.Progress(percent); }
    bool StopRequested() const;
    bool ScreenExists(int number) const { return screenNumbers_.contains(number); }

    // "  Warning: [title] ----> 'label'value is not within range"
    void RangeWarning(const QString& title, const QString& label, qint64 value);
    // The same for a Screen Change key: "... ----> F1 'label'value ..."
    void KeyWarning(int keyIndex, const QString& title, const QString& label, qint64 value);
    // "  Warning: [title] ----> 'name' is not within range"
    void ObjectWarning(const QString& title, const QString& name);
    // "  Warning: [title] ----> 'name' names a device that does not exist"
    void DeviceWarning(const QString& title, const QString& name);
    // The same warning when `ref` names a device the device list lacks.
    void CheckDevice(const RegisterRef& ref, const QString& title, const QString& name);
    // "  Warning: [title] ----> 'file' is not a readable bitmap file", the
    // file named as the user knows it (its name in the project, or its
    // library folder and name).
    void PictureWarning(const QString& title, const QString& file);

    // "  Warning: [title] ----> 'name' value text": a size beyond what the
    // panel can take (the text is looked up in the message section).
    void SizeWarning(const QString& title, const QString& name, qint64 value,
                     const QString& textKey);

    // The encoded text; a text beyond 255 characters is written with the
    // low 8 bits of its count and warned about under `title` and `name`.
    QByteArray EncodeText(const QString& text, const QString& title, const QString& name);
    // Appends a packed picture to the bitmap data; returns its offset there.
    quint32 AppendPicture(const QByteArray& packed);
    // Room for a picture of `bytes` more bytes of the object being built
    // (pictures of one object are appended together): false, with one warning
    // per compilation under `title`, when it would end beyond what 24-bit
    // picture offsets reach; such a picture is left out.
    bool ReservePicture(qint64 bytes, const QString& title);

    // 24-bit picture offsets reach the first 16 MiB of the bitmap data.
    static constexpr qint64 kBitmapDataLimit = qint64(1) << 24;

    // The file of a static bitmap: a folder relative to the program folder,
    // or, with an empty folder, the project's own working folder.
    QString PicturePath(const QString& folder, const QString& fileName) const;
    // The picture of a file, read once per compilation; a null image (and a
    // warning under `title`) when it cannot be read.
    QImage LoadPicture(const QString& folder, const QString& fileName, const QString& title);

private:
    void warn(const QString& line);

    QString projectName_;
    QSet<int> screenNumbers_;
    QHash<QString, QString> texts_;
    QHash<QString, QImage> pictures_;
    qint64 pendingPictureBytes_ = 0;
    bool bitmapDataFull_ = false;
};
