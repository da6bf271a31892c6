// The yardstick for the benchmark: an empty Qt window of the game's size, doing nothing; given a
// WAV, it also loads that one sound effect, as a game with sound needs Qt's multimedia anyway.
#include <QApplication>
#include <QSoundEffect>
#include <QUrl>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(375, 254);
    window.show();
    QSoundEffect effect;
    if (argc > 1)
        effect.setSource(QUrl::fromLocalFile(QString::fromLocal8Bit(argv[1])));
    return QApplication::exec();
}
