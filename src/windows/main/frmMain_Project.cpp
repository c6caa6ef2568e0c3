// Project files: the whole session kept in one file and picked up again, and the list of the
// last ones.

#include "windows/main/frmMain.h"

#include "core/FileErrors.h"
#include "platform/Prompts.h"
#include "project/ProjectState.h"
#include "project/RecentProjects.h"
#include "session/Session.h"
#include "windows/acquisition/DecodeProgress.h"
#include "windows/data/frmData.h"
#include "windows/document/PictureSurface.h"
#include "windows/document/frmDocument.h"
#include "windows/shared/ErrorReport.h"
#include "windows/shared/ScreenPointer.h"
#include "windows/shared/WindowSet.h"

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
    return ::ProjectChanged(m_session);
}

void frmMain::mnuFileOpenProject_Click() {
    FileDialogRequest request;
    request.title = QStringLiteral("Open Project");
    request.filter = ProjectFilter + QStringLiteral("|All Files (*.*)|*.*");
    request.fileName = ProjectPath();
    request.mustExist = true;
    const QString path = m_desktop.prompts.AskOpenFile(request).path;
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
        if (!QuerySaveProject() || (ProjectPath().isEmpty() && !m_windows.Data().QueryUnload())) {
            return false;
        }
        SetScreenPointer(ScreenPointer::ArrowHourglass);
        ApplyProject(m_session, read.project, picture);
        Item("mnuPictureScale").setChecked(false);
        if (read.project.pictureType != PictureType::None) {
            EnableDataMenu();
            m_windows.Document().Form_Resize();
        }
    } catch (const AppError& error) {
        SetScreenPointer(ScreenPointer::Default);
        ShowErrorReport(m_session, m_desktop.prompts, error);
        if (error.number == ErrorNumber::FileNotFound) {
            RecentProjects(m_windows.RecentProjectsSettings()).Remove(path);
        }
        return false;
    } catch (const std::bad_alloc&) {
        SetScreenPointer(ScreenPointer::Default);
        ShowErrorReport(m_session, m_desktop.prompts, OutOfMemoryError());
        return false;
    }
    KeepProjectPath(path);
    SetScreenPointer(ScreenPointer::Default);
    return true;
}

void frmMain::ForgetProjectPath() {
    m_session.ForgetProjectPath();
}

// The session is now the one in this file, as opened or just saved.
void frmMain::KeepProjectPath(const QString& path) {
    m_session.KeepProjectPath(QFileInfo(path).absoluteFilePath(), ProjectFingerprint(m_session));
    RecentProjects(m_windows.RecentProjectsSettings()).Add(m_session.ProjectPath());
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
    QString path = m_desktop.prompts.AskSaveFile(request).path;
    if (path.isEmpty()) {
        return false;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += ProjectExtension;
    }
    // The project's own file is saved over without a question.
    if (QFileInfo(path).absoluteFilePath() != ProjectPath() && !MayOverwrite(path)) {
        return false;
    }
    return SaveProjectTo(path);
}

bool frmMain::SaveProjectTo(const QString& path) {
    SetScreenPointer(ScreenPointer::ArrowHourglass);
    try {
        WriteWholeFile(path, ProjectBytes(CurrentProject(m_session, true)));
    } catch (const AppError& error) {
        SetScreenPointer(ScreenPointer::Default);
        ShowErrorReport(m_session, m_desktop.prompts, error);
        return false;
    } catch (const std::bad_alloc&) {
        SetScreenPointer(ScreenPointer::Default);
        ShowErrorReport(m_session, m_desktop.prompts, OutOfMemoryError());
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
    const MessageAnswer answer = m_desktop.prompts.ShowMessage(
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
    const QStringList paths = RecentProjects(m_windows.RecentProjectsSettings()).Paths();
    for (qsizetype at = 0; at < paths.size(); ++at) {
        const QString path = paths[at];
        auto* action =
            new QAction(QStringLiteral("&%1 %2").arg(at + 1).arg(QFileInfo(path).fileName()), menu);
        action->setObjectName(QStringLiteral("mnuFileRecent%1").arg(at + 1));
        action->setProperty(RecentProperty, path);
        action->setStatusTip(QDir::toNativeSeparators(path));
        action->setToolTip(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this, [this, path] {
            RunCommand(m_session, m_desktop.prompts, [this, path] { OpenProjectFile(path); });
        });
        menu->insertAction(next, action);
    }
}

const QString& frmMain::ProjectPath() const {
    return m_session.ProjectPath();
}
