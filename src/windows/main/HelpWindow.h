#pragma once

#include <QWidget>

class QLineEdit;
class QListWidget;
class QTextBrowser;

// The help window: the contents on the left with a search field above them, the page on the
// right.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows a page; false when the page cannot be read.
    bool ShowPage(const QString& resource);
    // Puts the keyboard into an empty search field.
    void StartSearch();
    QString CurrentPage() const { return m_currentPage; }
    QLineEdit& SearchField() { return *m_search; }
    QListWidget& Topics() { return *m_topics; }

private:
    void ListTopics(const QString& query);

    QLineEdit* m_search = nullptr;
    QListWidget* m_topics = nullptr;
    QTextBrowser* m_page = nullptr;
    QString m_currentPage;
};
