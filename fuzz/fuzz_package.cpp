// A whole package (ZIP) through the project storage, from memory: unpacked
// into the project folder, Prj.ini and the project document read; then
// closed. Nothing may be written outside the project folders.
#include "FuzzSupport.h"
#include "app/ProjectStorage.h"

#include <QDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CTessanApp& app = FuzzSupport::App();
    CProjectStorage storage(app);
    if (storage.UnpackPackageBytes(FuzzSupport::Bytes(data, size), QStringLiteral("P")))
        storage.LoadProjectFolder(FuzzSupport::Dir(), app.model.info.name);
    storage.CloseProject();
    // Nothing may land beside the program folder's own files.
    const QStringList top =
        QDir(FuzzSupport::Dir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    for (const QString& name : top)
        if (name != QLatin1String("Temp") && name != QLatin1String("Project")
            && name != QLatin1String("out"))
            __builtin_trap(); // written outside the project folders
    return 0;
}
