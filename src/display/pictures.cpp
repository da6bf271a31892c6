#include "display/pictures.h"

#include <QFile>
#include <QtGlobal>

static void init_resources()
{
    Q_INIT_RESOURCE(assets);
}

namespace {

const Picture_Store* current_store = nullptr;

QImage load(const QString& path)
{
    QImage image(path);
    if (image.isNull())
        qWarning("missing picture %s", qPrintable(path));
    return image.convertToFormat(QImage::Format_RGB32);
}

Pictures load_all()
{
    init_resources();
    Pictures p;
    p.background = load(QStringLiteral(":/pictures/background.png"));
    p.sheet = load(QStringLiteral(":/pictures/sheet.png"));
    p.title = load(QStringLiteral(":/pictures/title.png"));
    p.logo = load(QStringLiteral(":/pictures/logo.png"));
    p.icon32 = QImage(QStringLiteral(":/icons/delvano-32.png"));
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString path = QStringLiteral(":/icons/delvano-%1.png").arg(size);
        if (QFile::exists(path))
            p.icon.addFile(path, QSize(size, size));
    }
    return p;
}

}  // namespace

Picture_Store::Picture_Store() : pictures_(load_all())
{
    current_store = this;
}

Picture_Store::~Picture_Store()
{
    if (current_store == this)
        current_store = nullptr;
}

const Pictures& Game_Pictures()
{
    if (!current_store)
        qFatal("the pictures are used before they are loaded or after they are gone");
    return current_store->pictures();
}
