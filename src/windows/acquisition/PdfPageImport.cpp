#include "windows/acquisition/PdfPageImport.h"

#include "core/AppError.h"
#include "decoding/PdfPages.h"
#include "platform/Prompts.h"
#include "windows/acquisition/DecodeProgress.h"
#include "windows/shared/ScreenPointer.h"

namespace {

PdfPageRequest PreviewRequest(int page) {
    PdfPageRequest request;
    request.page = page;
    request.preview = true;
    return request;
}

} // namespace

std::optional<LoadedPicture> ReadPdfPage(QWidget* owner, Prompts& prompts, const QString& path) {
    // An encrypted, damaged or empty file is refused here, before any question.
    const std::optional<LoadedPicture> first =
        DecodeWithProgressBox(owner, path, PreviewRequest(1));
    if (!first) {
        return std::nullopt;
    }
    PdfPageQuestion question;
    question.file = path;
    question.pageCount = first->pdf.pageCount;
    question.firstPage = {first->image, first->pdf.points};
    question.previewOf = [owner, path](int page) -> PdfPagePreview {
        try {
            if (const auto preview = DecodeWithProgressBox(owner, path, PreviewRequest(page))) {
                return {preview->image, preview->pdf.points};
            }
        } catch (const AppError&) {
            // The dialog says that the page cannot be shown.
        }
        return {};
    };
    SetScreenPointer(ScreenPointer::Default);
    const std::optional<PdfPageChoice> choice = prompts.AskPdfPage(question);
    if (!choice) {
        return std::nullopt;
    }
    SetScreenPointer(ScreenPointer::ArrowHourglass);
    return DecodeWithProgressBox(owner, path, {choice->page, choice->dotsPerInch, false});
}
