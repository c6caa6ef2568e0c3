#include "VectorPlots.h"

#include <QStringList>

#include <cmath>

namespace VectorPlots {

namespace {

QString Number(double value) {
    QString text = QString::number(value, 'f', 10);
    while (text.contains(QLatin1Char('.')) && (text.endsWith(QLatin1Char('0')))) {
        text.chop(1);
    }
    if (text.endsWith(QLatin1Char('.'))) {
        text.chop(1);
    }
    return text == QStringLiteral("-0") ? QStringLiteral("0") : text;
}

QString Rgb(const QColor& color) {
    return Number(color.redF()) + QLatin1Char(' ') + Number(color.greenF()) + QLatin1Char(' ') +
           Number(color.blueF());
}

double AxisY(const Plot& plot, double y) {
    return plot.yLog ? std::log10(y) : y;
}

QString LabelOf(double value) {
    return QString::number(value, 'g', 6);
}

// A PDF from its objects: numbers them from 1 and writes the cross-reference table.
QByteArray PdfOf(const QList<QByteArray>& objects) {
    QByteArray out("%PDF-1.4\n%\xe2\xe3\xcf\xd3\n");
    QList<qsizetype> offsets;
    for (qsizetype at = 0; at < objects.size(); ++at) {
        offsets << out.size();
        out += QByteArray::number(at + 1) + " 0 obj\n" + objects[at] + "\nendobj\n";
    }
    const qsizetype table = out.size();
    out += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (const qsizetype offset : offsets) {
        out += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    }
    out += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) +
           " /Root 1 0 R >>\nstartxref\n" + QByteArray::number(table) + "\n%%EOF\n";
    return out;
}

QByteArray Stream(const QByteArray& dictionary, const QByteArray& content) {
    return "<< " + dictionary + " /Length " + QByteArray::number(content.size()) + " >>\nstream\n" +
           content + "\nendstream";
}

// A circle of radius 3 around (0, 0) in four curves, as plotting programs write their dots.
QString CirclePath() {
    const double r = 3;
    const double k = r * 0.5522847498;
    QStringList parts;
    parts << QStringLiteral("0 %1 m").arg(Number(-r));
    parts << QStringLiteral("%1 %2 %3 %4 %5 0 c")
                 .arg(Number(k), Number(-r), Number(r), Number(-k), Number(r));
    parts << QStringLiteral("%1 %2 %3 %4 0 %5 c")
                 .arg(Number(r), Number(k), Number(k), Number(r), Number(r));
    parts << QStringLiteral("%1 %2 %3 %4 %5 0 c")
                 .arg(Number(-k), Number(r), Number(-r), Number(k), Number(-r));
    parts << QStringLiteral("%1 %2 %3 %4 0 %5 c")
                 .arg(Number(-r), Number(-k), Number(-k), Number(-r), Number(-r));
    parts << QStringLiteral("h");
    return parts.join(QLatin1Char('\n'));
}

} // namespace

Plot ThreeSeries(bool yLog) {
    Plot plot;
    Series line;
    Series dashed;
    Series markers;
    dashed.style = SeriesStyle::DashedLine;
    dashed.color = QColor(255, 127, 14);
    markers.style = SeriesStyle::Markers;
    markers.color = QColor(44, 160, 44);
    if (yLog) {
        plot.yLog = true;
        plot.yFrom = 1;
        plot.yTo = 1e4;
        plot.yTicks = {1, 10, 100, 1000, 10000};
    }
    for (int at = 0; at < 50; ++at) {
        const double x = 0.1 + at * 0.19731;
        const double y = plot.yLog ? std::pow(10.0, 0.3 + 3.2 * x / 10 + 0.2 * std::sin(x))
                                   : 50 + 40 * std::sin(x * 0.7) * std::exp(-x / 14);
        line.data.emplace_back(x, y);
    }
    for (int at = 0; at < 40; ++at) {
        const double x = 0.2 + at * 0.2437;
        const double y = plot.yLog ? std::pow(10.0, 1 + 0.25 * x) : 20 + 6.3 * x;
        dashed.data.emplace_back(x, y);
    }
    for (int at = 0; at < 12; ++at) {
        const double x = 0.5 + at * 0.8123;
        const double y = plot.yLog ? std::pow(10.0, 3.5 - 0.3 * x) : 90 - 7.1 * x;
        markers.data.emplace_back(x, y);
    }
    plot.series = {line, dashed, markers};
    return plot;
}

QPointF PagePoint(const Plot& plot, QPointF value) {
    const double x =
        plot.axes.left() + (value.x() - plot.xFrom) / (plot.xTo - plot.xFrom) * plot.axes.width();
    const double y = plot.axes.top() + (AxisY(plot, value.y()) - AxisY(plot, plot.yFrom)) /
                                           (AxisY(plot, plot.yTo) - AxisY(plot, plot.yFrom)) *
                                           plot.axes.height();
    return {x, y};
}

