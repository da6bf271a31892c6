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

    const QImage sheet = draw_sheet(art);
    save_indexed(sheet, assets + QStringLiteral("/pictures/sheet.png"));
    save_indexed(draw_background(), assets + QStringLiteral("/pictures/background.png"));
    save_indexed(draw_title(sheet), assets + QStringLiteral("/pictures/title.png"));
    save_indexed(draw_logo_plate(), assets + QStringLiteral("/pictures/logo.png"));
    for (int size : {16, 32, 48, 64, 128, 256})
        save_indexed(draw_program_icon(art, size), assets + QStringLiteral("/icons/delvano-%1.png").arg(size));
    write_sounds(assets + QStringLiteral("/sounds"));
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
            write_contact_sheet(args[2], args[3]);
            return 0;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "delvano_assetgen: %s\n", e.what());
        return 1;
    }
    std::fprintf(stderr, "usage: delvano_assetgen generate <assets dir> | contact <assets dir> <output dir>\n");
    return 2;
}
