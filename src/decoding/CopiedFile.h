#pragma once

#include <QString>

class QMimeData;

// The file that dropped or copied data names: the first local file among its addresses, else
// a text that is a file address or the absolute path of an existing file. Empty when it names
// none, so that a copied picture or an ordinary text is never mistaken for a file.
QString CopiedFile(const QMimeData* data);
