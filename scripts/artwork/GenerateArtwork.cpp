// Draws every picture of the program at its stored size and depth:
//   cmake -S scripts/artwork -B build/artwork -G Ninja && cmake --build build/artwork
//   QT_QPA_PLATFORM=offscreen build/artwork/generate-artwork .
// writes resources/images/*.png (with "@2x" drawings for denser screens),
// resources/images/Quorvant.ico, the program icon in every size under
// resources/icons/ and help/images/*.png. Glyph bitmaps keep the
// stored-bitmap convention: the bottom-left pixel's colour is the
// transparent one; the @2x drawings are smoothed and carry an alpha channel.

#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>

#include <array>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <utility>

namespace {

const QColor Key(255, 0, 255); // transparent colour of glyph bitmaps
const QColor Navy(31, 63, 127);
const QColor Teal(0, 128, 128);
const QColor Leaf(46, 139, 87);
const QColor Brick(178, 34, 34);
const QColor Gold(218, 165, 32);

QString outputRoot;

using Draw = std::function<void(QPainter&)>;

QImage Canvas(int width, int height, const QColor& background)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(background);
    return image;
}

void Paint(QImage& image, const Draw& draw, bool smooth = true)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, smooth);
    painter.setRenderHint(QPainter::TextAntialiasing, smooth);
    draw(painter);
}

void Save(const QImage& image, const QString& path)
{
    const QString full = outputRoot + "/" + path;
    QDir().mkpath(QFileInfo(full).path());
    if (!image.save(full, "PNG"))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(full));
    else
        std::printf("%s %dx%d\n", qPrintable(path), image.width(), image.height());
}

// 24 bits per pixel: eight bits of red, green and blue.
QImage Depth24(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGB888);
}

// 16 bits per pixel: five bits per channel, kept in an RGB file.
QImage Depth16(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGB555).convertToFormat(QImage::Format_RGB888);
}

// 8 bits per pixel: a palette of at most 256 colours, no dithering for
// crisp edges.
QImage Depth8(const QImage& image)
{
    return image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
}

// Disabled look: grey embossed shape from the glyph's opaque pixels.
QImage DisabledOf(const QImage& glyph)
{
    QImage out = Canvas(glyph.width(), glyph.height(), Key);
    const QColor light(255, 255, 255), shadow(128, 128, 128);
    for (int pass = 0; pass < 2; ++pass) {
        const int offset = pass == 0 ? 1 : 0;
        for (int y = 0; y < glyph.height(); ++y)
            for (int x = 0; x < glyph.width(); ++x) {
                if (glyph.pixelColor(x, y) == Key)
                    continue;
                const int tx = x + offset, ty = y + offset;
                if (tx < out.width() && ty < out.height())
                    out.setPixelColor(tx, ty, pass == 0 ? light : shadow);
            }
    }
    return out;
}

// Glyphs are drawn without smoothing so that the key colour stays exact.
QImage Glyph16(const Draw& draw)
{
    QImage image = Canvas(16, 16, Key);
    Paint(image, draw, false);
    return image;
}

QImage Strip(const QImage& normal)
{
    QImage strip = Canvas(32, 16, Key);
    QPainter painter(&strip);
    painter.drawImage(0, 0, normal);
    painter.drawImage(16, 0, DisabledOf(normal));
    return strip;
}

// The same drawing at twice the size for screens of device pixel ratio 2
// (Qt draws 1.5 from it too): smoothed, with an alpha channel.
QImage Glyph16At2x(const Draw& draw)
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(2, 2);
    draw(painter);
    return image;
}

