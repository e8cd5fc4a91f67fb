// The readers that take a file's bytes in memory as well as its path: both
// ways give the same result, since the path goes through the bytes' function.
// And the compiler's screens handed over in memory compile as their files do.
#include "CompileTestProject.h"
#include "ScreenTestObjects.h"
#include "TestSupport.h"

#include "app/Compiler.h"
#include "app/ProjectStorage.h"
#include "app/TransferOperations.h"
#include "base/ProfileFile.h"
#include "compiler/Compilation.h"
#include "project/ZipPackage.h"
#include "screen/BitmapFile.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/ObjectFactory.h"
#include "transfer/RuntimeBackup.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

using TestSupport::ReadFile;
using TestSupport::WriteFile;
using TransferOperations::CheckRestore;
using TransferOperations::CheckRestoreBytes;
using TransferOperations::RestoreCheck;

class TestMemoryReaders : public QObject
{
    Q_OBJECT

private slots:
    void profileBytesReadAndWriteAsTheFile_data();
    void profileBytesReadAndWriteAsTheFile();
    void bitmapBytesDecodeAsTheFile();
    void backupBytesCheckAsTheFile();
    void packageFromMemoryOpensAsTheFile();
    void packageFromMemoryNeverWritesOutsideItsFolder();
    void screensInMemoryCompileAsTheirFiles();
};

void TestMemoryReaders::profileBytesReadAndWriteAsTheFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("utf-8") << QByteArray(
        "[App]\r\nZoom=125\r\nLanguage=1\r\n[MSG]\r\nWarning=W\r\n");
    QTest::newRow("utf-8 bom") << QByteArray("\xEF\xBB\xBF[app]\nzoom= 90\n");
    QTest::newRow("utf-16 bom") << QByteArray("\xFF\xFE", 2)
                                       + TestSupport::Utf16(QStringLiteral("[App]\r\nZoom=75\r\n"));
    QTest::newRow("utf-16 no bom")
        << TestSupport::Utf16(QStringLiteral("[MSG]\r\nWarning=\u8B66\u544A\r\n"));
    QTest::newRow("cp936") << QByteArray(
        "[MSG]\r\nWarning=\xBE\xAF\xB8\xE6\r\n[App]\r\nZoom=x\r\n");
    QTest::newRow("nul in a line") << QByteArray("[App]\r\nZo\0om=1\r\nZoom=3\r\n", 24);
    QTest::newRow("empty") << QByteArray();
}

void TestMemoryReaders::profileBytesReadAndWriteAsTheFile()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.ini"));
    QVERIFY(WriteFile(path, bytes));
    for (const auto& [section, key] :
         {std::pair{"App", "Zoom"}, std::pair{"MSG", "Warning"}, std::pair{"App", "Language"}}) {
        const QString s = QString::fromLatin1(section), k = QString::fromLatin1(key);
        QCOMPARE(CProfileFile::ReadStringFromBytes(bytes, s, k, QStringLiteral("-")),
                 CProfileFile::ReadString(path, s, k, QStringLiteral("-")));
        QCOMPARE(CProfileFile::ReadIntFromBytes(bytes, s, k, -7),
                 CProfileFile::ReadInt(path, s, k, -7));
    }
    // The write gives the file the bytes WithValue gives, and reads back.
    const QByteArray written = CProfileFile::WithValue(
        bytes, QStringLiteral("App"), QStringLiteral("Zoom"), QStringLiteral("150"));
    QVERIFY(CProfileFile::WriteString(path, QStringLiteral("App"), QStringLiteral("Zoom"),
                                      QStringLiteral("150")));
    QCOMPARE(ReadFile(path), written);
    QCOMPARE(
        CProfileFile::ReadStringFromBytes(written, QStringLiteral("App"), QStringLiteral("Zoom")),
        QStringLiteral("150"));
}

