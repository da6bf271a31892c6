// Draws every picture, icon and effect of the game from the art sources, or
// writes a 4x contact sheet of what is committed, for review.
//
//   delvano_assetgen generate <assets dir>
//   delvano_assetgen contact <assets dir> <output dir>

#include "drawings.h"
#include "indexed_png.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <exception>

namespace {

void generate(const QString& assets)
{
    const QString art = assets + QStringLiteral("/art");
    for (const char* dir : {"pictures", "icons", "sounds"})
        QDir(assets).mkpath(QLatin1String(dir));

    const QImage sheet = Draw_Sheet(art);
    Save_Indexed(sheet, assets + QStringLiteral("/pictures/sheet.png"));
    Save_Indexed(Draw_Background(), assets + QStringLiteral("/pictures/background.png"));
    Save_Indexed(Draw_Title(sheet), assets + QStringLiteral("/pictures/title.png"));
    Save_Indexed(Draw_Logo_Plate(), assets + QStringLiteral("/pictures/logo.png"));
    for (int size : {16, 32, 48, 64, 128, 256})
        Save_Indexed(Draw_Program_Icon(art, size), assets + QStringLiteral("/icons/delvano-%1.png").arg(size));
    Write_Sounds(assets + QStringLiteral("/sounds"));
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    try {
        if (args.size() == 3 && args[1] == QLatin1String("generate")) {
            generate(args[2]);
            return 0;
        }
        if (args.size() == 4 && args[1] == QLatin1String("contact")) {
            Write_Contact_Sheet(args[2], args[3]);
            return 0;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "delvano_assetgen: %s\n", e.what());
        return 1;
    }
    std::fprintf(stderr, "usage: delvano_assetgen generate <assets dir> | contact <assets dir> <output dir>\n");
    return 2;
}
