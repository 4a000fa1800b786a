// Renders the module's pictures: the front of the switch, the link pictures laid over its
// sockets and the two model icons of the About box. Everything is drawn here, so the pictures
// can be regenerated and adjusted without any outside artwork.
//
//   QT_QPA_PLATFORM=offscreen build/bin/ksw-render-pictures resources/

#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

// Places the front panel module draws its LEDs and link pictures at; the picture must match.
constexpr QSize kPanelSize(794, 125);
constexpr QPoint kPowerLed(151, 89);
constexpr QPoint kConsoleLed(151, 74);
constexpr std::array<int, 4> kLedColumns{180, 193, 206, 219};
constexpr std::array<int, 4> kLedRows{42, 58, 74, 90};
constexpr std::array<QPoint, 2> kComboLeds{QPoint(621, 78), QPoint(700, 78)};
constexpr int kLedSize = 5;
constexpr std::array<int, 8> kSocketColumns{258, 298, 338, 378, 443, 483, 522, 562};
constexpr int kUpperRowY = 41;
constexpr int kLowerRowY = 68;
constexpr QSize kLinkSize(37, 15);
constexpr std::array<QPoint, 2> kComboSockets{QPoint(642, 72), QPoint(718, 72)};
constexpr QSize kComboLinkSize(42, 15);

constexpr int kEarWidth = 26;

