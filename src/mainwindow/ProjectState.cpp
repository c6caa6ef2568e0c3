#include "mainwindow/ProjectState.h"

#include "core/AppState.h"
#include "core/SharedRoutines.h"
#include "document/PictureSurface.h"
#include "document/frmDocument.h"
#include "mainwindow/frmMain.h"
#include "options/frmOptions.h"
#include "table/frmData.h"
#include "zoom/frmZoom.h"

#include <QAction>

Project CurrentProject(bool withPixels, bool withRows) {
    frmMain& main = App().MainForm();
    const PictureSurface& surface = App().Document().Picture2();
    Project project;
    project.pictureType = surface.HasPicture() ? surface.Type() : PictureType::None;
    if (project.pictureType == PictureType::Metafile) {
        project.metafileBytes = surface.OriginalBytes();
    }
    if (withPixels && surface.HasPicture()) {
        project.picture = surface.Picture();
        project.drawnStrip = App().Document().Picture2().Drawing().TileStrip(project.drawnTiles);
    }
    project.calibration = App().calibration;
    project.settings = App().settings;
    project.dataFileName = App().DataFileName;
    project.dataFileType = App().DataFileType;
    for (int panel = 1; panel <= 4; ++panel) {
        project.statusTexts[static_cast<std::size_t>(panel - 1)] = main.PanelText(panel);
    }
    const DataTable& table = App().Data().Table();
    project.rows = withRows ? table.Rows() : std::vector<DataTable::Row>{};
    project.headerFrozen = table.HeaderFrozen();
    return project;
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

void ApplyProject(const Project& project, const QImage& picture) {
    frmMain& main = App().MainForm();
    if (App().ScaleModeOn) {
        App().ScaleModeOn = false;
        main.Item("mnuPictureScale").setChecked(false);
    }
    ResetDocument();
    frmDocument& document = App().Document();
    document.ForgetPictureBeforeRotation();

    App().settings = project.settings;
    PictureSurface& surface = document.Picture2();
    surface.SetDrawWidth(project.settings.DotSize);
    surface.SetPointerIndex(project.settings.PointerIndex);
    App().Zoom().SetLineColor(project.settings.ZoomLineColor);
    App().Options().ShowSettings();

    if (project.pictureType != PictureType::None) {
        surface.SetPicture(picture, project.pictureType, project.metafileBytes);
    }
    App().calibration = project.calibration;
    surface.SetScale(project.calibration.Edges());
    surface.Drawing().SetTileStrip(project.drawnTiles, project.drawnStrip);
    surface.update();

    DataTable& table = App().Data().Table();
    table.Clear();
    for (int column = 0; column < DataTable::ColumnCount; ++column) {
        table.SetCellText(0, column, project.rows.front()[static_cast<std::size_t>(column)]);
    }
    table.ReplacePointRows({project.rows.begin() + 1, project.rows.end()});
    table.SetHeaderFrozen(project.headerFrozen);

    App().DataFileName = project.dataFileName;
    App().DataFileNameFromProject = !project.dataFileName.isEmpty();
    App().DataFileType = project.dataFileType;
    for (int panel = 1; panel <= 4; ++panel) {
        main.SetPanelText(panel, project.statusTexts[static_cast<std::size_t>(panel - 1)]);
    }
    if (project.pictureType != PictureType::None) {
        main.EnableDataMenu();
        document.Form_Resize();
    }
}
