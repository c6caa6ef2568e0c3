#include "windows/main/HelpWindow.h"

#include "core/HelpTopics.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
QString ReadResource(const QString& resource) {
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}
} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Kurvex Help"));
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("HelpSearch"));
    m_search->setPlaceholderText(QStringLiteral("Search for help on..."));
    m_search->setClearButtonEnabled(true);
    m_topics = new QListWidget(this);
    m_topics->setObjectName(QStringLiteral("HelpTopics"));
    m_page = new QTextBrowser(this);
    m_page->setObjectName(QStringLiteral("HelpPage"));
    m_page->setOpenExternalLinks(true);
    m_page->setSearchPaths({QStringLiteral(":/help")});

    auto* left = new QWidget(this);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(m_search);
    leftLayout->addWidget(m_topics);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(left);
    splitter->addWidget(m_page);
    splitter->setStretchFactor(1, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(splitter);
    resize(860, 600);

    connect(m_search, &QLineEdit::textChanged, this, &HelpWindow::ListTopics);
    connect(m_topics, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item != nullptr) {
            ShowPage(item->data(Qt::UserRole).toString());
        }
    });
    connect(m_page, &QTextBrowser::sourceChanged, this,
            [this](const QUrl& url) { m_currentPage = QLatin1Char(':') + url.path(); });
    ListTopics({});
}

void HelpWindow::ListTopics(const QString& query) {
    m_topics->clear();
    for (const HelpTopic& topic : SearchHelp(HelpContents(), query, &ReadResource)) {
        auto* item = new QListWidgetItem(topic.title, m_topics);
        item->setData(Qt::UserRole, topic.resource);
    }
}

bool HelpWindow::ShowPage(const QString& resource) {
    if (!QFile::exists(resource)) {
        return false;
    }
    m_page->setSource(QUrl(QStringLiteral("qrc") + resource));
    m_currentPage = resource;
    return true;
}

void HelpWindow::StartSearch() {
    m_search->clear();
    m_search->setFocus();
}
