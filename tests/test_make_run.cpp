// `make run`: what it builds before it runs the sample.
#include "TestSupport.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace TestSupport;

class TestMakeRun : public QObject
{
    Q_OBJECT
private slots:
    void runBuildsOnlyTheProgramsItRuns()
    {
        QTemporaryDir build;
        QByteArray out, err;
        // Dry run: the commands that make would run, none of them run.
        QCOMPARE(Run(QStringLiteral("make"),
                     {QStringLiteral("-n"), QStringLiteral("-C"), QStringLiteral(QV_SOURCE_DIR),
                      QStringLiteral("run"), QStringLiteral("BUILD=") + build.path()},
                     &out, &err),
                 0);
        QStringList builds;
        for (const QString& line : QString::fromUtf8(out).split(QLatin1Char('\n')))
            if (line.contains(QLatin1String("cmake --build")))
                builds.append(line);
        QCOMPARE(builds.size(), 1);
        const QString targets = builds[0].section(QStringLiteral("--target"), 1).trimmed();
        QVERIFY2(!targets.isEmpty(), qPrintable(builds[0]));
        const QStringList built = targets.split(QLatin1Char(' '), Qt::SkipEmptyParts);

        // Every program that the sample script starts is built, and nothing else.
        const QString script =
            QString::fromUtf8(ReadFile(QStringLiteral(QV_SOURCE_DIR "/tools/run-sample.sh")));
        QStringList started;
        const QRegularExpression program(QStringLiteral("\"\\$bin/([A-Za-z0-9_-]+)\""));
        for (auto it = program.globalMatch(script); it.hasNext();) {
            const QString name = it.next().captured(1);
            if (!started.contains(name))
                started.append(name);
        }
        QCOMPARE(started, QStringList({QStringLiteral("qv"), QStringLiteral("qv-cli"),
                                       QStringLiteral("qv-panel")}));
        std::sort(started.begin(), started.end());
        QStringList sortedBuilt = built;
        std::sort(sortedBuilt.begin(), sortedBuilt.end());
        QCOMPARE(sortedBuilt, started);
    }
};

QTEST_GUILESS_MAIN(TestMakeRun)
#include "test_make_run.moc"
