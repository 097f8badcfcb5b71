// The table themes: the scenery around the card table ("Berge" mountains,
// "Insel" island, "Kneipe" pub and the plain "Mono" cloth), the seat
// highlights, the foreground layer and the deal editor's background.
// Backgrounds are 1440 x 1024: the 1024 x 768 design area of the landscape
// layout lies at (208, 128) with room around it for larger windows.

#include "Painting.h"
#include "Pictures.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QtMath>

namespace pictures {
namespace {

constexpr int BG_W = 1440;
constexpr int BG_H = 1024;
const QRectF kTable(150, 250, 1140, 760); // the table top with its rim

struct Theme {
    QString name;
    QColor rim;       // wood of the table's rim
    QColor clothLit;  // the cloth under the lamp
    QColor clothDark; // the cloth at the edges
};

Theme theme(const QString& name)
{
    if (name == QLatin1String("Berge"))
        return {name, QColor(128, 84, 44), QColor(58, 156, 88), QColor(16, 82, 44)};
    if (name == QLatin1String("Insel"))
        return {name, QColor(196, 150, 92), QColor(40, 160, 150), QColor(8, 88, 96)};
    if (name == QLatin1String("Kneipe"))
        return {name, QColor(92, 50, 22), QColor(46, 140, 76), QColor(12, 66, 34)};
    return {name, QColor(40, 90, 56), QColor(52, 150, 84), QColor(14, 78, 42)};
}

void mountains(QPainter& p)
{
    QLinearGradient sky(0, 0, 0, 520);
    sky.setColorAt(0, QColor(86, 146, 214));
    sky.setColorAt(0.7, QColor(190, 220, 242));
    sky.setColorAt(1, QColor(235, 242, 246));
    p.fillRect(QRectF(0, 0, BG_W, BG_H), sky);
    // Three ranges, further ones paler.
    // clang-format off
    const struct { double base; QColor colour; int seed; double height; } ranges[] = {
        {430, QColor(150, 170, 196), 3, 250}, {500, QColor(104, 126, 150), 7, 230}, {580, QColor(70, 100, 84), 11, 170}};
    // clang-format on
    for (const auto& range : ranges) {
        QRandomGenerator rng(range.seed);
        QPainterPath path;
        path.moveTo(0, BG_H);
        double x = -40;
        path.lineTo(x, range.base);
        std::vector<QPointF> peaks;
        while (x < BG_W + 80) {
            const double up = range.base - range.height * (0.45 + 0.55 * rng.generateDouble());
            const double wPeak = 120 + 160 * rng.generateDouble();
            peaks.emplace_back(x + wPeak / 2, up);
            path.lineTo(x + wPeak / 2, up);
            x += wPeak;
            path.lineTo(x, range.base - range.height * 0.2 * rng.generateDouble());
        }
        path.lineTo(BG_W + 80, BG_H);
        path.closeSubpath();
        QLinearGradient g(0, range.base - range.height, 0, range.base + 120);
        g.setColorAt(0, lighter(range.colour, 12));
        g.setColorAt(1, darker(range.colour, 15));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(path);
        if (range.seed != 11) { // snow on the higher peaks
            p.setBrush(QColor(250, 252, 255, 230));
            for (const QPointF& peak : peaks) {
                QPainterPath snow;
                snow.moveTo(peak);
                snow.lineTo(peak + QPointF(-34, 42));
                snow.lineTo(peak + QPointF(-12, 34));
                snow.lineTo(peak + QPointF(2, 46));
                snow.lineTo(peak + QPointF(16, 32));
                snow.lineTo(peak + QPointF(34, 42));
                snow.closeSubpath();
                p.drawPath(snow);
            }
        }
    }
    // Meadow and a wooden terrace under the table.
    QLinearGradient meadow(0, 560, 0, 700);
    meadow.setColorAt(0, QColor(120, 170, 80));
    meadow.setColorAt(1, QColor(70, 120, 50));
    p.fillRect(QRectF(0, 600, BG_W, 120), meadow);
    QLinearGradient deck(0, 680, 0, BG_H);
    deck.setColorAt(0, QColor(170, 120, 70));
    deck.setColorAt(1, QColor(110, 70, 36));
    p.fillRect(QRectF(0, 680, BG_W, BG_H - 680), deck);
    p.setPen(QPen(QColor(80, 50, 24, 120), 2));
    for (int i = 0; i < 12; ++i) {
        const double y = 680 + i * i * 3.0;
        p.drawLine(QPointF(0, y), QPointF(BG_W, y));
    }
}

void island(QPainter& p)
{
    QLinearGradient sky(0, 0, 0, 470);
    sky.setColorAt(0, QColor(60, 150, 220));
    sky.setColorAt(1, QColor(200, 232, 248));
    p.fillRect(QRectF(0, 0, BG_W, 470), sky);
    QRadialGradient sun(1180, 150, 140);
    sun.setColorAt(0, QColor(255, 250, 220));
    sun.setColorAt(0.35, QColor(255, 236, 160));
    sun.setColorAt(1, QColor(255, 236, 160, 0));
    p.fillRect(QRectF(0, 0, BG_W, 470), sun);
    // Clouds.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    for (const QPointF c : {QPointF(260, 120), QPointF(640, 80), QPointF(900, 170)}) {
        p.drawEllipse(c, 70, 24);
        p.drawEllipse(c + QPointF(40, -14), 50, 26);
        p.drawEllipse(c + QPointF(-46, 4), 40, 18);
    }
    QLinearGradient sea(0, 470, 0, 700);
    sea.setColorAt(0, QColor(20, 110, 170));
    sea.setColorAt(1, QColor(60, 190, 200));
    p.fillRect(QRectF(0, 470, BG_W, 230), sea);
    p.setPen(QPen(QColor(255, 255, 255, 70), 2));
    QRandomGenerator rng(5);
    for (int i = 0; i < 60; ++i) {
        const double x = rng.bounded(BG_W), y = 480 + rng.bounded(210);
        p.drawLine(QPointF(x, y), QPointF(x + 20 + rng.bounded(30), y));
    }
    QLinearGradient sand(0, 660, 0, BG_H);
    sand.setColorAt(0, QColor(246, 222, 170));
    sand.setColorAt(1, QColor(214, 180, 120));
    QPainterPath beach;
    beach.moveTo(0, 690);
    beach.cubicTo(400, 650, 1000, 700, BG_W, 660);
    beach.lineTo(BG_W, BG_H);
    beach.lineTo(0, BG_H);
    beach.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(sand);
    p.drawPath(beach);
    // Two palms at the sides.
    for (int side = 0; side < 2; ++side) {
        const double x = side == 0 ? 90 : BG_W - 90;
        const double dir = side == 0 ? 1 : -1;
        QPainterPath trunk;
        trunk.moveTo(x - 14, 760);
        trunk.cubicTo(x - 10, 560, x + dir * 40, 360, x + dir * 90, 230);
        trunk.lineTo(x + dir * 104, 236);
        trunk.cubicTo(x + dir * 56, 370, x + 14, 560, x + 16, 760);
        trunk.closeSubpath();
        QLinearGradient bark(x - 14, 0, x + 16, 0);
        bark.setColorAt(0, QColor(120, 84, 44));
        bark.setColorAt(1, QColor(170, 124, 70));
        p.setBrush(bark);
        p.drawPath(trunk);
        const QPointF crown(x + dir * 96, 232);
        // Fronds arch out from the crown and droop at their tips.
        const QPointF tips[] = {{-200, 110}, {-165, 30}, {-95, -35}, {5, -60}, {100, -30}, {170, 35}, {205, 115}};
        for (int i = 0; i < 7; ++i) {
            const QPointF tip = crown + QPointF(tips[i].x() * dir, tips[i].y());
            const QPointF mid = (crown + tip) / 2;
            QPainterPath frond;
            frond.moveTo(crown);
            frond.quadTo(mid + QPointF(0, -70), tip);
            frond.quadTo(mid + QPointF(0, -22), crown);
            QLinearGradient leaf(crown, tip);
            leaf.setColorAt(0, QColor(30, 110, 40));
            leaf.setColorAt(1, QColor(70 + i * 8, 160 + i * 4, 60));
            p.setBrush(leaf);
            p.drawPath(frond);
        }
        p.setBrush(QColor(110, 80, 40));
        p.drawEllipse(crown, 14, 12); // coconuts
        p.drawEllipse(crown + QPointF(dir * 16, 8), 11, 10);
    }
}

void pub(QPainter& p)
{
    // Wooden panelling lit by a lamp above the table.
    QLinearGradient wall(0, 0, 0, BG_H);
    wall.setColorAt(0, QColor(96, 54, 26));
    wall.setColorAt(1, QColor(50, 26, 12));
    p.fillRect(QRectF(0, 0, BG_W, BG_H), wall);
    QRandomGenerator rng(9);
    for (int x = 0; x < BG_W; x += 60) {
        QLinearGradient plank(x, 0, x + 60, 0);
        const QColor c = QColor(110 + rng.bounded(20), 62 + rng.bounded(12), 30);
        plank.setColorAt(0, darker(c, 12));
        plank.setColorAt(0.5, c);
        plank.setColorAt(1, darker(c, 20));
        p.fillRect(QRectF(x, 0, 58, 560), plank);
        p.fillRect(QRectF(x + 58, 0, 2, 560), QColor(40, 20, 8));
    }
    // A shelf rail and wainscot.
    QLinearGradient rail(0, 550, 0, 590);
    rail.setColorAt(0, QColor(150, 96, 50));
    rail.setColorAt(1, QColor(70, 40, 18));
    p.fillRect(QRectF(0, 550, BG_W, 40), rail);
    p.fillRect(QRectF(0, 590, BG_W, BG_H - 590), QColor(58, 30, 14));
    // Framed pictures on the wall.
    for (const QRectF frame : {QRectF(120, 140, 180, 130), QRectF(1140, 120, 160, 190)}) {
        roundedGradient(p, frame, 4, QColor(200, 160, 70), QColor(130, 90, 30), QColor(70, 40, 10), 2);
        QLinearGradient art(frame.topLeft(), frame.bottomLeft());
        art.setColorAt(0, QColor(120, 160, 190));
        art.setColorAt(1, QColor(70, 110, 80));
        p.fillRect(frame.adjusted(12, 12, -12, -12), art);
    }
    QRadialGradient lamp(720, 120, 760);
    lamp.setColorAt(0, QColor(255, 214, 140, 150));
    lamp.setColorAt(0.5, QColor(255, 190, 110, 50));
    lamp.setColorAt(1, QColor(0, 0, 0, 120));
    p.fillRect(QRectF(0, 0, BG_W, BG_H), lamp);
    // The lamp itself.
    p.setPen(QPen(QColor(30, 20, 10), 3));
    p.drawLine(QPointF(720, 0), QPointF(720, 60));
    QPainterPath shade;
    shade.moveTo(640, 120);
    shade.lineTo(680, 60);
    shade.lineTo(760, 60);
    shade.lineTo(800, 120);
    shade.closeSubpath();
    QLinearGradient sg(640, 0, 800, 0);
    sg.setColorAt(0, QColor(30, 80, 40));
    sg.setColorAt(0.5, QColor(70, 150, 80));
    sg.setColorAt(1, QColor(20, 60, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(sg);
    p.drawPath(shade);
    p.setBrush(QColor(255, 240, 200));
    p.drawEllipse(QRectF(700, 112, 40, 16));
}

void plainCloth(QPainter& p, const Theme& t)
{
    QRadialGradient g(720, 520, 900);
    g.setColorAt(0, t.clothLit);
    g.setColorAt(1, t.clothDark);
    p.fillRect(QRectF(0, 0, BG_W, BG_H), g);
}

void tableTop(QPainter& p, const Theme& t)
{
    const double radius = 300;
    softShadow(p, kTable.adjusted(10, 10, -10, 10), radius, 24, 200);
    // The rim: wood with a highlight.
    QLinearGradient wood(kTable.topLeft(), kTable.bottomLeft());
    wood.setColorAt(0, lighter(t.rim, 25));
    wood.setColorAt(0.5, t.rim);
    wood.setColorAt(1, darker(t.rim, 35));
    p.setBrush(wood);
    p.setPen(QPen(darker(t.rim, 55), 3));
    p.drawRoundedRect(kTable, radius, radius);
    p.setPen(QPen(QColor(255, 255, 255, 50), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(kTable.adjusted(8, 8, -8, -8), radius - 8, radius - 8);
    // The cloth, lit from above.
    const QRectF cloth = kTable.adjusted(34, 34, -34, -34);
    QRadialGradient g(cloth.center().x(), cloth.top() + cloth.height() * 0.42, cloth.width() * 0.62);
    g.setColorAt(0, t.clothLit);
    g.setColorAt(0.7, mix(t.clothLit, t.clothDark, 0.6));
    g.setColorAt(1, t.clothDark);
    p.setBrush(g);
    p.setPen(QPen(darker(t.clothDark, 40), 2));
    p.drawRoundedRect(cloth, radius - 34, radius - 34);
    // A fine gold line inside the cloth.
    p.setPen(QPen(QColor(230, 200, 110, 110), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(cloth.adjusted(22, 22, -22, -22), radius - 56, radius - 56);
}

void background(QPainter& p, const Theme& t, bool withScenery)
{
    if (!withScenery)
        plainCloth(p, t);
    else if (t.name == QLatin1String("Berge"))
        mountains(p);
    else if (t.name == QLatin1String("Insel"))
        island(p);
    else
        pub(p);
    if (withScenery)
        tableTop(p, t);
}

// A soft glow over the local player's place at the front of the table.
void frontGlow(QPainter& p)
{
    QRadialGradient g(720, 900, 420);
    g.setColorAt(0, QColor(255, 246, 210, 70));
    g.setColorAt(1, QColor(255, 246, 210, 0));
    p.fillRect(QRectF(0, 0, BG_W, BG_H), g);
}

// The seat highlight drawn over the table at (100, 73) of the design area.
void seatGlow(QImage& image, bool left)
{
    QPainter p(&image);
    prepare(p);
    const QPointF c(left ? 150 : image.width() - 150, image.height() * 0.5);
    QRadialGradient g(c, 230);
    g.setColorAt(0, QColor(255, 244, 200, 120));
    g.setColorAt(0.6, QColor(255, 236, 170, 50));
    g.setColorAt(1, QColor(255, 236, 170, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, 230, 190);
}

// The foreground layer: backdrops behind the two opponents' pictures.
void foreground(QImage& image, const Theme& t)
{
    QPainter p(&image);
    prepare(p);
    for (const QRectF seat : {QRectF(228, 288, 150, 150), QRectF(1062, 288, 150, 150)}) {
        softShadow(p, seat, 24, 10, 140);
        roundedGradient(p, seat, 24, lighter(t.rim, 30), darker(t.rim, 30), darker(t.rim, 60), 3);
        roundedGradient(p, seat.adjusted(10, 10, -10, -10), 16, QColor(250, 246, 236), QColor(214, 204, 186));
    }
}

void dealEditorBackground(QImage& image, const Theme& t)
{
    QPainter p(&image);
    prepare(p);
    QRadialGradient g(image.width() * 0.45, image.height() * 0.4, image.width() * 0.8);
    g.setColorAt(0, t.clothLit);
    g.setColorAt(1, t.clothDark);
    p.fillRect(image.rect(), g);
    const double bands[][2] = {{0, 96}, {96, 192}, {192, 362}};
    for (const auto& band : bands) {
        const QRectF r(4, band[0] + 4, 534, band[1] - band[0] - 8);
        p.setPen(QPen(QColor(255, 255, 255, 60), 1.5));
        p.setBrush(QColor(0, 0, 0, 40));
        p.drawRoundedRect(r, 12, 12);
    }
    roundedGradient(p, QRectF(546, 4, 90, 354), 12, QColor(255, 255, 255, 40), QColor(0, 0, 0, 50),
                    QColor(255, 255, 255, 70), 1.5);
    Q_UNUSED(t);
}

Picture sized(const QString& file, int w, int h, std::function<void(QImage&)> draw, SmallCopy small)
{
    return Picture{file, w, h, std::move(draw), small};
}

} // namespace

std::vector<Picture> tablePictures()
{
    std::vector<Picture> list;
    for (const char* name : {"Berge", "Insel", "Kneipe"}) {
        const Theme t = theme(QLatin1String(name));
        const QString n = QLatin1String(name);
        list.push_back(sized(
            n + QStringLiteral("_Tisch_Leer.png"), BG_W, BG_H,
            [t](QImage& image) {
                QPainter p(&image);
                prepare(p);
                background(p, t, true);
            },
            SmallCopy::Background));
        list.push_back(sized(
            n + QStringLiteral("_Tisch_FP_Center.png"), BG_W, BG_H,
            [t](QImage& image) {
                QPainter p(&image);
                prepare(p);
                background(p, t, true);
                frontGlow(p);
            },
            SmallCopy::Background));
        list.push_back(sized(
            n + QStringLiteral("_Tisch_VG.png"), BG_W, BG_H, [t](QImage& image) { foreground(image, t); },
            SmallCopy::Background));
        list.push_back(sized(
            n + QStringLiteral("_Augen_Left.png"), 824, 560, [](QImage& image) { seatGlow(image, true); },
            SmallCopy::Scaled));
        list.push_back(sized(
            n + QStringLiteral("_Augen_Right.png"), 824, 560, [](QImage& image) { seatGlow(image, false); },
            SmallCopy::Scaled));
        list.push_back(sized(
            n + QStringLiteral("_FP_Kartenblatt.png"), 640, 362, [t](QImage& image) { dealEditorBackground(image, t); },
            SmallCopy::None));
    }
    const Theme mono = theme(QStringLiteral("Mono"));
    list.push_back(sized(
        QStringLiteral("Mono_Tisch_FP_Center.png"), BG_W, BG_H,
        [mono](QImage& image) {
            QPainter p(&image);
            prepare(p);
            background(p, mono, false);
        },
        SmallCopy::Background));
    return list;
}

} // namespace pictures
