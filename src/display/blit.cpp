#include "display/blit.h"

#include <cstdint>
#include <cstdlib>

void Blit(QImage& dst, const QImage& src, int dx, int dy, int w, int h, int sx, int sy, Raster op)
{
    const bool mirrored = w < 0;
    const int width = std::abs(w);
    // Colour bits only: the alpha byte of an RGB32 image must stay 0xff whatever the operation.
    constexpr uint32_t alpha = 0xff000000u;
    for (int row = 0; row < h; ++row) {
        const int ty = dy + row;
        const int fy = sy + row;
        if (ty < 0 || ty >= dst.height() || fy < 0 || fy >= src.height())
            continue;
        auto* out = reinterpret_cast<uint32_t*>(dst.scanLine(ty));
        const auto* in = reinterpret_cast<const uint32_t*>(src.constScanLine(fy));
        for (int col = 0; col < width; ++col) {
            const int tx = dx + col;
            const int fx = mirrored ? sx - col : sx + col;
            if (tx < 0 || tx >= dst.width() || fx < 0 || fx >= src.width())
                continue;
            const uint32_t s = in[fx];
            switch (op) {
            case Raster::Copy:
                out[tx] = s | alpha;
                break;
            case Raster::And:
                out[tx] = (out[tx] & s) | alpha;
                break;
            case Raster::Paint:
                out[tx] = (out[tx] | s) | alpha;
                break;
            }
        }
    }
}
