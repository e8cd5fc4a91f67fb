#pragma once
#include "screen/TessanDoc.h"
#include "TessanApp.h"

#include <memory>
#include <vector>

// Every screen of the open project loaded into its own document, as if each
// had been opened in the editor: saving writes each one back through the
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

    bool SaveAll(const QString& projectFolder, const QString& projectName) override;
    void Retitle(const QString&) override {}
    bool AnyModified() const override;
    void CloseAll() override { docs_.clear(); }

private:
    struct Entry
    {
        int number;
        std::unique_ptr<CTessanDoc> doc;
    };
    CTessanApp& app_;
    std::vector<Entry> docs_;
};
