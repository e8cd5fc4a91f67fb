#include "LoadedScreenDocuments.h"
#include "base/CoreLimits.h"
#include "base/SafePath.h"
#include "project/ScreenObject.h"

#include <QFileInfo>

std::unique_ptr<CTessanDoc> CLoadedScreenDocuments::load(const CScreenObject& screen)
{
    QString path;
    if (!SafeJoin(app_.ProjectFolder(),
                  ScreenTitle(app_.model.info.name, screen.number, screen.name), &path)
        || !QFileInfo(path).isFile())
        return nullptr;
    auto doc = std::make_unique<CTessanDoc>(&app_);
    if (!doc->Load(path))
        return nullptr;
    doc->Container().SetPaperSize(QSize(CoreLimits::kPanelWidth, CoreLimits::kPanelHeight));
    doc->TakeAsSaved();
    return doc;
}

int CLoadedScreenDocuments::LoadAll()
{
    docs_.clear();
    for (const auto& screen : app_.model.screens)
        if (auto doc = load(*screen))
            docs_.push_back({screen->number, std::move(doc)});
    return Count();
}

CTessanDoc* CLoadedScreenDocuments::Open(int screenNumber)
{
    if (CTessanDoc* doc = Document(screenNumber))
        return doc;
    const CScreenObject* screen = app_.model.FindScreen(screenNumber);
    if (!screen)
        return nullptr;
    auto doc = load(*screen);
    if (!doc)
        return nullptr;
    docs_.push_back({screenNumber, std::move(doc)});
    return docs_.back().doc.get();
}

void CLoadedScreenDocuments::Forget(int screenNumber)
{
    std::erase_if(docs_, [&](const Entry& e) { return e.number == screenNumber; });
}

void CLoadedScreenDocuments::Renumber(int oldNumber, int newNumber)
{
    if (oldNumber == newNumber)
        return;
    Forget(newNumber);
    for (auto& e : docs_)
        if (e.number == oldNumber)
            e.number = newNumber;
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

void CLoadedScreenDocuments::TakeAllAsSaved()
{
    for (const auto& e : docs_)
        e.doc->TakeAsSaved();
}

bool CLoadedScreenDocuments::AnyModified() const
{
    for (const auto& e : docs_)
        if (e.doc->IsModified())
            return true;
    return false;
}
