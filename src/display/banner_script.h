// The cartoon in the side panel's black box: a digger walks in with the tagline, then one of
// two scenes chosen at random. One call a timer tick; no tick waits or yields.
#pragma once

#include <string>

// The banner box and its four children as the script sees them. Sprites are numbered as the
// window's pictures: 7 and 8 are the 16 × 16 sprite boxes, 9 the logo plate; the tagline
// label is "the label".
class Banner_Stage {
public:
    virtual ~Banner_Stage() = default;

    virtual int Inner_Width() const = 0;  // 120
    virtual void Clear_Box() = 0;
    // Paints sheet cell (sx, sy) into sprite 7 or 8; mirrored copies it reversed left to right.
    virtual void Draw(int sprite, int sx, int sy, bool mirrored = false) = 0;

    virtual int Left(int control) const = 0;  // 7, 8 or 9
    virtual int Top(int control) const = 0;
    virtual void Set_Left(int control, int left) = 0;
    virtual void Set_Top(int control, int top) = 0;
    virtual void Set_Visible(int control, bool visible) = 0;  // 8 or 9

    // The label sizes itself to its text, so its width is whatever the font gives.
    virtual void Set_Label_Text(const std::string& text) = 0;
    virtual int Label_Left() const = 0;
    virtual int Label_Width() const = 0;
    virtual void Set_Label_Left(int left) = 0;
    virtual void Set_Label_Top(int top) = 0;
    virtual void Set_Label_Visible(bool visible) = 0;
    virtual void Refresh_Label() = 0;

    virtual void Set_Interval(int ms) = 0;  // applies from the next tick
};

// Advances the frame counter t (−1 before the first tick) and plays that frame.
void Banner_Tick(Banner_Stage& stage, int& t);

// The tagline that walks in with the digger.
inline const char* const Banner_Tagline = "でるでるパズルアクション";
