// The data files beside the programs: the object help pages with their
// pictures, and the desktop entry, file type and icon that the editor installs.
#include "TestSupport.h"
#include "screen/ObjectFactory.h"
#include "screen/ObjectKind.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTextDocument>
#include <QXmlStreamReader>
#include <QtTest>

class TestDataFiles : public QObject
{
    Q_OBJECT

private slots:
    void helpPageOfEveryKindInBothLanguages()
    {
        const QString help = QStringLiteral(QV_BIN_DIR "/help/");
        for (int kind = 0; kind < kObjectKindCount; ++kind) {
            const QString base = ObjectKindName(kind).remove(QLatin1Char(' '));
            QStringList texts;
            for (const char* lang : {"en", "chs"}) {
                const QString page = help + base + QLatin1String(lang) + QStringLiteral(".htm");
                const QByteArray bytes = TestSupport::ReadFile(page);
                QVERIFY2(!bytes.isEmpty(), qPrintable(page));
                const QString html = QString::fromUtf8(bytes);
                // Nothing that a help browser would fetch or run.
                QVERIFY(!html.contains(QStringLiteral("<script"), Qt::CaseInsensitive));
                QVERIFY(!html.contains(QStringLiteral("http"), Qt::CaseInsensitive));
                QTextDocument doc;
                doc.setHtml(html);
                QVERIFY(doc.toPlainText().size() > 200);
                texts.append(doc.toPlainText());
                // Its picture lies beside it and is readable.
                const auto m =
                    QRegularExpression(QStringLiteral("<img src=\"([^\"]+)\"")).match(html);
                QVERIFY2(m.hasMatch(), qPrintable(page));
                QVERIFY2(!QImage(help + m.captured(1)).isNull(), qPrintable(m.captured(1)));
            }
            QVERIFY(texts[0] != texts[1]); // really translated
            QVERIFY(texts[1].contains(QRegularExpression(QStringLiteral("[\u4E00-\u9FFF]"))));
        }
    }

    void desktopEntryFileTypeAndIcon()
    {
        const QString dir = QStringLiteral(QV_BIN_DIR "/desktop/");
        // Key=value lines of the one group (';' is a list separator here, no comment).
        const QStringList lines =
            QString::fromUtf8(TestSupport::ReadFile(dir + QStringLiteral("corvel.desktop")))
                .split(QLatin1Char('\n'));
        QCOMPARE(lines.value(0), QStringLiteral("[Desktop Entry]"));
        QHash<QString, QString> entry;
        for (const QString& line : lines)
            if (const qsizetype eq = line.indexOf(QLatin1Char('=')); eq > 0)
                entry.insert(line.left(eq), line.mid(eq + 1));
        QCOMPARE(entry.value(QStringLiteral("Exec")), QStringLiteral("qv %f"));
        QCOMPARE(entry.value(QStringLiteral("Icon")), QStringLiteral("corvel"));
        QCOMPARE(entry.value(QStringLiteral("Type")), QStringLiteral("Application"));
        const QString mimeType = entry.value(QStringLiteral("MimeType"));

        QFile xml(dir + QStringLiteral("corvel-project.xml"));
        QVERIFY(xml.open(QIODevice::ReadOnly));
        QXmlStreamReader r(&xml);
        QString type, glob;
        while (!r.atEnd()) {
            r.readNext();
            if (r.isStartElement() && r.name() == QLatin1String("mime-type"))
                type = r.attributes().value(QLatin1String("type")).toString();
            if (r.isStartElement() && r.name() == QLatin1String("glob"))
                glob = r.attributes().value(QLatin1String("pattern")).toString();
        }
        QVERIFY2(!r.hasError(), qPrintable(r.errorString()));
        QCOMPARE(type, QStringLiteral("application/x-corvel-project"));
        QCOMPARE(glob, QStringLiteral("*.cgp"));
        QCOMPARE(mimeType, type + QLatin1Char(';'));

        for (int size : {48, 256}) {
            const QImage icon(dir + QStringLiteral("corvel-%1.png").arg(size));
            QCOMPARE(icon.size(), QSize(size, size));
            QVERIFY(icon.hasAlphaChannel());
        }
    }
};

QTEST_MAIN(TestDataFiles)
#include "test_data_files.moc"
