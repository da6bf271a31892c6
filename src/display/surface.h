// A picture box: a widget with a persistent image that stays until it is cleared and that the
// widget repaints from. The image is in the game's own pixels; on a HiDPI screen it is scaled
// up by the device pixel ratio without smoothing, so every art pixel stays a sharp square.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

class Surface : public QWidget {
    Q_OBJECT
public:
    Surface(QWidget* parent, int width, int height, QColor back);

    QImage& image() { return image_; }
    const QImage& image() const { return image_; }
    QColor back() const { return back_; }

    // Removes everything painted: the surface shows its background colour again, or its base
    // picture when it has one (the game window's client area keeps its background that way).
    void Clear();
    void Set_Base(const QImage& base);
    // Shows the image now, with the labels on it, instead of at the next event-loop pass.
    void Refresh();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
    QImage base_;
    QColor back_;
};
