#pragma once
#include <QString>

// The eight project-information strings.
struct ProjectInfo
{
    QString name;
    QString location;
    QString hmiType;
    QString plcType;
    QString date; // "%d/%d/%d" month/day/year of the last save
    QString companyName;
    QString programmer;
    QString description;

    bool operator==(const ProjectInfo&) const = default;
};
