#include "CardArt.h"

#include "../picture_generator/Painting.h"

#include <QPainter>
#include <QSvgRenderer>

#include <array>
#include <vector>

namespace cardart {
namespace {

const char* const kSuitIds[4] = {"club", "spade", "heart", "diamond"};
const char* const kSuitLetters[4] = {"K", "P", "H", "C"};
// Ranks 7, 8, 9, jack, queen, king, 10, ace: deck element names and file stems.
const char* const kRankIds[8] = {"7", "8", "9", "jack", "queen", "king", "10", "1"};
const char* const kRankStems[8] = {"7", "8", "9", "B", "D", "K", "10", "A"};

constexpr double CORNER = 7.0; // corner radius of the cards at 120 x 180

QString stem(int suit, int rank) { return QLatin1String(kSuitLetters[suit]) + QLatin1String(kRankStems[rank]); }

QString elementId(int suit, int rank)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(kRankIds[rank]), QLatin1String(kSuitIds[suit]));
}

QImage blank(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// Cuts the picture to the card's rounded shape and draws a fine edge.
QImage shaped(const QImage& picture)
{
    QImage card = blank(CARD_WIDTH, CARD_HEIGHT);
    QPainter p(&card);
    pictures::prepare(p);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(0.5, 0.5, CARD_WIDTH - 1, CARD_HEIGHT - 1), CORNER, CORNER);
    p.setClipPath(shape);
    p.fillRect(card.rect(), Qt::white);
    p.drawImage(QRectF(0, 0, CARD_WIDTH, CARD_HEIGHT), picture);
    p.setClipping(false);
    p.setPen(QPen(QColor(60, 60, 60), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    return card;
}

// A raster card enlarged without blurring its pixel art: first blown up
// with hard edges, then reduced smoothly to the card size.
QImage enlarged(const QImage& native)
{
    const QImage big =
        native.scaled(native.width() * 5, native.height() * 5, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return big.scaled(CARD_WIDTH, CARD_HEIGHT, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage renderElement(QSvgRenderer& svg, const QString& id, int w, int h, bool smooth)
{
    QImage image = blank(w, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, smooth);
    p.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
    svg.render(&p, id, QRectF(0, 0, w, h));
    return image;
}

// The deck's own size of an element (the French deck's cards are 72 x 112 pixels).
QSize nativeSize(QSvgRenderer& svg, const QString& id)
{
    const QRectF bounds = svg.transformForElement(id).mapRect(svg.boundsOnElement(id));
    return QSize(qMax(1, qRound(bounds.width())), qMax(1, qRound(bounds.height())));
}

QImage face(QSvgRenderer& svg, Style style, int suit, int rank)
{
    const QString id = elementId(suit, rank);
    if (style == Style::German)
        return shaped(renderElement(svg, id, CARD_WIDTH * 2, CARD_HEIGHT * 2, true));
    const QSize size = nativeSize(svg, id);
    QImage native = renderElement(svg, id, size.width(), size.height(), false);
    if (style == Style::Tournament)
        native = fourColours(native, suit);
    return shaped(enlarged(native));
}

// Our own backs: a lattice in the set's colour with its emblem in the middle.
QImage back(Style style)
{
    const QColor colours[] = {QColor(150, 28, 36), QColor(24, 70, 150), QColor(22, 110, 52)};
    const QColor base = colours[style == Style::French ? 0 : style == Style::Tournament ? 1 : 2];
    QImage image = blank(CARD_WIDTH * 2, CARD_HEIGHT * 2);
    QPainter p(&image);
    pictures::prepare(p);
    const QRectF card(0, 0, image.width(), image.height());
    pictures::cardBack(p, card, base);
    const QRectF medal(card.center().x() - 44, card.center().y() - 44, 88, 88);
    QRadialGradient g(medal.center().x(), medal.top() + 30, 60);
    g.setColorAt(0, QColor(255, 250, 235));
    g.setColorAt(1, QColor(225, 215, 190));
    p.setBrush(g);
    p.setPen(QPen(QColor(200, 165, 80), 4));
    p.drawEllipse(medal);
    const pictures::Suit emblem = style == Style::German ? pictures::Suit::Acorns : pictures::Suit::Clubs;
    if (style == Style::German) {
        pictures::drawSuit(p, emblem, medal.adjusted(20, 18, -20, -22));
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(pictures::darker(base, 10));
        p.drawPath(pictures::suitPath(emblem, medal.adjusted(22, 20, -22, -24)));
    }
    p.end();
    return shaped(image);
}

QImage mask()
{
    QImage image = blank(CARD_WIDTH, CARD_HEIGHT);
    QPainter p(&image);
    pictures::prepare(p);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRoundedRect(QRectF(0, 0, CARD_WIDTH, CARD_HEIGHT), CORNER, CORNER);
    return image;
}

pictures::Suit suitSymbol(Style style, int suit)
{
    if (style == Style::German) {
        const pictures::Suit german[4] = {pictures::Suit::Acorns, pictures::Suit::Leaves, pictures::Suit::GermanHearts,
                                          pictures::Suit::Bells};
        return german[suit];
    }
    const pictures::Suit french[4] = {pictures::Suit::Clubs, pictures::Suit::Spades, pictures::Suit::Hearts,
                                      pictures::Suit::Diamonds};
    return french[suit];
}

// Suit pictures: the symbol on white, 40 x 40.
QImage suitPicture(Style style, int suit)
{
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    pictures::prepare(p);
    const pictures::Suit symbol = suitSymbol(style, suit);
    const QRectF box(5, 5, 30, 30);
    if (style == Style::German) {
        pictures::drawSuit(p, symbol, box);
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(pictures::suitColor(symbol, style == Style::Tournament));
        p.drawPath(pictures::suitPath(symbol, box));
    }
    return image;
}

// Rank pictures: the rank as the deck names it, on white, 40 x 40.
QImage rankPicture(Style style, const QString& rankStem)
{
    QString text = rankStem;
    if (style == Style::German) {
        if (rankStem == QLatin1String("B"))
            text = QStringLiteral("U");
        if (rankStem == QLatin1String("D"))
            text = QStringLiteral("O");
    }
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    pictures::prepare(p);
    pictures::centredText(p, QRectF(0, 0, 40, 40), text, text.size() > 1 ? 20 : 26, QColor(30, 30, 36), true, true);
    return image;
}

// A fan of three cards for the settings dialog.
QImage thumbnail(const std::array<QImage, 3>& cards)
{
    QImage image = blank(96, 72);
    QPainter p(&image);
    pictures::prepare(p);
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(48, 96);
        p.rotate(-18 + i * 18);
        p.drawImage(QRectF(-21, -92, 42, 63), cards[i]);
        p.restore();
    }
    return image;
}

// Stack pictures in this set's back: the top of a stack seen at a slant and
// one slice of its edge; "small_" copies for the small layout.
QImage stackTop(const QImage& cardBack, double angle, double scale)
{
    QImage image = blank(qRound(150 * scale), qRound(110 * scale));
    QPainter p(&image);
    pictures::prepare(p);
    p.scale(scale, scale);
    p.translate(75, 55);
    p.rotate(angle);
    p.scale(1.0, 0.62);
    const QRectF card(-54, -68, 108, 136);
    pictures::softShadow(p, card, 8, 4, 80);
    p.drawImage(card, cardBack);
    return image;
}

QImage stackSegment(double angle, double scale)
{
    QImage image = blank(qRound(150 * scale), qMax(2, qRound(10 * scale)));
    QPainter p(&image);
    pictures::stackSlice(p, QRectF(0, 0, image.width(), image.height()), angle);
    return image;
}

bool write(const QImage& image, const QDir& folder, const QString& name, QString* error)
{
    const bool jpeg = name.endsWith(QLatin1String(".jpg"));
    const bool ok = jpeg ? image.convertToFormat(QImage::Format_RGB32).save(folder.filePath(name), "JPEG", 92)
                         : image.save(folder.filePath(name), "PNG");
    if (!ok && error)
        *error = QStringLiteral("cannot write %1").arg(folder.filePath(name));
    return ok;
}

} // namespace

QImage fourColours(const QImage& card, int suit)
{
    if (suit != 1 && suit != 3)
        return card;
    QImage image = card.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width(), h = image.height();
    auto pixel = [&](int x, int y) { return reinterpret_cast<const QRgb*>(image.constScanLine(y))[x]; };
    // Ink is the suit's colour with its antialiased edges; paper is light grey to white.
    auto isInk = [&](QRgb c) {
        if (qAlpha(c) < 128)
            return false;
        const int r = qRed(c), g = qGreen(c), b = qBlue(c);
        if (suit == 1)
            return qMax(r, qMax(g, b)) - qMin(r, qMin(g, b)) < 24 && r < 150; // black and grey
        return r > 150 && r - g > 40 && r - b > 40;                           // red and pink
    };
    auto isPaper = [&](QRgb c) {
        if (qAlpha(c) < 128)
            return true;
        const int r = qRed(c), g = qGreen(c), b = qBlue(c);
        return qMin(r, qMin(g, b)) > 150 && qMax(r, qMax(g, b)) - qMin(r, qMin(g, b)) < 64;
    };
    const QColor target = suit == 1 ? QColor(20, 130, 45) : QColor(240, 130, 0);
    std::vector<int> label(size_t(w) * h, -1);
    std::vector<std::pair<int, int>> stack, members;
    int next = 0;
    for (int y0 = 0; y0 < h; ++y0) {
        for (int x0 = 0; x0 < w; ++x0) {
            if (label[size_t(y0) * w + x0] >= 0 || !isInk(pixel(x0, y0)))
                continue;
            // Collect the connected shape (8 neighbours).
            members.clear();
            stack.assign(1, {x0, y0});
            label[size_t(y0) * w + x0] = next;
            int paper = 0, other = 0;
            while (!stack.empty()) {
                auto [x, y] = stack.back();
                stack.pop_back();
                members.emplace_back(x, y);
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = x + dx, ny = y + dy;
                        if ((dx == 0 && dy == 0) || nx < 0 || ny < 0 || nx >= w || ny >= h)
                            continue;
                        int& l = label[size_t(ny) * w + nx];
                        const QRgb c = pixel(nx, ny);
                        if (isInk(c)) {
                            if (l < 0) {
                                l = next;
                                stack.emplace_back(nx, ny);
                            }
                        } else if (isPaper(c)) {
                            ++paper;
                        } else {
                            ++other;
                        }
                    }
                }
            }
            ++next;
            // Pips and index marks are small (but not tiny, like a mouth) and lie on white.
            const bool onPaper = paper >= 4 * other;
            if (members.size() >= 8 && members.size() <= 260 && onPaper) {
                for (auto [x, y] : members) {
                    // Keep the edge's lightness: pure ink becomes the target colour.
                    QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
                    const double light = (suit == 1 ? qRed(line[x]) : qGreen(line[x])) / 255.0;
                    const QColor c = pictures::mix(target, Qt::white, light);
                    line[x] = qRgba(c.red(), c.green(), c.blue(), qAlpha(line[x]));
                }
            }
        }
    }
    return image;
}

bool renderSet(Style style, const QString& deckFile, const QDir& folder, QString* error)
{
    QSvgRenderer svg(deckFile);
    if (!svg.isValid()) {
        if (error)
            *error = QStringLiteral("cannot read the card deck %1").arg(deckFile);
        return false;
    }
    if (!QDir().mkpath(folder.path())) {
        if (error)
            *error = QStringLiteral("cannot create %1").arg(folder.path());
        return false;
    }
    std::array<QImage, 3> jacks;
    for (int suit = 0; suit < 4; ++suit) {
        for (int rank = 0; rank < 8; ++rank) {
            if (!svg.elementExists(elementId(suit, rank))) {
                if (error)
                    *error = QStringLiteral("the deck has no card %1").arg(elementId(suit, rank));
                return false;
            }
            const QImage card = face(svg, style, suit, rank);
            if (rank == 3 && suit < 3)
                jacks[2 - suit] = card;
            if (!write(card, folder, stem(suit, rank) + QStringLiteral(".png"), error))
                return false;
        }
    }
    const char* const suitFiles[4] = {"Kreuz", "Pik", "Herz", "Caro"};
    for (int suit = 0; suit < 4; ++suit)
        if (!write(suitPicture(style, suit), folder, QLatin1String(suitFiles[suit]) + QStringLiteral(".jpg"), error))
            return false;
    for (const char* rank : {"B", "A", "10", "K", "D", "9", "8", "7"})
        if (!write(rankPicture(style, QLatin1String(rank)), folder, QLatin1String(rank) + QStringLiteral(".jpg"),
                   error))
            return false;
    const QImage cardBack = back(style);
    if (!write(mask(), folder, QStringLiteral("Maske.png"), error))
        return false;
    if (!write(cardBack, folder, QStringLiteral("Rueckseite.png"), error))
        return false;
    if (!write(thumbnail(jacks), folder, QStringLiteral("Thumbnail.png"), error))
        return false;
    const struct {
        const char* name;
        double angle;
    } stacks[] = {{"Left", -8}, {"Middle", 0}, {"Right", 8}};
    const double smallScale = 91.0 / 144.0;
    for (const auto& s : stacks) {
        const QString top = QStringLiteral("Stapel_%1_Top.png").arg(QLatin1String(s.name));
        const QString segment = QStringLiteral("Stapel_%1_Segment.png").arg(QLatin1String(s.name));
        if (!write(stackTop(cardBack, s.angle, 1.0), folder, top, error))
            return false;
        if (!write(stackTop(cardBack, s.angle, smallScale), folder, QStringLiteral("small_") + top, error))
            return false;
        if (!write(stackSegment(s.angle, 1.0), folder, segment, error))
            return false;
        if (!write(stackSegment(s.angle, smallScale), folder, QStringLiteral("small_") + segment, error))
            return false;
    }
    return true;
}

} // namespace cardart