QPointF PicturePoint(const Plot& plot, QPointF value, double dotsPerInch) {
    const QPointF page = PagePoint(plot, value);
    const double scale = dotsPerInch / 72;
    // From the bottom left in points to the top left in pixels, whose centres stand at whole
    // positions.
    const QPointF shown(page.x() * scale, (plot.page.height() - page.y()) * scale);
    if (plot.rotate == 90) {
        // Turned a quarter clockwise: the page's left edge becomes the top.
        return QPointF(plot.page.height() * scale - shown.y(), shown.x()) - QPointF(0.5, 0.5);
    }
    return shown - QPointF(0.5, 0.5);
}

QByteArray PdfFile(const Plot& plot) {
    QStringList content;
    const QRectF& a = plot.axes;
    // White figure and axes backgrounds.
    content << QStringLiteral("1 g 0 0 %1 %2 re f")
                   .arg(Number(plot.page.width()), Number(plot.page.height()));
    content << QStringLiteral("%1 %2 %3 %4 re f")
                   .arg(Number(a.left()), Number(a.top()), Number(a.width()), Number(a.height()));
    for (const Series& series : plot.series) {
        content << QStringLiteral("q");
        content << QStringLiteral("%1 %2 %3 %4 re W n")
                       .arg(Number(a.left()), Number(a.top()), Number(a.width()),
                            Number(a.height()));
        if (series.style == SeriesStyle::Markers) {
            content << QStringLiteral("%1 rg %1 RG 1 w").arg(Rgb(series.color));
            for (const QPointF& value : series.data) {
                const QPointF at = PagePoint(plot, value);
                content << QStringLiteral("q 1 0 0 1 %1 %2 cm /M0 Do Q")
                               .arg(Number(at.x()), Number(at.y()));
            }
        } else {
            content << QStringLiteral("%1 RG 1.5 w 1 J 1 j").arg(Rgb(series.color));
            if (series.style == SeriesStyle::DashedLine) {
                content << QStringLiteral("[5.55 2.4] 0 d");
            }
            for (std::size_t at = 0; at < series.data.size(); ++at) {
                const QPointF page = PagePoint(plot, series.data[at]);
                content << QStringLiteral("%1 %2 %3")
                               .arg(Number(page.x()), Number(page.y()),
                                    at == 0 ? QStringLiteral("m") : QStringLiteral("l"));
            }
            content << QStringLiteral("S");
        }
        content << QStringLiteral("Q");
    }
    // The frame, the ticks outside it and their labels.
    content << QStringLiteral("0 G 0.8 w 0 J 0 j [] 0 d");
    content << QStringLiteral("%1 %2 %3 %4 re S")
                   .arg(Number(a.left()), Number(a.top()), Number(a.width()), Number(a.height()));
    content << QStringLiteral("0 g");
    for (const double x : plot.xTicks) {
        const double px = PagePoint(plot, {x, plot.yFrom}).x();
        content << QStringLiteral("%1 %2 m %1 %3 l S")
                       .arg(Number(px), Number(a.top()), Number(a.top() - 3.5));
        content << QStringLiteral("BT /F1 10 Tf %1 %2 Td (%3) Tj ET")
                       .arg(Number(px - 4), Number(a.top() - 14), LabelOf(x));
    }
    for (const double y : plot.yTicks) {
        const double py = PagePoint(plot, {plot.xFrom, y}).y();
        content << QStringLiteral("%1 %2 m %3 %2 l S")
                       .arg(Number(a.left()), Number(py), Number(a.left() - 3.5));
        content << QStringLiteral("BT /F1 10 Tf %1 %2 Td (%3) Tj ET")
                       .arg(Number(a.left() - 30), Number(py - 3), LabelOf(y));
    }
    const QByteArray stream = content.join(QLatin1Char('\n')).toLatin1();
    const QByteArray marker = (CirclePath() + QStringLiteral("\nB")).toLatin1();
    QByteArray pageObject = "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " +
                            Number(plot.page.width()).toLatin1() + " " +
                            Number(plot.page.height()).toLatin1() +
                            "] /Contents 4 0 R /Resources << /Font << /F1 5 0 R >> "
                            "/XObject << /M0 6 0 R >> >>";
    if (plot.rotate != 0) {
        pageObject += " /Rotate " + QByteArray::number(plot.rotate);
    }
    pageObject += " >>";
    return PdfOf({"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                  pageObject, Stream("", stream),
                  "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>",
                  Stream("/Type /XObject /Subtype /Form /BBox [-4 -4 4 4]", marker)});
}

