// Project files: the whole session kept in one file and picked up again, and the list of the
// last ones.

#include "windows/main/frmMain.h"

#include "core/FileErrors.h"
#include "core/RegularFile.h"
#include "platform/Prompts.h"
#include "project/ProjectState.h"
#include "project/RecentProjects.h"
#include "windows/acquisition/DecodeProgress.h"
#include "windows/data/frmData.h"
#include "windows/document/PictureSurface.h"
#include "windows/document/frmDocument.h"
#include "windows/shared/AppState.h"
#include "windows/shared/ErrorReport.h"
#include "windows/shared/ScreenPointer.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QTemporaryFile>

namespace {

const QString ProjectFilter = QStringLiteral("Kurvex Projects (*.kurvexproj)|*.kurvexproj");
const char RecentProperty[] = "recentProject";

// The picture of a project, decoded like any picture file: in the decoder process.
std::optional<QImage> DecodeProjectPicture(QWidget* owner, const QString& path,
                                           const QByteArray& png) {
    QTemporaryFile file(QDir::temp().filePath(QStringLiteral("kurvex-project-XXXXXX.png")));
    if (!file.open() || file.write(png) != png.size() || !file.flush()) {
        throw FileErrorFor(file, file.fileName());
    }
    try {
        const std::optional<LoadedPicture> loaded = DecodeWithProgressBox(owner, file.fileName());
        if (!loaded) {
            return std::nullopt;
        }
        return loaded->image;
    } catch (const AppError&) {
        throw InvalidProjectError(path, QStringLiteral("its picture cannot be read"));
    }
}

} // namespace

bool frmMain::ProjectChanged() const {
    return ::ProjectChanged(App().session);
}

void frmMain::mnuFileOpenProject_Click() {
    FileDialogRequest request;
    request.title = QStringLiteral("Open Project");
    request.filter = ProjectFilter + QStringLiteral("|All Files (*.*)|*.*");
    request.fileName = ProjectPath();
    request.mustExist = true;
    const QString path = App().prompts().AskOpenFile(request).path;
    if (!path.isEmpty()) {
        OpenProjectFile(path);
    }
}

bool frmMain::OpenProjectFile(const QString& path) {
    SetScreenPointer(ScreenPointer::ArrowHourglass);
    try {
        const ReadProject read = ReadProjectBytes(ReadPictureFile(path), path);
        QImage picture;
        if (read.project.pictureType != PictureType::None) {
            const std::optional<QImage> decoded = DecodeProjectPicture(this, path, read.picturePng);
            if (!decoded) {
                SetScreenPointer(ScreenPointer::Default);
                return false;
            }
            picture = *decoded;
        }
        if (!DrawingFits(read.project, picture.size())) {
            throw InvalidProjectError(path, QStringLiteral("its drawing does not fit its picture"));
        }
        // The project takes the table's place: what is kept nowhere else is offered for saving
        // first, once the file is known to be good.
        SetScreenPointer(ScreenPointer::Default);
        if (!QuerySaveProject() || (ProjectPath().isEmpty() && !App().Data().QueryUnload())) {
            return false;
        }
        SetScreenPointer(ScreenPointer::ArrowHourglass);
        ApplyProject(App().session, read.project, picture);
        Item("mnuPictureScale").setChecked(false);
        if (read.project.pictureType != PictureType::None) {
            EnableDataMenu();
            App().Document().Form_Resize();
        }
    } catch (const AppError& error) {
        SetScreenPointer(ScreenPointer::Default);
        ShowErrorReport(error);
        if (error.number == ErrorNumber::FileNotFound) {
            RecentProjects(App().RecentProjectsSettings).Remove(path);
        }
        return false;
    } catch (const std::bad_alloc&) {
        SetScreenPointer(ScreenPointer::Default);
        ShowErrorReport(OutOfMemoryError());
        return false;
    }
    KeepProjectPath(path);
    SetScreenPointer(ScreenPointer::Default);
    return true;
}

void frmMain::ForgetProjectPath() {
    App().session.ForgetProjectPath();
}

