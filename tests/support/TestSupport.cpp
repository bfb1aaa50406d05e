#include "tests/support/TestSupport.h"

namespace testsupport {

QImage Render(QWidget& w)
{
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TColor PixelAt(const QImage& img, int x, int y)
{
    const QRgb p = img.pixel(x, y);
    return TColor(qRed(p)) | (TColor(qGreen(p)) << 8) | (TColor(qBlue(p)) << 16);
}

} // namespace testsupport
