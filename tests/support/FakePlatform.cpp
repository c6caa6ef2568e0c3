#include "FakePlatform.h"

#include "core/AppError.h"

#include <QClipboard>
#include <QGuiApplication>

#include <gtest/gtest.h>

MessageAnswer FakePrompts::ShowMessage(const QString& text, const QString& title, MessageIcon icon,
                                       MessageButtons buttons) {
    messages.push_back({text, title, icon, buttons});
    if (!messageAnswers.empty()) {
        const MessageAnswer answer = messageAnswers.front();
        messageAnswers.pop_front();
        return answer;
    }
    if (buttons != MessageButtons::Ok) {
        ADD_FAILURE() << "Unexpected question: " << title.toStdString() << ": "
                      << text.toStdString();
        return MessageAnswer::Cancel;
    }
    return MessageAnswer::Ok;
}

QString FakePrompts::AskText(const QString& prompt, const QString& title, const QString&) {
    textPrompts.push_back({prompt, title});
    if (textAnswers.empty()) {
        ADD_FAILURE() << "Unexpected text prompt: " << title.toStdString();
        return {};
    }
    QString answer = textAnswers.front();
    textAnswers.pop_front();
    return answer;
}

FileDialogResult FakePrompts::AnswerFileDialog(const FileDialogRequest& request, const char* kind) {
    fileRequests.push_back(request);
    if (fileAnswers.empty()) {
        ADD_FAILURE() << "Unexpected " << kind << " dialog";
        return {QString(), request.filterIndex};
    }
    FileDialogResult answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

FileDialogResult FakePrompts::AskOpenFile(const FileDialogRequest& request) {
    return AnswerFileDialog(request, "open");
}

FileDialogResult FakePrompts::AskSaveFile(const FileDialogRequest& request) {
    return AnswerFileDialog(request, "save");
}

std::optional<int> FakePrompts::AskColor(int) {
    if (colorAnswers.empty()) {
        ADD_FAILURE() << "Unexpected colour dialog";
        return std::nullopt;
    }
    const auto answer = colorAnswers.front();
    colorAnswers.pop_front();
    return answer;
}

void FakeClock::Wait(int milliseconds, Input input) {
    lastWaitInput = input;
    if (onWait) {
        onWait();
    }
    if (failNextWait) {
        failNextWait = false;
        throw AppError{53, QStringLiteral("File not found"), QStringLiteral("Kurvex")};
    }
    waitedMilliseconds += milliseconds;
    Advance(milliseconds);
}

QImage FakeScreenSource::Grab(const QRect& rectangle) const {
    grabs.push_back(rectangle);
    const QRect pixels(rectangle.topLeft() * pixelRatio, rectangle.size() * pixelRatio);
    QImage image(pixels.size(), QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    for (int row = 0; row < image.height(); ++row) {
        for (int column = 0; column < image.width(); ++column) {
            const int x = pixels.x() + column;
            const int y = pixels.y() + row;
            image.setPixel(column, row,
                           qRgb(((x % 256) + 256) % 256, ((y % 256) + 256) % 256, blue));
        }
    }
    return image;
}

std::optional<int> FakePrompts::AskChoice(const QString&, const QString&,
                                          const QStringList& items) {
    choices.push_back(items);
    if (choiceAnswers.empty()) {
        ADD_FAILURE() << "Unexpected choice";
        return std::nullopt;
    }
    const auto answer = choiceAnswers.front();
    choiceAnswers.pop_front();
    return answer;
}

std::optional<ScanSettings> FakePrompts::AskScanSettings(const ScanSettingsRequest& request) {
    scanRequests.push_back(request);
    if (scanAnswers.empty()) {
        ADD_FAILURE() << "Unexpected scan settings dialog";
        return std::nullopt;
    }
    const auto answer = scanAnswers.front();
    scanAnswers.pop_front();
    return answer;
}

std::optional<PdfPageChoice> FakePrompts::AskPdfPage(const PdfPageQuestion& question) {
    pdfPageQuestions.push_back(question);
    if (pdfPageAnswers.empty()) {
        ADD_FAILURE() << "Unexpected PDF page dialog";
        return std::nullopt;
    }
    const auto answer = pdfPageAnswers.front();
    pdfPageAnswers.pop_front();
    return answer;
}

bool FakeScanner::AcquireToClipboard() {
    ++acquisitions;
    if (image.isNull()) {
        return false;
    }
    QGuiApplication::clipboard()->setImage(image);
    return true;
}
