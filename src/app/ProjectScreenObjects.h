#pragma once
#include <QString>

#include <functional>

class CDiagramEntityContainer;
class CScreenFileCache;
class CScreenObject;
class CTessanApp;

// The objects of every screen of the open project as they stand: a screen
// loaded in an editor is read from its document (unsaved edits included),
// any other from its screen file in the project folder.
class CProjectScreenObjects
{
public:
    // The loaded screen's objects, null when the screen is not loaded.
    using LoadedScreens = std::function<const CDiagramEntityContainer*(int screenNumber)>;
    using Visitor = std::function<void(const CScreenObject& screen,
                                       const CDiagramEntityContainer& objects, bool loaded)>;

    // With `files`, screen files are parsed through it (kept between calls
    // while their bytes stay the same); without, each is parsed anew.
    CProjectScreenObjects(const CTessanApp& app, LoadedScreens loaded,
                          CScreenFileCache* files = nullptr);

    // Calls `visit` for every screen in the model's order; a screen whose
    // file cannot be read (and is not loaded) is left out.
    void ForEach(const Visitor& visit) const;
    // The same for one screen of the model; false when it is left out.
    bool Visit(const CScreenObject& screen, const Visitor& visit) const;
    // The screen's title as its editor and the Output pane show it.
    QString Title(const CScreenObject& screen) const;
    // The screen file of a screen; empty when its name gives no safe path.
    QString FilePath(const CScreenObject& screen) const;

private:
    const CTessanApp& app_;
    LoadedScreens loaded_;
    CScreenFileCache* files_;
};
