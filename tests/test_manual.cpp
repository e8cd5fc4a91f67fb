// The user manual as installed: every link and picture of every page leads
// to a file (and an anchor) that is there, every page is reached from the
// contents, both languages have the same pages and anchors, the build puts
// the manual beside the programs, and every message code of the program and
// every warning of the compiler has its entry in the list of messages.
#include "TestSupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QUrl>

namespace {

const QString kManual = QStringLiteral(QV_SOURCE_DIR "/data/help/manual");
const QStringList kLanguages{QStringLiteral("en"), QStringLiteral("chs")};

QString ReadText(const QString& path)
{
    return QString::fromUtf8(TestSupport::ReadFile(path));
}

QStringList Pages(const QString& language)
{
    return QDir(kManual + QLatin1Char('/') + language)
        .entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

QSet<QString> Anchors(const QString& html)
{
    static const QRegularExpression id(QStringLiteral("\\bid=\"([^\"]+)\""));
    QSet<QString> out;
    for (auto it = id.globalMatch(html); it.hasNext();)
        out.insert(it.next().captured(1));
    return out;
}

QStringList Links(const QString& html)
{
    static const QRegularExpression link(QStringLiteral("\\b(?:href|src)=\"([^\"]*)\""));
    QStringList out;
    for (auto it = link.globalMatch(html); it.hasNext();)
        out.append(it.next().captured(1));
    return out;
}

// The sections of an INI-like language file, each a map of key to text.
QMap<QString, QMap<QString, QString>> Sections(const QString& path)
{
    QMap<QString, QMap<QString, QString>> sections;
    QString current;
    for (const QString& line : ReadText(path).split(QLatin1Char('\n'))) {
        const QString l = line.trimmed();
        if (l.startsWith(QLatin1Char('[')) && l.endsWith(QLatin1Char(']')))
            current = l.mid(1, l.size() - 2);
        else if (!current.isEmpty() && !l.startsWith(QLatin1Char(';'))
                 && l.contains(QLatin1Char('=')))
            sections[current].insert(l.section(QLatin1Char('='), 0, 0),
                                     l.section(QLatin1Char('='), 1));
    }
    return sections;
}

// Every file of a folder tree with the given suffixes.
QStringList Files(const QString& root, const QStringList& patterns)
{
    QStringList out;
    QDirIterator it(root, patterns, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        out.append(it.next());
    return out;
}

// The text of the string literals of one QStringLiteral(...), adjacent
// literals joined.
QString Literal(const QString& parts)
{
    static const QRegularExpression piece(QStringLiteral("\"((?:[^\"\\\\]|\\\\.)*)\""));
    QString out;
    for (auto it = piece.globalMatch(parts); it.hasNext();)
        out += it.next().captured(1);
    return out;
}

QString HtmlEscaped(const QString& text)
{
    return text.toHtmlEscaped().replace(QStringLiteral("&quot;"), QStringLiteral("\""));
}

} // namespace

class TestManual : public QObject
{
    Q_OBJECT
private slots:
    void everyLinkAndPictureResolves()
    {
        for (const QString& language : kLanguages) {
            const QDir dir(kManual + QLatin1Char('/') + language);
            QVERIFY2(dir.exists(QStringLiteral("index.html")), qPrintable(dir.path()));
            // Walk from the contents: every link must resolve, and every
            // page must be reached.
            QSet<QString> reached{dir.filePath(QStringLiteral("index.html"))};
            QStringList queue = reached.values();
            while (!queue.isEmpty()) {
                const QString page = queue.takeFirst();
                const QString html = ReadText(page);
                for (const QString& link : Links(html)) {
                    const QString where =
                        QFileInfo(page).fileName() + QStringLiteral(" -> ") + link;
                    QVERIFY2(!link.isEmpty() && !link.contains(QStringLiteral("://"))
                                 && !link.startsWith(QStringLiteral("mailto:")),
                             qPrintable(where
                                        + QStringLiteral(": the manual links only its own files")));
                    const QUrl url(link);
                    const QString target = url.path().isEmpty()
                                               ? page
                                               : QDir::cleanPath(QFileInfo(page).absolutePath()
                                                                 + QLatin1Char('/') + url.path());
                    QVERIFY2(QFileInfo(target).isFile(),
                             qPrintable(where + QStringLiteral(": no such file")));
                    if (url.hasFragment())
                        QVERIFY2(Anchors(ReadText(target)).contains(url.fragment()),
                                 qPrintable(where + QStringLiteral(": no such anchor")));
                    if (target.endsWith(QStringLiteral(".html")) && target.startsWith(dir.path())
                        && !reached.contains(target)) {
                        reached.insert(target);
                        queue.append(target);
                    }
                }
            }
            for (const QString& page : Pages(language))
                QVERIFY2(reached.contains(dir.filePath(page)),
                         qPrintable(language + QLatin1Char('/') + page
                                    + QStringLiteral(" is not reached from the contents")));
        }
    }

    void bothLanguagesHaveTheSamePagesAndAnchors()
    {
        const QStringList en = Pages(QStringLiteral("en"));
        QCOMPARE(Pages(QStringLiteral("chs")), en);
        for (const QString& page : en) {
            const QSet<QString> a = Anchors(ReadText(kManual + QStringLiteral("/en/") + page));
            const QSet<QString> b = Anchors(ReadText(kManual + QStringLiteral("/chs/") + page));
            QVERIFY2(
                a == b,
                qPrintable(page + QStringLiteral(": the anchors differ between the languages")));
        }
    }

    void theBuildPutsTheManualBesideThePrograms()
    {
        const QStringList files = Files(
            kManual, {QStringLiteral("*.html"), QStringLiteral("*.css"), QStringLiteral("*.png")});
        QVERIFY(!files.isEmpty());
        for (const QString& file : files) {
            const QString copy =
                QStringLiteral(QV_BIN_DIR "/help/manual") + file.mid(kManual.size());
            QVERIFY2(TestSupport::ReadFile(copy) == TestSupport::ReadFile(file), qPrintable(copy));
        }
    }

    void everyMessageCodeHasItsEntry()
    {
        // The codes of the language files and of every message the program's
        // sources spell: GUI-001, OBJ-002, Obj-001, PTC001, ...
        static const QRegularExpression code(
            QStringLiteral("\\b((?:GUI|OBJ|Obj)-\\d{3}|PTC\\d{3})\\b"));
        QStringList sources = Files(QStringLiteral(QV_SOURCE_DIR "/src"),
                                    {QStringLiteral("*.cpp"), QStringLiteral("*.h")});
        sources << QStringLiteral(QV_SOURCE_DIR "/data/QV_Str.en")
                << QStringLiteral(QV_SOURCE_DIR "/data/QV_Str.chs");
        QSet<QString> codes;
        for (const QString& file : sources)
            for (auto it = code.globalMatch(ReadText(file)); it.hasNext();)
                codes.insert(it.next().captured(1));
        QVERIFY(codes.size() > 1);
        for (const QString& language : kLanguages) {
            const QSet<QString> entries = Anchors(
                ReadText(kManual + QLatin1Char('/') + language + QStringLiteral("/messages.html")));
            for (const QString& c : std::as_const(codes))
                QVERIFY2(entries.contains(c),
                         qPrintable(language + QStringLiteral(": no entry for ") + c));
        }
    }

    void everyCompilerWarningHasItsEntry()
    {
        // How a warning line of the compiler ends: the texts its warnings
        // look up (besides "Warning", which begins every line) and the texts
        // of the size warnings.
        static const QRegularExpression lookedUp(QStringLiteral(
            "Text\\(LS_MSG,\\s*QStringLiteral\\(((?:\\s*\"(?:[^\"\\\\]|\\\\.)*\")+)\\s*\\)\\)"));
        static const QRegularExpression sizeText(QStringLiteral(
            "QStringLiteral\\(((?:\\s*\"(?:bytes|characters):(?:[^\"\\\\]|\\\\.)*\")(?:\\s*\"(?:[^\"\\\\]|\\\\.)*\")*)\\s*\\)"));
        QSet<QString> endings;
        for (auto it = lookedUp.globalMatch(
                 ReadText(QStringLiteral(QV_SOURCE_DIR "/src/compiler/CompileContext.cpp")));
             it.hasNext();)
            endings.insert(Literal(it.next().captured(1)));
        endings.remove(QStringLiteral("Warning"));
        for (const QString& file :
             Files(QStringLiteral(QV_SOURCE_DIR "/src/compiler"), {QStringLiteral("*.cpp")}))
            for (auto it = sizeText.globalMatch(ReadText(file)); it.hasNext();)
                endings.insert(Literal(it.next().captured(1)));
        QVERIFY(endings.size() > 1);

        const auto chinese =
            Sections(QStringLiteral(QV_SOURCE_DIR "/data/QV_Str.chs")).value(QStringLiteral("MSG"));
        const QString en = ReadText(kManual + QStringLiteral("/en/messages.html"));
        const QString chs = ReadText(kManual + QStringLiteral("/chs/messages.html"));
        for (const QString& ending : std::as_const(endings)) {
            QVERIFY2(en.contains(HtmlEscaped(ending)),
                     qPrintable(QStringLiteral("en: no entry for ") + ending));
            // The Chinese page tells the warning as the Chinese program shows it.
            const QString shown = chinese.value(ending, ending);
            QVERIFY2(chs.contains(HtmlEscaped(shown)),
                     qPrintable(QStringLiteral("chs: no entry for ") + shown));
        }
    }
};

QTEST_GUILESS_MAIN(TestManual)
#include "test_manual.moc"
