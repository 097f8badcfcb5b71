// Composes preview pictures from the generated resources, for the
// documentation and for checking the look by eye:
//   resource_preview <Ressourcen folder> <output folder>
// writes table-<theme>.png (a dealt table in each of the three scenic
// themes) and hand-<set>.png (a hand of each card set).

#include "../common/QuietBuildLog.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <vector>

namespace {

QString resources;

QImage picture(const QString& relative)
{
    QImage image(resources + QLatin1Char('/') + relative);
    if (image.isNull())
        std::fprintf(stderr, "resource_preview: missing %s\n", qPrintable(relative));
    return image;
}

QImage face(const QString& set, const QString& card)
{
    return picture(QStringLiteral("Kartensets/%1/%2.png").arg(set, card));
}

// Cards fanned around a pivot below them.
void fan(QPainter& p, const std::vector<QImage>& cards, QPointF pivot, double radius, double spread, QSizeF size,
         double baseAngle = 0)
{
    const int n = int(cards.size());
    for (int i = 0; i < n; ++i) {
        const double angle = baseAngle + (n > 1 ? -spread / 2 + spread * i / (n - 1) : 0);
        p.save();
        p.translate(pivot);
        p.rotate(angle);
        p.translate(0, -radius);
        // A soft shadow under each card.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 50));
        p.drawRoundedRect(QRectF(-size.width() / 2 + 3, -size.height() / 2 + 4, size.width(), size.height()), 8, 8);
        p.drawImage(QRectF(-size.width() / 2, -size.height() / 2, size.width(), size.height()), cards[i]);
        p.restore();
    }
}

void engravedLabel(QPainter& p, const QRectF& box, const QString& text, int size)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(size);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(128, 128, 128));
    p.drawText(box.translated(0, -1), Qt::AlignCenter, text);
    p.setPen(Qt::white);
    p.drawText(box, Qt::AlignCenter, text);
}

void tableButton(QPainter& p, const QRectF& box, const QString& label)
{
    p.drawImage(box, picture(QStringLiteral("Grafik/Button.png")));
    engravedLabel(p, box.adjusted(0, 0, 0, -4), label, 17);
}