QFont PixelFont(int pixels, bool bold = false, bool condensed = false)
{
    QFont font(condensed ? QStringLiteral("DejaVu Sans Condensed") : QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QColor Shade(const QColor& c, int delta)
{
    return QColor(std::clamp(c.red() + delta, 0, 255), std::clamp(c.green() + delta, 0, 255),
                  std::clamp(c.blue() + delta, 0, 255), c.alpha());
}

// Horizontal brushing: noise smeared along x, a little row-to-row variation, light from above.
QImage BrushedMetal(QSize size, QColor base, quint32 seed, int grain)
{
    QRandomGenerator random(seed);
    QImage image(size, QImage::Format_RGB32);
    const int w = size.width();
    std::vector<double> noise(w);
    std::vector<double> smooth(w);
    for (int y = 0; y < size.height(); ++y) {
        for (double& n : noise)
            n = random.generateDouble() * 2.0 - 1.0;
        const int window = 9;
        double sum = 0;
        for (int x = -window; x <= window; ++x)
            sum += noise[(x + w) % w];
        for (int x = 0; x < w; ++x) {
            smooth[x] = sum / (2 * window + 1);
            sum += noise[(x + window + 1) % w] - noise[(x - window + w) % w];
        }
        const double rowShift = (random.generateDouble() * 2.0 - 1.0) * grain * 0.35;
        const double light = 10.0 * (0.5 - double(y) / size.height());
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const double fine = (random.generateDouble() * 2.0 - 1.0) * grain * 0.25;
            const int delta = int(std::lround(smooth[x] * grain * 2.2 + rowShift + fine + light));
            line[x] = Shade(base, delta).rgb();
        }
    }
    return image;
}

void DrawText(QPainter& p, const QRectF& box, int flags, const QString& text, const QFont& font,
              const QColor& color, bool embossed = false)
{
    p.setFont(font);
    if (embossed) {
        p.setPen(QColor(0, 0, 0, 150));
        p.drawText(box.translated(0, 1), flags, text);
    }
    p.setPen(color);
    p.drawText(box, flags, text);
}

// A recess for one LED: the module paints the 5x5 light itself, so only the bezel and the dark
// lens around it belong to the photograph.
void DrawLedBezel(QPainter& p, QPoint at)
{
    const QRectF outer(at.x() - 1.5, at.y() - 1.5, kLedSize + 3, kLedSize + 3);
    p.setPen(QPen(QColor(14, 16, 20), 1));
    p.setBrush(QColor(30, 32, 36));
    p.drawRect(outer);
    p.setPen(QPen(QColor(150, 156, 168, 110), 1));
    p.drawLine(QPointF(outer.left(), outer.bottom() + 1), QPointF(outer.right() + 1, outer.bottom() + 1));
    p.fillRect(QRect(at, QSize(kLedSize, kLedSize)), QColor(22, 24, 22));
    p.fillRect(QRect(at + QPoint(1, 1), QSize(2, 1)), QColor(70, 74, 70));
}

void DrawScrewSlot(QPainter& p, const QRectF& slot)
{
    QPainterPath path;
    const double radius = std::min(slot.width(), slot.height()) / 2;
    path.addRoundedRect(slot, radius, radius);
    QLinearGradient depth(slot.topLeft(), slot.bottomLeft());
    depth.setColorAt(0, QColor(8, 8, 10));
    depth.setColorAt(1, QColor(30, 31, 34));
    p.setPen(Qt::NoPen);
    p.setBrush(depth);
    p.drawPath(path);
    // Cut edge: dark above, a thin bright lip below where the light catches the metal.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(200, 204, 210, 140), 1));
    p.drawPath(path.translated(0, 0.8).subtracted(path));
    p.setPen(QPen(QColor(0, 0, 0, 160), 1));
    p.drawPath(path.translated(0, -0.8).subtracted(path));
}

void DrawRackEar(QPainter& p, const QRect& ear, bool left)
{
    p.drawImage(ear.topLeft(), BrushedMetal(ear.size(), QColor(92, 96, 104), left ? 11 : 12, 7));
    // The bend between ear and face.
    const int bendX = left ? ear.right() : ear.left();
    QLinearGradient bend(bendX - 3, 0, bendX + 3, 0);
    bend.setColorAt(0, QColor(0, 0, 0, left ? 0 : 140));
    bend.setColorAt(0.5, QColor(0, 0, 0, 170));
    bend.setColorAt(1, QColor(0, 0, 0, left ? 140 : 0));
    p.fillRect(QRect(bendX - 3, ear.top(), 7, ear.height()), bend);
    const double slotX = ear.center().x() - 6.5 + (left ? -1 : 2);
    DrawScrewSlot(p, QRectF(slotX, 18, 13, 8));
    DrawScrewSlot(p, QRectF(slotX, 99, 13, 8));
}

// The opening of one RJ-45 socket, with its latch key above (upper row) or below (lower row).
void DrawRj45Opening(QPainter& p, const QRect& opening, bool keyAbove)
{
    const int keyWidth = opening.width() * 2 / 5;
    const QRect key(opening.center().x() - keyWidth / 2 + 1,
                    keyAbove ? opening.top() - 4 : opening.bottom() + 1, keyWidth, 4);
    QPainterPath hole;
    hole.addRect(opening);
    hole.addRect(key);
    hole = hole.simplified();

    // Lip around the hole: dark on the side away from the light.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(18, 19, 21));
    p.drawPath(hole.translated(0, -1));
    p.setBrush(QColor(222, 226, 232));
    p.drawPath(hole.translated(0, 1));

    QLinearGradient depth(opening.topLeft(), opening.bottomLeft());
    depth.setColorAt(0, QColor(10, 10, 12));
    depth.setColorAt(1, QColor(34, 35, 38));
    p.setBrush(depth);
    p.drawPath(hole);

    // Contacts sit on the side opposite the latch.
    const int contactTop = keyAbove ? opening.bottom() - 5 : opening.top() + 2;
    const double pitch = 3.2;
    const double first = opening.center().x() + 0.5 - pitch * 3.5;
    for (int i = 0; i < 8; ++i) {
        const double x = first + i * pitch;
        p.fillRect(QRectF(x - 0.6, contactTop, 1.3, 4), QColor(196, 160, 70));
        p.fillRect(QRectF(x - 0.6, keyAbove ? contactTop : contactTop + 3, 1.3, 1), QColor(240, 214, 130));
    }
    // The plastic insert that carries the contacts.
    const QRect insert(opening.left() + 4, keyAbove ? opening.bottom() - 1 : opening.top(),
                       opening.width() - 8, 2);
    p.fillRect(insert, QColor(40, 41, 44));
}

// A stamped steel shield around a block of sockets.
void DrawShield(QPainter& p, const QRect& block)
{
    QLinearGradient steel(block.topLeft(), block.bottomLeft());
    steel.setColorAt(0, QColor(200, 204, 210));
    steel.setColorAt(0.48, QColor(164, 168, 176));
    steel.setColorAt(0.52, QColor(150, 154, 162));
    steel.setColorAt(1, QColor(120, 124, 132));
    p.setPen(QPen(QColor(28, 30, 34), 1));
    p.setBrush(steel);
    p.drawRect(QRectF(block).adjusted(0.5, 0.5, -0.5, -0.5));
    p.setPen(QPen(QColor(235, 238, 242, 170), 1));
    p.drawLine(block.left() + 1, block.top() + 1, block.right() - 1, block.top() + 1);
    // Grounding tabs along the top and bottom edges.
    p.setPen(Qt::NoPen);
    for (int x = block.left() + 10; x < block.right() - 10; x += 20) {
        p.setBrush(QColor(105, 109, 117));
        p.drawRect(QRectF(x, block.top() + 2, 8, 1.5));
        p.drawRect(QRectF(x, block.bottom() - 3, 8, 1.5));
    }
}

void DrawSfpCage(QPainter& p, const QRect& cage)
{
    DrawShield(p, cage);
    const QRect opening = cage.adjusted(3, 4, -3, -4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 233, 238));
    p.drawRect(opening.translated(0, 1));
    QLinearGradient depth(opening.topLeft(), opening.bottomLeft());
    depth.setColorAt(0, QColor(6, 6, 8));
    depth.setColorAt(1, QColor(26, 27, 30));
    p.setBrush(depth);
    p.drawRect(opening);
    // The spring latch tab and the guide rails inside the cage.
    p.fillRect(QRect(opening.center().x() - 5, opening.bottom() - 3, 11, 3), QColor(120, 124, 130));
    p.fillRect(QRect(opening.left() + 2, opening.top() + 3, 1, opening.height() - 6), QColor(60, 62, 66));
    p.fillRect(QRect(opening.right() - 2, opening.top() + 3, 1, opening.height() - 6), QColor(60, 62, 66));
    p.fillRect(QRect(opening.left() + 6, opening.top() + 5, opening.width() - 12, 1), QColor(48, 50, 54));
}

