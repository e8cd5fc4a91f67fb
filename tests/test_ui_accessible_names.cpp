// Every field of every dialog and property form has an accessible name, so
// that a screen reader (and desktop automation) reads what the user reads:
// a label set as the field's buddy, the text of a check box or radio button,
// or the title of the group that holds it.
#include "TestSupport.h"
#include "app/StartProjectDefaults.h"
#include "app/TessanApp.h"
#include "project/DeviceList.h"
#include "project/ProtocolTables.h"
#include "project/ScreenObject.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/ObjectFactory.h"
#include "ui/app/DlgAbout.h"
#include "ui/app/DlgGridSize.h"
#include "ui/app/DlgStartProject.h"
#include "ui/app/DlgZoom.h"
#include "ui/document/ProjectController.h"
#include "ui/document/ScreenDocument.h"
#include "ui/project/DlgAlarm.h"
#include "ui/project/DlgProjectInfo.h"
#include "ui/project/DlgScreenDelete.h"
#include "ui/project/DlgScreenFunKey.h"
#include "ui/project/DlgScreenNew.h"
#include "ui/project/DlgScreenOption.h"
#include "ui/project/DlgScreenRename.h"
#include "ui/screen/DlgBitmapManager.h"
#include "ui/screen/ObjectEditor.h"
#include "ui/screen/PropertyFormDialog.h"
#include "ui/screen/TessanView.h"
#include "ui/transfer/DlgPanel2Plc.h"
#include "ui/transfer/DlgPanelInfo.h"
#include "ui/transfer/DlgPanelManager.h"
#include "ui/transfer/DlgPassword.h"
#include "ui/transfer/DlgProgress.h"
#include "ui/transfer/DlgProtocol.h"
#include "ui/transfer/DlgTransfer.h"
#include "ui/widgets/RegisterPicker.h"
#include "ui_DlgPanelManager.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>

namespace {

const QString kVSeq = QString::fromLatin1(ProtocolTables::kVardoVSequence);

bool isField(const QWidget* w)
{
    // The parts of a composite field (a spin box's or a combo box's line
    // edit, a list's cell editor) are read through the field itself.
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<const QAbstractSpinBox*>(p) || qobject_cast<const QComboBox*>(p)
            || qobject_cast<const QAbstractItemView*>(p))
            return false;
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w)
           || qobject_cast<const QComboBox*>(w) || qobject_cast<const QTextEdit*>(w)
           || qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QCheckBox*>(w)
           || qobject_cast<const QRadioButton*>(w) || qobject_cast<const QAbstractItemView*>(w)
           || qobject_cast<const QSlider*>(w);
}

// "Dialog: field" for each field without a name.
QStringList unnamedFields(QWidget* dialog, const QString& title)
{
    QStringList out;
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
        if (!isField(w))
            continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        const QString name = a ? a->text(QAccessible::Name).trimmed() : QString();
        if (name.isEmpty())
            out.append(title + QStringLiteral(": ") + w->metaObject()->className()
                       + QLatin1Char(' ') + w->objectName());
    }
    return out;
}

bool noPick(QWidget*, int, RegisterRef&)
{
    return false;
}

} // namespace

