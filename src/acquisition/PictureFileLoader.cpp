#include "acquisition/PictureFileLoader.h"

#include "core/AppError.h"
#include "core/AppState.h"
#include "core/ErrorReport.h"
#include "core/SharedRoutines.h"
#include "document/PictureSurface.h"
#include "document/frmDocument.h"
#include "mainwindow/frmMain.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

bool OpenPictureFile(const QString& path) {
    ResetDocument();
    const QFileInfo info(path);
    if (!info.exists() || info.isDir()) {
        ShowErrorReport({ErrorNumber::FileNotFound,
                         QStringLiteral("File not found: ") + QDir::toNativeSeparators(path),
                         {}});
        return false;
    }
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (image.isNull()) {
        ShowErrorReport({481,
                         QStringLiteral("Invalid picture: ") + QDir::toNativeSeparators(path) +
                             QStringLiteral(" (") + reader.errorString() + QLatin1Char(')'),
                         {}});
        return false;
    }
    App().Document().Picture2().SetPicture(image, PictureType::Bitmap);
    App().MainForm().EnableDataMenu();
    App().MainForm().SetPanelText(2, info.absoluteFilePath());
    return true;
}
