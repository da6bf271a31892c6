// States_Refresh: the status panel rebuilt from the shared state.
#include "core/module1.h"
#include "display/blit.h"
#include "display/form1.h"
#include "display/full_width.h"
#include "display/pictures.h"
#include "rules/cell_codes.h"
#include "rules/sheet_cells.h"

namespace {

constexpr int Icons_Per_Line = 10;
constexpr int Icons_Left = 299;

// Icon k of a row: ten to a line, touching edge to edge.
void paint_icons(QImage& layer, const QImage& sheet, int count, Sheet_Cell icon,
                 Sheet_Cell silhouette, int first_line_y)
{
    // The rules keep both counts within 0..20: two lines at the most.
    for (int k = 0; k < count && k < 2 * Icons_Per_Line; ++k) {
        const int x = Icons_Left + Icon_Width * (k % Icons_Per_Line);
        const int y = k < Icons_Per_Line ? first_line_y : first_line_y + 7;
        // White silhouette first, then the coloured shape on white: only the shape changes.
        Blit(layer, sheet, x, y, Icon_Width, Icon_Height, silhouette.x, silhouette.y,
             Raster::Paint);
        Blit(layer, sheet, x, y, Icon_Width, Icon_Height, icon.x, icon.y, Raster::And);
    }
}

const char* shovel_name(int32_t type)
{
    switch (type) {
    case Shovel_Normal: return "ノーマルスコップ";
    case Shovel_Erase: return "イレーススコップ";
    case Shovel_Power: return "パワースコップ";
    case Shovel_Long: return "ロングスコップ";
    case Shovel_Large: return "ラージスコップ";
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
    paint_icons(Client->image(), sheet, Life, Heart_Icon, Heart_Silhouette, 27);
    paint_icons(Client->image(), sheet, Shovel_Uses, Clover_Icon, Clover_Silhouette, 47);
    if (const char* name = shovel_name(Shovel_Type)) {
        Label1[2]->setText(Shovel_Type == Shovel_Normal ? QStringLiteral("－")
                                                        : Full_Width(Shovel_Uses));
        Label1[3]->setText(QString::fromUtf8(name));
    }
    for (int entry = 0; entry < 3; ++entry) {
        Label1[4 + 2 * entry]->setText(Full_Width(Score_Table[entry].Score));
        Label1[5 + 2 * entry]->setText(QString::fromStdString(Score_Table[entry].Name));
    }
    Client->update();
}
