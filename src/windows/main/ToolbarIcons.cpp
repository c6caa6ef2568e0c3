#include "windows/main/ToolbarIcons.h"

namespace {

struct IconFile {
    const char* key;
    const char* file;
};

constexpr IconFile IconFiles[] = {
    {"New", "new"},
    {"Save", "save"},
    {"Print", "print"},
    {"Paste", "paste"},
    {"Open", "open"},
    {"SortXY", "sort-x"},
    {"SortYX", "sort-y"},
    {"RemoveAll", "remove-all"},
    {"RemoveRepeated", "remove-repeated"},
    {"RemoveSelected", "remove-selected"},
    {"AutoRead", "auto-read"},
    {"Interpolate", "interpolate"},
    {"Options", "options"},
    {"Capture", "capture"},
    {"Scanner", "scanner"},
    {"Zoom", "zoom"},
};

QIcon IconFromResource(const char* file) {
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(file)));
}

} // namespace

QIcon ToolbarIcon(const QString& key) {
    for (const IconFile& entry : IconFiles) {
        if (key == QLatin1String(entry.key)) {
            return IconFromResource(entry.file);
        }
    }
    return {};
}

QIcon ProgramIcon() {
    return IconFromResource("kurvex");
}
