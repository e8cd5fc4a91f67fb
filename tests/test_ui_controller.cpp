// The editor's project controller: the save question, opening a package that
// cannot be opened, and the signals that panes follow.
#include "TestSupport.h"
#include "app/TessanApp.h"
#include "project/ProtocolTables.h"
#include "ui/document/ProjectController.h"

#include <QSignalSpy>
#include <QTest>

using namespace TestSupport;

namespace {
const QString kVSeq = QString::fromLatin1(ProtocolTables::kVardoVSequence);
const QString kSaveQuestion = QStringLiteral("Project data has been modified, save it?");
} // namespace

class TestUiController : public QObject
{
    Q_OBJECT
private slots:
    void newProjectHasItsFirstScreenAndTellsThePanes()
    {
        CTestProgramFolder f;
        CProjectController c(f.App());
        QSignalSpy opened(&c, &CProjectController::projectOpened);
        QSignalSpy screens(&c, &CProjectController::screenListChanged);
        QVERIFY(c.NewProject("Line1", f.Dir() + "/P", "RU03", kVSeq));
        QVERIFY(c.HasProject());
        QCOMPARE(opened.count(), 1);
        QVERIFY(screens.count() >= 1);
        QCOMPARE(int(f.App().model.screens.size()), 1);
        QCOMPARE(c.ScreenTitle(1), QStringLiteral("Line1.cgp - #1 Screen 1"));
        QVERIFY(c.ScreenDocument(1));
        QVERIFY(!c.ScreenDocument(2));
    }

    void saveQuestionAnswers()
    {
        CTestProgramFolder f;
        CProjectController c(f.App());
        QDir().mkpath(f.Dir() + "/P");
        QVERIFY(c.NewProject("Line1", f.Dir() + "/P", "RU03", kVSeq));
        const QString package = f.Dir() + "/P/Line1.cgp";

        // Modified: Cancel stops and saves nothing.
        f.answers = {MessageAnswer::Cancel};
        QVERIFY(!c.AskToSave());
        QCOMPARE(f.messages.last().first, kSaveQuestion);
        QVERIFY(!QFile::exists(package));
        // No goes on without saving.
        f.answers = {MessageAnswer::No};
        QVERIFY(c.AskToSave());
        QVERIFY(!QFile::exists(package));
        // Yes saves, and the project is no longer modified.
        f.answers = {MessageAnswer::Yes};
        QVERIFY(c.AskToSave());
        QVERIFY(QFile::exists(package));
        QVERIFY(!c.IsModified());
        // Nothing modified: no question at all.
        const auto asked = f.messages.size();
        QVERIFY(c.AskToSave());
        QCOMPARE(f.messages.size(), asked);
    }

    void failedOpenLeavesTheOpenProject()
    {
        CTestProgramFolder f;
        CProjectController c(f.App());
        QVERIFY(c.NewProject("Line1", f.Dir() + "/P", "RU03", kVSeq));
        f.App().model.AddScreen(7, "Pump");
        WriteFile(f.Dir() + "/Broken.cgp", "not a zip at all");
        QSignalSpy closed(&c, &CProjectController::projectClosed);

        QVERIFY(!c.OpenProject(f.Dir(), "Broken"));
        QCOMPARE(f.messages.last(),
                 qMakePair(QStringLiteral("Error GUI-004 : This file can't open"),
                           QStringLiteral("Error")));
        QCOMPARE(f.kinds.last(), MessageKind::Error);
        QVERIFY(c.HasProject());
        QCOMPARE(closed.count(), 0);
        QCOMPARE(c.ProjectName(), QStringLiteral("Line1"));
        QVERIFY(c.App().model.FindScreen(7));
        QVERIFY(c.ScreenDocument(1));
    }

    void openReplacesTheProjectAndSendsOutput()
    {
        CTestProgramFolder f;
        CProjectController c(f.App());
        QDir().mkpath(f.Dir() + "/P");
        QVERIFY(c.NewProject("Line1", f.Dir() + "/P", "RU03", kVSeq));
        QVERIFY(c.SaveProject());
        QVERIFY(c.NewProject("Other", f.Dir() + "/P", "RU03", kVSeq));
        QVERIFY(c.OpenProject(f.Dir() + "/P", "Line1"));
        QCOMPARE(c.ProjectName(), QStringLiteral("Line1"));
        QVERIFY(!c.IsModified());

        QSignalSpy lines(&c, &CProjectController::outputLine);
        QSignalSpy cleared(&c, &CProjectController::outputCleared);
        c.ClearOutput();
        c.AppendOutput("one");
        QCOMPARE(cleared.count(), 1);
        QCOMPARE(lines.takeFirst().at(0).toString(), QStringLiteral("one"));
    }
};

QTEST_MAIN(TestUiController)
#include "test_ui_controller.moc"