void balloon(QPainter& p, const QRectF& box, const QString& text, bool pointerLeft)
{
    p.setPen(QPen(QColor(60, 64, 72), 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(box, box.height() / 2, box.height() / 2);
    const QImage pointer = picture(pointerLeft ? QStringLiteral("Grafik/Balloon_Large_Left.png")
                                               : QStringLiteral("Grafik/Balloon_Large_Right.png"));
    const double x = pointerLeft ? box.left() - pointer.width() + 8 : box.right() - 8;
    p.drawImage(QPointF(x, box.center().y() - 4), pointer);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(18);
    p.setFont(font);
    p.setPen(QColor(30, 30, 30));
    p.drawText(box, Qt::AlignCenter, text);
}

void infoPanel(QPainter& p, const QString& line, const QStringList& names, const QList<int>& points)
{
    const int w = 250;
    p.drawImage(QPointF(18, 1), picture(QStringLiteral("Grafik/Info_extension_left.png")));
    p.drawImage(QRectF(29, 1, w, 27), picture(QStringLiteral("Grafik/Info_extension_middle.png")));
    p.drawImage(QPointF(29 + w, 1), picture(QStringLiteral("Grafik/Info_extension_right.png")));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(30, 1, w, 25), Qt::AlignVCenter | Qt::AlignLeft, line);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawRoundedRect(QRectF(20, 30, 150, 62), 9, 9);
    font.setBold(false);
    font.setPixelSize(13);
    p.setFont(font);
    p.setPen(QColor(30, 30, 30));
    for (int i = 0; i < names.size(); ++i) {
        p.drawText(QRectF(28, 34 + i * 18, 100, 18), Qt::AlignLeft | Qt::AlignVCenter, names[i]);
        p.drawText(QRectF(28, 34 + i * 18, 134, 18), Qt::AlignRight | Qt::AlignVCenter, QString::number(points[i]));
    }
}

QImage table(const QString& theme, const QString& set, const QStringList& hand)
{
    QImage image(1024, 768, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QPointF(-208, -128), picture(QStringLiteral("Grafik/%1_Tisch_FP_Center.png").arg(theme)));
    p.drawImage(QPointF(100, 73), picture(QStringLiteral("Grafik/%1_Augen_Left.png").arg(theme)));
    p.drawImage(QPointF(-208, -128), picture(QStringLiteral("Grafik/%1_Tisch_VG.png").arg(theme)));
    p.drawImage(QRectF(30, 170, 110, 110), picture(QStringLiteral("Grafik/Face1.png")));
    p.drawImage(QRectF(884, 170, 110, 110), picture(QStringLiteral("Grafik/Face2.png")));

    // The two opponents' hands, face down, and the Skat in the middle.
    const QImage back = picture(QStringLiteral("Kartensets/%1/Rueckseite.png").arg(set));
    fan(p, std::vector<QImage>(10, back), QPointF(-40, 420), 200, 50, QSizeF(86, 129), 90);
    fan(p, std::vector<QImage>(10, back), QPointF(1064, 420), 200, 50, QSizeF(86, 129), -90);
    p.drawImage(QPointF(402, 200), picture(QStringLiteral("Grafik/Skat.png")));

    // The user's hand.
    std::vector<QImage> cards;
    for (const QString& card : hand)
        cards.push_back(face(set, card));
    fan(p, cards, QPointF(512, 1250), 620, 36, QSizeF(144, 216));

    tableButton(p, QRectF(300, 420, 196, 52), QStringLiteral("Skat aufnehmen"));
    tableButton(p, QRectF(528, 420, 196, 52), QStringLiteral("Hand spielen"));
    balloon(p, QRectF(200, 318, 130, 44), QStringLiteral("18?"), true);
    balloon(p, QRectF(700, 318, 130, 44), QStringLiteral("Ja!"), false);

    // The tabs along the top edge.
    p.drawImage(QPointF(-7 + 20, -5), picture(QStringLiteral("Grafik/Info.png")));
    p.drawImage(QPointF(1024 - 74, -5), picture(QStringLiteral("Grafik/Prefs.png")));
    p.drawImage(QPointF(1024 - 114, -5), picture(QStringLiteral("Grafik/Help_selected.png")));
    p.drawImage(QPointF(1024 - 154, -5), picture(QStringLiteral("Grafik/Tutor.png")));
    p.drawImage(QPointF(1024 - 28, 1), picture(QStringLiteral("Grafik/Enter_Fullscreen.png")));
    p.translate(40, 0);
    infoPanel(p, QStringLiteral("Spiel 4 · Reizen"),
              {QStringLiteral("Anna"), QStringLiteral("Du"), QStringLiteral("Bernd")}, {46, 120, -24});
    return image;
}

QImage hand(const QString& set, const QStringList& cards)
{
    QImage image(980, 400, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QImage cloth = picture(QStringLiteral("Grafik/Mono_Tisch_FP_Center.png"));
    p.drawImage(QRectF(0, 0, 980, 400), cloth, QRectF(230, 310, 980, 400));
    std::vector<QImage> faces;
    for (const QString& card : cards)
        faces.push_back(face(set, card));
    fan(p, faces, QPointF(490, 1180), 1000, 36, QSizeF(150, 225));
    return image;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    tools::quietBuildLog();
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: resource_preview <Ressourcen folder> <output folder>\n");
        return 2;
    }
    resources = QString::fromLocal8Bit(argv[1]);
    const QDir out(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(out.path());
    const QStringList handCards = {
        QStringLiteral("KB"), QStringLiteral("PB"), QStringLiteral("HB"),  QStringLiteral("KA"), QStringLiteral("K10"),
        QStringLiteral("KK"), QStringLiteral("PA"), QStringLiteral("H10"), QStringLiteral("CD"), QStringLiteral("C7")};
    const struct {
        const char* theme;
        const char* set;
        const char* file;
    } tables[] = {{"Berge", "Deutsches_Blatt", "table-berge.png"},
                  {"Insel", "Turnierblatt", "table-insel.png"},
                  {"Kneipe", "Franzoesisches_Blatt", "table-kneipe.png"}};
    bool ok = true;
    for (const auto& t : tables)
        ok = table(QLatin1String(t.theme), QLatin1String(t.set), handCards).save(out.filePath(QLatin1String(t.file)))
             && ok;
    const struct {
        const char* set;
        const char* file;
    } hands[] = {{"Deutsches_Blatt", "hand-deutsch.png"},
                 {"Franzoesisches_Blatt", "hand-franzoesisch.png"},
                 {"Turnierblatt", "hand-turnier.png"}};
    const QStringList mixed = {QStringLiteral("KB"),  QStringLiteral("PB"), QStringLiteral("HB"), QStringLiteral("CB"),
                               QStringLiteral("KA"),  QStringLiteral("PK"), QStringLiteral("P9"), QStringLiteral("HD"),
                               QStringLiteral("C10"), QStringLiteral("C8")};
    for (const auto& h : hands)
        ok = hand(QLatin1String(h.set), mixed).save(out.filePath(QLatin1String(h.file))) && ok;
    return ok ? 0 : 1;
}
