#pragma once
#include "ProjectInfo.h"

#include <QByteArray>
#include <QDate>

class CProjectModel;
class CLineArchive;

// The project document: writes the whole project model (but the screens'
// objects) into the project document file and reads it back. It keeps its own
// copy of the project information; the model keeps the working values.
class CPrjDoc
{
public:
    // New-document initialisation: the copy takes name, location, HMI and PLC
    // type from the model, today's date and empty company, programmer and
    // description.
    void InitNew(const CProjectModel& model, QDate today = QDate::currentDate());

    // The title of the project document ("<name>.cgp").
    QString Title() const { return title_; }
    void SetTitle(const QString& title) { title_ = title; }

    void Serialize(CLineArchive& ar, CProjectModel& model, QDate today = QDate::currentDate());

    // The file's bytes for the model as it stands, dated `today`.
    QByteArray Store(CProjectModel& model, QDate today = QDate::currentDate());
    // The file's bytes for the model as it stands with a date that never
    // changes: two models whose records are equal give equal bytes. The
    // model is left as it was.
    static QByteArray RecordBytes(const CProjectModel& model);
    // Loads the file's bytes into the model (legacy range mode from the model).
    void Load(const QByteArray& bytes, CProjectModel& model);

    ProjectInfo info;

    static QString DateText(QDate date);

private:
    QString title_;
};