// The disabled look of a drawing with an alpha channel: its shape embossed
// in grey, offset by one stored pixel (two here).
QImage DisabledOf2x(const QImage& glyph)
{
    QImage out(glyph.size(), QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    QPainter painter(&out);
    for (const auto& [offset, colour] :
         {std::pair{2, QColor(255, 255, 255)}, std::pair{0, QColor(128, 128, 128)}}) {
        QImage shape(glyph.size(), QImage::Format_ARGB32);
        shape.fill(colour);
        for (int y = 0; y < glyph.height(); ++y)
            for (int x = 0; x < glyph.width(); ++x) {
                QColor c = colour;
                c.setAlpha(qAlpha(glyph.pixel(x, y)));
                shape.setPixelColor(x, y, c);
            }
        painter.drawImage(offset, offset, shape);
    }
    return out;
}

QImage Strip2x(const QImage& normal)
{
    QImage strip(64, 32, QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    painter.drawImage(0, 0, normal);
    painter.drawImage(32, 0, DisabledOf2x(normal));
    return strip;
}

// "name.png" -> "name@2x.png", the name QIcon::addFile looks for.
QString At2x(const QString& path)
{
    QString out = path;
    return out.insert(out.lastIndexOf(u'.'), QStringLiteral("@2x"));
}

// --- glyph drawings (16 x 16) ---------------------------------------------

void DrawReset(QPainter& p)
{
    // A circular arrow turning back.
    p.setPen(QPen(Leaf, 2));
    p.drawArc(QRect(3, 3, 10, 10), 60 * 16, 270 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(Leaf);
    p.drawPolygon(QPolygon({QPoint(9, 1), QPoint(14, 4), QPoint(9, 7)}));
}

void DrawUpdate(QPainter& p)
{
    // A globe with a down arrow: a page visit for a new version.
    p.setPen(QPen(Navy, 1));
    p.setBrush(QColor(120, 170, 230));
    p.drawEllipse(QRect(1, 1, 11, 11));
    p.drawLine(1, 6, 12, 6);
    p.drawEllipse(QRect(4, 1, 5, 11));
    p.setPen(Qt::NoPen);
    p.setBrush(Leaf);
    p.drawRect(11, 7, 3, 5);
    p.drawPolygon(QPolygon({QPoint(8, 11), QPoint(16, 11), QPoint(12, 15)}));
}

void DrawHelp(QPainter& p)
{
    p.setPen(QPen(Navy, 1));
    p.setBrush(QColor(70, 110, 200));
    p.drawEllipse(QRect(1, 1, 13, 13));
    QFont font("Liberation Sans");
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(1, 1, 14, 14), Qt::AlignCenter, "?");
}

void DrawAbout(QPainter& p)
{
    p.setPen(QPen(Teal.darker(130), 1));
    p.setBrush(Teal);
    p.drawEllipse(QRect(1, 1, 13, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(7, 3, 2, 2);
    p.drawRect(7, 6, 2, 6);
}

void DrawExit(QPainter& p)
{
    // An open door with an arrow leaving it.
    p.setPen(QPen(QColor(90, 60, 30), 1));
    p.setBrush(QColor(160, 110, 60));
    p.drawRect(2, 1, 8, 13);
    p.setPen(Qt::NoPen);
    p.setBrush(Brick);
    p.drawRect(7, 7, 5, 2);
    p.drawPolygon(QPolygon({QPoint(11, 4), QPoint(15, 8), QPoint(11, 12)}));
}

void DrawCheck(QPainter& p)
{
    p.setPen(QPen(Leaf, 2));
    p.drawPolyline(QPolygon({QPoint(2, 8), QPoint(6, 12), QPoint(14, 3)}));
}

void DrawDocument(QPainter& p)
{
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::white);
    p.drawRect(3, 1, 10, 14);
    p.setPen(QColor(70, 110, 200));
    for (int y = 4; y <= 12; y += 2)
        p.drawLine(5, y, 11, y);
}

void DrawHouse(QPainter& p)
{
    p.setPen(QPen(Brick.darker(130), 1));
    p.setBrush(Brick);
    p.drawPolygon(QPolygon({QPoint(1, 8), QPoint(8, 1), QPoint(15, 8)}));
    p.setBrush(QColor(240, 220, 170));
    p.drawRect(3, 8, 10, 7);
    p.setBrush(QColor(120, 80, 40));
    p.drawRect(7, 11, 3, 4);
}

void DrawBulb(QPainter& p)
{
    p.setPen(QPen(QColor(150, 120, 0), 1));
    p.setBrush(QColor(255, 230, 80));
    p.drawEllipse(QRect(3, 1, 10, 10));
    p.setBrush(QColor(160, 160, 160));
    p.drawRect(6, 11, 4, 3);
}

void DrawLifebuoy(QPainter& p)
{
    p.setPen(QPen(Brick, 3));
    p.drawEllipse(QRect(3, 3, 10, 10));
    p.setPen(QPen(Qt::white, 3));
    p.drawArc(QRect(3, 3, 10, 10), 20 * 16, 50 * 16);
    p.drawArc(QRect(3, 3, 10, 10), 200 * 16, 50 * 16);
}

void DrawGift(QPainter& p)
{
    p.setPen(QPen(Leaf.darker(140), 1));
    p.setBrush(Leaf);
    p.drawRect(2, 6, 12, 9);
    p.setBrush(Gold);
    p.drawRect(7, 6, 2, 9);
    p.drawRect(1, 4, 14, 2);
}

void DrawPen(QPainter& p)
{
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(QColor(250, 250, 240));
    p.drawRect(1, 3, 11, 12);
    p.setPen(QPen(Navy, 2));
    p.drawLine(6, 12, 14, 2);
}

void DrawBook(QPainter& p)
{
    p.setPen(QPen(Navy.darker(120), 1));
    p.setBrush(Navy);
    p.drawRect(2, 2, 11, 12);
    p.setBrush(Qt::white);
    p.drawRect(4, 4, 7, 2);
    p.setPen(Gold);
    p.drawLine(3, 13, 13, 13);
}

void DrawShield(QPainter& p)
{
    QPainterPath path;
    path.moveTo(8, 1);
    path.lineTo(14, 3);
    path.lineTo(13, 10);
    path.lineTo(8, 15);
    path.lineTo(3, 10);
    path.lineTo(2, 3);
    path.closeSubpath();
    p.setPen(QPen(Gold.darker(150), 1));
    p.setBrush(Gold);
    p.drawPath(path);
    p.setPen(QPen(Qt::white, 1));
    p.drawLine(8, 4, 8, 9);
    p.drawPoint(8, 11);
}

// A coloured tile with the product's initial.
Draw ProductTile(const QColor& colour, QChar initial)
{
    return [colour, initial](QPainter& p) {
        p.setPen(QPen(colour.darker(150), 1));
        p.setBrush(colour);
        p.drawRect(1, 1, 13, 13);
        QFont font("Liberation Sans");
        font.setPixelSize(11);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRect(1, 1, 14, 14), Qt::AlignCenter, QString(initial));
    };
}

// --- larger pictures -------------------------------------------------------

void DrawProgramIcon(QPainter& p, int size)
{
    // A house over a rising percentage line: the mortgage rate calculator.
    const qreal s = size / 32.0;
    p.save();
    p.scale(s, s);
    QLinearGradient sky(0, 0, 0, 32);
    sky.setColorAt(0, QColor(80, 140, 220));
    sky.setColorAt(1, QColor(30, 70, 150));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 5, 5);
    p.setBrush(QColor(250, 245, 230));
    p.drawPolygon(QPolygonF({QPointF(6, 16), QPointF(16, 7), QPointF(26, 16), QPointF(23, 16),
                             QPointF(23, 26), QPointF(9, 26), QPointF(9, 16)}));
    p.setBrush(Brick);
    p.drawPolygon(QPolygonF({QPointF(4, 16.5), QPointF(16, 5.5), QPointF(28, 16.5), QPointF(25.5, 17),
                             QPointF(16, 8.5), QPointF(6.5, 17)}));
    QFont font("Liberation Sans");
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Navy);
    p.drawText(QRectF(9, 15, 14, 11), Qt::AlignCenter, "%");
    p.restore();
}

