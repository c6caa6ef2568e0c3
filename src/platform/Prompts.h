#pragma once

#include "core/PackedColor.h"

#include <QImage>
#include <QList>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

enum class MessageIcon { None, Critical, Question, Exclamation, Information };
// YesNoMorePoints adds "&More Points" to Yes and No, answered MorePoints.
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, YesNoMorePoints };
enum class MessageAnswer { Ok, Cancel, Yes, No, MorePoints };

// A file dialog as the program's commands see it. The filter is the classic list of
// description and pattern pairs separated by "|", e.g. "All Files (*.*)|*.*|PNG (*.png)|*.png";
// the file-type index counts from 1.
struct FileDialogRequest {
    QString title;
    QString filter;
    int filterIndex = 1;
    QString fileName;
    QString defaultExtension; // with its dot, e.g. ".dat"; added to a typed name without one
    bool mustExist = false;
};

// The chosen path (empty on Cancel) and the file-type index in use when the dialog closed.
struct FileDialogResult {
    QString path;
    int filterIndex = 1;
};

// The scanner's settings dialog: the device it scans from, the resolutions (dots per inch)
// and colour modes that device offers, and the values it starts with.
struct ScanSettingsRequest {
    QString device;
    QList<int> resolutions;
    int resolution = 0;
    QStringList modes;
    QString mode;
};

struct ScanSettings {
    int resolution = 0;
    QString mode;
};

// A small picture of one page of a PDF and the page's size in points; a null image when the
// page cannot be shown.
struct PdfPagePreview {
    QImage image;
    QSizeF points;
};

// Which page of a PDF to import and at what resolution: the question carries the first
// page's preview and fetches the others' when the user turns to them.
struct PdfPageQuestion {
    QString file;
    int pageCount = 1;
    PdfPagePreview firstPage;
    std::function<PdfPagePreview(int page)> previewOf;
};

struct PdfPageChoice {
    int page = 1;
    int dotsPerInch = 300;
};

// Every modal question, message and dialog the program shows goes through here, so that
// tests can answer them from a script.
class Prompts {
public:
    virtual ~Prompts() = default;

    virtual MessageAnswer ShowMessage(const QString& text, const QString& title, MessageIcon icon,
                                      MessageButtons buttons) = 0;
    // The typed text; empty when the user cancels.
    virtual QString AskText(const QString& prompt, const QString& title,
                            const QString& defaultText = {}) = 0;
    virtual FileDialogResult AskOpenFile(const FileDialogRequest& request) = 0;
    virtual FileDialogResult AskSaveFile(const FileDialogRequest& request) = 0;
    // The position of the item the user chose from a list, or nothing on Cancel.
    virtual std::optional<int> AskChoice(const QString& prompt, const QString& title,
                                         const QStringList& items) = 0;
    // A packed colour R + 256*G + 65536*B, or nothing when the user cancels.
    virtual std::optional<PackedColor> AskColor(PackedColor initialColor) = 0;
    // The settings of one scan, or nothing when the user cancels.
    virtual std::optional<ScanSettings> AskScanSettings(const ScanSettingsRequest& request) = 0;
    // The page and resolution, or nothing when the user cancels.
    virtual std::optional<PdfPageChoice> AskPdfPage(const PdfPageQuestion& question) = 0;
};
