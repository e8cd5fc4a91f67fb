// The project report read back from its PDF by independent tools (poppler's
// pdfinfo, pdftotext, pdffonts and pdftoppm): its pages, the contents'
// page numbers against the pages they name, every screen name, object name
// and register, the Chinese face, the screen pictures as the panel's
// renderer draws them (sharp, registers 0), the cross-reference with its
// findings, unsaved edits and unreadable screen files; and qv-cli report
// with its options and refusals.
#include "CompileTestProject.h"
#include "app/Compiler.h"
#include "app/ObjectRegisters.h"
#include "app/ProjectReport.h"
#include "app/ProjectScreenObjects.h"
#include "app/ProjectStorage.h"
#include "app/ReportScreenPictures.h"
#include "runtime/PanelFrame.h"
#include "runtime/PanelSimulator.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/ObjectBarMeter.h"
#include "screen/ObjectDynamicText.h"
#include "screen/ObjectIndicatorLight.h"
#include "screen/ObjectNumeric.h"
#include "screen/ObjectStaticText.h"
#include "screen/ObjectString.h"
#include "screen/ObjectTrendMeter.h"

#include <QImage>
#include <QPageLayout>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

namespace {

using Objects = std::vector<std::unique_ptr<CDiagramEntity>>;

QString tool(const char* name)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

// The output of a poppler tool; the test fails when it cannot run.
QString poppler(const char* name, const QStringList& args)
{
    QByteArray out, err;
    const int rc = TestSupport::Run(tool(name), args, &out, &err, 120000);
    if (rc != 0)
        qWarning("%s %s failed (%d): %s", name, qPrintable(args.join(' ')), rc, err.constData());
    return QString::fromUtf8(out);
}

int pdfPages(const QString& pdf)
{
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(poppler("pdfinfo", {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// The text of every page, in page order (index 0 is page 1).
QStringList pageTexts(const QString& pdf)
{
    QStringList pages = poppler("pdftotext", {QStringLiteral("-layout"), pdf, QStringLiteral("-")})
                            .split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

template <class T>
std::unique_ptr<T> named(const CProjectModel& m, const QString& name, int l, int t, int r, int b)
{
    std::unique_ptr<T> o;
    if constexpr (std::is_constructible_v<T, const CProjectModel*>)
        o = std::make_unique<T>(&m);
    else
        o = std::make_unique<T>();
    o->SetRect(l, t, r, b);
    o->SetName(name);
    return o;
}

// A project of three screens: every kind on screen 1 (each on a register of
// its own), a Chinese name on screen 2 and a screen 3 without objects; an
// alarm with a Chinese message and keys of every function.
struct CReportProject : CCompileTestProject
{
    CReportProject()
    {
        const CProjectModel& m = App().model;
        // Named first: a screen's file is named after its screen.
        AddScreen(1);
        AddScreen(2);
        AddScreen(3);
        App().model.FindScreen(1)->name = QStringLiteral("Home");
        App().model.FindScreen(2)->name = QStringLiteral("泵站");
        App().model.FindScreen(3)->name = QStringLiteral("Empty");
        Objects one;
        auto text = named<CObjectStaticText>(m, QStringLiteral("TitleText"), 0, 0, 60, 16);
        one.push_back(std::move(text));
        auto dyn = named<CObjectDynamicText>(m, QStringLiteral("PumpState"), 64, 0, 120, 16);
        dyn->texts = {QStringLiteral("STOP"), QStringLiteral("RUN")};
        dyn->reg.address = 0101;
        one.push_back(std::move(dyn));
        auto bar = named<CObjectBarMeter>(m, QStringLiteral("LevelBar"), 0, 20, 10, 60);
        bar->reg.address = 0102;
        bar->minimum = 10;
        bar->maximum = 900;
        one.push_back(std::move(bar));
        auto trend = named<CObjectTrendMeter>(m, QStringLiteral("FlowTrend"), 12, 20, 70, 60);
        trend->reg.address = 0103;
        one.push_back(std::move(trend));
        auto light = named<CObjectIndicatorLight>(m, QStringLiteral("AlarmLamp"), 72, 20, 88, 36);
        light->coil.address = 017;
        light->coil.deviceName = QStringLiteral("DEV009"); // no such device
        one.push_back(std::move(light));
        auto number = named<CObjectNumeric>(m, QStringLiteral("SetPoint"), 90, 20, 140, 36);
        number->reg.address = 0104;
        number->isSigned = 1;
        one.push_back(std::move(number));
        auto string = named<CObjectString>(m, QStringLiteral("BatchName"), 90, 40, 180, 56);
        string->reg.address = 0110;
        string->registerCount = 4;
        one.push_back(std::move(string));
        WriteScreenFile(1, std::move(one));
        Objects two;
        two.push_back(named<CObjectNumeric>(m, QStringLiteral("TankLevel"), 0, 0, 50, 16));
        static_cast<CObjectNumeric&>(*two.back()).reg.address = 0200;
        WriteScreenFile(2, std::move(two));
        WriteScreenFile(3, {});

        CScreenObject& home = *App().model.FindScreen(1);
        home.keys[0].used = 1;
        home.keys[0].functionType = 2;
        home.keys[0].screenChg.screenNumber = 2;
        home.keys[1].used = 1;
        home.keys[1].functionType = 1;
        home.keys[1].password = 1;
        home.keys[1].setReg.reg.address = 0300;
        home.keys[1].setReg.value = 750;
        home.keys[2].used = 1;
        home.keys[2].functionType = 0;
        home.keys[2].setCoil.coil.address = 020;
        home.keys[2].showDescription = 1;
        home.keys[2].description = QStringLiteral("HORN");

        CAlarmObject alarm(&App().model);
        alarm.coil.address = 040;
        alarm.message = QStringLiteral("水位过高");
        App().model.alarms.items.push_back(alarm);
        App().model.info.companyName = QStringLiteral("Acme Water");
    }

    // The report through a PDF writer; its page count.
    int Write(const QString& pdf, const QString& lang = QStringLiteral("en"),
              const CProjectScreenObjects::LoadedScreens& loaded = {})
    {
        CProjectReport report(App(), loaded, lang);
        QString error;
        if (!report.Prepare(&error)) {
            qWarning("%s", qPrintable(error));
            return -1;
        }
        QPdfWriter writer(pdf);
        writer.setResolution(150);
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        return report.Print(writer);
    }
};

// The text in the order it was drawn, blanks and line breaks as one blank:
// a cell that wraps reads as one run.
QString drawnText(const QString& pdf)
{
    return poppler("pdftotext", {QStringLiteral("-raw"), pdf, QStringLiteral("-")}).simplified();
}

// The page (1-based) that the contents line starting with `title` names.
int contentsPage(const QStringList& pages, const QString& title)
{
    const QRegularExpression line(QStringLiteral("^\\s*") + QRegularExpression::escape(title)
                                      + QStringLiteral("\\s.*?(\\d+)\\s*$"),
                                  QRegularExpression::MultilineOption);
    for (const QString& page : pages) {
        const QRegularExpressionMatch m = line.match(page);
        if (m.hasMatch())
            return m.captured(1).toInt();
    }
    return -1;
}

} // namespace

class TestProjectReport : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        for (const char* t : {"pdfinfo", "pdftotext", "pdffonts", "pdftoppm"})
            QVERIFY2(!tool(t).isEmpty(), "poppler-utils is not installed (tools/install-deps.sh)");
    }

    // Everything a reader looks for is in the text, on the page the contents
    // name, under page numbers that count the pages there are.
    void pdfHoldsTheProject()
    {
        CReportProject p;
        const QString pdf = p.Dir() + QStringLiteral("/report.pdf");
        const int pages = p.Write(pdf);
        QVERIFY(pages > 5);
        QCOMPARE(pdfPages(pdf), pages);
        const QStringList text = pageTexts(pdf);
        QCOMPARE(text.size(), pages);
        const QString all = drawnText(pdf);

        for (const char* name :
             {"Home", "泵站", "Empty", "TitleText", "PumpState", "LevelBar", "FlowTrend",
              "AlarmLamp", "SetPoint", "BatchName", "TankLevel", "水位过高", "Acme Water"})
            QVERIFY2(all.contains(QString::fromUtf8(name)), name);
        for (const char* reg :
             {"DEV001.R.101", "DEV001.R.102", "DEV001.R.103", "DEV009.M.17", "DEV001.R.104",
              "DEV001.R.110", "DEV001.R.200", "DEV001.R.300", "DEV001.M.20", "DEV001.M.40"})
            QVERIFY2(all.contains(QString::fromLatin1(reg)), reg);
        // Formats, ranges and keys in their words.
        QVERIFY(all.contains(QStringLiteral("Signed 16-bit")));
        QVERIFY(all.contains(QStringLiteral("10 .. 900")));
        QVERIFY(all.contains(QStringLiteral("String, 4 registers")));
        QVERIFY(all.contains(QStringLiteral("STOP | RUN")));
        QVERIFY(all.contains(QStringLiteral("Screen 2")));
        QVERIFY(all.contains(QStringLiteral("DEV001.R.300 = 750")));
        QVERIFY(all.contains(QStringLiteral("HORN")));
        QVERIFY(all.contains(QStringLiteral("The screen has no objects.")));
        // Last, the cross-reference: the uses and the one finding.
        const QString xref = text.last();
        QVERIFY(xref.contains(QStringLiteral("a reference to a device that does not exist")));
        QVERIFY(xref.contains(QStringLiteral("DEV009")));
        QVERIFY(xref.contains(QStringLiteral("alarm")));

        // Every page carries its number of the whole; the contents point at
        // the pages that hold their headings.
        for (int i = 0; i < pages; ++i)
            QVERIFY2(text[i].contains(QStringLiteral("Page %1 of %2").arg(i + 1).arg(pages)),
                     qPrintable(text[i]));
        for (const QString& title :
             {QStringLiteral("Panel Configuration"), QStringLiteral("Alarms"),
              QStringLiteral("Screen 1: Home"), QStringLiteral("Screen 2: 泵站"),
              QStringLiteral("Screen 3: Empty"), QStringLiteral("Cross-Reference")}) {
            const int page = contentsPage(text, title);
            QVERIFY2(page > 2 && page <= pages, qPrintable(title));
            QVERIFY2(text[page - 1].trimmed().startsWith(title),
                     qPrintable(title + QLatin1Char('\n') + text[page - 1]));
        }
        // The Chinese texts are set in the WenQuanYi face.
        QVERIFY(poppler("pdffonts", {pdf}).contains(QStringLiteral("WenQuanYi")));

        // The page of screen 1 shows its picture: not blank, and dark in the
        // middle band where the picture lies.
        const int home = contentsPage(text, QStringLiteral("Screen 1: Home"));
        const QString png = p.Dir() + QStringLiteral("/page");
        poppler("pdftoppm", {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("50"),
                             QStringLiteral("-f"), QString::number(home), QStringLiteral("-l"),
                             QString::number(home), QStringLiteral("-singlefile"), pdf, png});
        const QImage page(png + QStringLiteral(".png"));
        QVERIFY(!page.isNull());
        int dark = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                dark += qGray(page.pixel(x, y)) < 128;
        QVERIFY2(dark > 500, qPrintable(QString::number(dark)));
        QVERIFY(dark < page.width() * page.height() / 2);
    }

    // The picture is the panel renderer's frame with registers 0 and coils
    // off, each panel pixel a sharp square of the scale.
    void picturesAreThePanelsFrames()
    {
        CReportProject p;
        CReportScreenPictures pictures(p.App(), {});
        QString error;
        QVERIFY2(pictures.Compile(&error), qPrintable(error));
        QVERIFY(pictures.ImageBytes() > 0);
        QVERIFY(pictures.Picture(4, 2).isNull());

        // The simulated panel starts on screen 1 with every value 0.
        CPanelSimulator panel;
        QVERIFY(p.Compile());
        QVERIFY2(panel.Load(p.App().runtimeImage, &error), qPrintable(error));
        const CPanelFrame frame = panel.Frame();
        QVERIFY(frame.DarkPixels() > 0);
        const int scale = 3;
        const QImage picture = pictures.Picture(1, scale);
        QCOMPARE(picture.size(), QSize(192 * scale, 64 * scale));
        // The trend meter aside: the running panel has taken a sample there.
        const QRect trend(12, 20, 59, 41);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (!trend.contains(x / scale, y / scale)
                    && (qGray(picture.pixel(x, y)) < 128) != frame.Pixel(x / scale, y / scale))
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
    }

    // A loaded screen is reported with its unsaved edits; a screen whose
    // file cannot be read says so and the rest goes on.
    void unsavedEditsAndUnreadableFiles()
    {
        CReportProject p;
        CDiagramEntityContainer edited;
        edited.SetPaperSize(QSize(192, 64));
        auto extra =
            named<CObjectNumeric>(p.App().model, QStringLiteral("UnsavedOne"), 0, 40, 40, 56);
        extra->reg.address = 0500;
        edited.AddLoaded(std::move(extra));
        const CProjectScreenObjects files(p.App(), {});
        QVERIFY(QFile::remove(files.FilePath(*p.App().model.FindScreen(2))));

        const QString pdf = p.Dir() + QStringLiteral("/edited.pdf");
        const int pages = p.Write(pdf, QStringLiteral("en"), [&edited](int number) {
            return number == 3 ? &edited : nullptr;
        });
        QVERIFY(pages > 0);
        const QString all = drawnText(pdf);
        QVERIFY(all.contains(QStringLiteral("UnsavedOne")));
        QVERIFY(all.contains(QStringLiteral("DEV001.R.500")));
        QVERIFY(all.contains(QStringLiteral("The screen file cannot be read.")));
        QVERIFY(!all.contains(QStringLiteral("TankLevel")));
        QVERIFY(all.contains(QStringLiteral("PumpState")));
    }

    // The Chinese report: headings from the language file, in the WenQuanYi face.
    void chineseHeadings()
    {
        CReportProject p;
        const QString pdf = p.Dir() + QStringLiteral("/chs.pdf");
        const int pages = p.Write(pdf, QStringLiteral("chs"));
        QVERIFY(pages > 0);
        const QString all = drawnText(pdf);
        for (const char* heading :
             {"目录", "面板配置", "通讯与设备", "报警", "功能键", "画面 2：泵站"})
            QVERIFY2(all.contains(QString::fromUtf8(heading)), heading);
        QVERIFY(all.contains(QStringLiteral("第 1 页，共 %1 页").arg(pages)));
        // The cross-reference's uses, places and findings too.
        for (const char* chinese : {"报警 1", "设备不存在", "置位 ON"})
            QVERIFY2(all.contains(QString::fromUtf8(chinese)), chinese);
        for (const char* english : {"Indicator Light", "Alarm 1", "SET ON", "Set Register"})
            QVERIFY2(!all.contains(QString::fromUtf8(english)), english);
        QVERIFY(
            !all.contains(QRegularExpression(QStringLiteral("\\b(object|key|alarm|device)\\b"))));
        QVERIFY(poppler("pdffonts", {pdf}).contains(QStringLiteral("WenQuanYi")));
    }

    void cliReport()
    {
        QTemporaryDir dir;
        const QString pkg = dir.path() + QStringLiteral("/Example.cgp");
        QVERIFY(QFile::copy(QStringLiteral(QV_SOURCE_DIR "/examples/Example.cgp"), pkg));
        const QString pdf = dir.path() + QStringLiteral("/Example.pdf");
        QByteArray out, err;
        auto report = [&](const QStringList& args) {
            return TestSupport::Run(TestSupport::QvCli(),
                                    QStringList{QStringLiteral("report")} + args, &out, &err,
                                    120000);
        };
        QCOMPARE(report({pkg, QStringLiteral("-o"), pdf}), 0);
        const int pages = pdfPages(pdf);
        QVERIFY(pages > 3);
        QVERIFY(QString::fromUtf8(out).contains(QStringLiteral("%1 pages").arg(pages)));
        QVERIFY(poppler("pdfinfo", {pdf}).contains(QStringLiteral("595 x 842"))); // A4

        // Every screen name, object name and register of the example.
        CTestProgramFolder folder;
        CProjectStorage storage(folder.App());
        QString location, name;
        QVERIFY(CProjectStorage::SplitPackagePath(pkg, &location, &name));
        QVERIFY(storage.OpenProject(location, name));
        const QString all = drawnText(pdf);
        int objects = 0;
        CProjectScreenObjects(folder.App(), {})
            .ForEach(
                [&](const CScreenObject& screen, const CDiagramEntityContainer& container, bool) {
                    QVERIFY2(all.contains(screen.name), qPrintable(screen.name));
                    for (int i = 0; i < container.GetSize(); ++i) {
                        const CDiagramEntity& o = *container.GetAt(i);
                        QVERIFY2(all.contains(o.GetName()), qPrintable(o.GetName()));
                        for (const RegisterRef* r : ObjectRegisters(o))
                            QVERIFY2(all.contains(r->ToText()), qPrintable(r->ToText()));
                        ++objects;
                    }
                });
        QVERIFY(objects > 5);

        const QString letter = dir.path() + QStringLiteral("/letter.pdf");
        QCOMPARE(
            report({pkg, QStringLiteral("-o"), letter, QStringLiteral("--lang"),
                    QStringLiteral("chs"), QStringLiteral("--paper"), QStringLiteral("letter")}),
            0);
        QVERIFY(poppler("pdfinfo", {letter}).contains(QStringLiteral("612 x 792")));
        QVERIFY(pageTexts(letter).join(QString()).contains(QStringLiteral("目录")));

        // Refusals: usage errors, a package it cannot read, a file it cannot
        // write; none leaves a file behind.
        const QString none = dir.path() + QStringLiteral("/none.pdf");
        QCOMPARE(report({pkg, QStringLiteral("-o"), none, QStringLiteral("--lang"),
                         QStringLiteral("fr")}),
                 2);
        QCOMPARE(report({pkg, QStringLiteral("-o"), none, QStringLiteral("--paper"),
                         QStringLiteral("a3")}),
                 2);
        QCOMPARE(report({pkg}), 2);
        QCOMPARE(report({dir.path() + QStringLiteral("/missing.cgp"), QStringLiteral("-o"), none}),
                 3);
        QVERIFY(TestSupport::WriteFile(dir.path() + QStringLiteral("/bad.cgp"), "not a zip file"));
        QCOMPARE(report({dir.path() + QStringLiteral("/bad.cgp"), QStringLiteral("-o"), none}), 3);
        QVERIFY(!QFile::exists(none));
        QCOMPARE(report({pkg, QStringLiteral("-o"),
                         dir.path() + QStringLiteral("/no/such/folder/r.pdf")}),
                 3);
        QVERIFY(QString::fromUtf8(err).contains(QStringLiteral("cannot write")));
    }
};

QTEST_MAIN(TestProjectReport)
#include "test_project_report.moc"
