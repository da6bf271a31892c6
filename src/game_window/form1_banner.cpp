// The banner cartoon on the game window's own widgets.
#include "display/banner_script.h"
#include "display/blit.h"
#include "display/pictures.h"
#include "game_window/form1.h"
#include "rules/sheet_cells.h"

namespace {

class Form1_Banner final : public Banner_Stage {
public:
    explicit Form1_Banner(Form1& w) : w_(w) {}

    int Inner_Width() const override { return w_.Picture6->width(); }
    void Clear_Box() override { w_.Picture6->Clear(); }

    void Draw(int sprite, int sx, int sy, bool mirrored) override
    {
        Surface* box = picture(sprite);
        if (mirrored)
            Blit(box->image(), Sheet(), 0, 0, -Cell_Size, Cell_Size, sx + Cell_Size - 1, sy);
        else
            Blit_Cell(box->image(), Sheet(), 0, 0, sx, sy);
        box->update();
    }

    int Left(int c) const override { return picture(c)->x(); }
    int Top(int c) const override { return picture(c)->y(); }
    void Set_Left(int c, int left) override { picture(c)->move(left, picture(c)->y()); }
    void Set_Top(int c, int top) override { picture(c)->move(picture(c)->x(), top); }
    void Set_Visible(int c, bool visible) override { picture(c)->setVisible(visible); }

    void Set_Label_Text(const std::string& text) override
    {
        w_.Label3->setText(QString::fromStdString(text));
        w_.Label3->adjustSize();
    }
    int Label_Left() const override { return w_.Label3->x(); }
    int Label_Width() const override { return w_.Label3->width(); }
    void Set_Label_Left(int left) override { w_.Label3->move(left, w_.Label3->y()); }
    void Set_Label_Top(int top) override { w_.Label3->move(w_.Label3->x(), top); }
    void Set_Label_Visible(bool visible) override { w_.Label3->setVisible(visible); }
    void Refresh_Label() override { w_.Label3->repaint(); }

    void Set_Interval(int ms) override
    {
        if (w_.Timer1->interval() != ms)
            w_.Timer1->setInterval(ms);
    }

private:
    Surface* picture(int c) const
    {
        return c == 7 ? w_.Picture7 : c == 8 ? w_.Picture8 : w_.Picture9;
    }
    Form1& w_;
};

}  // namespace

void Form1::Timer1_Timer()
{
    Form1_Banner stage(*this);
    Banner_Tick(stage, Timer1_Tag);
}
