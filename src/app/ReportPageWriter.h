#pragma once
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPair>
#include <QSize>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QPagedPaintDevice;
class QPainter;

// Lays the report out page after page on a paged device, top to bottom:
// titles, headings, lines, tables whose header repeats on every page they
// run onto, and pictures, with a footer on every page. Without a painter it
// only measures: it goes through the same steps, so its page numbers are
// the ones the painting pass will reach.
class CReportPageWriter
{
public:
    struct Column
    {
        QString header;
        double share = 1; // of the width, against the other columns
    };

    // `chinese`: the WenQuanYi face first (a Chinese report).
    CReportPageWriter(QPagedPaintDevice& device, QPainter* painter, bool chinese);

    // The footer of every page, from its number.
    std::function<QString(int page)> footer;

    int Page() const { return page_; }
    bool Painting() const { return painter_ != nullptr; }

    // A new page, unless nothing has been put on this one yet.
    void NewPage();
    void Title(const QString& text);
    // A section: it starts a new page.
    void Heading(const QString& text);
    void SubHeading(const QString& text);
    // A paragraph, wrapped at the page's width.
    void Paragraph(const QString& text);
    // Label and value pairs, values wrapped.
    void Fields(const QList<QPair<QString, QString>>& rows);
    // A row a line, but a text wider than its column wraps within it.
    void Table(const QList<Column>& columns, const QList<QStringList>& rows);
    // A contents line: text on the left, page number on the right.
    void ContentsLine(const QString& text, int page, int indent);
    // A picture of `size` at one image pixel per device pixel, framed;
    // `make` draws it, when painting only.
    void Picture(QSize size, const std::function<QImage()>& make);
    void Space(double millimetres);
    // Ends the last page (its footer).
    void Finish();

    // Device pixels.
    double Width() const { return width_; }
    double Millimetres(double mm) const;

private:
    void ensureRoom(double height);
    void endPage();
    void tableHeader(const QList<Column>& columns, const QList<double>& widths);
    void cell(const QString& text, double x, double y, double w);
    bool fits(const QString& text, double width) const;
    double cellHeight(const QString& text, double width) const;

    QPagedPaintDevice& device_;
    QPainter* painter_;
    QFont body_, bold_, heading_, subHeading_, title_, small_;
    QFontMetricsF bodyMetrics_;
    double width_ = 0, bottom_ = 0, y_ = 0, rowHeight_ = 0, widestLatin_ = 0;
    int page_ = 1;
    bool pageEmpty_ = true;
};
