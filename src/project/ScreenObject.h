#pragma once
#include "FunKeyParams.h"

#include <QString>
#include <array>

// Previous and next screen numbers of a screen, each 1..999.
class CScreenChangeParams
{
public:
    void Serialize(CLineArchive& ar);
    bool operator==(const CScreenChangeParams&) const = default;

    int previous = 1;
    int next = 1;
};

// One screen's project-level record. Sub-records are held by value, so a copy
// is deep and shares nothing with its source.
class CScreenObject
{
public:
    explicit CScreenObject(const CProjectModel* model = nullptr);
    // 169 lines: number, name, previous, next, then F1..F5.
    void Serialize(CLineArchive& ar);
    bool operator==(const CScreenObject&) const = default;

    CScreenChangeParams screenChange;
    std::array<CFunKeyParams, 5> keys; // F1 first
    int number = 1;
    QString name;
};

// "%s%s - #%d %s": project name, ".cgp", screen number and screen name. The
// title of the screen's editor and the name of its screen file.
QString ScreenTitle(const QString& projectName, int number, const QString& screenName);
// The digits after "#" of a screen title; 0 when there are none.
int ScreenNumberFromTitle(const QString& title);
