// The questions and edits that look at every screen: deleting a project
// bitmap that static bitmap objects show, and device renames and deletes in
// the Panel Manager. Every screen counts as it stands: an open screen with
// its unsaved edits, any other from its screen file.
#include "ModalDriver.h"
#include "TestSupport.h"
#include "app/BitmapLibrary.h"
#include "app/ScreenCommands.h"
#include "project/AlarmObject.h"
#include "project/PanelManager.h"
#include "project/PlcAndPanelAlternation.h"
#include "project/ScreenObject.h"
#include "project/ProtocolTables.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/ObjectFactory.h"
#include "screen/ObjectIndicatorLight.h"
#include "screen/ObjectKind.h"
#include "screen/ObjectNumeric.h"
#include "screen/ObjectStaticBitmap.h"
#include "screen/TessanDoc.h"
#include "ui/document/ProjectController.h"
#include "ui/document/ScreenDocument.h"
#include "ui/screen/BitmapThumbnailModel.h"
#include "ui/screen/DlgBitmapManager.h"
#include "ui/transfer/DlgPanelManager.h"
#include "ui/transfer/SetupCommands.h"
#include "ui_DlgBitmapManager.h"
#include "ui_DlgPanelManager.h"

#include <QDir>
#include <QImage>
#include <QListView>
#include <QPushButton>
#include "ScreenTestObjects.h"

#include <QTest>
#include <QTreeWidget>

namespace {

const QString kVSeq = QString::fromLatin1(ProtocolTables::kVardoVSequence);

std::unique_ptr<CDiagramEntity> Bitmap(const QString& name, const QString& folder,
                                       const QString& file)
{
    auto o = CreateObjectOfKind(OBJ_STATIC_BITMAP);
    o->SetName(name);
    o->SetRect(0, 0, 16, 16);
    auto& b = static_cast<CObjectStaticBitmap&>(*o);
    b.folder = folder;
    b.fileName = file;
    return o;
}

using ScreenTestObjects::Light;
using ScreenTestObjects::Numeric;

// A project Line1 with screens 1 and 2; screen 1 is open in a document.
struct Project
{
    CTestProgramFolder folder;
    CProjectController controller{folder.App()};

    Project()
    {
        QDir().mkpath(folder.Dir() + "/P");
        controller.NewProject("Line1", folder.Dir() + "/P", "RU03", kVSeq);
        controller.NewScreen(2, "Second");
    }
    const CTessanApp& app() const { return std::as_const(controller).App(); }
    QString ScreenFile(int number) const
    {
        QString path;
        ScreenCommands::ScreenFilePath(app(), number,
                                       controller.App().model.FindScreen(number)->name, &path);
        return path;
    }
    // Screen 2's file, written as a closed screen holds it.
    void WriteScreen2(std::unique_ptr<CDiagramEntity> a, std::unique_ptr<CDiagramEntity> b)
    {
        CDiagramEntityContainer objects;
        objects.SetPaperSize(QSize(192, 64));
        objects.AddLoaded(std::move(a));
        objects.AddLoaded(std::move(b));
        QVERIFY(CTessanDoc::SaveFile(ScreenFile(2), objects));
    }
    // Screen 1 open, with `object` added as an unsaved edit.
    CScreenDocument* OpenScreen1With(std::unique_ptr<CDiagramEntity> object)
    {
        CScreenDocument* doc = controller.ScreenDocument(1);
        std::shared_ptr<CDiagramEntity> held(std::move(object));
        doc->Edit([held](CDiagramEntityContainer& c) { c.Add(held->Clone()); });
        return doc;
    }
    QString DeviceOf2(int index)
    {
        CDiagramEntityContainer objects;
        CTessanDoc::LoadFile(ScreenFile(2), objects, false);
        const CDiagramEntity* o = objects.Objects()[size_t(index)].get();
        if (auto* n = dynamic_cast<const CObjectNumeric*>(o))
            return n->reg.deviceName;
        if (auto* l = dynamic_cast<const CObjectIndicatorLight*>(o))
            return l->coil.deviceName;
        return QString();
    }
};

QString DeviceOf(const CDiagramEntity* o)
{
    if (auto* n = dynamic_cast<const CObjectNumeric*>(o))
        return n->reg.deviceName;
    if (auto* l = dynamic_cast<const CObjectIndicatorLight*>(o))
        return l->coil.deviceName;
    return QString();
}

} // namespace

