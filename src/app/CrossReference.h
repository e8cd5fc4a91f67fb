#pragma once
#include "CrossReferenceFinding.h"
#include "CrossReferenceUse.h"

#include <QSet>
#include <QStringList>
#include <map>
#include <vector>

class CDiagramEntityContainer;
class CProjectModel;
class CProjectScreenObjects;
class CScreenObject;

// Every register and coil of a project with all its uses (screen objects,
// function keys, alarms, PLC <-> Panel, Advanced keys' devices), sorted by
// device, area and address, and the findings to look at before a download.
// The screens' objects come from the screen source: the open documents with
// their unsaved edits, else the screen files. Each screen's uses are kept,
// so that an edit of one screen takes only its objects again.
class CCrossReference
{
public:
    void Build(const CProjectModel& model, const CProjectScreenObjects& screens);
    // Takes screen `number`'s objects again from the source and keeps every
    // other screen's uses as the last build found them: the result is what
    // Build gives when nothing but that screen's objects changed since. False,
    // and nothing done, when there was no build or the model's screens are
    // no longer those of the last build (then Build).
    bool UpdateScreen(const CProjectModel& model, const CProjectScreenObjects& screens, int number);

    const std::vector<CrossReferenceUse>& Uses() const { return uses_; }
    const std::vector<CrossReferenceFinding>& Findings() const { return findings_; }
    bool HasFindings() const { return !findings_.empty(); }
    // The codes of the findings on one use, in the order they were found.
    QStringList FindingsOf(int use) const;
    // The uses whose words take in `ref`'s address (same device and area; a
    // coil's uses for a coil).
    std::vector<int> UsesOf(const RegisterRef& ref) const;
    // A use's place in the order of collection (screens' objects, keys,
    // alarms, PLC <-> Panel): the same use has the same number in every
    // build while its screen and object keep their places. Uses sort by
    // device, area, address, bit and then this.
    quint64 Sequence(int use) const { return facts_[size_t(use)].sequence; }
    // A use's address as the register picker writes it (empty for an
    // Advanced key's device) and its place (CrossReferenceUse::Place), made
    // once with the use.
    const QString& AddressText(int use) const { return facts_[size_t(use)].address; }
    const QString& PlaceText(int use) const { return facts_[size_t(use)].place; }
    // Which build or update took the use: a use of the same sequence and
    // stamp in two states of the cross-reference is the same in both.
    quint32 Stamp(int use) const { return facts_[size_t(use)].stamp; }
    // Whether the use's words take in `ref`'s address (same device and area;
    // a coil's uses for a coil).
    static bool Takes(const CrossReferenceUse& use, const RegisterRef& ref);

private:
    // What is known of a use by itself.
    struct Facts
    {
        quint64 sequence = 0;
        quint32 stamp = 0;
        bool outOfRange = false;
        bool unknownDevice = false;
        QString address;
        QString place;
    };
    // What one screen's objects use, in the uses' order.
    struct ScreenUses
    {
        std::vector<CrossReferenceUse> uses;
        std::vector<Facts> facts;
        QSet<QString> bitmaps; // project bitmaps shown (file names, lower case)
    };
    // The protocol's ranges and the devices, looked up once per build.
    struct Lookups;
    static ScreenUses collectScreen(const CScreenObject& screen,
                                    const CDiagramEntityContainer& objects, quint64 ordinal,
                                    Lookups& lookups);
    // The uses of keys, alarms and PLC <-> Panel, in collection order.
    static ScreenUses collectOthers(const CProjectModel& model, Lookups& lookups);
    // The uses of every kept screen and of the others, sorted.
    void sortAll();
    // The findings of the sorted uses, the screens and the bitmaps.
    void check(const CProjectModel& model);
    // The first other use each use overlaps; -1 for none.
    std::vector<int> overlaps() const;
    void checkScreens(const CProjectModel& model);
    void checkBitmaps(const CProjectModel& model);

    std::vector<CrossReferenceUse> uses_; // sorted
    std::vector<Facts> facts_;            // per use
    std::vector<CrossReferenceFinding> findings_;
    std::vector<QStringList> useFindings_;
    std::vector<int> ranks_; // per use: its device and area as one number, in their order
    std::map<int, ScreenUses> screens_; // the kept uses, by screen number
    ScreenUses others_;                 // keys, alarms, PLC <-> Panel
    std::vector<int> screenOrder_;      // the model's screens at the last build
    // Device and area names, one copy of each text for all uses: equal
    // names compare by their data alone.
    QSet<QString> names_;
    bool built_ = false;
    quint32 stamp_ = 0; // of the last build or update
};
