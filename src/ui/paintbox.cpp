// PaintBox: the back buffer's life (allocation on resize) and its copy to the screen.
#include "ui/paintbox.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>

PaintBox::PaintBox(QWidget* parent)
    : QWidget(parent), image(std::max(width(), 1), std::max(height(), 1), QImage::Format_RGB32), canvas(&image)
{
    image.fill(Qt::black);
    // The widget draws every pixel itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PaintBox::BeginPaint()
{
    canvas.Begin();
}

void PaintBox::EndPaint()
{
    canvas.End();
    update();
}

void PaintBox::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), image, event->rect());
}

void PaintBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    QMouseEvent press(QEvent::MouseButtonPress, event->position(), event->scenePosition(), event->globalPosition(),
                      event->button(), event->buttons(), event->modifiers(), event->pointingDevice());
    QCoreApplication::sendEvent(this, &press);
    event->setAccepted(press.isAccepted());
}

void PaintBox::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    canvas.End();
    image = QImage(std::max(width(), 1), std::max(height(), 1), QImage::Format_RGB32);
    image.fill(Qt::black);
    emit Resized();
}
