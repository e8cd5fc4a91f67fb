// The committed example project: it opens, holds every kind of object, keys,
// alarms and two devices, and compiles without a warning.
#include "CompileTestProject.h"
#include "app/Compiler.h"
#include "app/ProjectStorage.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/ObjectKind.h"
#include "screen/TessanDoc.h"

#include <QFile>
#include <QSet>
#include <QtTest>

class TestExampleProject : public QObject
{
    Q_OBJECT

private slots:
    void opensWithEveryKindAndCompilesClean()
    {
        // Opening writes a backup beside the package: work on a copy.
        QTemporaryDir out;
        QVERIFY(QFile::copy(QStringLiteral(QV_SOURCE_DIR "/examples/Example.cgp"),
                            out.path() + QStringLiteral("/Example.cgp")));
        CTestProgramFolder f;
        CTessanApp& app = f.App();
        QVERIFY(CProjectStorage(app).OpenProject(out.path(), QStringLiteral("Example")));
        QVERIFY(f.messages.isEmpty());

        const CProjectModel& m = app.model;
        QVERIFY(m.screens.size() >= 3);
        QCOMPARE(m.Devices().devices.size(), size_t(2));
        QVERIFY(m.alarms.items.size() >= 2);
        QSet<QString> alarmDevices;
        for (const CAlarmObject& a : m.alarms.items)
            alarmDevices.insert(a.coil.deviceName);
        QCOMPARE(alarmDevices.size(), 2);

        QSet<int> kinds, keyTypes;
        QSet<QString> objectDevices;
        for (const auto& screen : m.screens) {
            for (const CFunKeyParams& k : screen->keys)
                if (k.used)
                    keyTypes.insert(k.functionType);
            CDiagramEntityContainer container;
            QString error;
            QVERIFY2(
                CTessanDoc::LoadFile(app.ProjectFolder() + QLatin1Char('/')
                                         + ScreenTitle(m.info.name, screen->number, screen->name),
                                     container, m.IsLegacyRangeMode(), &m, &error),
                qPrintable(error));
            QVERIFY(!container.Objects().empty());
            for (const auto& o : container.Objects())
                kinds.insert(o->Kind());
        }
        QCOMPARE(kinds.size(), kObjectKindCount);
        QCOMPARE(keyTypes, QSet<int>({0, 1, 2, 3}));

        CRecordingReporter reporter;
        CCompiler compiler(app, &reporter);
        compiler.SetFinalPause(0);
        QVERIFY(compiler.Run());
        QCOMPARE(reporter.Warnings(), QStringList());
        QVERIFY(reporter.lines.last().endsWith(QStringLiteral("0 error(s), 0 warning(s)")));
        QVERIFY(!app.runtimeImage.isEmpty());
    }
};

QTEST_MAIN(TestExampleProject)
#include "test_example_project.moc"
