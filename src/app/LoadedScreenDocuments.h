#pragma once
#include "screen/TessanDoc.h"
#include "TessanApp.h"

#include <memory>

class CScreenObject;
#include <vector>

// The screens of the open project loaded into documents of their own: all of
// them at once (LoadAll, for resaving a whole project), or one by one as the
// editor opens them (Open). Saving writes each loaded one back through its
// container, under the project's current name.
class CLoadedScreenDocuments : public IOpenScreenDocuments
{
public:
    explicit CLoadedScreenDocuments(CTessanApp& app) : app_(app) {}

    // Loads the screen file of every screen of the model from the project
    // folder; a screen whose file cannot be read stays unloaded (and its file
    // untouched). The paper is the panel's display, as the editor sets it.
    // Returns the number of screens loaded.
    int LoadAll();
    int Count() const { return int(docs_.size()); }
    CTessanDoc* Document(int screenNumber) const;
    // The document of one screen, loaded from its screen file on first use
    // and kept (with its edits) until the project closes; null when the
    // screen does not exist or its file cannot be read.
    CTessanDoc* Open(int screenNumber);
    // Drops a screen's document (the screen was deleted or renamed).
    void Forget(int screenNumber);
    // A renamed screen keeps its document (and its edits) under its new number.
    void Renumber(int oldNumber, int newNumber);

    bool SaveAll(const QString& projectFolder, const QString& projectName) override;
    void Retitle(const QString&) override {}
    bool AnyModified() const override;
    void TakeAllAsSaved() override;
    void CloseAll() override { docs_.clear(); }

private:
    std::unique_ptr<CTessanDoc> load(const CScreenObject& screen);

    struct Entry
    {
        int number;
        std::unique_ptr<CTessanDoc> doc;
    };
    CTessanApp& app_;
    std::vector<Entry> docs_;
};
