// The cartoon in the side panel at chosen ticks of the game window's timer: which pose stands
// where, the logo plate, the tagline and its marks, and how fast the next tick comes.
#include <ostream>

#include <gtest/gtest.h>

#include "core/random_source.h"
#include "display/form1.h"
#include "display/look.h"

namespace {

struct Sprite {
    int left, top, sx, sy;
    bool mirrored = false;
};

struct Banner_Row {
    const char* name;
    double u;   // the one draw of the cycle: below one half scene A, else scene B
    int ticks;  // since the window was made
    int interval;
    Sprite digger;          // Picture7
    Sprite other;           // Picture8; sx < 0 when not to be seen
    int plate_top;          // of the logo plate at left 21; 99 when below the box
    QRect text;             // white text here (tagline, "?", "!"); an empty one: no white at all
    QRect text_area = {};   // where the text would be
};

void PrintTo(const Banner_Row& row, std::ostream* os) { *os << row.name; }

constexpr Sprite None{0, 0, -1, 0};
const QRect No_Text;

class Banner : public testing::TestWithParam<Banner_Row> {};

TEST_P(Banner, Shows_At_The_Tick)
{
    const Banner_Row& row = GetParam();
    Set_Random_Source([u = row.u] { return u; });
    Form1 window;
    window.Timer1->stop();
    window.show();
    for (int tick = 0; tick < row.ticks; ++tick)
        window.Timer1_Timer();
    const QImage box = seen(*window.Picture6);
    Set_Random_Source(nullptr);

    EXPECT_EQ(window.Timer1->interval(), row.interval);
    for (const Sprite& s : {row.digger, row.other}) {
        if (s.sx < 0)
            continue;
        const QImage cell = sheet_cell(s.sx, s.sy).mirrored(s.mirrored, false);
        EXPECT_EQ(differing(box, {s.left, s.top}, cell), 0) << s.sx << "," << s.sy;
    }
    if (row.plate_top != 99)
        EXPECT_EQ(differing(box, {21, row.plate_top}, shipped("logo")), 0);
    if (!row.text.isEmpty())
        EXPECT_GT(pixels_of(box, row.text, Qt::white), 10);
    if (!row.text_area.isEmpty())
        EXPECT_EQ(pixels_of(box, row.text_area, Qt::white), 0);
}

const QRect Mark(36, 0, 16, 13);  // left of the digger standing at 52

INSTANTIATE_TEST_SUITE_P(Table, Banner, testing::Values(
    Banner_Row{"walk_in", 0.2, 22, 100, {36, 8, 16, 0}, None, 99, {52, 11, 68, 13}},
    Banner_Row{"walk_back", 0.2, 102, 50, {44, 8, 80, 0}, None, 99, No_Text},
    Banner_Row{"a_item_comes", 0.2, 142, 50, {44, 8, 128, 32}, {76, 8, 96, 96}, 99, No_Text},
    Banner_Row{"a_question", 0.2, 163, 250, {52, 8, 112, 64}, None, 99, Mark},
    Banner_Row{"a_blink_off", 0.2, 164, 250, {52, 8, 112, 64}, None, 99, No_Text, Mark},
    Banner_Row{"a_hop", 0.2, 176, 100, {52, 7, 112, 64}, None, 99, Mark},
    Banner_Row{"a_on_plate", 0.2, 211, 2000, {52, -10, 144, 80}, None, 7, No_Text},
    Banner_Row{"a_falls", 0.2, 226, 100, {52, 11, 144, 80}, None, 28, No_Text},
    Banner_Row{"a_again", 0.2, 273, 100, {36, 8, 16, 0}, None, 99, {52, 11, 68, 13}},
    Banner_Row{"b_face_off", 0.7, 192, 200, {104, 8, 16, 0}, {2, 8, 80, 0}, 33, No_Text},
    Banner_Row{"b_plate_flies", 0.7, 211, 50, {104, 8, 128, 64}, {2, 8, 128, 32}, 1, No_Text},
    Banner_Row{"b_fall", 0.7, 234, 100, {102, 3, 144, 80, true}, {4, 3, 144, 80}, 2, No_Text},
    Banner_Row{"b_again", 0.7, 272, 100, {36, 8, 16, 0}, None, 99, {52, 11, 68, 13}}));

}  // namespace