void TestMemoryReaders::bitmapBytesDecodeAsTheFile()
{
    const QString dir = QStringLiteral(QV_SOURCE_DIR "/data/BMP_Files/Arrow");
    const QStringList names = QDir(dir).entryList({QStringLiteral("*.bmp")}, QDir::Files);
    QVERIFY(!names.isEmpty());
    for (const QString& name : names.mid(0, 4)) {
        const QString path = dir + QLatin1Char('/') + name;
        const QImage fromFile = BitmapFile::Read(path);
        QVERIFY(!fromFile.isNull());
        QCOMPARE(BitmapFile::Decode(ReadFile(path)), fromFile);
    }
    // No bitmap: a cut header, other bytes, a side past the limit.
    const QByteArray good = ReadFile(dir + QLatin1Char('/') + names.first());
    QVERIFY(BitmapFile::Decode(good.left(20)).isNull());
    QVERIFY(BitmapFile::Decode(QByteArray("GIF89a")).isNull());
    QByteArray wide = good;
    const quint32 width = BitmapFile::kMaxSide + 1;
    for (int i = 0; i < 4; ++i)
        wide[18 + i] = char(width >> (8 * i));
    QVERIFY(BitmapFile::Decode(wide).isNull());
    // Cut short by a byte of its pixel rows, the file gives no picture; its
    // last row's padding may go.
    QVERIFY(BitmapFile::Decode(good.left(good.size() - 4)).isNull());
    QByteArray tall = good.left(62);
    tall[22] = char(0x00);
    tall[23] = char(0x10); // 4096 rows declared, none there
    tall[24] = char(0x00);
    tall[25] = char(0x00);
    QVERIFY(BitmapFile::Decode(tall).isNull());
    // Pixels said to start past the end, behind a header of no known size:
    // none, and no warning of a seek outside the bytes.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("seek")));
    const QByteArray farPixels =
        QByteArray::fromHex("424d9e2200000500000000ffff9e20005b25f70217000100180000"
                            "3e004d");
    QVERIFY(BitmapFile::Decode(farPixels).isNull());
}

void TestMemoryReaders::backupBytesCheckAsTheFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("b.rtfbak"));
    QByteArray image(128, '\0');
    image[8] = 1; // needs firmware 1.0.0.5
    image[11] = 5;
    const QByteArray trailer = QByteArray(60, '\0') + QByteArray("\x12\x34\x56\x78");
    const std::array<uint16_t, 4> firmware{1, 0, 0, 5};
    const std::array<uint16_t, 4> old{0, 0, 0, 4};
    for (const QByteArray& bytes :
         {image + trailer, image.left(10) + trailer, trailer, QByteArray()}) {
        QVERIFY(WriteFile(path, bytes));
        for (const auto& fw : {firmware, old}) {
            const RestoreCheck fromFile = CheckRestore(path, QStringLiteral("/dev/ttyS0"), fw);
            const RestoreCheck fromBytes =
                CheckRestoreBytes(bytes, QStringLiteral("/dev/ttyS0"), fw);
            QCOMPARE(fromBytes.error, fromFile.error);
            QCOMPARE(fromBytes.image, fromFile.image);
            QCOMPARE(fromBytes.password, fromFile.password);
        }
    }
    const RestoreCheck accepted = CheckRestoreBytes(image + trailer, QStringLiteral("p"), firmware);
    QCOMPARE(accepted.error, QString());
    QCOMPARE(accepted.image, image);
    QCOMPARE(accepted.password, QStringLiteral("12345678"));
    QCOMPARE(CheckRestoreBytes(image + trailer, QString(), firmware).error,
             QStringLiteral("Port invalid"));
    QCOMPARE(CheckRestoreBytes(image + trailer, QStringLiteral("p"), old).error,
             QStringLiteral("Can not download the runtim file to old version device"));
    CRuntimeBackup backup;
    QVERIFY(!backup.Parse(QByteArray(CRuntimeBackup::kTrailerSize, 'x')));
    QVERIFY(backup.Parse(QByteArray(CRuntimeBackup::kTrailerSize + 1, 'x')));
    QCOMPARE(backup.image.size(), 1);
}

