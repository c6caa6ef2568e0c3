#pragma once

#include "platform/Clock.h"
#include "platform/Prompts.h"
#include "platform/ScannerService.h"
#include "platform/ScreenSource.h"
#include "platform/Shell.h"
#include "platform/SoundPlayer.h"

#include <deque>
#include <functional>
#include <vector>

struct ShownMessage {
    QString text;
    QString title;
    MessageIcon icon;
    MessageButtons buttons;
};

struct TextPrompt {
    QString prompt;
    QString title;
};

// Answers every box from a script and records what was shown. A question (Yes/No or
// OK/Cancel) without a scripted answer fails the test: the program asked something the test
// did not expect.
class FakePrompts final : public Prompts {
public:
    std::deque<MessageAnswer> messageAnswers;
    std::deque<QString> textAnswers;
    std::deque<FileDialogResult> fileAnswers;
    std::deque<std::optional<PackedColor>> colorAnswers;

    std::vector<ShownMessage> messages;
    // The text of the one box shown; a failure of the test when there was not exactly one.
    QString OnlyMessage() const;
    std::vector<TextPrompt> textPrompts;
    std::vector<FileDialogRequest> fileRequests;

    MessageAnswer ShowMessage(const QString& text, const QString& title, MessageIcon icon,
                              MessageButtons buttons) override;
    QString AskText(const QString& prompt, const QString& title,
                    const QString& defaultText) override;
    FileDialogResult AskOpenFile(const FileDialogRequest& request) override;
    FileDialogResult AskSaveFile(const FileDialogRequest& request) override;
    std::optional<PackedColor> AskColor(PackedColor initialColor) override;
    std::optional<int> AskChoice(const QString& prompt, const QString& title,
                                 const QStringList& items) override;

    std::deque<std::optional<int>> choiceAnswers;
    std::vector<QStringList> choices;

    std::optional<ScanSettings> AskScanSettings(const ScanSettingsRequest& request) override;
    std::deque<std::optional<ScanSettings>> scanAnswers;
    // Runs while the settings dialog would be open, to look at the program meanwhile.
    std::function<void()> onScanSettings;
    std::vector<ScanSettingsRequest> scanRequests;

    std::optional<PdfPageChoice> AskPdfPage(const PdfPageQuestion& question) override;
    std::deque<std::optional<PdfPageChoice>> pdfPageAnswers;
    std::vector<PdfPageQuestion> pdfPageQuestions;

private:
    FileDialogResult AnswerFileDialog(const FileDialogRequest& request, const char* kind);
};

// A clock that moves only when the test (or a wait) moves it.
class FakeClock final : public Clock {
public:
    QDateTime now = QDateTime(QDate(2026, 12, 6), QTime(9, 30, 0));
    int waitedMilliseconds = 0;
    // Makes the next Wait throw, to stand in for a failing step.
    bool failNextWait = false;

    QDateTime Now() const override { return now; }
    void Wait(int milliseconds, Input input = Input::HeldBack) override;
    // Runs at every wait, to look at the program while it waits (the splash's wait).
    std::function<void()> onWait;
    void Advance(int milliseconds) { now = now.addMSecs(milliseconds); }
};

class FakeSoundPlayer final : public SoundPlayer {
public:
    std::vector<QByteArray> played;
    void Play(const QByteArray& wavBytes) override { played.push_back(wavBytes); }
};

// Records the files it is asked to open.
class FakeShell final : public Shell {
public:
    std::vector<QString> opened;
    int Open(const QString& file, const QString&, const QString&, const QString&) override {
        opened.push_back(file);
        return Success;
    }
};

// A screen whose pixel at (x, y) has the colour (x mod 256, y mod 256, 7), so a test can tell
// which rectangle was read.
class FakeScreenSource final : public ScreenSource {
public:
    QPoint cursor{100, 100};
    // The device pixel ratio of a scaled display: a grab then holds this many pixels per unit.
    double pixelRatio = 1;
    // Every pixel (x, y) of the screen is (x mod 256, y mod 256, blue).
    int blue = 7;
    mutable std::vector<QRect> grabs;

    QPoint CursorPosition() const override { return cursor; }
    QImage Grab(const QRect& rectangle) const override;
};

// A scanner that answers as the test says and puts its image on the clipboard.
class FakeScanner final : public ScannerService {
public:
    bool available = true;
    QImage image;
    int selections = 0;

    bool IsAvailable() override { return available; }
    void SelectImageSource() override { ++selections; }
    bool AcquireToClipboard() override;
    int EasyVersion() override { return 102; }
};
