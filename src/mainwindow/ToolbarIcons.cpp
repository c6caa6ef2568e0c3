#include "mainwindow/ToolbarIcons.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

namespace {

constexpr int Size = 24;

// A small picture with a few letters, for commands the desktop has no icon for.
QIcon LetterIcon(const QString& letters, const QColor& color) {
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color.darker(130), 1));
    painter.setBrush(color.lighter(170));
    painter.drawRoundedRect(QRectF(1.5, 1.5, Size - 3, Size - 3), 4, 4);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(letters.size() > 2 ? 8 : 11);
    painter.setFont(font);
    painter.setPen(color.darker(200));
    painter.drawText(QRect(0, 0, Size, Size), Qt::AlignCenter, letters);
    return QIcon(pixmap);
}

} // namespace

QIcon ToolbarIcon(const QString& key) {
    QStyle* style = QApplication::style();
    if (key == QLatin1String("New")) {
        return style->standardIcon(QStyle::SP_FileIcon);
    }
    if (key == QLatin1String("Save")) {
        return style->standardIcon(QStyle::SP_DialogSaveButton);
    }
    if (key == QLatin1String("Open")) {
        return style->standardIcon(QStyle::SP_DialogOpenButton);
    }
    if (key == QLatin1String("RemoveAll")) {
        return style->standardIcon(QStyle::SP_TrashIcon);
    }
    const struct {
        const char* key;
        const char* letters;
        QColor color;
    } lettered[] = {
        {"Print", "Prn", QColor(90, 90, 90)},
        {"Paste", "Pst", QColor(160, 110, 40)},
        {"SortXY", "X\u2191", QColor(30, 110, 200)},
        {"SortYX", "Y\u2191", QColor(30, 110, 200)},
        {"RemoveRepeated", "2\u00d7", QColor(200, 60, 60)},
        {"RemoveSelected", "\u2212", QColor(200, 60, 60)},
        {"AutoRead", "AR", QColor(40, 150, 60)},
        {"Interpolate", "~", QColor(170, 40, 170)},
        {"Options", "Opt", QColor(110, 110, 150)},
        {"Capture", "Cap", QColor(40, 140, 160)},
        {"Scanner", "Scn", QColor(40, 140, 160)},
        {"Zoom", "\u2295", QColor(0, 150, 0)},
    };
    for (const auto& entry : lettered) {
        if (key == QString::fromUtf8(entry.key)) {
            return LetterIcon(QString::fromUtf8(entry.letters), entry.color);
        }
    }
    return {};
}
