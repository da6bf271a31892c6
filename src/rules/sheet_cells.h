// The sprite sheet, named once: a 10 × 7 grid of 16 × 16 px cells. The game draws every cell
// through these names and the asset tool paints each drawing at the place named here, so the
// art and the code cannot drift apart.
#pragma once

// A place on the sheet: the top-left pixel of what is drawn there.
struct Sheet_Cell {
    int x;
    int y;
};

inline constexpr int Cell_Size = 16;
inline constexpr int Sheet_Columns = 10;
inline constexpr int Sheet_Rows = 7;
// Every animation of the digger is four frames long.
inline constexpr int Frames_Per_Pose = 4;

// Column 0..9, row 0..6.
constexpr Sheet_Cell Cell_At(int column, int row)
{
    return {Cell_Size * column, Cell_Size * row};
}

// The digger from the side. facing is Digger_Dir (0 left, 1 right): the right-facing frames
// are the left-facing ones mirrored, four columns further on. frame 0..3.
constexpr Sheet_Cell Side_Pose(int row, int facing, int frame)
{
    return Cell_At(Frames_Per_Pose * facing + frame, row);
}
constexpr Sheet_Cell Walking_Pose(int facing, int frame) { return Side_Pose(0, facing, frame); }
constexpr Sheet_Cell Digging_Pose(int facing, int frame) { return Side_Pose(1, facing, frame); }
constexpr Sheet_Cell Stepping_Off_Pose(int facing, int frame)
{
    return Side_Pose(2, facing, frame);
}
constexpr Sheet_Cell Landing_Pose(int facing, int frame) { return Side_Pose(3, facing, frame); }
// The last walking frame doubles as the pose at rest and the one a turn ends on; the last
// stepping-off frame as the pose of a fall.
constexpr Sheet_Cell Standing_Pose(int facing) { return Walking_Pose(facing, 3); }
constexpr Sheet_Cell Falling_Pose(int facing) { return Stepping_Off_Pose(facing, 3); }

// The digger facing the viewer, frame 0..3: squeezed between soil, and a cheering cycle whose
// last frame has one arm raised. Under each cheering frame lies its mask, the silhouette in
// black on white, for drawing it over a background.
constexpr Sheet_Cell Squeezed_Pose(int frame) { return Cell_At(frame, 4); }
constexpr Sheet_Cell Cheering_Pose(int frame) { return Cell_At(4 + frame, 4); }
constexpr Sheet_Cell Cheering_Mask(int frame) { return Cell_At(4 + frame, 5); }

// Soil crumbling away, stage 0..3, black where the soil has gone: ORed over a dug cell.
constexpr Sheet_Cell Dig_Overlay(int stage) { return Cell_At(stage, 5); }

// The map tile of a cell code "0".."9"; anything else shows as the empty tile.
constexpr Sheet_Cell Map_Tile(char code)
{
    return Cell_At((code >= '0' && code <= '9') ? code - '0' : 0, 6);
}

// The digger turning on the spot (view 0..3: side, front, other side, back) and keeling over
// (step 0..3, the last one flat on the ground).
constexpr Sheet_Cell Turning_View(int view) { return Cell_At(8, 2 + view); }
constexpr Sheet_Cell Keeling_View(int step) { return Cell_At(9, 2 + step); }

// The status panel's icons share one cell: the coloured heart and clover on white in its top
// half, their silhouettes in white on black right under them.
inline constexpr int Icon_Width = 7;
inline constexpr int Icon_Height = 6;
inline constexpr Sheet_Cell Icons_Cell = Cell_At(8, 0);
inline constexpr Sheet_Cell Heart_Icon = Icons_Cell;
inline constexpr Sheet_Cell Heart_Silhouette = {Heart_Icon.x, Heart_Icon.y + Icon_Height};
inline constexpr Sheet_Cell Clover_Icon = {Icons_Cell.x + Icon_Width, Icons_Cell.y};
inline constexpr Sheet_Cell Clover_Silhouette = {Clover_Icon.x, Clover_Icon.y + Icon_Height};

// The plain textures the dialogs tile their backgrounds with.
inline constexpr Sheet_Cell High_Score_Texture = Cell_At(8, 1);
inline constexpr Sheet_Cell Wait_Settings_Texture = Cell_At(9, 0);
inline constexpr Sheet_Cell Version_Texture = Cell_At(9, 1);
