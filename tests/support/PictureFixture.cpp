#include "PictureFixture.h"

#include "app/Startup.h"

#include <QCoreApplication>
#include <QMouseEvent>

void PictureFixture::SetUp() {
    AppFixture::SetUp();
    ::Main(App());
    Main().ActivateChildWindow(&App().Document());
    LoadWhitePicture(200, 100);
}

void PictureFixture::LoadWhitePicture(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    Surface().SetPicture(picture);
}

frmMain& PictureFixture::Main() {
    return App().MainForm();
}

PictureSurface& PictureFixture::Surface() {
    return App().Document().Picture2();
}

DataTable& PictureFixture::Table() {
    return App().Data().Table();
}

QString PictureFixture::Cell(int row, int column) {
    return Table().CellText(row, column);
}

void PictureFixture::Press(Qt::MouseButton button, QPoint pixel) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(pixel),
                      Surface().mapToGlobal(QPointF(pixel)), button, button, Qt::NoModifier);
    QCoreApplication::sendEvent(&Surface(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(pixel),
                        Surface().mapToGlobal(QPointF(pixel)), button, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(&Surface(), &release);
}

void PictureFixture::Move(Qt::MouseButtons held, QPoint pixel) {
    QMouseEvent move(QEvent::MouseMove, QPointF(pixel), Surface().mapToGlobal(QPointF(pixel)),
                     Qt::NoButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&Surface(), &move);
}

void PictureFixture::EnterScaleMode() {
    Main().mnuPictureScale_Click();
    prompts->messages.clear();
}
