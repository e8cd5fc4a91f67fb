#pragma once
#include "CrossReferenceFinding.h"
#include "CrossReferenceUse.h"

#include <QSet>
#include <QStringList>
#include <vector>

class CProjectModel;
class CProjectScreenObjects;

// Every register and coil of a project with all its uses (screen objects,
// function keys, alarms, PLC <-> Panel, Advanced keys' devices), sorted by
// device, area and address, and the findings to look at before a download.
// The screens' objects come from the screen source: the open documents with
// their unsaved edits, else the screen files.
class CCrossReference
{
public:
    void Build(const CProjectModel& model, const CProjectScreenObjects& screens);

    const std::vector<CrossReferenceUse>& Uses() const { return uses_; }
    const std::vector<CrossReferenceFinding>& Findings() const { return findings_; }
    bool HasFindings() const { return !findings_.empty(); }
    // The codes of the findings on one use, in the order they were found.
    QStringList FindingsOf(int use) const;
    // The uses whose words take in `ref`'s address (same device and area; a
    // coil's uses for a coil).
    std::vector<int> UsesOf(const RegisterRef& ref) const;

private:
    // Returns the project bitmaps that objects show (file names, lower case).
    QSet<QString> collectUses(const CProjectModel& model, const CProjectScreenObjects& screens);
    // The first other use each use overlaps; -1 for none.
    std::vector<int> overlaps() const;
    void checkUses(const CProjectModel& model);
    void checkScreens(const CProjectModel& model);
    void checkBitmaps(const CProjectModel& model, const QSet<QString>& shown);

    std::vector<CrossReferenceUse> uses_;
    std::vector<CrossReferenceFinding> findings_;
    std::vector<QStringList> useFindings_;
};
