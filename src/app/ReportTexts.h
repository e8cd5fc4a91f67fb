#pragma once
#include <QHash>
#include <QString>

// The project report's headings and labels in one language: the entries of
// section IDD_DLG_REPORT of a language file, keyed by their English wording.
// A text the file does not have stays English. Each text is read from the
// file once and then kept.
class CReportTexts
{
public:
    explicit CReportTexts(QString languageFile) : file_(std::move(languageFile)) {}

    QString Text(const QString& english) const;
    QString operator()(const char* english) const { return Text(QString::fromUtf8(english)); }

private:
    QString file_;
    mutable QHash<QString, QString> cache_;
};
