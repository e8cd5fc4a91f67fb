#include "ReportPageWriter.h"
#include "ReportFonts.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {

constexpr double kBodyPoints = 8.5;

QFontMetricsF metrics(const QFont& font, QPagedPaintDevice& device)
{
    return QFontMetricsF(font, &device);
}

} // namespace

CReportPageWriter::CReportPageWriter(QPagedPaintDevice& device, QPainter* painter, bool chinese)
    : device_(device),
      painter_(painter),
      body_(ReportFonts::Face(chinese, kBodyPoints)),
      bold_(ReportFonts::Face(chinese, kBodyPoints, true)),
      heading_(ReportFonts::Face(chinese, 16, true)),
      subHeading_(ReportFonts::Face(chinese, 11.5, true)),
      title_(ReportFonts::Face(chinese, 26, true)),
      small_(ReportFonts::Face(chinese, 8)),
      bodyMetrics_(body_, &device)
{
    width_ = device.width();
    const double footerHeight = metrics(small_, device).height() * 2.5;
    bottom_ = device.height() - footerHeight;
    rowHeight_ = bodyMetrics_.height() * 1.3;
    widestLatin_ = bodyMetrics_.horizontalAdvance(QLatin1Char('W'));
}

double CReportPageWriter::Millimetres(double mm) const
{
    return mm * device_.logicalDpiY() / 25.4;
}

void CReportPageWriter::endPage()
{
    if (painter_ && footer) {
        painter_->setFont(small_);
        painter_->setPen(Qt::darkGray);
        const double h = metrics(small_, device_).height();
        painter_->drawText(QRectF(0, device_.height() - h * 1.2, width_, h),
                           Qt::AlignRight | Qt::AlignVCenter, footer(page_));
        painter_->setPen(Qt::black);
    }
}

void CReportPageWriter::NewPage()
{
    if (pageEmpty_)
        return;
    endPage();
    if (painter_)
        device_.newPage();
    ++page_;
    y_ = 0;
    pageEmpty_ = true;
}

void CReportPageWriter::Finish()
{
    endPage();
}

void CReportPageWriter::ensureRoom(double height)
{
    if (y_ + height > bottom_)
        NewPage();
    pageEmpty_ = false;
}

void CReportPageWriter::Space(double millimetres)
{
    if (!pageEmpty_)
        y_ += Millimetres(millimetres);
}

void CReportPageWriter::Title(const QString& text)
{
    const QFontMetricsF fm = metrics(title_, device_);
    const QRectF box =
        fm.boundingRect(QRectF(0, 0, width_, 1e6), Qt::AlignHCenter | Qt::TextWordWrap, text);
    ensureRoom(box.height());
    if (painter_) {
        painter_->setFont(title_);
        painter_->drawText(QRectF(0, y_, width_, box.height()), Qt::AlignHCenter | Qt::TextWordWrap,
                           text);
    }
    y_ += box.height() + Millimetres(4);
}

void CReportPageWriter::Heading(const QString& text)
{
    NewPage();
    const QFontMetricsF fm = metrics(heading_, device_);
    ensureRoom(fm.height() * 1.6);
    if (painter_) {
        painter_->setFont(heading_);
        painter_->drawText(QPointF(0, y_ + fm.ascent()), text);
        const double line = y_ + fm.height() * 1.2;
        painter_->setPen(QPen(Qt::black, Millimetres(0.4)));
        painter_->drawLine(QPointF(0, line), QPointF(width_, line));
        painter_->setPen(Qt::black);
    }
    y_ += fm.height() * 1.6;
}

void CReportPageWriter::SubHeading(const QString& text)
{
    const QFontMetricsF fm = metrics(subHeading_, device_);
    // Kept with at least two lines of what follows it.
    ensureRoom(fm.height() * 1.5 + rowHeight_ * 2);
    if (painter_) {
        painter_->setFont(subHeading_);
        painter_->drawText(QPointF(0, y_ + fm.height() * 0.3 + fm.ascent()), text);
    }
    y_ += fm.height() * 1.5;
}

void CReportPageWriter::Paragraph(const QString& text)
{
    const QRectF box = bodyMetrics_.boundingRect(QRectF(0, 0, width_, 1e6), Qt::TextWordWrap, text);
    ensureRoom(box.height());
    if (painter_) {
        painter_->setFont(body_);
        painter_->drawText(QRectF(0, y_, width_, box.height()), Qt::TextWordWrap, text);
    }
    y_ += box.height() + rowHeight_ * 0.3;
}

void CReportPageWriter::Fields(const QList<QPair<QString, QString>>& rows)
{
    const double labelWidth = width_ * 0.36;
    const double valueWidth = width_ - labelWidth;
    const QFontMetricsF boldMetrics = metrics(bold_, device_);
    for (const auto& [label, value] : rows) {
        const QRectF box =
            bodyMetrics_.boundingRect(QRectF(0, 0, valueWidth, 1e6), Qt::TextWordWrap, value);
        const double h = std::max(rowHeight_, box.height() + rowHeight_ - bodyMetrics_.height());
        ensureRoom(h);
        if (painter_) {
            painter_->setFont(bold_);
            painter_->drawText(QPointF(0, y_ + boldMetrics.ascent()), label);
            painter_->setFont(body_);
            painter_->drawText(QRectF(labelWidth, y_, valueWidth, box.height()), Qt::TextWordWrap,
                               value);
        }
        y_ += h;
    }
    y_ += rowHeight_ * 0.3;
}