class TestUiReferenceUses : public QObject
{
    Q_OBJECT
private slots:
    void deletingAUsedBitmapNamesEveryUse()
    {
        Project p;
        QTemporaryDir outside;
        QImage picture(16, 16, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QVERIFY(picture.save(outside.path() + "/pump.bmp", "BMP"));
        QVERIFY(picture.save(outside.path() + "/free.bmp", "BMP"));
        QVERIFY(p.controller.ImportBitmap(outside.path() + "/pump.bmp")
                == CBitmapLibrary::ImportResult::Imported);
        QVERIFY(p.controller.ImportBitmap(outside.path() + "/free.bmp")
                == CBitmapLibrary::ImportResult::Imported);
        // Screen 2 on disk: one use of the project's bitmap (another case),
        // one of a library bitmap of the same name.
        p.WriteScreen2(Bitmap("BMP2", "", "PUMP.BMP"),
                       Bitmap("BMP3", "BMP_Files\\Arrow", "pump.bmp"));
        // Screen 1 open: its use is an edit not yet saved.
        p.OpenScreen1With(Bitmap("BMP1", "", "pump.bmp"));

        CDlgBitmapManager d(p.controller, QString(), QString());
        auto select = [&d](const QString& name) {
            d.Fields().listBitmaps->setCurrentIndex(d.Files().index(d.Files().RowOf(name)));
        };
        select("pump.bmp");
        p.folder.answers = {MessageAnswer::Cancel};
        QTest::mouseClick(d.Fields().buttonDelete, Qt::LeftButton);
        QCOMPARE(p.folder.questions.size(), 1);
        const MessageQuestion asked = p.folder.questions[0];
        QCOMPARE(asked.buttons, MessageButtons::OkCancel);
        QCOMPARE(asked.defaultButton, MessageAnswer::Cancel);
        QVERIFY2(asked.text.contains("[" + p.controller.ScreenTitle(1) + "] 'BMP1'"),
                 qPrintable(asked.text));
        QVERIFY2(asked.text.contains("[" + p.controller.ScreenTitle(2) + "] 'BMP2'"),
                 qPrintable(asked.text));
        QVERIFY(!asked.text.contains("BMP3"));
        QVERIFY(asked.text.contains("Are you sure you want to delete the bitmap?"));
        QVERIFY(p.app().model.bitmapFiles.contains("pump.bmp"));

        p.folder.answers = {MessageAnswer::Ok};
        QTest::mouseClick(d.Fields().buttonDelete, Qt::LeftButton);
        QCOMPARE(p.folder.questions.size(), 2);
        QVERIFY(!p.app().model.bitmapFiles.contains("pump.bmp"));

        // A bitmap nobody shows: the plain question.
        select("free.bmp");
        p.folder.answers = {MessageAnswer::Cancel};
        QTest::mouseClick(d.Fields().buttonDelete, Qt::LeftButton);
        QCOMPARE(p.folder.questions.last().text,
                 QString("Are you sure you want to delete the bitmap?"));
    }

    void deviceRenameFollowsAtOkAsOneChange()
    {
        Project p;
        CPanelManager panel = p.app().model.panelManager;
        panel.deviceInfo.AddDevice("PUMP");
        QVERIFY(p.controller.SetPanelManager(panel));
        CAlarmObjList alarms;
        alarms.items.resize(1);
        alarms.items[0].coil.deviceName = "PUMP";
        QVERIFY(p.controller.SetAlarms(alarms));
        CPLCAndPanelAlternation exchange = p.app().model.plcAndPanel;
        exchange.panelToPlc.deviceName = "PUMP";
        QVERIFY(p.controller.SetPlcAndPanel(exchange));
        CScreenObject options = *p.app().model.FindScreen(1);
        options.keys[0].setCoil.coil.deviceName = "PUMP";
        options.keys[4].advanced.device.deviceName = "PUMP";
        QVERIFY(p.controller.SetScreenOptions(1, options));
        p.WriteScreen2(Light("LIGHT2", "PUMP"), Numeric("NUM2", "DEV001"));
        CScreenDocument* doc = p.OpenScreen1With(Numeric("NUM1", "PUMP"));
        QVERIFY(p.controller.SaveProject());
        QVERIFY(!p.controller.IsModified());
        const QByteArray screen2Before = TestSupport::ReadFile(p.ScreenFile(2));

        // Renamed in place, then Cancel: nothing changes.
        CModalDriver driver;
        driver.On<CDlgPanelManager>([](CDlgPanelManager* d) {
            d->RenameDevice(1, "MOTOR");
            d->reject();
            return true;
        });
        SetupCommands::PanelManager(nullptr, p.controller);
        QVERIFY(driver.steps.isEmpty());
        QCOMPARE(p.app().model.Devices().devices[1].name, QString("PUMP"));
        QVERIFY(!p.controller.IsModified());
        QCOMPARE(TestSupport::ReadFile(p.ScreenFile(2)), screen2Before);

        // Renamed, and OK: every reference follows; not before OK.
        QString duringEdit;
        driver.On<CDlgPanelManager>([&](CDlgPanelManager* d) {
            d->RenameDevice(1, "MOTOR");
            duringEdit = p.app().model.alarms.items[0].coil.deviceName;
            d->accept();
            return true;
        });
        SetupCommands::PanelManager(nullptr, p.controller);
        QVERIFY(driver.steps.isEmpty());
        QCOMPARE(duringEdit, QString("PUMP"));
        const CProjectModel& m = p.app().model;
        QCOMPARE(m.Devices().devices[1].name, QString("MOTOR"));
        QCOMPARE(m.alarms.items[0].coil.deviceName, QString("MOTOR"));
        QCOMPARE(m.plcAndPanel.panelToPlc.deviceName, QString("MOTOR"));
        QCOMPARE(m.plcAndPanel.plcToPanel.deviceName, QString("DEV001"));
        QCOMPARE(m.FindScreen(1)->keys[0].setCoil.coil.deviceName, QString("MOTOR"));
        QCOMPARE(m.FindScreen(1)->keys[4].advanced.device.deviceName, QString("MOTOR"));
        // The open screen: its objects and every state its undo and redo
        // keep follow, and the rename is no step of its own: undoing every
        // step never brings the old name back.
        const int steps = doc->Container().UndoCount();
        QCOMPARE(DeviceOf(doc->Container().Objects()[doc->Container().Objects().size() - 1]),
                 QString("MOTOR"));
        QVERIFY(doc->IsModified());
        QCOMPARE(doc->Container().UndoCount(), steps);
        // The closed screen: its file rewritten.
        QCOMPARE(p.DeviceOf2(0), QString("MOTOR"));
        QCOMPARE(p.DeviceOf2(1), QString("DEV001"));
        QVERIFY(p.controller.IsModified());
        auto names = [&] {
            QStringList out;
            for (const CDiagramEntity* o : doc->Container().Objects())
                out << DeviceOf(o);
            return out;
        };
        while (doc->CanUndo()) {
            doc->Undo();
            QVERIFY2(!names().contains("PUMP"), qPrintable(names().join(',')));
        }
        while (doc->CanRedo()) {
            doc->Redo();
            QVERIFY2(!names().contains("PUMP"), qPrintable(names().join(',')));
        }
        QCOMPARE(names(), QStringList({"MOTOR"}));
    }

    // A screen counts as modified exactly when it differs from what was
    // saved: an edit undone is none, and a rename that rewrote it is one
    // until the next save.
    void modifiedFollowsTheSavedBytes()
    {
        Project p;
        CScreenDocument* doc = p.OpenScreen1With(Numeric("NUM1", "DEV001"));
        QVERIFY(p.controller.SaveProject());
        QVERIFY(!doc->IsModified());
        QVERIFY(!p.controller.IsModified());
        doc->Edit([](CDiagramEntityContainer& c) { c.GetAt(0)->SetRect(40, 10, 80, 26); });
        QVERIFY(doc->IsModified());
        QVERIFY(p.controller.IsModified());
        doc->Undo();
        QVERIFY(!doc->IsModified());
        QVERIFY(!p.controller.IsModified());
        doc->Redo();
        QVERIFY(p.controller.IsModified());
        doc->Undo();

        // A record set back to what it was is no change either.
        CPanelManager panel = p.app().model.panelManager;
        const CPanelManager saved = panel;
        panel.panelConfig.logTimer = 42;
        QVERIFY(p.controller.SetPanelManager(panel));
        QVERIFY(p.controller.IsModified());
        QVERIFY(p.controller.SetPanelManager(saved));
        QVERIFY(!p.controller.IsModified());

        // Renamed and renamed back: the loaded screen and the records are
        // as saved again.
        CPanelManager renamed = saved;
        renamed.deviceInfo.devices[0].name = "PLC";
        QVERIFY(p.controller.RenameDevices(renamed, {{"DEV001", "PLC"}}));
        QVERIFY(doc->IsModified());
        QVERIFY(p.controller.RenameDevices(saved, {{"PLC", "DEV001"}}));
        QVERIFY(!doc->IsModified());
        QVERIFY(!p.controller.IsModified());
    }

    void deletingAUsedDeviceAsksAndKeepsTheReferences()
    {
        Project p;
        CPanelManager panel = p.app().model.panelManager;
        panel.deviceInfo.AddDevice("PUMP");
        panel.deviceInfo.AddDevice("SPARE");
        QVERIFY(p.controller.SetPanelManager(panel));
        p.WriteScreen2(Light("LIGHT2", "PUMP"), Numeric("NUM2", "DEV001"));
        p.OpenScreen1With(Numeric("NUM1", "PUMP"));

        QList<MessageQuestion> asked;
        CModalDriver driver;
        driver.On<CDlgPanelManager>([&](CDlgPanelManager* d) {
            // A device nobody uses goes without a question.
            d->Fields().tree->setCurrentItem(d->DeviceItem(2));
            d->DeleteDevice();
            asked = p.folder.questions;
            // PUMP is used: Cancel keeps it, OK deletes it.
            d->Fields().tree->setCurrentItem(d->DeviceItem(1));
            p.folder.answers = {MessageAnswer::Cancel};
            d->DeleteDevice();
            p.folder.answers = {MessageAnswer::Ok};
            d->Fields().tree->setCurrentItem(d->DeviceItem(1));
            d->DeleteDevice();
            d->accept();
            return true;
        });
        SetupCommands::PanelManager(nullptr, p.controller);
        QVERIFY(driver.steps.isEmpty());
        QVERIFY(asked.isEmpty());
        QCOMPARE(p.folder.questions.size(), 2);
        const MessageQuestion q = p.folder.questions[0];
        QCOMPARE(q.buttons, MessageButtons::OkCancel);
        QVERIFY2(q.text.contains("[" + p.controller.ScreenTitle(1) + "] 'NUM1'"),
                 qPrintable(q.text));
        QVERIFY2(q.text.contains("[" + p.controller.ScreenTitle(2) + "] 'LIGHT2'"),
                 qPrintable(q.text));
        QVERIFY(!q.text.contains("NUM2"));
        QCOMPARE(p.app().model.Devices().devices.size(), size_t(1));
        // The references stay as they are.
        QCOMPARE(p.DeviceOf2(0), QString("PUMP"));
    }
};

QTEST_MAIN(TestUiReferenceUses)
#include "test_ui_reference_uses.moc"