// The program icon as a scalable drawing: the same shapes as DrawProgramIcon
// on its 32-unit grid.
void SaveProgramIconSvg(const QString& path)
{
    const QString svg = QStringLiteral(R"svg(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">
  <defs>
    <linearGradient id="sky" x1="0" y1="0" x2="0" y2="32" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#508cdc"/>
      <stop offset="1" stop-color="#1e4696"/>
    </linearGradient>
  </defs>
  <rect x="1" y="1" width="30" height="30" rx="5" ry="5" fill="url(#sky)"/>
  <polygon points="6,16 16,7 26,16 23,16 23,26 9,26 9,16" fill="#faf5e6"/>
  <polygon points="4,16.5 16,5.5 28,16.5 25.5,17 16,8.5 6.5,17" fill="#b22222"/>
  <text x="16" y="24.5" text-anchor="middle" font-family="Liberation Sans, Arial, sans-serif"
        font-size="11" font-weight="bold" fill="#1f3f7f">%</text>
</svg>
)svg");
    const QString full = outputRoot + "/" + path;
    QDir().mkpath(QFileInfo(full).path());
    QFile file(full);
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(full));
        return;
    }
    file.write(svg.toUtf8());
    std::printf("%s (scalable)\n", qPrintable(path));
}

QImage ProgramIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawProgramIcon(painter, size);
    return image;
}

