#include "vordix/windows/WinBitmap.h"

#include "vordix/File.h"
#include "vordix/SafeSave.h"
#include "vordix/windows/DrawingScope.h"
#include "vordix/windows/WinZeichenbereich.h"

#include <QBuffer>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include <limits>

namespace {
constexpr QImage::Format kCanvasFormat = QImage::Format_ARGB32_Premultiplied;

QString fullPathOf(const VORDIX_FILE& file) { return QString::fromStdWString(file.fullPath()); }

bool paintableWithAlpha(const QImage& image) { return image.hasAlphaChannel() && image.depth() >= 16; }

// Null when the size cannot be allocated.
QImage transparentCanvas(int width, int height)
{
    QImage canvas(width, height, kCanvasFormat);
    if (!canvas.isNull())
        canvas.fill(Qt::transparent);
    return canvas;
}
} // namespace

WIN_BITMAP::~WIN_BITMAP() { unload(); }

void WIN_BITMAP::take(QImage image, const QString& name)
{
    m_width = image.width();
    m_height = image.height();
    m_image = std::make_unique<QImage>(std::move(image));
    m_name = name;
}

void WIN_BITMAP::unload()
{
    if (!m_image)
        return;
    m_image.reset();
    m_cachedAlpha = -1.0f;
    m_width = 0;
    m_height = 0;
    m_translucentCopy.reset();
    m_name.clear();
}

bool WIN_BITMAP::load(const VORDIX_FILE& file)
{
    unload();
    const QString path = fullPathOf(file);
    QImage image(path);
    if (image.isNull()) {
        QStringList formats;
        for (const QByteArray& format : QImageReader::supportedImageFormats())
            formats << QString::fromLatin1(format);
        qDebug().noquote() << "Kann Bilddatei " + path + " nicht laden";
        qDebug().noquote() << "    Unterstützte Bildformate: " + formats.join(QLatin1Char(' '));
        return false;
    }
    take(std::move(image), path);
    return true;
}

bool WIN_BITMAP::loadFromData(const unsigned char* data, std::size_t size)
{
    unload();
    if (!data || size == 0 || size > static_cast<std::size_t>(std::numeric_limits<int>::max()))
        return false;
    QImage image;
    if (!image.loadFromData(data, static_cast<int>(size)) || image.isNull())
        return false;
    take(std::move(image), QStringLiteral("from data"));
    return true;
}

bool WIN_BITMAP::createTransformed(const VORDIX_BITMAP& source, int x, int y, int width, int height, int canvasWidth,
                                   int canvasHeight)
{
    auto* from = dynamic_cast<WIN_BITMAP*>(source.implementor());
    if (!from || !from->isLoaded() || canvasWidth <= 0 || canvasHeight <= 0)
        return false;
    // The source may be this bitmap: keep its image until the copy is made.
    QImage canvas = transparentCanvas(canvasWidth, canvasHeight);
    if (canvas.isNull())
        return false; // too large to allocate
    const QImage sourceImage = *from->m_image;
    const QString sourceName = from->m_name;
    unload();

    QPainter painter(&canvas);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.translate(x, y);
    if (width < 0 || height < 0) {
        QTransform mirrored = painter.transform();
        mirrored.scale(width < 0 ? -1 : 1, height < 0 ? -1 : 1);
        painter.setTransform(mirrored, false);
    }
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    // A negative extent draws the source's own extent, mirrored by the transform.
    painter.drawImage(QRectF(0, 0, width < 0 ? sourceImage.width() : width, height < 0 ? sourceImage.height() : height),
                      sourceImage);
    painter.end();
    take(std::move(canvas), sourceName);
    return true;
}

bool WIN_BITMAP::save(const VORDIX_FILE& file)
{
    if (!m_image)
        return false;
    const QString path = fullPathOf(file);
    const QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
    QByteArray bytes;
    QBuffer out(&bytes);
    if (format.isEmpty() || !out.open(QIODevice::WriteOnly) || !m_image->save(&out, format.constData(), -1))
        return false;
    return static_cast<bool>(
        vordix::saveFile(QFile::encodeName(path).toStdString(), std::string_view(bytes.constData(), bytes.size())));
}

QImage* WIN_BITMAP::prepareCanvas(int width, int height)
{
    if (width <= 0 || height <= 0)
        return nullptr;
    const bool sameSize = m_image && width == m_width && height == m_height;
    if (sameSize && paintableWithAlpha(*m_image))
        return m_image.get();

    QImage canvas = transparentCanvas(width, height);
    if (canvas.isNull())
        return nullptr; // too large to allocate
    if (m_image) {
        QPainter painter(&canvas);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(0, 0, width, height), *m_image);
    }
    const QString name = m_name;
    unload();
    take(std::move(canvas), name);
    return m_image.get();
}

QImage WIN_BITMAP::withOpacity(const QImage& image, float alpha)
{
    QImage copy = image.convertToFormat(kCanvasFormat);
    QPainter painter(&copy);
    painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    painter.fillRect(copy.rect(), QColor(0, 0, 0, static_cast<int>(alpha * 255.0)));
    return copy;
}

void WIN_BITMAP::drawImage(QPainter& painter, const QImage& image, int x, int y, int width, int height,
                           float angle) const
{
    if (countsAsUnrotated(angle)) {
        painter.drawImage(QRect(x, y, width, height), image);
        return;
    }
    painter.translate(x + width / 2, y + height / 2);
    painter.rotate(-angle);
    painter.drawImage(QRect(-(width / 2), -(height / 2), width, height), image);
}

void WIN_BITMAP::draw(VORDIX_ZEICHENBEREICH& area, int x, int y)
{
    if (!m_image)
        return;
    DrawingScope scope(area, nullptr);
    if (QPainter* p = scope.painter())
        p->drawImage(QPoint(x, y), *m_image);
}

void WIN_BITMAP::drawRotated(VORDIX_ZEICHENBEREICH& area, int x, int y, int width, int height, float angle)
{
    if (!m_image)
        return;
    DrawingScope scope(area, nullptr);
    if (QPainter* p = scope.painter())
        drawImage(*p, *m_image, x, y, width, height, angle);
}

void WIN_BITMAP::drawWithTransparency(VORDIX_ZEICHENBEREICH& area, int x, int y, int width, int height, float alpha,
                                      float angle)
{
    if (!m_image)
        return;
    DrawingScope scope(area, nullptr);
    QPainter* p = scope.painter();
    if (!p)
        return;
    if (alpha >= 1.0f) {
        drawImage(*p, *m_image, x, y, width, height, angle);
        return;
    }
    if (!m_translucentCopy || alpha != m_cachedAlpha) {
        m_translucentCopy = std::make_unique<QImage>(withOpacity(*m_image, alpha));
        m_cachedAlpha = alpha;
        ++m_translucentBuilds;
    }
    drawImage(*p, *m_translucentCopy, x, y, width, height, angle);
}

void WIN_BITMAP::drawWithoutRotation(VORDIX_ZEICHENBEREICH& area, int x, int y, int width, int height)
{
    drawRotated(area, x, y, width, height, 0.0f);
}