// A flat painted area with a slightly raised frame, as the face of the unit is pressed.
void DrawFace(QPainter& p, const QRect& face)
{
    p.drawImage(face.topLeft(), BrushedMetal(face.size(), QColor(54, 60, 74), 7, 6));
    p.setPen(QPen(QColor(160, 168, 186, 150), 1));
    p.drawLine(face.left(), face.top() + 1, face.right(), face.top() + 1);
    p.setPen(QPen(QColor(10, 12, 16, 200), 1));
    p.drawLine(face.left(), face.bottom() - 1, face.right(), face.bottom() - 1);
    p.setPen(QPen(QColor(0, 0, 0, 230), 1));
    p.drawLine(face.left(), face.top(), face.right(), face.top());
    p.drawLine(face.left(), face.bottom(), face.right(), face.bottom());
}

void DrawBadge(QPainter& p)
{
    const QRectF badge(36.5, 14.5, 94, 24);
    QLinearGradient plate(badge.topLeft(), badge.bottomLeft());
    plate.setColorAt(0, QColor(218, 222, 230));
    plate.setColorAt(0.5, QColor(168, 174, 186));
    plate.setColorAt(1, QColor(132, 138, 150));
    p.setPen(QPen(QColor(20, 22, 28), 1));
    p.setBrush(plate);
    p.drawRoundedRect(badge, 3, 3);
    const QRectF inner = badge.adjusted(2, 2, -2, -2);
    QLinearGradient enamel(inner.topLeft(), inner.bottomLeft());
    enamel.setColorAt(0, QColor(32, 56, 104));
    enamel.setColorAt(1, QColor(14, 28, 62));
    p.setPen(Qt::NoPen);
    p.setBrush(enamel);
    p.drawRoundedRect(inner, 2, 2);
    DrawText(p, inner, Qt::AlignCenter, QStringLiteral("KSW-7116"), PixelFont(13, true),
             QColor(236, 240, 248), true);
}

