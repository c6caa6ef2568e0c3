#pragma once

#include <QWidget>

class PictureSurface;
class QScrollArea;

// The picture window: the viewport Picture1 with the picture surface Picture2 inside it.
class frmDocument : public QWidget {
    Q_OBJECT
public:
    explicit frmDocument(QWidget* parent = nullptr);

    // Places the window beside the data window, 0.45 of the screen high, reaching to the
    // right edge of the screen.
    void Form_Load();

    PictureSurface& Picture2() { return *m_picture2; }
    QScrollArea& Picture1() { return *m_picture1; }

private:
    QScrollArea* m_picture1 = nullptr;
    PictureSurface* m_picture2 = nullptr;
};
