// でるぼん — a digging puzzle-action game.
#include "display/pictures.h"
#include "game_window/form1.h"
#include "shell/event_loop.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    // Pixel art drawn at 1.25 or 1.75 times comes out with pixels one and two screen pixels wide
    // by turns, so a desktop's scale is rounded to a whole one (1.5 to 2); a scale the player
    // sets in QT_SCALE_FACTOR, as the menu entry's larger sizes do, still applies on top.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    // No display name: Qt would append it to every window title that differs from it.
    QApplication::setApplicationName(QStringLiteral("delvano"));
    // Wayland matches the window to its menu entry and icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.delvano.Delvano"));

    // The message boxes' standard buttons read はい / いいえ / OK, as the rest of the game.
    QTranslator translator;
    if (translator.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&translator);

    const Picture_Store pictures;
    Event_Loop_Pacing pacing;
    Set_Pacing_Host(&pacing);
    Form1 window;
    const int status = window.Form_Load();
    // The run is over and saved: it ends here, at once, as the window's unload means it to. The
    // sound back end's own teardown, skipped so, now and then aborted the process on its way out
    // with an effect still sounding.
    std::fflush(nullptr);
    std::_Exit(status);
}
