#include "display/transparent_label.h"

#include "display/game_font.h"

QLabel* Transparent_Label(QWidget* parent, int left, int top, int width, int height,
                          const QColor& colour, const QFont& font, Qt::Alignment align,
                          const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(left, top, width, height);
    label->setFont(font);
    label->setAlignment(align | Qt::AlignTop);
    label->setContentsMargins(0, Game_Font_Baseline_Offset(font), 0, 0);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAutoFillBackground(false);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}
