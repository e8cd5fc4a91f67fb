#include "Compilation.h"
#include "AlarmImage.h"
#include "CommImage.h"
#include "CompileContext.h"
#include "HZLib.h"
#include "ImageWriter.h"
#include "ProjectHeader.h"
#include "ScreenImage.h"
#include "base/LanguageSection.h"
#include "base/CoreLimits.h"
#include "project/ProjectModel.h"

#include <chrono>
#include <thread>

CCompilation::CCompilation(CompileInput input, ICompileReporter& reporter)
    : input_(std::move(input)),
      reporter_(reporter)
{
    output_.hzLib = input_.hzLib;
    output_.savedState = input_.savedState;
}

bool CCompilation::Run()
{
    output_.completed = compile();
    return output_.completed;
}

bool CCompilation::compile()
{
    CCompileContext ctx(input_, output_, reporter_);
    reporter_.ClearOutput();
    CompiledImages images;
    const QString dash = QStringLiteral("----------");
    const QString projectTitle = ctx.ProjectName() + QStringLiteral(".cgp");

    ctx.Progress(0);
    ctx.Output(dash + ctx.Text(LS_MSG, QStringLiteral("Compiling")) + dash);

    std::optional<QByteArray> screen = ScreenImage::Build(ctx);
    if (!screen)
        return false;
    images.screen = std::move(*screen);

    if (ctx.StopRequested())
        return false;
    ctx.Progress(60);
    images.alarm = AlarmImage::Build(ctx);

    if (ctx.StopRequested())
        return false;
    ctx.Progress(70);
    images.font = output_.hzLib.BuildFontImage();
    if (images.font.size() > kFontImageLimit)
        ctx.SizeWarning(projectTitle, QStringLiteral("CompilerHZK.bin"), images.font.size(),
                        QStringLiteral("bytes: glyph offsets reach only 65535"));

    if (ctx.StopRequested())
        return false;
    ctx.Progress(80);
    {
        CImageWriter w(images.bitmap);
        images.bitmap.reserve(ImageType::kHeaderSize + output_.bitmapData.size());
        w.U8(ImageType::kBitmap);
        w.PadTo(ImageType::kHeaderSize);
        w.Bytes(output_.bitmapData);
    }

    if (ctx.StopRequested())
        return false;
    ctx.Progress(90);
    images.comm = CommImage::Build(input_.model->Devices());

    if (ctx.StopRequested())
        return false;
    ctx.Output(ctx.Text(LS_MSG, QStringLiteral("Project data")));
    images.header =
        ProjectHeader::Build(ctx, {quint32(images.screen.size()), quint32(images.alarm.size()),
                                   quint32(images.font.size()), quint32(images.bitmap.size()),
                                   quint32(images.comm.size())});

    if (ctx.StopRequested())
        return false;
    images.runtime.reserve(images.header.size() + images.screen.size() + images.alarm.size()
                           + images.font.size() + images.bitmap.size() + images.comm.size());
    images.runtime.append(images.header).append(images.screen).append(images.alarm);
    images.runtime.append(images.font).append(images.bitmap).append(images.comm);
    if (images.runtime.size() >= CoreLimits::kRuntimeImageLimit)
        ctx.SizeWarning(projectTitle, QStringLiteral("Compiler.bin"), images.runtime.size(),
                        QStringLiteral("bytes: the panel takes at most 131008, it can't be "
                                       "transferred"));

    if (input_.writeDebugFiles) {
        for (const QString& path : images.WriteDebugFiles(input_.projectFolder))
            output_.messages.append(
                {path + ctx.Text(LS_MSG, QStringLiteral("\n can't be created!")),
                 ctx.Text(LS_MSG, QStringLiteral("Warning"))});
    }

    if (finalPauseMs_ > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(finalPauseMs_));
    ctx.Progress(100);
    ctx.Output(QStringLiteral("%1%2 - %3 %4, %5 %6")
                   .arg(ctx.ProjectName(), QStringLiteral(".cgp"), QString::number(ctx.errors),
                        ctx.Text(LS_MSG, QStringLiteral("error(s)")), QString::number(ctx.warnings),
                        ctx.Text(LS_MSG, QStringLiteral("warning(s)"))));
    output_.warnings = ctx.warnings;
    output_.images = std::move(images);
    return true;
}