bool CReportPageWriter::fits(const QString& text, double width) const
{
    // Most cells are short: a bound from the widest Latin letter (or a whole
    // em for other scripts) spares measuring them.
    double bound = 0;
    for (const QChar c : text)
        bound += c.unicode() < 0x2E80 ? widestLatin_ : bodyMetrics_.height();
    return bound <= width || bodyMetrics_.horizontalAdvance(text) <= width;
}

double CReportPageWriter::cellHeight(const QString& text, double width) const
{
    if (text.isEmpty() || fits(text, width))
        return bodyMetrics_.height();
    return bodyMetrics_.boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, text).height();
}

void CReportPageWriter::cell(const QString& text, double x, double y, double w)
{
    const double room = w - Millimetres(1.5);
    QString shown = text;
    if (!fits(text, room))
        shown = bodyMetrics_.elidedText(text, Qt::ElideRight, room);
    painter_->drawText(QPointF(x, y), shown);
}

void CReportPageWriter::tableHeader(const QList<Column>& columns, const QList<double>& widths)
{
    ensureRoom(rowHeight_ * 2);
    if (painter_) {
        painter_->setFont(bold_);
        double x = 0;
        for (int i = 0; i < columns.size(); ++i) {
            cell(columns[i].header, x, y_ + bodyMetrics_.ascent(), widths[i]);
            x += widths[i];
        }
        const double line = y_ + rowHeight_ - (rowHeight_ - bodyMetrics_.height()) / 2;
        painter_->setPen(QPen(Qt::black, Millimetres(0.25)));
        painter_->drawLine(QPointF(0, line), QPointF(width_, line));
        painter_->setPen(Qt::black);
        painter_->setFont(body_);
    }
    y_ += rowHeight_;
}

void CReportPageWriter::Table(const QList<Column>& columns, const QList<QStringList>& rows)
{
    double shares = 0;
    for (const Column& c : columns)
        shares += c.share;
    QList<double> widths;
    for (const Column& c : columns)
        widths.append(width_ * c.share / shares);

    tableHeader(columns, widths);
    const double gap = Millimetres(1.5);
    const double lead = rowHeight_ - bodyMetrics_.height();
    for (const QStringList& row : rows) {
        // A text wider than its column wraps, and its row grows.
        double textHeight = bodyMetrics_.height();
        for (int i = 0; i < columns.size() && i < row.size(); ++i)
            textHeight = std::max(textHeight, cellHeight(row[i], widths[i] - gap));
        const double height = textHeight + lead;
        if (y_ + height > bottom_) {
            NewPage();
            tableHeader(columns, widths);
        }
        if (painter_) {
            double x = 0;
            const double baseline = y_ + bodyMetrics_.ascent();
            for (int i = 0; i < columns.size() && i < row.size(); ++i) {
                const QString& text = row[i];
                if (text.isEmpty())
                    ;
                else if (fits(text, widths[i] - gap))
                    painter_->drawText(QPointF(x, baseline), text);
                else
                    painter_->drawText(QRectF(x, y_, widths[i] - gap, textHeight), Qt::TextWordWrap,
                                       text);
                x += widths[i];
            }
        }
        y_ += height;
    }
    y_ += rowHeight_ * 0.5;
}

void CReportPageWriter::ContentsLine(const QString& text, int page, int indent)
{
    ensureRoom(rowHeight_);
    if (painter_) {
        const QFont& font = indent == 0 ? bold_ : body_;
        painter_->setFont(font);
        const double x = Millimetres(6) * indent;
        const QString number = QString::number(page);
        const double numberWidth = bodyMetrics_.horizontalAdvance(QStringLiteral("00000"));
        cell(text, x, y_ + bodyMetrics_.ascent(), width_ - x - numberWidth);
        painter_->drawText(QRectF(width_ - numberWidth, y_, numberWidth, rowHeight_),
                           Qt::AlignRight | Qt::AlignTop, number);
    }
    y_ += rowHeight_;
}

void CReportPageWriter::Picture(QSize size, const std::function<QImage()>& make)
{
    const double h = size.height() + Millimetres(2);
    ensureRoom(h);
    const QImage image = painter_ ? make() : QImage();
    if (!image.isNull()) {
        const QPointF at((width_ - image.width()) / 2, y_ + Millimetres(0.8));
        painter_->setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter_->drawImage(at, image);
        painter_->setPen(QPen(Qt::gray, Millimetres(0.2)));
        painter_->setBrush(Qt::NoBrush);
        const double m = Millimetres(0.8);
        painter_->drawRect(
            QRectF(at.x() - m, at.y() - m, image.width() + 2 * m, image.height() + 2 * m));
        painter_->setPen(Qt::black);
    }
    y_ += h + rowHeight_ * 0.5;
}
