#include "core/HelpTopics.h"

std::vector<HelpTopic> HelpContents() {
    return {
        {QStringLiteral("Welcome to Kurvex"), QStringLiteral(":/help/index.html")},
        {QStringLiteral("Bringing in a picture"), QStringLiteral(":/help/pictures.html")},
        {QStringLiteral("Calibrating the axes"), QStringLiteral(":/help/calibrating.html")},
        {QStringLiteral("Collecting points"), QStringLiteral(":/help/collecting.html")},
        {QStringLiteral("Editing the table"), QStringLiteral(":/help/editing.html")},
        {QStringLiteral("Saving, copying and printing"), QStringLiteral(":/help/saving.html")},
        {QStringLiteral("Windows, menus and keys"), QStringLiteral(":/help/windows.html")},
    };
}

std::vector<HelpTopic> SearchHelp(const std::vector<HelpTopic>& topics, const QString& query,
                                  QString (*readText)(const QString& resource)) {
    const QStringList words = query.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    std::vector<HelpTopic> found;
    for (const HelpTopic& topic : topics) {
        const QString text = topic.title + QLatin1Char(' ') + readText(topic.resource);
        bool all = true;
        for (const QString& word : words) {
            all = all && text.contains(word, Qt::CaseInsensitive);
        }
        if (all) {
            found.push_back(topic);
        }
    }
    return found;
}