void TestMemoryReaders::packageFromMemoryOpensAsTheFile()
{
    const QString path = QStringLiteral(QV_SOURCE_DIR "/examples/Example.cgp");
    const QByteArray bytes = ReadFile(path);
    CZipReader file, memory;
    QVERIFY(file.Open(path));
    QVERIFY(memory.OpenBytes(bytes, QStringLiteral("Example.cgp")));
    QCOMPARE(memory.Count(), file.Count());
    QTemporaryDir dir;
    for (int i = 0; i < file.Count(); ++i) {
        QCOMPARE(memory.EntryName(i), file.EntryName(i));
        const QString a = dir.filePath(QStringLiteral("a%1").arg(i));
        const QString b = dir.filePath(QStringLiteral("b%1").arg(i));
        QVERIFY(file.Extract(i, a));
        QVERIFY(memory.Extract(i, b));
        QCOMPARE(ReadFile(b), ReadFile(a));
        QCOMPARE(ReadFile(b), TestSupport::ZipEntryBytes(path, file.EntryName(i)));
    }
    // Cut short, the directory is gone; a damaged entry fails its check.
    CZipReader cut;
    QVERIFY(!cut.OpenBytes(bytes.left(bytes.size() - 30), QStringLiteral("cut.cgp")));
    QVERIFY(cut.ErrorText().contains(QStringLiteral("cut.cgp")));
    QVERIFY(!cut.OpenBytes(QByteArray(), QStringLiteral("empty.cgp")));
}

void TestMemoryReaders::packageFromMemoryNeverWritesOutsideItsFolder()
{
    CTestProgramFolder program;
    CTessanApp& app = program.App();
    const QString source = program.Dir() + QStringLiteral("/src.txt");
    QVERIFY(WriteFile(source, "[Project]\r\nName=P\r\n"));
    const QString zipPath = program.Dir() + QStringLiteral("/evil.cgp");
    CZipWriter zip;
    QVERIFY(zip.Create(zipPath));
    QVERIFY(zip.AddFile(QStringLiteral("Prj.ini"), source));
    QVERIFY(zip.AddFile(QStringLiteral("../escaped.txt"), source));
    QVERIFY(zip.Close());
    CProjectStorage storage(app);
    QVERIFY(!storage.UnpackPackageBytes(ReadFile(zipPath), QStringLiteral("P")));
    QVERIFY(!QFile::exists(app.projectsRoot + QStringLiteral("/escaped.txt")));
    QVERIFY(!QFile::exists(QFileInfo(app.projectsRoot).path() + QStringLiteral("/escaped.txt")));

    // The example opens from memory as from its file.
    const QByteArray example = ReadFile(QStringLiteral(QV_SOURCE_DIR "/examples/Example.cgp"));
    QVERIFY(storage.UnpackPackageBytes(example, QStringLiteral("Example")));
    QCOMPARE(app.model.info.name, QStringLiteral("Example"));
    QVERIFY(storage.LoadProjectFolder(program.Dir(), app.model.info.name));
    QVERIFY(!app.model.screens.empty());
}

void TestMemoryReaders::screensInMemoryCompileAsTheirFiles()
{
    CCompileTestProject project;
    std::vector<std::unique_ptr<CDiagramEntity>> onFile;
    auto held = std::make_shared<CDiagramEntityContainer>();
    for (int kind = 0; kind < kObjectKindCount; ++kind) {
        onFile.push_back(ScreenTestObjects::NonDefault(kind));
        held->AddLoaded(ScreenTestObjects::NonDefault(kind));
    }
    project.AddScreen(2, std::move(onFile));
    project.AddScreen(7);
    QVERIFY(project.Compile());
    const QByteArray fromFiles = project.compiler->Images().runtime;

    // The screen file of screen 2 goes; its objects come from memory, and
    // screen 7 keeps its (empty) file.
    QVERIFY(
        QFile::remove(project.App().ProjectFolder() + QLatin1Char('/') + project.ScreenTitleOf(2)));
    CompileInput input = CCompiler::InputFrom(project.App());
    input.screenObjects[2] = held;
    CRecordingReporter reporter;
    CCompilation compilation(std::move(input), reporter);
    compilation.SetFinalPause(0);
    QVERIFY(compilation.Run());
    QCOMPARE(compilation.Output().images.runtime, fromFiles);
    // Each object keeps its record, as one read from a file does.
    for (int i = 0; i < held->GetSize(); ++i)
        QVERIFY(!held->GetAt(i)->recordBytes.isEmpty());
}

QTEST_MAIN(TestMemoryReaders)
#include "test_memory_readers.moc"
