// qv-cli xref on real packages: the table as text, CSV and JSON, and the
// exit statuses (0 clean, 1 findings, 2 usage, 3 unreadable package).
#include "CompileTestProject.h"
#include "app/Compiler.h"
#include "ScreenTestObjects.h"
#include "app/ProjectStorage.h"
#include "project/ProjectModel.h"
#include "screen/ObjectIndicatorLight.h"
#include "screen/ObjectNumeric.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

// Saves the test project as <dir>/out/demo.cgp; its one screen holds a
// numeric on DEV001.R.2000 and a light on a device that does not exist.
QString SavedPackage(CCompileTestProject& p, bool withFindings)
{
    std::vector<std::unique_ptr<CDiagramEntity>> objects;
    objects.push_back(ScreenTestObjects::Numeric("NUM1", "DEV001"));
    static_cast<CObjectNumeric&>(*objects.back()).reg = {"DEV001", "R", 02000, 0, 1, 0};
    if (withFindings) {
        objects.push_back(ScreenTestObjects::Light("LIGHT1", "GONE"));
        static_cast<CObjectIndicatorLight&>(*objects.back()).coil = {"GONE", "M", 0, 0, 1, 0};
    }
    p.AddScreen(1, std::move(objects));
    p.App().model.FindScreen(1)->screenChange = {1, 1};
    if (withFindings)
        p.App().model.AddScreen(2, "Lost")->screenChange = {2, 2};
    QDir().mkpath(p.Dir() + "/out");
    CProjectStorage storage(p.App());
    return storage.SaveProject() ? p.Dir() + "/out/demo.cgp" : QString();
}

int Xref(const QStringList& args, QByteArray* out = nullptr, QByteArray* err = nullptr)
{
    return TestSupport::Run(TestSupport::QvCli(), QStringList{"xref"} + args, out, err);
}

} // namespace

class TestCliXref : public QObject
{
    Q_OBJECT
private slots:
    void aCleanProjectExitsZero()
    {
        CCompileTestProject p;
        const QString pkg = SavedPackage(p, false);
        QVERIFY(!pkg.isEmpty());
        QByteArray out;
        QCOMPARE(Xref({pkg, "--csv"}, &out), 0);
        QCOMPARE(out, QByteArray("device,area,address,use,place,finding\n"
                                 "DEV001,R,2000,object,#1 Screen 1 'NUM1' (Numeric),\n"));
        QCOMPARE(Xref({pkg}, &out), 0);
        QCOMPARE(out,
                 QByteArray("Device  Area  Address  Use     Place                         Finding\n"
                            "DEV001  R     2000     object  #1 Screen 1 'NUM1' (Numeric)\n"));
    }

    void findingsExitOneAndJsonHoldsThem()
    {
        CCompileTestProject p;
        const QString pkg = SavedPackage(p, true);
        QByteArray out;
        QCOMPARE(Xref({pkg, "--json"}, &out), 1);
        const QJsonArray uses = QJsonDocument::fromJson(out).object()["uses"].toArray();
        QStringList rows;
        for (const QJsonValue& v : uses) {
            const QJsonObject o = v.toObject();
            rows << QStringList{o["device"].toString(),  o["area"].toString(),
                                o["address"].toString(), o["use"].toString(),
                                o["place"].toString(),   o["finding"].toString()}
                        .join('|');
        }
        QCOMPARE(rows, QStringList({"DEV001|R|2000|object|#1 Screen 1 'NUM1' (Numeric)|",
                                    "GONE|M|0|object|#1 Screen 1 'LIGHT1' (Indicator Light)|device",
                                    "|||screen|#2 Lost|unreached"}));
    }

    void usageErrorsExitTwo()
    {
        QByteArray out, err;
        QCOMPARE(Xref({}, &out, &err), 2);
        QVERIFY(err.contains("usage: qv-cli xref IN.cgp"));
        QCOMPARE(Xref({"a.cgp", "--csv", "--json"}, &out, &err), 2);
        QCOMPARE(Xref({"a.cgp", "--xml"}, &out, &err), 2);
        QCOMPARE(Xref({"a.cgp", "b.cgp"}, &out, &err), 2);
    }

    void anUnreadablePackageExitsThree()
    {
        QTemporaryDir dir;
        const QString pkg = dir.path() + "/broken.cgp";
        QVERIFY(TestSupport::WriteFile(pkg, QByteArray("PK\x03\x04 not a zip", 15)));
        QByteArray out, err;
        QCOMPARE(Xref({pkg, "--csv"}, &out, &err), 3);
        QVERIFY(err.contains("Error GUI-004 : This file can't open"));
        QVERIFY(out.isEmpty());
        QCOMPARE(Xref({dir.path() + "/missing.cgp"}, &out, &err), 3);
    }
};

QTEST_GUILESS_MAIN(TestCliXref)
#include "test_cli_xref.moc"
