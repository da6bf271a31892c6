// The four pictures and the icon, compiled into the program, as RGB32 so the blit can work on
// them directly.
#pragma once

#include <QIcon>
#include <QImage>

struct Pictures {
    QImage background;  // 375 × 234, the game window's client area
    QImage sheet;       // 160 × 112, the sprite sheet (`Picture4`)
    QImage title;       // 240 × 224, the title picture (`Picture5`)
    QImage logo;        // 80 × 21, the logo plate (`Picture9`)
    QImage icon32;      // the 32 × 32 program icon drawn in the version dialog
    QIcon icon;         // every size of the icon, for window decorations
};

// Holds the loaded pictures for as long as it lives. The program makes one right after the
// application object, so no picture outlives the application that its icon's pixmaps need.
class Picture_Store {
public:
    Picture_Store();
    ~Picture_Store();
    Picture_Store(const Picture_Store&) = delete;
    Picture_Store& operator=(const Picture_Store&) = delete;

    const Pictures& pictures() const { return pictures_; }

private:
    Pictures pictures_;
};

// The pictures of the store alive now; there must be one.
const Pictures& Game_Pictures();

inline const QImage& Sheet()
{
    return Game_Pictures().sheet;
}
