// The yardstick for the benchmark: an empty Qt window of the game's size, doing nothing.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(375, 254);
    window.show();
    return QApplication::exec();
}
