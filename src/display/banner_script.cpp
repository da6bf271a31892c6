#include "display/banner_script.h"

#include "rules/cell_codes.h"
#include "rules/sheet_cells.h"
#include "state/module1.h"
#include "state/random_source.h"

namespace {

constexpr int P7 = 7, P8 = 8, P9 = 9;

bool in(int t, int first, int last)
{
    return t >= first && t <= last;
}

void draw(Banner_Stage& s, int sprite, Sheet_Cell cell, bool mirrored = false)
{
    s.Draw(sprite, cell.x, cell.y, mirrored);
}

// The walking frames follow the frame counter, four to a step.
void walk_left(Banner_Stage& s, int t)
{
    draw(s, P7, Walking_Pose(Facing_Left, t % Frames_Per_Pose));
}
void walk_right(Banner_Stage& s, int sprite, int t)
{
    draw(s, sprite, Walking_Pose(Facing_Right, t % Frames_Per_Pose));
}

void move_left(Banner_Stage& s, int c, int dx) { s.Set_Left(c, s.Left(c) + dx); }
void move_down(Banner_Stage& s, int c, int dy) { s.Set_Top(c, s.Top(c) + dy); }

// Frames 0..129: the digger walks in from the right with the tagline, wraps round behind it,
// turns and walks back; frame 129 draws the scene.
void opening(Banner_Stage& s, int& t)
{
    if (t == 0) {
        s.Clear_Box();
        s.Set_Left(P7, s.Inner_Width());
        s.Set_Top(P7, 8);
        draw(s, P7, Walking_Pose(Facing_Left, 0));
        s.Set_Left(P8, s.Inner_Width());
        s.Set_Label_Left(s.Left(P7) + 16);
        s.Set_Label_Top(11);
        s.Set_Label_Text(Banner_Tagline);
        s.Set_Label_Visible(true);
    } else if (in(t, 1, 71)) {
        move_left(s, P7, -4);
        s.Set_Label_Left(s.Label_Left() - 4);
        if (s.Left(P7) == -16)  // gone off the left: reappear at the tagline's end
            s.Set_Left(P7, s.Label_Left() + s.Label_Width());
        walk_left(s, t);
    } else if (t == 72) {
        s.Set_Left(P7, -60);
        draw(s, P7, Walking_Pose(Facing_Right, 0));
    } else if (in(t, 73, 98)) {
        s.Set_Interval(50);
        move_left(s, P7, 4);
        walk_right(s, P7, t);
    } else if (in(t, 99, 119)) {
        s.Set_Interval(50);
        walk_right(s, P7, t);
    } else if (in(t, 120, 128)) {
        walk_right(s, P7, t);
    } else if (t == 129) {
        const int scene = Rnd_Int(2);
        s.Set_Interval(50);
        walk_right(s, P7, t);
        draw(s, P8, Map_Tile(scene == 0 ? Cell_Special : Cell_Power_Shovel));
        s.Set_Top(P8, s.Top(P7));
        if (scene == 1)
            t = 250;  // scene B from the next tick
    }
}

// The item slides in to the digger on the spot and is taken (scene A 130..153, B 251..274).
bool item_arrives(Banner_Stage& s, int t, int start)
{
    const int f = t - start;  // 0 at 130 / 251
    if (f == 0) {
        walk_right(s, P7, t);
        s.Set_Left(P8, s.Inner_Width());
        s.Set_Top(P8, s.Top(P7));
        s.Set_Visible(P8, true);
    } else if (in(f, 1, 9)) {
        walk_right(s, P7, t);
        move_left(s, P8, -4);
    } else if (in(f, 10, 17)) {
        draw(s, P7, Turning_View(0));
        move_left(s, P8, -4);
    } else if (f == 18) {
        s.Set_Interval(80);
        draw(s, P7, Stepping_Off_Pose(Facing_Right, 2));
        move_left(s, P7, 4);
    } else if (f == 19) {
        s.Set_Interval(100);
        draw(s, P7, Stepping_Off_Pose(Facing_Right, 0));
        move_left(s, P7, 4);
    } else if (in(f, 20, 23)) {
        draw(s, P7, Cheering_Pose(f - 20));
    } else {
        return false;
    }
    return true;
}

// Scene A, 130..250: "?" blinks, "!" hops, the digger jumps onto the rising logo plate,
// everything holds still, then falls out of the box.
void scene_a(Banner_Stage& s, int& t)
{
    if (item_arrives(s, t, 130))
        return;
    if (in(t, 154, 159)) {
        s.Set_Interval(250);
        s.Set_Visible(P8, false);
    } else if (t == 160) {
        s.Set_Label_Text("?");
        s.Refresh_Label();
        s.Set_Label_Left(s.Left(P7) - s.Label_Width());
        s.Set_Label_Top(0);
    } else if (t == 161 || t == 163) {
        s.Set_Label_Text("");
    } else if (t == 162 || t == 164) {
        s.Set_Label_Text("?");
    } else if (t == 170) {
        s.Set_Interval(100);
        s.Set_Label_Text("!");
    } else if (in(t, 171, 189)) {
        const bool up = s.Top(P7) == 8;
        s.Set_Top(P7, up ? 7 : 8);
        s.Set_Label_Top(up ? -1 : 0);
    } else if (t == 190) {
        s.Set_Label_Visible(false);
        s.Set_Top(P9, 33);
        s.Set_Visible(P9, true);
        s.Set_Interval(10);
    } else if (in(t, 191, 193)) {
        move_down(s, P9, -4);
    } else if (in(t, 194, 197)) {
        move_down(s, P7, -4);
        move_down(s, P9, -4);
    } else if (t == 198) {
        move_down(s, P7, -4);
        move_down(s, P9, 2);
    } else if (t == 199) {
        move_down(s, P7, -4);
    } else if (in(t, 200, 205)) {
        s.Set_Interval(100);
        draw(s, P7, Keeling_View(3));
    } else if (t == 206) {
        move_down(s, P7, 4);
    } else if (t == 207) {
        s.Set_Interval(2000);
        move_down(s, P7, 3);
    } else if (t == 220) {
        s.Set_Interval(100);
        move_down(s, P7, 1);
        move_down(s, P9, 1);
    } else if (in(t, 221, 229)) {
        move_down(s, P7, t - 219);
        move_down(s, P9, t - 219);
    } else if (t == 250) {
        t = -1;
    }
}

// Both diggers dig side by side (313..326): the plate rises a step after each dig.
void dig_together(Banner_Stage& s, int f)
{
    draw(s, P7, Digging_Pose(Facing_Left, f));
    draw(s, P8, Digging_Pose(Facing_Right, f));
    move_down(s, P9, -1);
}

void look_up(Banner_Stage& s, int plate_dy)
{
    draw(s, P7, Falling_Pose(Facing_Left));
    draw(s, P8, Falling_Pose(Facing_Right));
    move_down(s, P9, plate_dy);
}

// Scene B, 251..370: the digger digs, a second digger walks in, both dig while the logo
// plate rises, it flies up and back, and everything falls out of the box.
void scene_b(Banner_Stage& s, int& t)
{
    if (item_arrives(s, t, 251))
        return;
    if (in(t, 275, 280)) {
        s.Set_Left(P8, -46);
    } else if (in(t, 281, 292)) {  // three times through the stepping-off frames
        draw(s, P7, Stepping_Off_Pose(Facing_Left, (t - 281) % Frames_Per_Pose));
    } else if (t == 299) {
        move_left(s, P7, 4);
        walk_right(s, P7, t);
    } else if (in(t, 300, 311)) {
        move_left(s, P7, 4);
        move_left(s, P8, 4);
        walk_right(s, P7, t);
        walk_right(s, P8, t);
    } else if (t == 312) {
        draw(s, P7, Walking_Pose(Facing_Left, 1));
        draw(s, P8, Walking_Pose(Facing_Right, 1));
        s.Set_Top(P9, 33);
        s.Set_Visible(P9, true);
        s.Set_Interval(200);
    } else if (in(t, 313, 316)) {
        dig_together(s, t - 313);
    } else if (t == 317) {
        look_up(s, -4);
    } else if (in(t, 318, 321)) {
        dig_together(s, t - 318);
    } else if (t == 322) {
        look_up(s, -4);
    } else if (in(t, 323, 326)) {
        dig_together(s, t - 323);
    } else if (t == 330) {
        s.Set_Interval(50);
        look_up(s, -6);
    } else if (t == 331) {
        draw(s, P7, Turning_View(2));
        draw(s, P8, Turning_View(0));
        move_down(s, P9, -6);
    } else if (in(t, 332, 339)) {
        move_down(s, P9, -6);
    } else if (in(t, 340, 346)) {
        move_down(s, P9, 6);
    } else if (t == 347) {
        move_down(s, P9, 5);
        draw(s, P7, Walking_Pose(Facing_Left, 1));
        draw(s, P8, Walking_Pose(Facing_Right, 1));
    } else if (t == 348) {
        s.Set_Interval(100);
        move_down(s, P9, 5);
        move_left(s, P7, -4);
        move_left(s, P8, 4);
        draw(s, P7, Digging_Pose(Facing_Left, 3));
        draw(s, P8, Digging_Pose(Facing_Right, 3));
    } else if (t == 349) {
        move_down(s, P9, 1);
        draw(s, P7, Landing_Pose(Facing_Left, 1));
        draw(s, P8, Landing_Pose(Facing_Right, 1));
    } else if (in(t, 350, 352)) {
        move_down(s, P9, t == 352 ? -1 : -2);
        move_down(s, P7, -2);
        move_down(s, P8, -2);
        draw(s, P7, Landing_Pose(Facing_Left, 1));
        draw(s, P8, Landing_Pose(Facing_Right, 1));
    } else if (t == 353) {
        draw(s, P7, Landing_Pose(Facing_Left, 1));
        draw(s, P8, Landing_Pose(Facing_Right, 1));
        move_left(s, P7, 2);
        move_left(s, P8, -2);
    } else if (in(t, 354, 369)) {
        move_down(s, P9, t - 353);
        move_down(s, P7, t - 353);
        move_down(s, P8, t - 353);
        draw(s, P7, Keeling_View(3), true);
        draw(s, P8, Keeling_View(3));
    } else if (t == 370) {
        t = -1;
    }
}

}  // namespace

void Banner_Tick(Banner_Stage& stage, int& t)
{
    ++t;
    if (t <= 129)
        opening(stage, t);
    else if (t <= 250)
        scene_a(stage, t);
    else
        scene_b(stage, t);
}
