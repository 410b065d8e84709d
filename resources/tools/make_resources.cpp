// Renders the program's bitmaps: the axis label of the glass-thickness axis
// and the program icon. Run it from the build tree after changing either:
//   cmake --build build --target tavrolin_make_resources
//   QT_QPA_PLATFORM=offscreen build/resources/tavrolin_make_resources resources
//   icotool -c -o resources/windows/tavrolin.ico resources/icons/{16,24,32,48}.png -r resources/icons/256.png
// (the 256 px image stored as PNG, the others as bitmaps).
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

// 19 x 68 pixels times the scale: "Síla skla" in near-black bold serif,
// turned a quarter turn clockwise (read from top to bottom, letter tops to
// the right), on an alternating pattern of two light greys close to the
// window's silver. The Windows program shows the twice as large one on
// screens of 150 % and more.
QImage axisLabel(int scale)
{
    QImage image(19 * scale, 68 * scale, QImage::Format_RGB888);
    const QColor greys[2] = {QColor(176, 184, 176), QColor(192, 199, 192)};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.setPixelColor(x, y, greys[(x + y) % 2]);

    QPainter p(&image);
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(15 * scale);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    p.setFont(font);
    p.setPen(QColor(16, 24, 16));
    p.translate(image.width(), 0);
    p.rotate(90);
    p.drawText(QRect(0, 0, image.height(), image.width()), Qt::AlignCenter, QString::fromUtf8("Síla skla"));
    return image;
}

// A glass plate with the two reflected rays: from a source at the upper
// left, off the top and off the bottom surface, to a detector at the right.
QImage icon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);

    QPainterPath tile;
    tile.addRoundedRect(QRectF(1, 1, 62, 62), 10, 10);
    p.fillPath(tile, QColor(192, 192, 192));
    p.setPen(QPen(QColor(3, 0, 67), 1.5));
    p.drawPath(tile);

    p.fillRect(QRectF(6, 34, 52, 18), QColor(192, 255, 255));
    p.setPen(QPen(QColor(3, 0, 67), 2));
    p.drawLine(QPointF(6, 34), QPointF(58, 34));
    p.drawLine(QPointF(6, 52), QPointF(58, 52));

    p.setPen(QPen(QColor(3, 0, 67), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(10, 12), QPointF(32, 34), QPointF(54, 12)}));
    p.setPen(QPen(QColor(255, 0, 0), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(10, 12), QPointF(32, 52), QPointF(54, 12)}));

    p.setPen(QPen(QColor(3, 0, 67), 2));
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QPointF(10, 12), 4, 4);
    p.drawEllipse(QPointF(54, 12), 4, 4);
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    out.mkpath(QStringLiteral("windows"));
    bool ok = axisLabel(1).save(out.filePath(QStringLiteral("sila_skla.bmp")), "BMP");
    ok = axisLabel(2).save(out.filePath(QStringLiteral("windows/sila_skla_2x.bmp")), "BMP") && ok;
    ok = icon(256).save(out.filePath(QStringLiteral("tavrolin.png")), "PNG") && ok;
    // The icon in the sizes that desktops and Windows ask for; icotool puts
    // 16 to 256 together into windows/tavrolin.ico.
    out.mkpath(QStringLiteral("icons"));
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        ok = icon(size).save(out.filePath(QStringLiteral("icons/%1.png").arg(size)), "PNG") && ok;
    if (!ok) std::fputs("make_resources: could not write the images\n", stderr);
    return ok ? 0 : 1;
}