class TestUiAccessibleNames : public QObject
{
    Q_OBJECT
private slots:
    void everyFieldOfEveryDialogHasAName()
    {
        CTestProgramFolder f;
        f.App().messages = &f;
        CProjectController c(f.App());
        QVERIFY(c.NewProject("Line1", f.Dir() + "/P", "RU03", kVSeq));
        const CTessanApp& app = c.App();
        const CAppSettings& s = app.settings;
        QStringList missing;
        const auto check = [&](QWidget& dialog, const QString& title) {
            dialog.show();
            QCoreApplication::processEvents();
            missing += unnamedFields(&dialog, title);
            dialog.hide();
        };

        // The main window's and the start dialogs.
        {
            CDlgAbout d(s, app.programVersion);
            check(d, "About");
        }
        {
            CDlgGridSize d(s, 8, 8);
            check(d, "Grid Size");
        }
        {
            CDlgZoom d(s, 100);
            check(d, "Zoom");
        }
        {
            CDlgStartProject d(c, StartProjectDefaults::Initial(f.App()));
            for (int mode = 0; mode < 3; ++mode) {
                d.SetMode(mode);
                check(d, QStringLiteral("Start Project %1").arg(mode));
            }
        }
        {
            CDlgProjectInfo d(s, app.model.info);
            check(d, "Project Information");
        }

        // Screens, function keys, alarms.
        const CScreenObject* screen = app.model.FindScreen(1);
        QVERIFY(screen);
        {
            CDlgScreenNew d(c);
            check(d, "New Screen");
        }
        {
            CDlgScreenRename d(c, 1, screen->name);
            check(d, "Rename Screen");
        }
        {
            CDlgScreenDelete d(c, [](const QList<int>&) {});
            check(d, "Delete Screen");
        }
        {
            CDlgScreenOption d(c, *screen, RunModal, noPick);
            check(d, "Screen Option");
        }
        for (int type = 0; type < 4; ++type) {
            std::array<CFunKeyParams, 5> keys = screen->keys;
            for (CFunKeyParams& key : keys)
                key.functionType = type;
            CDlgScreenFunKey d(c, keys, 0, noPick);
            check(d, QStringLiteral("Function Key %1").arg(type));
        }
        {
            CDlgAlarm d(c, noPick, {}, {});
            check(d, "Alarm");
        }

        // Setup and transfer.
        {
            CPanelManager pm = app.model.panelManager;
            DeviceList::Add(pm.deviceInfo);
            CDlgPanelManager d(s, f, pm);
            check(d, "Panel Manager");
            for (auto* item : {d.PortItem(), d.DeviceItem(1)}) {
                d.Fields().tree->setCurrentItem(item);
                check(d, "Panel Manager " + item->text(0));
            }
        }
        {
            CDlgProtocol d(s, kVSeq, DeviceList::ProtocolDevice(app.model.Devices()));
            check(d, "Protocol");
        }
        {
            CDlgPanel2Plc d(s, f, app.model, app.model.plcAndPanel);
            check(d, "PLC <-> Panel");
        }
        for (int mode : {CDlgPassword::OptionPassword, CDlgPassword::UploadPassword,
                         CDlgPassword::UploadWithStored}) {
            CDlgPassword d(s, mode, QStringLiteral("11112222"));
            check(d, QStringLiteral("Password %1").arg(mode));
        }
        {
            TransferChoice choice;
            choice.port = QStringLiteral("/tmp/ttyRU03");
            CDlgTransfer d(s, 1234, choice);
            check(d, "Transfer");
        }
        {
            CDlgProgress d(s, f, QStringLiteral("Download"));
            check(d, "Progress");
        }
        {
            CDlgPanelInfo d(c, QString());
            check(d, "Panel Information");
        }
        for (int kind : {RegisterRef::KindWord, RegisterRef::KindBit}) {
            CDlgRegister d(s, f, app.model, app.model.plcAndPanel.panelToPlc, kind);
            check(d, QStringLiteral("Set Register %1").arg(kind));
        }
        {
            CDlgBitmapManager d(c, QStringLiteral("BMP_Files\\Arrow"),
                                QStringLiteral("arrow_16_16_RIGHT.bmp"));
            check(d, "Bitmap Manager");
        }

        // The property form of every kind, opened from the editor.
        CScreenDocument* doc = c.ScreenDocument(1);
        CTessanView view(c, doc, 1);
        view.show();
        for (int kind = 0; kind < kObjectKindCount; ++kind) {
            auto o = CreateObjectOfKind(kind, &app.model);
            o->SetRect(8, 8, 72, 40);
            const CDiagramEntity* placed = o.get();
            doc->Edit([&](CDiagramEntityContainer& objects) { objects.Add(std::move(o)); });
            doc->ShowProperties(placed, view.Editor(), true);
            CPropertyFormDialog* form = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* d = qobject_cast<CPropertyFormDialog*>(w); d && d->isVisible())
                    form = d;
            QVERIFY2(form, qPrintable(QString::number(kind)));
            check(*form, form->windowTitle());
            doc->ShowProperties(placed, view.Editor(), false);
        }

        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestUiAccessibleNames)
#include "test_ui_accessible_names.moc"
