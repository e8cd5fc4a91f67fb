#include "PrjDoc.h"
#include "LineArchive.h"
#include "ProjectModel.h"
#include "base/VersionNumber.h"

QString CPrjDoc::DateText(QDate date)
{
    return QStringLiteral("%1/%2/%3").arg(date.month()).arg(date.day()).arg(date.year());
}

void CPrjDoc::InitNew(const CProjectModel& model, QDate today)
{
    title_ = model.info.name + QStringLiteral(".cgp");
    info = ProjectInfo{model.info.name,
                       model.info.location,
                       model.info.hmiType,
                       model.info.plcType,
                       DateText(today),
                       {},
                       {},
                       {}};
}

void CPrjDoc::Serialize(CLineArchive& ar, CProjectModel& model, QDate today)
{
    if (ar.IsStoring()) {
        QString date = DateText(today);
        info = model.info;
        info.date = date;
        model.info.date = date;
        QString productName = VersionIdentity::kProductName;
        QString productVersion = VersionIdentity::kProductVersion;
        ar.Header("Produce Info");
        ar.Io(productName);
        ar.Io(productVersion);
    } else {
        QString skipped;
        for (int i = 0; i < 4; ++i)
            ar.ReadLine(&skipped);
    }
    if (ar.IsStoring())
        ar.Header("Project Info");
    for (QString* s : {&info.location, &info.name, &info.hmiType, &info.plcType, &info.date,
                       &info.companyName, &info.programmer, &info.description})
        ar.Io(*s);
    if (ar.IsLoading()) {
        model.info.hmiType = info.hmiType;
        model.info.plcType = info.plcType;
        model.info.date = info.date;
        model.info.companyName = info.companyName;
        model.info.programmer = info.programmer;
        model.info.description = info.description;
    }

    model.panelManager.Serialize(ar);
    model.alarms.Serialize(ar);
    model.plcAndPanel.Serialize(ar);
    model.transferInfo.Serialize(ar);

    ar.Header("Bitmap File");
    int count = int(model.bitmapFiles.size());
    ar.Io(count);
    if (ar.IsStoring()) {
        for (QString& name : model.bitmapFiles)
            ar.Io(name);
    } else {
        model.bitmapFiles.clear();
        for (int i = 0; i < count && !ar.AtEnd(); ++i) {
            QString name;
            ar.Io(name);
            model.bitmapFiles.append(name);
        }
    }

    ar.Header("Screen Info");
    count = int(model.screens.size());
    ar.Io(count);
    if (ar.IsStoring()) {
        for (auto& screen : model.screens)
            screen->Serialize(ar);
    } else {
        model.screens.clear();
        for (int i = 0; i < count && !ar.AtEnd(); ++i) {
            model.screens.push_back(std::make_unique<CScreenObject>(&model));
            model.screens.back()->Serialize(ar);
        }
    }
}

QByteArray CPrjDoc::Store(CProjectModel& model, QDate today)
{
    CLineArchive ar;
    Serialize(ar, model, today);
    return ar.Bytes();
}

QByteArray CPrjDoc::RecordBytes(const CProjectModel& model)
{
    // Storing writes only the date into the model's information; it is put
    // back at once.
    auto& stored = const_cast<CProjectModel&>(model);
    const QString date = stored.info.date;
    CPrjDoc scratch;
    const QByteArray bytes = scratch.Store(stored, QDate(2000, 1, 1));
    stored.info.date = date;
    return bytes;
}

void CPrjDoc::Load(const QByteArray& bytes, CProjectModel& model)
{
    CLineArchive ar(bytes);
    ar.legacyRangeMode = model.IsLegacyRangeMode();
    ar.model = &model;
    Serialize(ar, model);
}
