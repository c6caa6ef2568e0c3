#include "project/ProjectState.h"

#include "session/ReferenceFit.h"
#include "session/Session.h"

#include <QCryptographicHash>

Project CurrentProject(const Session& session, bool withPixels, bool withRows) {
    const SessionPicture& picture = session.Picture();
    Project project;
    project.pictureType = picture.HasPicture() ? picture.Type() : PictureType::None;
    if (project.pictureType == PictureType::Metafile) {
        project.metafileBytes = picture.OriginalBytes();
    }
    if (withPixels && picture.HasPicture()) {
        project.picture = picture.Picture();
        project.vectors = picture.Vectors();
        project.drawnStrip = picture.Drawing().TileStrip(project.drawnTiles);
    }
    project.calibration = session.calibration;
    project.moreReferences = session.moreReferences;
    project.fitted = session.Picture().Coordinates().Fitted().has_value();
    project.settings = session.settings;
    project.dataFileName = session.DataFileName;
    project.dataFileType = session.DataFileType;
    for (int panel = 1; panel <= Session::StatusTextCount; ++panel) {
        project.statusTexts[static_cast<std::size_t>(panel - 1)] = session.StatusText(panel);
    }
    project.curves.clear();
    for (int index = 0; index < session.CurveCount(); ++index) {
        const Curve& curve = session.CurveAt(index);
        project.curves.push_back(
            ProjectCurve{curve.name, curve.color, curve.shown,
                         withRows ? curve.table->Rows() : std::vector<DataTable::Row>{},
                         curve.table->HeaderFrozen()});
    }
    project.currentCurve = session.CurrentCurveIndex();
    return project;
}

QByteArray ProjectFingerprint(const Session& session) {
    Project project = CurrentProject(session, false, false);
    // Texts 3 and 4 follow the pointer over the picture: moving it changes no work.
    project.statusTexts[2].clear();
    project.statusTexts[3].clear();
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(ProjectDocument(project));
    // The table's cells as they are held, each with its length, through Qt's fast hash of
    // bytes: a table of a million points is looked at in a few tens of milliseconds, where
    // writing its document took seconds. Sixty-four bits tell a change well enough.
    std::size_t cells = 0;
    for (int index = 0; index < session.CurveCount(); ++index) {
        // A row moved from one curve to the next is a change.
        cells = qHash(index, cells);
        for (const DataTable::Row& row : session.CurveAt(index).table->Rows()) {
            for (const QString& cell : row) {
                cells = qHashBits(cell.utf16(),
                                  static_cast<std::size_t>(cell.size()) * sizeof(char16_t),
                                  cells ^ static_cast<std::size_t>(cell.size()));
            }
        }
    }
    hash.addData(QByteArrayView(reinterpret_cast<const char*>(&cells), sizeof cells));
    // A new picture (imported, pasted, turned) is a new image.
    hash.addData(QByteArray::number(session.Picture().Picture().cacheKey()));
    return hash.result();
}

bool ProjectChanged(const Session& session) {
    return !session.ProjectPath().isEmpty() &&
           ProjectFingerprint(session) != session.SavedProjectFingerprint();
}

bool DrawingFits(const Project& project, QSize picture) {
    const qint64 across = (picture.width() + DrawnPicture::TileSize - 1) / DrawnPicture::TileSize;
    const qint64 down = (picture.height() + DrawnPicture::TileSize - 1) / DrawnPicture::TileSize;
    for (const int tile : project.drawnTiles) {
        if (tile < 0 || tile >= across * down) {
            return false;
        }
    }
    return true;
}

void ApplyProject(Session& session, const Project& project, const QImage& picture) {
    session.ScaleModeOn = false;
    session.ResetDocument();
    SessionPicture& shown = session.Picture();
    shown.ForgetBeforeRotation();

    shown.SetDrawWidth(project.settings.DotSize);
    session.ApplySettings(project.settings);

    if (project.pictureType != PictureType::None) {
        shown.SetPicture(picture, project.pictureType, project.metafileBytes, project.vectors);
    }
    session.calibration = project.calibration;
    session.moreReferences = project.moreReferences;
    session.MorePointsWanted = false;
    shown.SetScale(project.calibration.Edges());
    // The fit is made again from the points kept, which gives the map it gave when it was
    // applied; points that no longer fit leave the edges' frame.
    if (project.fitted) {
        if (const std::optional<QTransform> map = RefitApplied(session)) {
            shown.SetFittedScale(project.calibration.Edges(), *map);
        }
    }
    shown.Drawing().SetTileStrip(project.drawnTiles, project.drawnStrip);
    shown.Redrawn();

    std::vector<Curve> curves;
    for (const ProjectCurve& kept : project.curves) {
        Curve curve{kept.name, kept.color, kept.shown};
        DataTable& table = *curve.table;
        for (int column = 0; column < DataTable::ColumnCount; ++column) {
            table.SetCellText(0, column, kept.rows.front()[static_cast<std::size_t>(column)]);
        }
        table.ReplacePointRows({kept.rows.begin() + 1, kept.rows.end()});
        table.SetHeaderFrozen(kept.headerFrozen);
        curves.push_back(std::move(curve));
    }
    session.ReplaceCurves(std::move(curves), project.currentCurve);

    session.DataFileName = project.dataFileName;
    session.DataFileNameFromProject = !project.dataFileName.isEmpty();
    session.DataFileType = project.dataFileType;
    for (int panel = 1; panel <= Session::StatusTextCount; ++panel) {
        session.SetStatusText(panel, project.statusTexts[static_cast<std::size_t>(panel - 1)]);
    }
    // An opened project is where Undo stops: the steps before it were of another session.
    session.History().Clear();
}
