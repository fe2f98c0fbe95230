// PaintBox: a widget that shows a picture drawn offscreen. It owns a QImage back buffer (Format_RGB32) and the
// QtCanvas on it; the owner draws between BeginPaint and EndPaint, and paintEvent only copies the image.
#pragma once

#include <QImage>
#include <QWidget>

#include "ui/qtcanvas.h"

class PaintBox : public QWidget {
    Q_OBJECT

public:
    explicit PaintBox(QWidget* parent = nullptr);

    // The canvas the renderer paints on; valid for the widget's lifetime.
    Canvas* GetCanvas() { return &canvas; }
    // The back buffer, as last drawn.
    const QImage& Image() const { return image; }

    // Around each burst of drawing (a repaint, an animation step, an XOR update). EndPaint schedules the copy
    // of the image to the screen.
    void BeginPaint();
    void EndPaint();

signals:
    // The image was reallocated to the new size and is blank: the owner must repaint.
    void Resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    // A second press within the double-click time arrives as a double click; it is passed on as the press it is,
    // so that whoever watches the box's presses sees every click.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage image;
    QtCanvas canvas;
};

// Opens a burst of drawing on the paint box's image and shows it when the burst ends.
class PaintBurst {
public:
    explicit PaintBurst(PaintBox* box) : box(box) { box->BeginPaint(); }
    ~PaintBurst() { box->EndPaint(); }
    PaintBurst(const PaintBurst&) = delete;
    PaintBurst& operator=(const PaintBurst&) = delete;

private:
    PaintBox* box;
};
