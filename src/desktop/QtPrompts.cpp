#include "desktop/QtPrompts.h"

#include "core/ShownText.h"
#include "platform/FileFilter.h"
#include "windows/acquisition/frmPdfPage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

namespace {

// A dialog belongs to the active window, so that the window manager keeps it in front. Right
// after start-up no window may be active yet: then it belongs to the main window.
QWidget* DialogParent() {
    if (QWidget* active = QApplication::activeWindow()) {
        return active;
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && qobject_cast<QMainWindow*>(window) != nullptr) {
            return window;
        }
    }
    return nullptr;
}

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
    case MessageButtons::YesNoMorePoints:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

FileDialogResult RunFileDialog(const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(DialogParent(), request.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen && request.mustExist
                           ? QFileDialog::ExistingFile
                           : QFileDialog::AnyFile);
    // The program asks its own overwrite question where it wants one.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    const QStringList entries = FileFilterEntries(request.filter);
    dialog.setNameFilters(entries);
    if (request.filterIndex >= 1 && request.filterIndex <= entries.size()) {
        dialog.selectNameFilter(entries[request.filterIndex - 1]);
    }
    if (!request.fileName.isEmpty()) {
        dialog.selectFile(request.fileName);
    }
    FileDialogResult result{QString(), request.filterIndex};
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return result;
    }
    const int chosen = static_cast<int>(entries.indexOf(dialog.selectedNameFilter()));
    result.filterIndex = chosen >= 0 ? chosen + 1 : request.filterIndex;
    result.path = dialog.selectedFiles().constFirst();
    if (mode == QFileDialog::AcceptSave) {
        result.path = WithDefaultExtension(result.path, request.defaultExtension);
    }
    return result;
}

} // namespace

MessageAnswer QtPrompts::ShowMessage(const QString& text, const QString& title, MessageIcon icon,
                                     MessageButtons buttons) {
    QMessageBox box(ToQtIcon(icon), title, ShownText(text), ToQtButtons(buttons), DialogParent());
    QAbstractButton* more =
        buttons == MessageButtons::YesNoMorePoints
            ? box.addButton(QStringLiteral("&More Points"), QMessageBox::ActionRole)
            : nullptr;
    const int answer = box.exec();
    if (more != nullptr && box.clickedButton() == more) {
        return MessageAnswer::MorePoints;
    }
    switch (answer) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        break;
    }
    // Closing an OK/Cancel or Yes/No box with Escape or the frame counts as the negative answer.
    if (buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoMorePoints) {
        return MessageAnswer::No;
    }
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

QString QtPrompts::AskText(const QString& prompt, const QString& title,
                           const QString& defaultText) {
    bool accepted = false;
    const QString text = QInputDialog::getText(DialogParent(), title, ShownText(prompt),
                                               QLineEdit::Normal, defaultText, &accepted);
    return accepted ? text : QString();
}

FileDialogResult QtPrompts::AskOpenFile(const FileDialogRequest& request) {
    return RunFileDialog(request, QFileDialog::AcceptOpen);
}

FileDialogResult QtPrompts::AskSaveFile(const FileDialogRequest& request) {
    return RunFileDialog(request, QFileDialog::AcceptSave);
}

std::optional<int> QtPrompts::AskChoice(const QString& prompt, const QString& title,
                                        const QStringList& items) {
    bool accepted = false;
    const QString chosen =
        QInputDialog::getItem(DialogParent(), title, ShownText(prompt), items, 0, false, &accepted);
    if (!accepted) {
        return std::nullopt;
    }
    const auto index = items.indexOf(chosen);
    return index >= 0 ? std::optional<int>(static_cast<int>(index)) : std::nullopt;
}

std::optional<PackedColor> QtPrompts::AskColor(PackedColor initialColor) {
    const QColor chosen = QColorDialog::getColor(initialColor.ToQColor(), DialogParent());
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    return PackedColor::FromQColor(chosen);
}

std::optional<ScanSettings> QtPrompts::AskScanSettings(const ScanSettingsRequest& request) {
    QDialog dialog(DialogParent());
    dialog.setObjectName(QStringLiteral("ScanSettings"));
    dialog.setWindowTitle(QStringLiteral("Scan"));
    auto* form = new QFormLayout(&dialog);
    form->addRow(QStringLiteral("Scanner:"), new QLabel(request.device, &dialog));
    auto* resolution = new QComboBox(&dialog);
    for (const int dots : request.resolutions) {
        resolution->addItem(QStringLiteral("%1 dpi").arg(dots), dots);
    }
    resolution->setCurrentIndex(
        std::max(0, static_cast<int>(request.resolutions.indexOf(request.resolution))));
    resolution->setEnabled(!request.resolutions.isEmpty());
    form->addRow(QStringLiteral("&Resolution:"), resolution);
    auto* mode = new QComboBox(&dialog);
    mode->addItems(request.modes);
    mode->setCurrentText(request.mode);
    mode->setEnabled(!request.modes.isEmpty());
    form->addRow(QStringLiteral("Colour &mode:"), mode);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Scan"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return ScanSettings{resolution->currentData().toInt(), mode->currentText()};
}

std::optional<PdfPageChoice> QtPrompts::AskPdfPage(const PdfPageQuestion& question) {
    frmPdfPage dialog(question, DialogParent());
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Choice();
}
