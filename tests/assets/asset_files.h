#pragma once

#include <QImage>
#include <QString>

inline QString assetPath(const QString &relative)
{
    return QStringLiteral(DELVANO_ASSET_DIR "/") + relative;
}

inline QImage picture(const char *name)
{
    return QImage(assetPath(QStringLiteral("pictures/%1.png").arg(QLatin1String(name))));
}

inline QImage sheetImage()
{
    return picture("sheet").convertToFormat(QImage::Format_RGB32);
}

inline bool isBlack(QRgb c)
{
    return (c & 0xffffff) == 0;
}