// The Windows icon format, one 32 x 32 image with 8 bits per pixel: a
// 256-colour palette, the colour indices and a one-bit transparency mask.
void SaveIco8(const QImage& argb, const QString& path)
{
    QImage opaque(argb.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    {
        QPainter p(&opaque);
        p.drawImage(0, 0, argb);
    }
    const QImage indexed = opaque.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    const int w = argb.width(), h = argb.height();
    const int maskStride = ((w + 31) / 32) * 4;
    const quint32 imageBytes = 40 + 256 * 4 + w * h + maskStride * h;
    QByteArray data;
    auto u8 = [&](int v) { data.append(static_cast<char>(v & 0xFF)); };
    auto u16 = [&](int v) {
        u8(v);
        u8(v >> 8);
    };
    auto u32 = [&](quint32 v) {
        u16(static_cast<int>(v & 0xFFFF));
        u16(static_cast<int>(v >> 16));
    };
    u16(0);
    u16(1);
    u16(1); // icon directory, one image
    u8(w);
    u8(h);
    u8(0);
    u8(0);
    u16(1);
    u16(8);
    u32(imageBytes);
    u32(6 + 16);
    u32(40);
    u32(w);
    u32(h * 2);
    u16(1);
    u16(8);
    u32(0);
    u32(w * h + maskStride * h);
    u32(0);
    u32(0);
    u32(256);
    u32(0);
    const auto table = indexed.colorTable();
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < table.size() ? table[i] : 0;
        u8(qBlue(c));
        u8(qGreen(c));
        u8(qRed(c));
        u8(0);
    }
    for (int y = h - 1; y >= 0; --y) // rows bottom up
        for (int x = 0; x < w; ++x)
            u8(indexed.pixelIndex(x, y));
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < w; ++x)
            if (qAlpha(argb.pixel(x, y)) < 128)
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        data.append(row);
    }
    QFile file(outputRoot + "/" + path);
    file.open(QIODevice::WriteOnly);
    file.write(data);
    std::printf("%s %dx%d (icon, 8 bits)\n", qPrintable(path), w, h);
}

QImage Logo()
{
    // The maker's logo: a mark of three rising bars and the name.
    QImage image = Canvas(420, 60, Qt::white);
    Paint(image, [](QPainter& p) {
        QLinearGradient band(0, 0, 420, 0);
        band.setColorAt(0, QColor(230, 238, 250));
        band.setColorAt(1, Qt::white);
        p.fillRect(0, 0, 420, 60, band);
        const std::array<QColor, 3> colours{Teal, Navy, Leaf};
        for (int i = 0; i < 3; ++i) {
            p.setPen(Qt::NoPen);
            p.setBrush(colours[i]);
            p.drawRoundedRect(QRectF(14 + i * 14, 40 - i * 12, 10, 12 + i * 12), 2, 2);
        }
        p.setPen(QPen(Gold, 3));
        p.drawArc(QRect(8, 6, 52, 52), 30 * 16, 120 * 16);
        QFont name("Liberation Serif");
        name.setPixelSize(32);
        name.setBold(true);
        p.setFont(name);
        p.setPen(Navy);
        p.drawText(QRect(72, 4, 340, 36), Qt::AlignLeft | Qt::AlignVCenter, "Ostrel Software");
        QFont line("Liberation Sans");
        line.setPixelSize(13);
        line.setItalic(true);
        p.setFont(line);
        p.setPen(QColor(90, 100, 120));
        p.drawText(QRect(74, 38, 340, 18), Qt::AlignLeft | Qt::AlignVCenter,
                   "Financial calculators for everyday decisions");
    });
    return image;
}

