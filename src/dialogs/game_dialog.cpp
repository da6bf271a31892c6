#include "dialogs/game_dialog.h"

#include "display/blit.h"
#include "display/palette.h"
#include "display/pictures.h"
#include "display/transparent_label.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QWindow>

#include <algorithm>
#include <vector>

namespace {

// Every dialog not unloaded yet, the oldest first.
std::vector<Game_Dialog*>& open_dialogs()
{
    static std::vector<Game_Dialog*> dialogs;
    return dialogs;
}

}  // namespace

Game_Dialog::Game_Dialog(QWidget* game_window, const QString& title, QSize client, Sheet_Cell texture)
    : QWidget(nullptr), game_window_(game_window), texture_(texture)
{
    setWindowTitle(title);
    setWindowIcon(Game_Pictures().icon);
    // A fixed border with the close box alone, topmost from the start so that showing it on top
    // later neither moves nor re-creates it.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(client);
    Client = new Surface(this, client.width(), client.height(), Black);
    Client->move(0, 0);
    if (game_window) {
        game_window->setEnabled(false);
        open_dialogs().push_back(this);
        // Not a child of the game window, which would disable it too; but unloaded and gone with
        // it, so nothing of a dialog outlives the application. The game window hears nothing
        // more then.
        connect(game_window, &QObject::destroyed, this, [this] {
            blockSignals(true);
            Form_Unload();
            delete this;
        });
    }
}

Game_Dialog::~Game_Dialog()
{
    std::erase(open_dialogs(), this);
}

void Game_Dialog::Open_At(QPoint offset)
{
    if (game_window_) {
        // move() on a window places its frame, so both corners are outer corners.
        move(game_window_->frameGeometry().topLeft() + offset);
        winId();
        if (QWindow* owner = game_window_->windowHandle())
            windowHandle()->setTransientParent(owner);
    }
    show();
    raise();
    activateWindow();
}

void Game_Dialog::Form_Unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    Unload_Steps();
    std::erase(open_dialogs(), this);
    if (game_window_) {
        const auto same_game = [this](Game_Dialog* d) { return d->game_window_ == game_window_; };
        const auto holder = std::find_if(open_dialogs().rbegin(), open_dialogs().rend(), same_game);
        if (holder != open_dialogs().rend()) {
            (*holder)->activateWindow();
        } else {
            game_window_->setEnabled(true);
            game_window_->activateWindow();
        }
    }
    emit Unloaded();
}

void Game_Dialog::Tile_Background()
{
    QImage& image = Client->image();
    for (int y = 0; y < image.height(); y += 16)
        for (int x = 0; x < image.width(); x += 16)
            Blit_Cell(image, Sheet(), x, y, texture_);
    Client->update();
}

void Game_Dialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Game_Dialog::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}
