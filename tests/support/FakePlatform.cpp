#include "FakePlatform.h"

#include "core/AppError.h"

#include <QClipboard>
#include <QGuiApplication>

#include <gtest/gtest.h>

namespace {

// The next scripted answer; with none left the program asked what the test did not expect.
template <typename Answer>
Answer Next(std::deque<Answer>& answers, const std::string& what, Answer none = {}) {
    if (answers.empty()) {
        ADD_FAILURE() << "Unexpected " << what;
        return none;
    }
    // Returned straight from the queue and popped after: a local copy of an optional record
    // trips the compiler's uninitialised-use warning.
    const struct PopFront {
        std::deque<Answer>& from;
        ~PopFront() { from.pop_front(); }
    } pop{answers};
    return std::move(answers.front());
}

} // namespace

MessageAnswer FakePrompts::ShowMessage(const QString& text, const QString& title, MessageIcon icon,
                                       MessageButtons buttons) {
    messages.push_back({text, title, icon, buttons});
    if (messageAnswers.empty() && buttons == MessageButtons::Ok) {
        return MessageAnswer::Ok;
    }
    return Next(messageAnswers, "question: " + title.toStdString() + ": " + text.toStdString(),
                MessageAnswer::Cancel);
}

QString FakePrompts::OnlyMessage() const {
    if (messages.size() != 1) {
        ADD_FAILURE() << messages.size() << " boxes shown, not one";
        return {};
    }
    return messages[0].text;
}

QString FakePrompts::AskText(const QString& prompt, const QString& title, const QString&) {
    textPrompts.push_back({prompt, title});
    return Next(textAnswers, "text prompt: " + title.toStdString());
}

FileDialogResult FakePrompts::AnswerFileDialog(const FileDialogRequest& request, const char* kind) {
    fileRequests.push_back(request);
    return Next(fileAnswers, std::string(kind) + " dialog",
                FileDialogResult{QString(), request.filterIndex});
}

FileDialogResult FakePrompts::AskOpenFile(const FileDialogRequest& request) {
    return AnswerFileDialog(request, "open");
}

FileDialogResult FakePrompts::AskSaveFile(const FileDialogRequest& request) {
    return AnswerFileDialog(request, "save");
}

std::optional<PackedColor> FakePrompts::AskColor(PackedColor) {
    return Next(colorAnswers, "colour dialog");
}

void FakeClock::Wait(int milliseconds, Input) {
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
    return Next(choiceAnswers, "choice");
}

std::optional<ScanSettings> FakePrompts::AskScanSettings(const ScanSettingsRequest& request) {
    scanRequests.push_back(request);
    if (onScanSettings) {
        onScanSettings();
    }
    return Next(scanAnswers, "scan settings dialog");
}

std::optional<PdfPageChoice> FakePrompts::AskPdfPage(const PdfPageQuestion& question) {
    pdfPageQuestions.push_back(question);
    return Next(pdfPageAnswers, "PDF page dialog");
}

bool FakeScanner::AcquireToClipboard() {
    if (image.isNull()) {
        return false;
    }
    QGuiApplication::clipboard()->setImage(image);
    return true;
}
