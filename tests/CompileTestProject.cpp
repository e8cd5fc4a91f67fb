#include "CompileTestProject.h"
#include "app/Compiler.h"
#include "project/ProtocolTables.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/TessanDoc.h"

#include <QDir>

QStringList CRecordingReporter::Warnings() const
{
    QStringList out;
    for (const QString& l : lines)
        if (l.startsWith(QLatin1String("  ")))
            out.append(l);
    return out;
}

CCompileTestProject::CCompileTestProject()
{
    App().ResetProjectModel(QStringLiteral("demo"), Dir() + QStringLiteral("/out"),
                            QString::fromLatin1(ProtocolTables::kPanelRU03),
                            QString::fromLatin1(ProtocolTables::kVardoVSequence));
    QDir().mkpath(App().ProjectFolder());
    owned = std::make_unique<CCompiler>(App(), &reporter);
    owned->SetFinalPause(0);
    compiler = owned.get();
}

QString CCompileTestProject::ScreenTitleOf(int number) const
{
    auto& app = const_cast<CCompileTestProject*>(this)->App();
    const CScreenObject* s = app.model.FindScreen(number);
    return ScreenTitle(app.model.info.name, number, s ? s->name : QString());
}

void CCompileTestProject::AddScreen(int number,
                                    std::vector<std::unique_ptr<CDiagramEntity>> objects)
{
    App().model.AddScreen(number, QStringLiteral("Screen %1").arg(number));
    WriteScreenFile(number, std::move(objects));
}

void CCompileTestProject::WriteScreenFile(int number,
                                          std::vector<std::unique_ptr<CDiagramEntity>> objects)
{
    CDiagramEntityContainer container;
    container.SetPaperSize(QSize(192, 64));
    for (auto& o : objects)
        container.AddLoaded(std::move(o));
    CTessanDoc::SaveFile(App().ProjectFolder() + QLatin1Char('/') + ScreenTitleOf(number),
                         container);
}

bool CCompileTestProject::Compile()
{
    reporter.lines.clear();
    reporter.progress.clear();
    return compiler->Run();
}

namespace ImageBytes {
QByteArray Hex(const char* hex)
{
    return QByteArray::fromHex(QByteArray(hex).replace(' ', ""));
}
} // namespace ImageBytes
