// A whole package (ZIP) opened through the project storage: unpacked into
// the project folder, Prj.ini and the project document read; then closed.
#include "FuzzSupport.h"
#include "app/ProjectStorage.h"

#include <QDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CTessanApp& app = FuzzSupport::App();
    const QString location = FuzzSupport::Dir() + QStringLiteral("/packages");
    QDir(location).removeRecursively();
    QDir().mkpath(location);
    FuzzSupport::WriteScratch(QStringLiteral("packages/P.cgp"), FuzzSupport::Bytes(data, size));
    CProjectStorage storage(app);
    storage.OpenProject(location, QStringLiteral("P"));
    storage.CloseProject();
    CProjectStorage::RemoveProjectFolders(app.projectsRoot);
    // Nothing may land beside the program folder's own files.
    const QStringList top = QDir(FuzzSupport::Dir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    for (const QString& name : top)
        if (name != QLatin1String("packages") && name != QLatin1String("Temp")
            && name != QLatin1String("Project") && name != QLatin1String("out"))
            __builtin_trap(); // written outside the project folders
    return 0;
}