// The session is now the one in this file, as opened or just saved.
void frmMain::KeepProjectPath(const QString& path) {
    Session& session = App().session;
    session.KeepProjectPath(QFileInfo(path).absoluteFilePath(), ProjectFingerprint(session));
    RecentProjects(App().RecentProjectsSettings).Add(session.ProjectPath());
}

bool frmMain::mnuFileSaveProject_Click() {
    return ProjectPath().isEmpty() ? mnuFileSaveProjectAs_Click() : SaveProjectTo(ProjectPath());
}

bool frmMain::mnuFileSaveProjectAs_Click() {
    FileDialogRequest request;
    request.title = QStringLiteral("Save Project");
    request.filter = ProjectFilter;
    request.fileName = ProjectPath();
    request.defaultExtension = ProjectExtension;
    QString path = App().prompts().AskSaveFile(request).path;
    if (path.isEmpty()) {
        return false;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += ProjectExtension;
    }
    if (FileExists(path) && QFileInfo(path).absoluteFilePath() != ProjectPath()) {
        const MessageAnswer answer = App().prompts().ShowMessage(
            path + QStringLiteral(" exists. Do you want to overwrite it?"),
            QStringLiteral("File Exists"), MessageIcon::Question, MessageButtons::YesNo);
        if (answer != MessageAnswer::Yes) {
            return false;
        }
    }
    return SaveProjectTo(path);
}

bool frmMain::SaveProjectTo(const QString& path) {
    SetScreenPointer(ScreenPointer::ArrowHourglass);
    try {
        WriteWholeFile(path, ProjectBytes(CurrentProject(App().session, true)));
    } catch (const AppError& error) {
        SetScreenPointer(ScreenPointer::Default);
        ShowErrorReport(error);
        return false;
    } catch (const std::bad_alloc&) {
        SetScreenPointer(ScreenPointer::Default);
        ShowErrorReport(OutOfMemoryError());
        return false;
    }
    KeepProjectPath(path);
    SetScreenPointer(ScreenPointer::Default);
    return true;
}

bool frmMain::QuerySaveProject() {
    if (!ProjectChanged()) {
        return true;
    }
    const MessageAnswer answer = App().prompts().ShowMessage(
        QStringLiteral("Save the changes to the project %1?")
            .arg(QFileInfo(ProjectPath()).fileName()),
        QStringLiteral("Save Project"), MessageIcon::Question, MessageButtons::YesNoCancel);
    if (answer == MessageAnswer::No) {
        return true;
    }
    return answer == MessageAnswer::Yes && mnuFileSaveProject_Click();
}

void frmMain::FillRecentProjects() {
    QMenu* menu = m_menus.at("mnuFile");
    for (QAction* action : menu->actions()) {
        if (action->property(RecentProperty).isValid()) {
            menu->removeAction(action);
            // Gone only later; meanwhile its name belongs to the new entry.
            action->setObjectName(QString());
            action->deleteLater();
        }
    }
    QAction* before = m_items.at("mnuFileSaveProjectAs");
    const QList<QAction*> actions = menu->actions();
    const qsizetype after = actions.indexOf(before) + 1;
    QAction* next = after < actions.size() ? actions[after] : nullptr;
    const QStringList paths = RecentProjects(App().RecentProjectsSettings).Paths();
    for (qsizetype at = 0; at < paths.size(); ++at) {
        const QString path = paths[at];
        auto* action =
            new QAction(QStringLiteral("&%1 %2").arg(at + 1).arg(QFileInfo(path).fileName()), menu);
        action->setObjectName(QStringLiteral("mnuFileRecent%1").arg(at + 1));
        action->setProperty(RecentProperty, path);
        action->setStatusTip(QDir::toNativeSeparators(path));
        action->setToolTip(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this,
                [this, path] { RunCommand([this, path] { OpenProjectFile(path); }); });
        menu->insertAction(next, action);
    }
}

const QString& frmMain::ProjectPath() const {
    return App().session.ProjectPath();
}
