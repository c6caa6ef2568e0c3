#include "TestPdf.h"

#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace TestPdf {

namespace {

void DrawTick(QPainter& painter, QPointF at) {
    painter.drawLine(at - QPointF(6, 0), at + QPointF(6, 0));
    painter.drawLine(at - QPointF(0, 6), at + QPointF(0, 6));
}

void DrawPlot(QPainter& painter, const PlotPage& page) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(FirstReference, QPointF(SecondReference.x() + 20, FirstReference.y()));
    painter.drawLine(FirstReference, QPointF(FirstReference.x(), SecondReference.y() - 20));
    DrawTick(painter, FirstReference);
    DrawTick(painter, SecondReference);
    painter.setPen(Qt::NoPen);
    painter.setBrush(page.color);
    painter.drawEllipse(page.marker, 5, 5);
}

} // namespace

const QList<PlotPage>& TwoPlots() {
    static const QList<PlotPage> plots{{{340, 460}, Qt::red}, {{220, 380}, Qt::blue}};
    return plots;
}

QByteArray Printed(const QPageSize& size, const std::function<void(QPdfWriter&, QPainter&)>& draw) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(size);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(72);
    QPainter painter(&writer);
    draw(writer, painter);
    painter.end();
    return bytes;
}

QByteArray PlotPages(const QList<PlotPage>& pages) {
    return Printed(QPageSize(QPageSize::A4), [&](QPdfWriter& writer, QPainter& painter) {
        for (int at = 0; at < pages.size(); ++at) {
            if (at > 0) {
                writer.newPage();
            }
            DrawPlot(painter, pages[at]);
        }
    });
}

QByteArray PosterPage(double inches) {
    return Printed(QPageSize(QSizeF(inches, inches), QPageSize::Inch),
                   [](QPdfWriter&, QPainter& painter) { painter.drawLine(0, 0, 100, 100); });
}

QByteArray HandMade(const QList<QByteArray>& objects, const QByteArray& trailer) {
    QByteArray out("%PDF-1.4\n");
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
    out += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) + " /Root 1 0 R " +
           trailer + " >>\nstartxref\n" + QByteArray::number(table) + "\n%%EOF\n";
    return out;
}

QByteArray NoPages() {
    return HandMade({"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [] /Count 0 >>"});
}

QByteArray Encrypted() {
    const QByteArray key = QByteArray(32, '\x5a').toHex();
    const QByteArray id = "<00112233445566778899aabbccddeeff>";
    return HandMade({"<< /Type /Catalog /Pages 2 0 R >>",
                     "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                     "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 100] >>",
                     "<< /Filter /Standard /V 1 /R 2 /O <" + key + "> /U <" + key + "> /P -44 >>"},
                    "/Encrypt 4 0 R /ID [" + id + id + "]");
}

QPointF MarkerCentre(const QImage& picture, const QColor& color) {
    // Antialiased edges are mixed with white; the marker's own pixels are the saturated ones.
    double sumX = 0;
    double sumY = 0;
    int count = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QColor pixel = picture.pixelColor(x, y);
            if (std::abs(pixel.red() - color.red()) < 40 &&
                std::abs(pixel.green() - color.green()) < 40 &&
                std::abs(pixel.blue() - color.blue()) < 40) {
                sumX += x + 0.5;
                sumY += y + 0.5;
                ++count;
            }
        }
    }
    return count == 0 ? QPointF(-1, -1) : QPointF(sumX / count, sumY / count);
}

} // namespace TestPdf