void DrawLabels(QPainter& p)
{
    const QColor print(214, 220, 232);
    const QColor dim(168, 176, 192);
    DrawText(p, QRectF(36, 43, 110, 14), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("KSW-7100-16"),
             PixelFont(11, true), print);
    DrawText(p, QRectF(36, 56, 110, 10), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Managed Gigabit Switch"), PixelFont(7, false, true), dim);

    const QFont small = PixelFont(7, false, true);
    DrawText(p, QRectF(100, kConsoleLed.y() - 3, 46, 10), Qt::AlignRight | Qt::AlignVCenter,
             QStringLiteral("Console"), small, print);
    DrawText(p, QRectF(100, kPowerLed.y() - 3, 46, 10), Qt::AlignRight | Qt::AlignVCenter,
             QStringLiteral("Power"), small, print);

    DrawText(p, QRectF(172, 22, 60, 9), Qt::AlignCenter, QStringLiteral("Link/Act"), small, print);
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            const int port = column * 4 + row + 1;
            const QRectF box(kLedColumns[column] - 5, kLedRows[row] - 9, kLedSize + 10, 8);
            DrawText(p, box, Qt::AlignCenter, QString::number(port), PixelFont(7, false, true), dim);
        }
    }

    // Thin printed lines group the LED block and the sockets.
    p.setPen(QPen(QColor(150, 160, 180, 120), 1));
    p.drawLine(QPointF(174.5, 31.5), QPointF(229.5, 31.5));
    p.drawLine(QPointF(252.5, 21.5), QPointF(604.5, 21.5));
    p.drawLine(QPointF(612.5, 21.5), QPointF(764.5, 21.5));

    DrawText(p, QRectF(252, 10, 353, 11), Qt::AlignCenter, QStringLiteral("10/100/1000BASE-T"),
             PixelFont(8, true), print);
    DrawText(p, QRectF(612, 10, 153, 11), Qt::AlignCenter, QStringLiteral("SFP / 1000BASE-T Combo"),
             PixelFont(8, true, true), print);

    for (std::size_t i = 0; i < kSocketColumns.size(); ++i) {
        const int odd = int(i) * 2 + 1;
        const QRectF above(kSocketColumns[i], 24, kLinkSize.width(), 9);
        const QRectF below(kSocketColumns[i], 92, kLinkSize.width(), 9);
        DrawText(p, above, Qt::AlignCenter, QString::number(odd), small, print);
        DrawText(p, below, Qt::AlignCenter, QString::number(odd + 1), small, print);
    }
    for (std::size_t i = 0; i < kComboLeds.size(); ++i) {
        const QPoint led = kComboLeds[i];
        DrawText(p, QRectF(led.x() - 8, led.y() - 11, kLedSize + 16, 9), Qt::AlignCenter,
                 QStringLiteral("C%1").arg(i + 1), small, print);
        const QPoint socket = kComboSockets[i];
        DrawText(p, QRectF(socket.x(), 98, kComboLinkSize.width(), 9), Qt::AlignCenter,
                 QStringLiteral("Combo %1").arg(i + 1), small, dim);
    }
}

QImage RenderFrontPanel()
{
    QImage image(kPanelSize, QImage::Format_RGB32);
    image.fill(QColor(20, 22, 26));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    DrawFace(p, QRect(kEarWidth, 0, kPanelSize.width() - 2 * kEarWidth, kPanelSize.height()));
    DrawRackEar(p, QRect(0, 0, kEarWidth, kPanelSize.height()), true);
    DrawRackEar(p, QRect(kPanelSize.width() - kEarWidth, 0, kEarWidth, kPanelSize.height()), false);

    DrawBadge(p);
    DrawLedBezel(p, kPowerLed);
    DrawLedBezel(p, kConsoleLed);
    for (int x : kLedColumns)
        for (int y : kLedRows)
            DrawLedBezel(p, QPoint(x, y));
    for (QPoint led : kComboLeds)
        DrawLedBezel(p, led);

    // Two blocks of eight sockets, odd ports above with the latch up, even ports below.
    const int blockTop = kUpperRowY - 8;
    const int blockBottom = kLowerRowY + kLinkSize.height() + 7;
    for (int group = 0; group < 2; ++group) {
        const int first = kSocketColumns[group * 4];
        const int last = kSocketColumns[group * 4 + 3] + kLinkSize.width();
        DrawShield(p, QRect(QPoint(first - 4, blockTop), QPoint(last + 3, blockBottom)));
        for (int i = 0; i < 4; ++i) {
            const int x = kSocketColumns[group * 4 + i];
            DrawRj45Opening(p, QRect(QPoint(x, kUpperRowY), kLinkSize), true);
            DrawRj45Opening(p, QRect(QPoint(x, kLowerRowY), kLinkSize), false);
        }
    }
    for (QPoint socket : kComboSockets) {
        const QRect opening(socket, kComboLinkSize);
        DrawSfpCage(p, QRect(opening.left() - 2, 33, opening.width() + 4, 26));
        DrawShield(p, QRect(opening.left() - 3, opening.top() - 8, opening.width() + 6, opening.height() + 14));
        DrawRj45Opening(p, opening, true);
    }

    DrawLabels(p);
    p.end();
    return image;
}

// A lit socket: the dark opening washed with the link's light from its edges, and the speed
// letter in the middle. The same picture serves sockets with the latch up and down.
QImage RenderLinkPicture(QSize size, QColor glow, QColor core, QChar letter)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(0, 0, size.width(), size.height());

    QLinearGradient depth(all.topLeft(), all.bottomLeft());
    depth.setColorAt(0, Shade(glow, -150));
    depth.setColorAt(0.5, Shade(glow, -120));
    depth.setColorAt(1, Shade(glow, -150));
    p.fillRect(all, depth);

    QRadialGradient haze(all.center(), size.width() * 0.55);
    QColor inner = glow;
    inner.setAlpha(200);
    QColor outer = glow;
    outer.setAlpha(40);
    haze.setColorAt(0, inner);
    haze.setColorAt(1, outer);
    p.fillRect(all.adjusted(1, 1, -1, -1), haze);

    // The light spills over the rim of the opening.
    p.setBrush(Qt::NoBrush);
    QColor rim = core;
    rim.setAlpha(150);
    p.setPen(QPen(rim, 1));
    p.drawRect(all.adjusted(1.5, 1.5, -1.5, -1.5));
    p.setPen(QPen(QColor(0, 0, 0, 190), 1));
    p.drawRect(all.adjusted(0.5, 0.5, -0.5, -0.5));

    p.setFont(PixelFont(10, true));
    p.setPen(QColor(0, 0, 0, 150));
    p.drawText(all.translated(0.6, 0.8), Qt::AlignCenter, QString(letter));
    p.setPen(Shade(core, 30));
    p.drawText(all, Qt::AlignCenter, QString(letter));
    p.end();
    return image;
}

