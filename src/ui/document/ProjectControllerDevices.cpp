// The device renames of the Panel Manager and the questions about device and
// bitmap uses: both look at every screen's objects as they stand, an open
// screen through its document and any other through its screen file.
#include "ProjectController.h"
#include "ScreenDocument.h"
#include "app/BitmapUses.h"
#include "app/DeviceReferences.h"
#include "app/ProjectScreenObjects.h"
#include "app/TessanApp.h"
#include "base/WholeFile.h"
#include "project/PanelManager.h"
#include "project/ScreenObject.h"
#include "screen/TessanDoc.h"

#include <QDir>
#include <QFileInfo>

namespace {

CProjectScreenObjects EveryScreen(const CProjectController& controller)
{
    return CProjectScreenObjects(
        controller.App(), [&controller](int number) -> const CDiagramEntityContainer* {
            const CScreenDocument* doc = controller.LoadedScreenDocument(number);
            return doc ? &doc->Container() : nullptr;
        });
}

} // namespace

QStringList CProjectController::DeviceUses(const QString& deviceName) const
{
    if (!hasProject_)
        return {};
    return DeviceReferences::Uses(app_, EveryScreen(*this), deviceName);
}

QStringList CProjectController::BitmapUses(const QString& fileName) const
{
    if (!hasProject_)
        return {};
    return ProjectBitmapUses(EveryScreen(*this), fileName);
}

bool CProjectController::RenameDevices(const CPanelManager& panel,
                                       const QMap<QString, QString>& renames)
{
    if (!hasProject_)
        return false;
    bool changed = false;
    if (!(app_.model.panelManager == panel)) {
        app_.model.panelManager = panel;
        changed = true;
    }
    QMap<QString, QString> effective;
    for (auto it = renames.cbegin(); it != renames.cend(); ++it)
        if (it.key() != it.value())
            effective.insert(it.key(), it.value());
    if (!changed && effective.isEmpty())
        return false;

    const bool alarms = DeviceReferences::Rename(app_.model.alarms, effective);
    const bool exchange = DeviceReferences::Rename(app_.model.plcAndPanel, effective);
    QList<int> keyScreens;
    for (const auto& screen : app_.model.screens)
        if (DeviceReferences::Rename(*screen, effective))
            keyScreens << screen->number;

    // The objects: a loaded screen's objects and every state its undo and
    // redo could bring back (no undo step of its own), any other screen's
    // file rewritten whole.
    const CProjectScreenObjects screens = EveryScreen(*this);
    for (const auto& screen : app_.model.screens) {
        if (CScreenDocument* doc = LoadedScreenDocument(screen->number)) {
            changed |= doc->Rewrite([&effective](CDiagramEntity& object) {
                return DeviceReferences::Rename(object, effective);
            });
            continue;
        }
        const QString path = screens.FilePath(*screen);
        CDiagramEntityContainer objects;
        if (path.isEmpty() || !QFileInfo(path).isFile()
            || !CTessanDoc::LoadFile(path, objects, app_.model.IsLegacyRangeMode(), &app_.model)
            || !DeviceReferences::Rename(objects, effective))
            continue;
        if (!WriteWholeFile(path, CTessanDoc::WriteBytes(objects)))
            Messages().ShowError(text(QStringLiteral("The file %1 can't be written"))
                                     .arg(QDir::toNativeSeparators(path)),
                                 text(QStringLiteral("Error")));
        changed = true;
    }

    changed = changed || alarms || exchange || !keyScreens.isEmpty();
    if (!changed)
        return false;
    NotifyModifiedChanged();
    emit panelManagerChanged();
    if (alarms)
        emit alarmsChanged();
    if (exchange)
        emit plcAndPanelChanged();
    for (int number : std::as_const(keyScreens))
        emit screenOptionsChanged(number);
    return true;
}
