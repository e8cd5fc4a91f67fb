#include "LoadedScreenDocuments.h"
#include "base/SafePath.h"
#include "project/ScreenObject.h"

#include <QFileInfo>

int CLoadedScreenDocuments::LoadAll()
{
    docs_.clear();
    const QString folder = app_.ProjectFolder();
    for (const auto& screen : app_.model.screens) {
        QString path;
        if (!SafeJoin(folder, ScreenTitle(app_.model.info.name, screen->number, screen->name), &path)
            || !QFileInfo(path).isFile())
            continue;
        auto doc = std::make_unique<CTessanDoc>(&app_);
        if (!doc->Load(path))
            continue;
        doc->Container().SetPaperSize(QSize(192, 64));
        doc->Container().SetModified(false);
        docs_.push_back({screen->number, std::move(doc)});
    }
    return Count();
}

CTessanDoc* CLoadedScreenDocuments::Document(int screenNumber) const
{
    for (const auto& e : docs_)
        if (e.number == screenNumber)
            return e.doc.get();
    return nullptr;
}

bool CLoadedScreenDocuments::SaveAll(const QString& projectFolder, const QString& projectName)
{
    bool ok = true;
    for (const auto& e : docs_) {
        const CScreenObject* screen = app_.model.FindScreen(e.number);
        if (!screen)
            continue;
        QString path;
        if (!SafeJoin(projectFolder, ScreenTitle(projectName, e.number, screen->name), &path)
            || !e.doc->Save(path))
            ok = false;
    }
    return ok;
}

bool CLoadedScreenDocuments::AnyModified() const
{
    for (const auto& e : docs_)
        if (e.doc->Container().IsModified())
            return true;
    return false;
}
