#include "display/surface.h"

#include <QPainter>

Surface::Surface(QWidget* parent, int width, int height, QColor back)
    : QWidget(parent), image_(width, height, QImage::Format_RGB32), back_(back)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(width, height);
    image_.fill(back_);
}

void Surface::Clear()
{
    if (base_.isNull())
        image_.fill(back_);
    else
        image_ = base_.copy();
    update();
}

void Surface::Set_Base(const QImage& base)
{
    base_ = base.convertToFormat(QImage::Format_RGB32);
    image_ = base_.copy();
    update();
}

void Surface::Refresh()
{
    repaint();
}

void Surface::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // The image may be smaller than the widget while the window is being built; draw it 1:1
    // in logical pixels and let the painter scale by the device pixel ratio.
    painter.drawImage(QRect(QPoint(0, 0), image_.size()), image_);
    if (image_.width() < width() || image_.height() < height()) {
        painter.fillRect(image_.width(), 0, width() - image_.width(), height(), back_);
        painter.fillRect(0, image_.height(), image_.width(), height() - image_.height(), back_);
    }
}
