#pragma once

#include "AppFixture.h"

#include <QPoint>

// The program started with a white picture of the given size, and the mouse on it.
class PictureFixture : public AppFixture {
protected:
    void SetUp() override;
    void LoadWhitePicture(int width, int height);

    frmMain& Main();
    PictureSurface& Surface();
    DataTable& Table();
    QString Cell(int row, int column);

    void Press(Qt::MouseButton button, QPoint pixel);
    void Move(Qt::MouseButtons held, QPoint pixel);
    void EnterScaleMode();
};
