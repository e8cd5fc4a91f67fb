#pragma once
#include <QByteArray>
#include <QString>

// What the virtual panel keeps across runs: the downloaded image, its
// packed password and its Enable Update flag, as three files in a folder
// (in memory only without a folder).
class CPanelStore
{
public:
    explicit CPanelStore(QString dir = QString());
    void Load();
    bool Save(const QByteArray& image, const QByteArray& password4, uint8_t flag);

    QByteArray image;
    QByteArray password = QByteArray(4, '\0');
    uint8_t uploadFlag = 0;

private:
    QString dir_;
};
