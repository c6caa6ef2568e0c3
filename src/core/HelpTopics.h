#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The pages of the program's help: a title and the resource that holds the page.
struct HelpTopic {
    QString title;
    QString resource;
};

std::vector<HelpTopic> HelpContents();

// The topics whose title or text holds every word of the query (case ignored), in contents
// order; every topic for an empty query. Texts are looked up by resource.
std::vector<HelpTopic> SearchHelp(const std::vector<HelpTopic>& topics, const QString& query,
                                  QString (*readText)(const QString& resource));
