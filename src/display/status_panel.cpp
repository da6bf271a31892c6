// States_Refresh: the status panel rebuilt from the shared state.
#include "core/module1.h"
#include "display/blit.h"
#include "display/form1.h"
#include "display/full_width.h"
#include "display/pictures.h"

namespace {

// Icon k of a row: ten to a line, touching edge to edge.
void paint_icons(QImage& layer, const QImage& sheet, int count, int sheet_x, int first_line_y)
{
    // The rules keep both counts within 0..20: two lines at the most.
    for (int k = 0; k < count && k < 20; ++k) {
        const int x = k < 10 ? 299 + 7 * k : 299 + 7 * (k - 10);
        const int y = k < 10 ? first_line_y : first_line_y + 7;
        // White silhouette first, then the coloured shape on white: only the shape changes.
        Blit(layer, sheet, x, y, 7, 6, sheet_x, 6, Raster::Paint);
        Blit(layer, sheet, x, y, 7, 6, sheet_x, 0, Raster::And);
    }
}

const char* shovel_name(int32_t type)
{
    switch (type) {
    case 0: return "ノーマルスコップ";
    case 1: return "イレーススコップ";
    case 2: return "パワースコップ";
    case 3: return "ロングスコップ";
    case 4: return "ラージスコップ";
    default: return nullptr;
    }
}

}  // namespace

void Form1::States_Refresh()
{
    const QImage& sheet = Sheet();
    Label1[0]->setText(Full_Width(Score_Table[3].Score));
    Label1[1]->setText(Full_Width(Life));
    Client->Clear();
    paint_icons(Client->image(), sheet, Life, 128, 27);
    paint_icons(Client->image(), sheet, Shovel_Uses, 135, 47);
    if (const char* name = shovel_name(Shovel_Type)) {
        Label1[2]->setText(Shovel_Type == 0 ? QStringLiteral("－") : Full_Width(Shovel_Uses));
        Label1[3]->setText(QString::fromUtf8(name));
    }
    for (int entry = 0; entry < 3; ++entry) {
        Label1[4 + 2 * entry]->setText(Full_Width(Score_Table[entry].Score));
        Label1[5 + 2 * entry]->setText(QString::fromStdString(Score_Table[entry].Name));
    }
    Client->update();
}
