#pragma once

#include <QString>
#include <QStringList>

// What a batch run reads, and the names of what it writes for each.

// The inputs as given, each folder replaced by the pictures, PDF and SVG files in it (by their
// extension, not in its subfolders), in the order of their names. Paths that name nothing are
// kept: the run says so for each.
QStringList ExpandInputs(const QStringList& inputs);

// The name of an input's results in the output folder, without ".csv": the input's file name
// ("fig1.png"), and for a PDF the page ("report.pdf-p3"). The same input gives the same name
// in any run, so that runs of parts of a folder on several machines add up to one run.
QString ResultName(const QString& path, int page);