// A window frame of a fictional program, drawn the way a screenshot shows it.
void DrawWindowFrame(QPainter& p, const QRect& r, const QString& title, const QColor& caption)
{
    p.fillRect(r, QColor(212, 208, 200));
    p.setPen(QColor(64, 64, 64));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    QLinearGradient bar(r.left(), 0, r.right(), 0);
    bar.setColorAt(0, caption);
    bar.setColorAt(1, caption.lighter(160));
    p.fillRect(QRect(r.left() + 2, r.top() + 2, r.width() - 4, 16), bar);
    QFont font("Liberation Sans");
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(r.left() + 6, r.top() + 2, r.width() - 50, 16), Qt::AlignVCenter, title);
    for (int i = 0; i < 3; ++i) {
        const QRect box(r.right() - 16 - i * 16, r.top() + 4, 13, 12);
        p.fillRect(box, QColor(212, 208, 200));
        p.setPen(QColor(64, 64, 64));
        p.drawRect(box.adjusted(0, 0, -1, -1));
    }
    font.setBold(false);
    p.setFont(font);
    p.setPen(Qt::black);
    int x = r.left() + 6;
    for (const char* item : {"File", "View", "Reports", "Help"}) {
        p.drawText(QPoint(x, r.top() + 31), item);
        x += p.fontMetrics().horizontalAdvance(item) + 12;
    }
}

void DrawField(QPainter& p, const QRect& r, const QString& caption, const QString& value, bool result)
{
    QFont font("Liberation Sans");
    font.setPixelSize(10);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(r.left(), r.top(), 70, r.height()), Qt::AlignRight | Qt::AlignVCenter, caption);
    const QRect box(r.left() + 74, r.top(), r.width() - 74, r.height());
    p.fillRect(box, result ? QColor(255, 255, 160) : Qt::white);
    p.setPen(QColor(128, 128, 128));
    p.drawRect(box.adjusted(0, 0, -1, -1));
    p.setPen(Qt::black);
    p.drawText(box.adjusted(2, 0, -3, 0), Qt::AlignRight | Qt::AlignVCenter, value);
}

QImage CashflowScreenshot()
{
    // Cashflow Pilot: monthly income and spending bars and a running balance.
    QImage image = Canvas(300, 217, Qt::white);
    Paint(image, [](QPainter& p) {
        const QRect frame(0, 0, 300, 217);
        DrawWindowFrame(p, frame, "Cashflow Pilot", QColor(0, 84, 147));
        const QRect chart(8, 40, 190, 120);
        p.fillRect(chart, Qt::white);
        p.setPen(QColor(128, 128, 128));
        p.drawRect(chart.adjusted(0, 0, -1, -1));
        p.setPen(QColor(220, 220, 220));
        for (int y = chart.top() + 20; y < chart.bottom(); y += 20)
            p.drawLine(chart.left() + 1, y, chart.right() - 1, y);
        const std::array<int, 12> income{62, 60, 64, 66, 63, 70, 72, 69, 74, 76, 73, 80};
        const std::array<int, 12> spending{55, 58, 50, 61, 57, 59, 66, 60, 62, 64, 71, 63};
        int balance = 30;
        QPolygon line;
        for (int m = 0; m < 12; ++m) {
            const int x = chart.left() + 6 + m * 15;
            p.fillRect(QRect(x, chart.bottom() - income[m], 6, income[m]), Leaf);
            p.fillRect(QRect(x + 6, chart.bottom() - spending[m], 6, spending[m]), Brick);
            balance += (income[m] - spending[m]) / 2;
            line << QPoint(x + 6, chart.bottom() - balance - 30);
        }
        p.setPen(QPen(Navy, 2));
        p.drawPolyline(line);
        QFont font("Liberation Sans");
        font.setPixelSize(10);
        p.setFont(font);
        p.setPen(Qt::black);
        const char* months = "JFMAMJJASOND";
        for (int m = 0; m < 12; ++m)
            p.drawText(QRect(chart.left() + 3 + m * 15, 162, 18, 14), Qt::AlignCenter,
                       QString(QChar(months[m])));
        // Summary panel.
        const QRect side(204, 40, 88, 120);
        p.fillRect(side, QColor(236, 242, 250));
        p.setPen(QColor(128, 128, 128));
        p.drawRect(side.adjusted(0, 0, -1, -1));
        p.setPen(Qt::black);
        int y = side.top() + 14;
        for (const auto& [label, value] : std::array<std::pair<const char*, const char*>, 4>{
                 {{"Income", "8,420"}, {"Spending", "7,365"}, {"Saved", "1,055"}, {"Months", "12"}}}) {
            p.drawText(QPoint(side.left() + 5, y), label);
            p.drawText(QRect(side.left(), y - 10, side.width() - 5, 12), Qt::AlignRight, value);
            y += 26;
        }
        // Table of the last rows.
        const QRect table(8, 180, 284, 30);
        p.fillRect(table, Qt::white);
        p.setPen(QColor(128, 128, 128));
        p.drawRect(table.adjusted(0, 0, -1, -1));
        p.drawLine(table.left(), table.top() + 15, table.right(), table.top() + 15);
        p.setPen(Qt::black);
        p.drawText(QPoint(12, 192), "Nov   Rent  1,250.00   Salary  3,600.00");
        p.drawText(QPoint(12, 206), "Dec   Utilities  186.40   Bonus  900.00");
    });
    return image;
}

