#pragma once
// The frame's client area: the dimensioned antenna drawing at the top left, behind the
// child windows.

#include <QMdiArea>
#include <QPixmap>
#include <QSvgRenderer>

class DrawingArea : public QMdiArea {
public:
    explicit DrawingArea(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSize pictureSize() const;
    void renderPicture();

    QSvgRenderer drawing;
    QPixmap picture;  // the drawing at the present size
    bool renderPending = false;
};
