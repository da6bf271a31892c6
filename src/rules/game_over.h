// The end of a game: the digger's last frames, the caption sliding down over the field and,
// for a new high score, the way out to the name dialog. It draws through the rules' Screen and
// a small stage for the caption, so a test can run it against a recorder.
#pragma once

#include <string>

class Screen;

// The rest of the window the ending touches: the caption pair on the field canvas and the
// high-score dialog. The canvas itself is repainted through Screen::Refresh_Field.
class Game_Over_Stage {
public:
    virtual ~Game_Over_Stage() = default;
    // Both labels, caption and shadow, take the same text (UTF-8).
    virtual void Set_Caption_Text(const std::string& text) = 0;
    virtual void Set_Caption_Tops(int caption_top, int shadow_top) = 0;
    virtual void Show_Caption() = 0;
    // Creates, places and shows the name dialog, which enters the score into the table;
    // returns without waiting for it.
    virtual void Open_High_Score_Dialog() = 0;
};

// Leaves Game_Mode at 0 after the normal ending and at 2 once the name dialog is open (the
// dialog moves it on). A new game started during one of its waits ends it there: Overtaken
// reaches the caller, and Game_Mode is left as the new game set it. A ranking score stays
// pending (High_Score_Pending) from the first frame until the dialog opens, so whatever
// overtakes the ending can still enter it.
void Game_Over_Sequence(Screen& screen, Game_Over_Stage& stage);

inline constexpr int Caption_Start_Top = -22;
inline constexpr int Caption_Slide_Steps = 120;
