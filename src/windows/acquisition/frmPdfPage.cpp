#include "windows/acquisition/frmPdfPage.h"

#include "decoding/PdfPages.h"
#include "windows/shared/ScreenPointer.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>

frmPdfPage::frmPdfPage(const PdfPageQuestion& question, QWidget* parent)
    : QDialog(parent), m_question(question), m_points(question.firstPage.points) {
    setObjectName(QStringLiteral("frmPdfPage"));
    setWindowTitle(QStringLiteral("Import PDF Page"));
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("File:"), new QLabel(QFileInfo(question.file).fileName(), this));

    m_spnPage = new QSpinBox(this);
    m_spnPage->setObjectName(QStringLiteral("spnPage"));
    m_spnPage->setRange(1, std::max(1, question.pageCount));
    m_spnPage->setSuffix(QStringLiteral(" of %1").arg(question.pageCount));
    m_spnPage->setKeyboardTracking(false);
    form->addRow(QStringLiteral("&Page:"), m_spnPage);
    // A one-page file has nothing to choose.
    form->setRowVisible(m_spnPage, question.pageCount > 1);

    m_lblPreview = new QLabel(this);
    m_lblPreview->setObjectName(QStringLiteral("lblPreview"));
    m_lblPreview->setFixedSize(PdfPreviewSide + 2, PdfPreviewSide + 2);
    m_lblPreview->setAlignment(Qt::AlignCenter);
    m_lblPreview->setFrameShape(QFrame::StyledPanel);
    form->addRow(m_lblPreview);

    m_spnResolution = new QSpinBox(this);
    m_spnResolution->setObjectName(QStringLiteral("spnResolution"));
    m_spnResolution->setRange(LeastPdfDotsPerInch, MostPdfDotsPerInch);
    m_spnResolution->setValue(DefaultPdfDotsPerInch);
    m_spnResolution->setSuffix(QStringLiteral(" dpi"));
    form->addRow(QStringLiteral("&Resolution:"), m_spnResolution);

    m_lblSize = new QLabel(this);
    m_lblSize->setObjectName(QStringLiteral("lblSize"));
    m_lblSize->setWordWrap(true);
    form->addRow(m_lblSize);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Import"));
    form->addRow(m_buttons);

    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_spnPage, &QSpinBox::valueChanged, this, &frmPdfPage::ShowPage);
    connect(m_spnResolution, &QSpinBox::valueChanged, this, &frmPdfPage::ShowSize);

    m_lblPreview->setPixmap(QPixmap::fromImage(question.firstPage.image));
    ShowSize();
}

PdfPageChoice frmPdfPage::Choice() const {
    return {m_spnPage->value(), m_spnResolution->value()};
}

void frmPdfPage::ShowPage(int page) {
    PdfPagePreview preview;
    if (m_question.previewOf) {
        SetScreenPointer(ScreenPointer::ArrowHourglass);
        preview = m_question.previewOf(page);
        SetScreenPointer(ScreenPointer::Default);
    }
    m_points = preview.points;
    if (preview.image.isNull()) {
        m_lblPreview->setPixmap({});
        m_lblPreview->setText(QStringLiteral("Page %1 cannot be shown.").arg(page));
    } else {
        m_lblPreview->setPixmap(QPixmap::fromImage(preview.image));
    }
    ShowSize();
}

void frmPdfPage::ShowSize() {
    const int dotsPerInch = m_spnResolution->value();
    const bool shown = m_points.width() > 0 && m_points.height() > 0;
    const bool fits = shown && PdfPageTooLargeReason(m_points, dotsPerInch).isEmpty();
    if (!shown) {
        m_lblSize->setText(QString());
    } else if (fits) {
        const QSize pixels = PdfPagePixels(m_points, dotsPerInch);
        m_lblSize->setText(
            QStringLiteral("%1 x %2 pixels").arg(pixels.width()).arg(pixels.height()));
    } else {
        const int most = MostFittingPdfDotsPerInch(m_points);
        m_lblSize->setText(most >= LeastPdfDotsPerInch
                               ? QStringLiteral("Too large a picture at this resolution: "
                                                "%1 dpi or less fits.")
                                     .arg(most)
                               : QStringLiteral("The page is too large to import."));
    }
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(fits);
}