QImage EquityScreenshot()
{
    // Equity Lens: home value against the loan balance over the years.
    QImage image = Canvas(300, 246, Qt::white);
    Paint(image, [](QPainter& p) {
        DrawWindowFrame(p, QRect(0, 0, 300, 246), "Equity Lens", QColor(0, 110, 90));
        DrawField(p, QRect(4, 40, 140, 16), "Home value:", "245,000.00", false);
        DrawField(p, QRect(4, 60, 140, 16), "Loan balance:", "188,300.00", false);
        DrawField(p, QRect(150, 40, 144, 16), "Growth / yr:", "3.2500", false);
        DrawField(p, QRect(150, 60, 144, 16), "Equity:", "56,700.00", true);
        const QRect chart(8, 84, 284, 134);
        QLinearGradient back(0, chart.top(), 0, chart.bottom());
        back.setColorAt(0, QColor(248, 252, 255));
        back.setColorAt(1, QColor(225, 235, 245));
        p.fillRect(chart, back);
        p.setPen(QColor(128, 128, 128));
        p.drawRect(chart.adjusted(0, 0, -1, -1));
        QPolygonF value, balance;
        for (int year = 0; year <= 30; ++year) {
            const qreal x = chart.left() + 6 + year * 9.0;
            value << QPointF(x, chart.bottom() - 40 - year * 1.8 - (year * year) * 0.02);
            balance << QPointF(x, chart.bottom() - 70 + (year * year) * 0.075);
        }
        p.save();
        p.setClipRect(chart.adjusted(1, 1, -1, -1));
        QPolygonF area = value;
        for (auto it = balance.rbegin(); it != balance.rend(); ++it)
            area << *it;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 200, 160, 140));
        p.drawPolygon(area);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Leaf.darker(120), 2));
        p.drawPolyline(value);
        p.setPen(QPen(Brick, 2));
        p.drawPolyline(balance);
        p.restore();
        QFont font("Liberation Sans");
        font.setPixelSize(10);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(QRect(chart.left(), chart.bottom() + 2, chart.width(), 14), Qt::AlignLeft, "2010");
        p.drawText(QRect(chart.left(), chart.bottom() + 2, chart.width(), 14), Qt::AlignCenter, "2025");
        p.drawText(QRect(chart.left(), chart.bottom() + 2, chart.width() - 4, 14), Qt::AlignRight, "2040");
        p.setPen(Leaf.darker(120));
        p.drawText(QPoint(chart.left() + 10, chart.top() + 14), "Home value");
        p.setPen(Brick);
        p.drawText(QPoint(chart.left() + 10, chart.top() + 28), "Loan balance");
    });
    return image;
}

