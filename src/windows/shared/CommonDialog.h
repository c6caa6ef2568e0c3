#pragma once

#include "platform/Prompts.h"

#include <QString>

// The one file dialog the data-file, picture-open and picture-save commands share: the file
// name it last returned and its file-type index carry over from one use to the next.
struct CommonDialog {
    QString DialogTitle;
    QString Filter;
    int FilterIndex = 1;
    QString FileName;
    QString DefaultExt;
    bool MustExist = false;

    FileDialogRequest Request() const {
        return {DialogTitle, Filter, FilterIndex, FileName, DefaultExt, MustExist};
    }
    // Keeps what the dialog returned; a cancelled dialog leaves an empty name.
    void Keep(const FileDialogResult& result) {
        FileName = result.path;
        FilterIndex = result.filterIndex;
    }
};
