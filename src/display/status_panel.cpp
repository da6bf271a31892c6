#include "display/status_panel.h"

#include "display/blit.h"
#include "display/full_width.h"
#include "display/pictures.h"
#include "display/surface.h"
#include "rules/cell_codes.h"
#include "rules/sheet_cells.h"
#include "state/module1.h"

#include <QLabel>

namespace {

constexpr int Icons_Per_Line = 10;
constexpr int Icons_Left = 299;
constexpr int Hearts_Top = 27;
constexpr int Clovers_Top = 47;
// Under a full first line of icons a second one starts this much lower.
constexpr int Icon_Line_Height = 7;

// Icon k of a row: ten to a line, touching edge to edge.
void paint_icons(QImage& layer, const QImage& sheet, int count, Sheet_Cell icon,
                 Sheet_Cell silhouette, int first_line_y)
{
    // The rules keep both counts within 0..20: two lines at the most.
    for (int k = 0; k < count && k < 2 * Icons_Per_Line; ++k) {
        const int x = Icons_Left + Icon_Width * (k % Icons_Per_Line);
        const int y = k < Icons_Per_Line ? first_line_y : first_line_y + Icon_Line_Height;
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

void Paint_Status_Panel(Surface& client, const std::array<QLabel*, 10>& labels)
{
    const QImage& sheet = Sheet();
    labels[0]->setText(Full_Width(Score_Table[Playing_Entry].Score));
    labels[1]->setText(Full_Width(Life));
    client.Clear();
    paint_icons(client.image(), sheet, Life, Heart_Icon, Heart_Silhouette, Hearts_Top);
    paint_icons(client.image(), sheet, Shovel_Uses, Clover_Icon, Clover_Silhouette, Clovers_Top);
    if (const char* name = shovel_name(Shovel_Type)) {
        labels[2]->setText(Shovel_Type == Shovel_Normal ? QStringLiteral("－")
                                                        : Full_Width(Shovel_Uses));
        labels[3]->setText(QString::fromUtf8(name));
    }
    for (int entry = 0; entry < High_Score_Places; ++entry) {
        labels[4 + 2 * entry]->setText(Full_Width(Score_Table[entry].Score));
        labels[5 + 2 * entry]->setText(QString::fromStdString(Score_Table[entry].Name));
    }
    client.update();
}