QImage HelpToolbar(const std::array<QImage, 5>& glyphs)
{
    // The toolbar as the help shows it: four buttons, a gap, the exit button.
    // The buttons are flat, as in the program: a glyph on the bar, no frame
    // until the mouse is over one.
    QImage image = Canvas(200, 32, QColor(212, 208, 200));
    Paint(
        image,
        [&](QPainter& p) {
            auto button = [&](int x, const QImage& glyph) {
                QImage masked = glyph.convertToFormat(QImage::Format_ARGB32);
                for (int y = 0; y < masked.height(); ++y)
                    for (int x2 = 0; x2 < masked.width(); ++x2)
                        if (QColor(masked.pixel(x2, y)).rgb() == Key.rgb())
                            masked.setPixel(x2, y, qRgba(0, 0, 0, 0));
                p.drawImage(x + 5, 8, masked);
            };
            for (int i = 0; i < 4; ++i)
                button(3 + i * 26, glyphs[i]);
            button(170, glyphs[4]);
        },
        false);
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    outputRoot = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");

    const QImage reset = Glyph16(DrawReset), help = Glyph16(DrawHelp), about = Glyph16(DrawAbout),
                 exit = Glyph16(DrawExit), update = Glyph16(DrawUpdate);
    Save(Depth16(Strip(reset)), "resources/images/btnReset.png");
    Save(Depth16(Strip(help)), "resources/images/btnHelp.png");
    Save(Depth16(Strip(about)), "resources/images/btnAbout.png");
    Save(Depth16(Strip(exit)), "resources/images/btnExit.png");
    Save(Depth24(update), "resources/images/btnUpdate.png");
    for (const auto& [name, draw] : std::initializer_list<std::pair<const char*, Draw>>{
             {"btnReset", DrawReset}, {"btnHelp", DrawHelp}, {"btnAbout", DrawAbout}, {"btnExit", DrawExit}})
        Save(Strip2x(Glyph16At2x(draw)), At2x(QString("resources/images/%1.png").arg(name)));
    Save(Glyph16At2x(DrawUpdate), At2x("resources/images/btnUpdate.png"));

    const std::pair<const char*, Draw> menus[] = {
        {"mnuFileReset", DrawReset},
        {"mnuFileExit", DrawExit},
        {"mnuOnlineHome", DrawHouse},
        {"mnuOnlineAppInfo", DrawDocument},
        {"mnuOnlineSuggestionBox", DrawBulb},
        {"mnuOnlineSupport", DrawLifebuoy},
        {"mnuOnlineFreeware", DrawGift},
        {"mnuOnlineBlog", DrawPen},
        {"mnuOnlineCheckForUpdate", DrawUpdate},
        {"Contents1", DrawBook},
        {"mnuHelpDisclaimer", DrawShield},
        {"About1", DrawAbout},
    };
    for (const auto& [name, draw] : menus) {
        Save(Depth24(Glyph16(draw)), QString("resources/images/%1.png").arg(name));
        Save(Glyph16At2x(draw), At2x(QString("resources/images/%1.png").arg(name)));
    }
    // The seven product items: 8-bit tiles, the few menu images that are
    // not 24 bits.
    const std::array<QColor, 7> tiles{Teal,  QColor(200, 120, 0), Navy, QColor(120, 60, 160), Leaf,
                                      Brick, QColor(0, 120, 200)};
    const std::array<QChar, 7> initials{'A', 'B', 'C', 'D', 'E', 'L', 'R'};
    for (int i = 0; i < 7; ++i) {
        const QString path = QString("resources/images/mnuTryProduct%1.png").arg(i + 1);
        Save(Depth8(Glyph16(ProductTile(tiles[i], initials[i]))), path);
        Save(Glyph16At2x(ProductTile(tiles[i], initials[i])), At2x(path));
    }

    for (const auto& [name, draw] :
         std::initializer_list<std::pair<const char*, Draw>>{{"btnShowLicense", DrawDocument},
                                                             {"btnCloseAbout", DrawCheck},
                                                             {"btnCloseDisclaim", DrawCheck}}) {
        Save(Depth24(Glyph16(draw)), QString("resources/images/%1.png").arg(name));
        Save(Glyph16At2x(draw), At2x(QString("resources/images/%1.png").arg(name)));
    }

    Save(Depth24(Logo()), "resources/images/imgLogo.png");
    Save(Depth8(CashflowScreenshot()), "resources/images/imgScreenshot2.png");
    Save(Depth24(EquityScreenshot()), "resources/images/imgScreenshot3.png");

    SaveIco8(ProgramIcon(32), "resources/images/Quorvant.ico");
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        Save(ProgramIcon(size), QString("resources/icons/%1/quorvant.png").arg(size));
    SaveProgramIconSvg("resources/icons/scalable/quorvant.svg");

    Save(ProgramIcon(32), "help/images/icon.png");
    Save(HelpToolbar({reset, update, help, about, exit}), "help/images/toolbar.png");
    return 0;
}