// The About box's model pictures: the front of a small switch and its port count.
QImage RenderModelIcon(int ports, int rows)
{
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QPainterPath lid;
    lid.moveTo(1.5, 6.5);
    lid.lineTo(4.5, 2.5);
    lid.lineTo(30.5, 2.5);
    lid.lineTo(30.5, 6.5);
    lid.closeSubpath();
    p.setPen(QPen(QColor(20, 24, 34), 1));
    p.setBrush(QColor(120, 132, 156));
    p.drawPath(lid);

    const QRectF front(1.5, 6.5, 29, 12);
    QLinearGradient body(front.topLeft(), front.bottomLeft());
    body.setColorAt(0, QColor(76, 86, 108));
    body.setColorAt(1, QColor(40, 46, 60));
    p.setBrush(body);
    p.drawRect(front);

    p.setPen(Qt::NoPen);
    const int perRow = ports / rows;
    const double pitch = 22.0 / perRow;
    for (int r = 0; r < rows; ++r) {
        for (int i = 0; i < perRow; ++i) {
            const QRectF socket(7.0 + i * pitch, 8.5 + r * 4.5, pitch - 0.7, 3.2);
            p.setBrush(QColor(12, 12, 14));
            p.drawRect(socket);
            p.setBrush(QColor(236, 238, 242));
            p.drawRect(QRectF(socket.left(), socket.bottom(), socket.width(), 0.6));
        }
    }
    p.setBrush(QColor(40, 230, 80));
    p.drawEllipse(QPointF(4.2, 10.5), 1.2, 1.2);
    p.setBrush(QColor(240, 170, 40));
    p.drawEllipse(QPointF(4.2, 14.5), 1.2, 1.2);

    QFont font = PixelFont(12, true);
    p.setFont(font);
    p.setPen(QColor(255, 255, 255, 200));
    p.drawText(QRectF(0, 19.5, 32, 13), Qt::AlignCenter, QString::number(ports));
    p.setPen(QColor(24, 44, 96));
    p.drawText(QRectF(0, 19, 32, 13), Qt::AlignCenter, QString::number(ports));
    p.end();
    return image;
}

bool Save(const QImage& image, const QDir& dir, const QString& name, int quality = -1)
{
    const QString path = dir.filePath(name);
    if (image.save(path, nullptr, quality))
        return true;
    QTextStream(stderr) << "cannot write " << path << "\n";
    return false;
}

}  // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "usage: ksw-render-pictures <output folder>\n";
        return 2;
    }
    QDir dir(args.at(1));
    if (!dir.exists() && !QDir().mkpath(dir.path())) {
        QTextStream(stderr) << "cannot create " << dir.path() << "\n";
        return 1;
    }

    const QColor green(24, 178, 64), greenCore(150, 255, 150);
    const QColor amber(232, 128, 16), amberCore(255, 214, 120);
    bool ok = Save(RenderFrontPanel(), dir, QStringLiteral("front_panel.jpg"), 92);
    ok &= Save(RenderLinkPicture(kLinkSize, green, greenCore, u'G'), dir, QStringLiteral("link_g.png"));
    ok &= Save(RenderLinkPicture(kLinkSize, amber, amberCore, u'O'), dir, QStringLiteral("link_o.png"));
    ok &= Save(RenderLinkPicture(kComboLinkSize, green, greenCore, u'G'), dir, QStringLiteral("combo_g.png"));
    ok &= Save(RenderLinkPicture(kComboLinkSize, amber, amberCore, u'O'), dir, QStringLiteral("combo_o.png"));
    ok &= Save(RenderModelIcon(10, 2), dir, QStringLiteral("model_7110.png"));
    ok &= Save(RenderModelIcon(16, 2), dir, QStringLiteral("model_7116.png"));
    return ok ? 0 : 1;
}
