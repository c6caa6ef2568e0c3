// A build tool: draws the program's SVG icon as PNG files of the sizes that icon themes keep,
// for the desktop's menus and file managers that do not read SVG.
//
// Usage: kurvex_render_icon ICON.svg FOLDER SIZE... (writes FOLDER/SIZExSIZE/kurvex.png)

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    if (argc < 4) {
        std::fputs("usage: kurvex_render_icon ICON.svg FOLDER SIZE...\n", stderr);
        return 2;
    }
    QSvgRenderer drawing(QString::fromLocal8Bit(argv[1]));
    if (!drawing.isValid()) {
        std::fprintf(stderr, "%s is not an SVG drawing\n", argv[1]);
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[2]));
    for (int i = 3; i < argc; ++i) {
        const int size = QString::fromLatin1(argv[i]).toInt();
        if (size <= 0) {
            std::fprintf(stderr, "%s is not a size\n", argv[i]);
            return 2;
        }
        const QString name = QStringLiteral("%1x%1").arg(size);
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        drawing.render(&painter);
        painter.end();
        if (!folder.mkpath(name) ||
            !image.save(folder.filePath(name + QStringLiteral("/kurvex.png")))) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(folder.filePath(name)));
            return 1;
        }
    }
    return 0;
}
