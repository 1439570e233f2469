#pragma once
// The frame's client area: the dimensioned antenna drawing at the top left, behind the
// child windows.

#include <QMdiArea>
#include <QSvgRenderer>

class DrawingArea : public QMdiArea {
public:
    explicit DrawingArea(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override
    {
        QMdiArea::resizeEvent(event);
        viewport()->update();
    }

private:
    QSvgRenderer drawing;
};
