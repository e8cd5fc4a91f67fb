#pragma once
#include <QString>
#include <QStringList>

class CProjectScreenObjects;

// The static bitmap objects that show a bitmap of the project (an empty
// folder and this file name, case ignored), one line each: "[screen title]
// 'object name'".
QStringList ProjectBitmapUses(const CProjectScreenObjects& screens, const QString& fileName);
