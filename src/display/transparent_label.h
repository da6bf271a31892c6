// A label that shows only its text over whatever lies beneath it, and leaves the keyboard and
// the mouse to the pictures under it.
#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>

QLabel* Transparent_Label(QWidget* parent, int left, int top, int width, int height,
                          const QColor& colour, const QFont& font, Qt::Alignment align,
                          const QString& text);