QByteArray SvgFile(const Plot& plot) {
    const double height = plot.page.height();
    const auto flip = [&](QPointF page) {
        return QPointF(page.x(), height - page.y());
    };
    const QRectF& a = plot.axes;
    QStringList out;
    out << QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>");
    out << QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" "
                          "xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"%1pt\" "
                          "height=\"%2pt\" viewBox=\"0 0 %1 %2\" version=\"1.1\">")
               .arg(Number(plot.page.width()), Number(height));
    out << QStringLiteral("<defs><clipPath id=\"axes\"><rect x=\"%1\" y=\"%2\" width=\"%3\" "
                          "height=\"%4\"/></clipPath>")
               .arg(Number(a.left()), Number(height - a.bottom()), Number(a.width()),
                    Number(a.height()));
    out << QStringLiteral("<path id=\"dot\" d=\"M 0 3 C 0.7956 3 1.5587 2.6839 2.1213 2.1213 C "
                          "2.6839 1.5587 3 0.7956 3 0 C 3 -0.7956 2.6839 -1.5587 2.1213 -2.1213 C "
                          "1.5587 -2.6839 0.7956 -3 0 -3 C -0.7956 -3 -1.5587 -2.6839 -2.1213 "
                          "-2.1213 C -2.6839 -1.5587 -3 -0.7956 -3 0 C -3 0.7956 -2.6839 1.5587 "
                          "-2.1213 2.1213 C -1.5587 2.6839 -0.7956 3 0 3 z\"/></defs>");
    out << QStringLiteral("<rect width=\"%1\" height=\"%2\" fill=\"#ffffff\"/>")
               .arg(Number(plot.page.width()), Number(height));
    for (const Series& series : plot.series) {
        if (series.style == SeriesStyle::Markers) {
            out << QStringLiteral("<g clip-path=\"url(#axes)\" fill=\"%1\" stroke=\"%1\">")
                       .arg(series.color.name());
            for (const QPointF& value : series.data) {
                const QPointF at = flip(PagePoint(plot, value));
                out << QStringLiteral("<use xlink:href=\"#dot\" x=\"%1\" y=\"%2\"/>")
                           .arg(Number(at.x()), Number(at.y()));
            }
            out << QStringLiteral("</g>");
            continue;
        }
        QStringList d;
        for (std::size_t at = 0; at < series.data.size(); ++at) {
            const QPointF page = flip(PagePoint(plot, series.data[at]));
            d << QStringLiteral("%1 %2 %3")
                     .arg(at == 0 ? QStringLiteral("M") : QStringLiteral("L"), Number(page.x()),
                          Number(page.y()));
        }
        out << QStringLiteral("<path clip-path=\"url(#axes)\" d=\"%1\" fill=\"none\" stroke=\"%2\" "
                              "stroke-width=\"1.5\"%3/>")
                   .arg(d.join(QLatin1Char(' ')), series.color.name(),
                        series.style == SeriesStyle::DashedLine
                            ? QStringLiteral(" stroke-dasharray=\"5.55 2.4\"")
                            : QString());
    }
    out << QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"none\" "
                          "stroke=\"#000000\" stroke-width=\"0.8\"/>")
               .arg(Number(a.left()), Number(height - a.bottom()), Number(a.width()),
                    Number(a.height()));
    for (const double x : plot.xTicks) {
        const QPointF at = flip(PagePoint(plot, {x, plot.yFrom}));
        out << QStringLiteral(
                   "<path d=\"M %1 %2 L %1 %3\" stroke=\"#000000\" stroke-width=\"0.8\"/>")
                   .arg(Number(at.x()), Number(at.y()), Number(at.y() + 3.5));
        out << QStringLiteral("<text x=\"%1\" y=\"%2\" font-size=\"10\">%3</text>")
                   .arg(Number(at.x() - 4), Number(at.y() + 14), LabelOf(x));
    }
    for (const double y : plot.yTicks) {
        const QPointF at = flip(PagePoint(plot, {plot.xFrom, y}));
        out << QStringLiteral(
                   "<path d=\"M %1 %2 L %3 %2\" stroke=\"#000000\" stroke-width=\"0.8\"/>")
                   .arg(Number(at.x()), Number(at.y()), Number(at.x() - 3.5));
        out << QStringLiteral("<text x=\"%1\" y=\"%2\" font-size=\"10\">%3</text>")
                   .arg(Number(at.x() - 30), Number(at.y() + 3), LabelOf(y));
    }
    out << QStringLiteral("</svg>");
    return out.join(QLatin1Char('\n')).toUtf8();
}

QByteArray ScannedPagePdf() {
    const QByteArray content = "q 595 0 0 842 0 0 cm\nBI /W 2 /H 2 /CS /RGB /BPC 8 ID\n" +
                               QByteArray("\xff\x00\x00\x00\xff\x00\x00\x00\xff\xff\xff\xff", 12) +
                               "\nEI\nQ";
    return PdfOf({"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                  "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Contents 4 0 R >>",
                  Stream("", content)});
}

QByteArray ManyPathsPdf(int elements) {
    // Rows of 500 strokes over a figure of the usual 6.4 x 4.8 inches.
    QByteArray content("0 0 1 RG 0.2 w\n");
    for (int at = 0; at < elements; ++at) {
        const double x = 20 + (at % 500) * 0.8;
        const double y = 10 + (at / 500) * 1.6;
        content += Number(x).toLatin1() + ' ' + Number(y).toLatin1() + " m " +
                   Number(x + 0.5).toLatin1() + ' ' + Number(y + 1.2).toLatin1() + " l S\n";
    }
    return PdfOf({"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                  "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 460.8 345.6] /Contents 4 0 R >>",
                  Stream("", content)});
}

} // namespace VectorPlots
