#pragma once

#include "platform/Prompts.h"

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QSpinBox;

// Asks which page of a PDF becomes the picture, showing a preview of the page, and the
// resolution to render it at. The pixel size the page will have is shown as the resolution
// changes; a resolution whose page would pass the pixel limit cannot be chosen.
class frmPdfPage final : public QDialog {
public:
    frmPdfPage(const PdfPageQuestion& question, QWidget* parent = nullptr);

    PdfPageChoice Choice() const;

private:
    void ShowPage(int page);
    void ShowSize();

    PdfPageQuestion m_question;
    QSizeF m_points;
    QSpinBox* m_spnPage = nullptr;
    QLabel* m_lblPreview = nullptr;
    QSpinBox* m_spnResolution = nullptr;
    QLabel* m_lblSize = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};
