#pragma once
#include "CrossReferenceTable.h"
#include "ProjectScreenObjects.h"
#include "ReportTexts.h"

#include <QDate>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class CReportPageWriter;
class CReportScreenPictures;
class CTessanApp;
class QPagedPaintDevice;

// The project report: the project as it stands laid out on a paged device
// (a PDF writer or a printer): a cover, the contents, the panel
// configuration, communication and devices, PLC <-> Panel, the alarms,
// each screen with its picture as the panel shows it, its objects and its
// function keys, and last the cross-reference with its findings. Page
// numbers in the contents and on every page.
class CProjectReport
{
public:
    // Takes what it reports from `app` and the loaded screens on the
    // caller's thread; `languageCode` names the language file ("en", "chs").
    CProjectReport(const CTessanApp& app, const CProjectScreenObjects::LoadedScreens& loaded,
                   const QString& languageCode);
    ~CProjectReport();

    // Compiles the project for the screen pictures; false with a reason.
    bool Prepare(QString* error);
    // The date on the cover (today unless set).
    void SetDate(const QDate& date) { date_ = date; }
    // Lays the report out on `device` as its page layout stands; the number of pages.
    int Print(QPagedPaintDevice& device) const;

private:
    struct Screen
    {
        int number = 0;
        QString name;
        int previous = 0, next = 0;
        QList<QStringList> objects;
        QList<QStringList> keys;
        bool readable = true;
    };
    struct Section
    {
        QString title;
        int level = 0;
        int page = 0;
    };

    void layOut(CReportPageWriter& w, QList<Section>& sections) const;
    void cover(CReportPageWriter& w) const;
    void contents(CReportPageWriter& w, const QList<Section>& sections) const;
    void panelConfiguration(CReportPageWriter& w) const;
    void communication(CReportPageWriter& w) const;
    void plcAndPanel(CReportPageWriter& w) const;
    void alarms(CReportPageWriter& w) const;
    void screen(CReportPageWriter& w, const Screen& s) const;
    void crossReference(CReportPageWriter& w) const;
    QString screenTitle(const Screen& s) const;
    QList<Section> plannedSections() const;

    const CTessanApp& app_;
    CReportTexts texts_;
    bool chinese_ = false;
    QDate date_ = QDate::currentDate();
    QList<Screen> screens_;
    int objectCount_ = 0;
    std::vector<CrossReferenceRow> xrefRows_;
    QMap<QString, int> findings_; // by code
    std::unique_ptr<CReportScreenPictures> pictures_;
};
