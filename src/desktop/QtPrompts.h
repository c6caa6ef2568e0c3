#pragma once

#include "core/PackedColor.h"

#include "platform/Prompts.h"

// Real dialogs: QMessageBox, QInputDialog, QFileDialog and QColorDialog over the active window.
class QtPrompts final : public Prompts {
public:
    MessageAnswer ShowMessage(const QString& text, const QString& title, MessageIcon icon,
                              MessageButtons buttons) override;
    QString AskText(const QString& prompt, const QString& title,
                    const QString& defaultText) override;
    FileDialogResult AskOpenFile(const FileDialogRequest& request) override;
    FileDialogResult AskSaveFile(const FileDialogRequest& request) override;
    std::optional<int> AskChoice(const QString& prompt, const QString& title,
                                 const QStringList& items) override;
    std::optional<PackedColor> AskColor(PackedColor initialColor) override;
    std::optional<ScanSettings> AskScanSettings(const ScanSettingsRequest& request) override;
    std::optional<PdfPageChoice> AskPdfPage(const PdfPageQuestion& question) override;
};
