#include "CliProgressBar.h"

#include "base/platform/Terminal.h"

#include <cstdio>

CCliProgressBar::CCliProgressBar(QString caption)
    : caption_(std::move(caption)),
      terminal_(platform::IsTerminal(platform::StandardStream::Error))
{}

void CCliProgressBar::Show(int percent)
{
    if (!terminal_ || percent == lastPercent_ || percent < 0 || percent > 100)
        return;
    lastPercent_ = percent;
    constexpr int kWidth = 30;
    const int filled = percent * kWidth / 100;
    QString line = QStringLiteral("\r");
    if (!caption_.isEmpty())
        line += caption_ + QLatin1Char(' ');
    line += QStringLiteral("%1%...... [%2%3]")
                .arg(percent)
                .arg(QString(filled, QLatin1Char('#')))
                .arg(QString(kWidth - filled, QLatin1Char(' ')));
    const QByteArray bytes = line.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
    shown_ = true;
}

void CCliProgressBar::End(bool keep)
{
    if (shown_) {
        std::fputs(keep ? "\n" : "\r\033[K", stderr);
        std::fflush(stderr);
        shown_ = false;
    }
    lastPercent_ = -1;
}
