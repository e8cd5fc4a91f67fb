#include "TestSupport.h"
#include <QTest>

class T : public QObject
{
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_GUILESS_MAIN(T)
#include "test_project_file.moc"
