#include "TestSupport.h"
#include "app/ProjectStorage.h"
#include "project/ProtocolTables.h"
#include "app/ScreenCommands.h"
#include "screen/DiagramEntityContainer.h"
#include "app/LoadedScreenDocuments.h"
#include "screen/TessanDoc.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A screen file as another writer might have left it: short numbers, an
// unusable line, a header with another paper.
const char16_t kLooseScreen[] =
    u"paper:0,0;\r\n"
    u"Static Text`1,2,40,18,T,Label,0,Hi,0,1,0,0,Face,-15,0,0,0,0,0,0,0,400,0;\r\n"
    u"garbage line\r\n"
    u"Numeric`8,20,40,36,N,Value,4,DEV,R,1024,0,0,1,1,0,0,0,0,0,0,0,-1,99.7,5,0,0,0;\n";

QString canonical(const QString& text)
{
    CDiagramEntityContainer c;
    CTessanDoc::ReadBytes(TestSupport::Utf16(text), c, false);
    c.SetPaperSize(QSize(192, 64));
    const QByteArray bytes = CTessanDoc::WriteBytes(c);
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()),
                              bytes.size() / 2);
}

} // namespace

class T : public QObject
{
    Q_OBJECT
private slots:
    void newScreenFileIsHeaderOnly();
    void resaveScreens();
    void screenDocumentsFollowSaveAs();
};

void T::newScreenFileIsHeaderOnly()
{
    CTestProgramFolder program;
    CTessanApp& app = program.App();
    app.ResetProjectModel(QStringLiteral("P"), program.Dir(), QStringLiteral("RU03"),
                          QString::fromLatin1(ProtocolTables::kVardoVSequence));
    ScreenCommands::NewScreen(app, 1, QStringLiteral("Screen 1"));
    QString path;
    QVERIFY(ScreenCommands::ScreenFilePath(app, 1, QStringLiteral("Screen 1"), &path));
    QCOMPARE(TestSupport::ReadFile(path), TestSupport::Utf16(QStringLiteral("paper:192,64;\r\n")));
}

void T::resaveScreens()
{
    CTestProgramFolder program;
    CTessanApp& app = program.App();
    QTemporaryDir out;
    app.ResetProjectModel(QStringLiteral("P"), out.path(), QStringLiteral("RU03"),
                          QString::fromLatin1(ProtocolTables::kVardoVSequence));
    ScreenCommands::NewScreen(app, 1, QStringLiteral("Screen 1"));
    ScreenCommands::NewScreen(app, 2, QStringLiteral("Main, valves"));
    QString path;
    QVERIFY(ScreenCommands::ScreenFilePath(app, 2, QStringLiteral("Main, valves"), &path));
    const QString loose = QString::fromUtf16(kLooseScreen);
    QVERIFY(TestSupport::WriteFile(path, TestSupport::Utf16(loose)));
    QVERIFY(CProjectStorage(app).SaveProject());
    const QString package = out.path() + QStringLiteral("/P.cgp");
    const QString entry = QStringLiteral("P.cgp - #2 Main, valves");

    // Without --screens the files are packed as they are.
    QCOMPARE(TestSupport::Run(TestSupport::QvCli(), {QStringLiteral("resave"), package}), 0);
    QCOMPARE(TestSupport::ZipEntryBytes(package, entry), TestSupport::Utf16(loose));

    QByteArray err;
    QCOMPARE(TestSupport::Run(TestSupport::QvCli(),
                              {QStringLiteral("resave"), package, QStringLiteral("--screens")},
                              nullptr, &err),
             0);
    const QString expected = canonical(loose);
    QVERIFY(expected.startsWith(QStringLiteral("paper:192,64;\r\nStatic Text`1.000000,2.000000,")));
    QVERIFY(expected.contains(QStringLiteral(",4294967295,99,5,0,0,0,0,0;\r\n")));
    QCOMPARE(expected.count(QStringLiteral("\r\n")), 3);
    QCOMPARE(TestSupport::ZipEntryBytes(package, entry), TestSupport::Utf16(expected));
    QCOMPARE(TestSupport::ZipEntryBytes(package, QStringLiteral("P.cgp - #1 Screen 1")),
             TestSupport::Utf16(QStringLiteral("paper:192,64;\r\n")));

    // Save As: the screens are written under the new name.
    const QString renamed = out.path() + QStringLiteral("/sub/Q.cgp");
    QCOMPARE(TestSupport::Run(TestSupport::QvCli(), {QStringLiteral("resave"), package, renamed,
                                                     QStringLiteral("--screens")}),
             0);
    const QStringList entries = TestSupport::ZipEntries(renamed);
    QVERIFY2(entries.contains(QStringLiteral("Q.cgp - #2 Main, valves")),
             qPrintable(entries.join(u'|')));
    QVERIFY(!entries.contains(entry));
    QCOMPARE(TestSupport::ZipEntryBytes(renamed, QStringLiteral("Q.cgp - #2 Main, valves")),
             TestSupport::Utf16(expected));

    // Unknown options are still refused.
    QCOMPARE(TestSupport::Run(TestSupport::QvCli(),
                              {QStringLiteral("resave"), package, QStringLiteral("--screen")}),
             2);
}

void T::screenDocumentsFollowSaveAs()
{
    CTestProgramFolder program;
    CTessanApp& app = program.App();
    QTemporaryDir out;
    app.ResetProjectModel(QStringLiteral("A"), out.path(), QStringLiteral("RU03"),
                          QString::fromLatin1(ProtocolTables::kVardoVSequence));
    ScreenCommands::NewScreen(app, 5, QStringLiteral("S"));
    CLoadedScreenDocuments docs(app);
    QCOMPARE(docs.LoadAll(), 1);
    app.openScreens = &docs;
    app.TakeAsSaved();
    QVERIFY(!app.ProjectCountsAsModified());
    CTessanDoc* doc = docs.Document(5);
    QVERIFY(doc);
    QCOMPARE(doc->Container().GetPaperSize(), QSize(192, 64));
    doc->Container().Add(std::make_unique<CDiagramEntity>());
    QVERIFY(app.ProjectCountsAsModified());

    QVERIFY(CProjectStorage(app).SaveProjectAs(out.path() + QStringLiteral("/B.cgp")));
    QVERIFY(!docs.AnyModified());
    const QByteArray saved =
        TestSupport::ReadFile(app.ProjectFolder() + QStringLiteral("/B.cgp - #5 S"));
    QVERIFY(
        QString::fromUtf16(reinterpret_cast<const char16_t*>(saved.constData()), saved.size() / 2)
            .contains(QStringLiteral("\r\nbasic`")));
    app.openScreens = nullptr;
}

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    T t;
    return QTest::qExec(&t, argc, argv);
}
#include "test_screen_resave.moc"
