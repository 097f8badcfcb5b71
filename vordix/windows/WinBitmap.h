#pragma once
// A raster image held as a QImage, so that it may be loaded and drawn on any
// thread (player pictures load off the GUI thread). Drawn into the painter
// of a drawing area, optionally rotated about its centre and translucent;
// the translucent copy is kept for the next draw at the same opacity.

#include "vordix/Bitmap.h"

#include <QImage>
#include <QString>

#include <memory>

class QPainter;

class WIN_BITMAP : public VORDIX_BITMAP_imp {
public:
    WIN_BITMAP() = default;
    ~WIN_BITMAP() override;

    bool load(const VORDIX_FILE& file) override;
    bool loadFromData(const unsigned char* data, std::size_t size) override;
    // Draws the source at (x, y) with the given size onto a transparent
    // canvas; a negative width or height mirrors along that axis.
    bool createTransformed(const VORDIX_BITMAP& source, int x, int y, int width, int height, int canvasWidth,
                           int canvasHeight) override;
    // Writes through a temporary file in the same folder; the format follows
    // the file name's suffix.
    bool save(const VORDIX_FILE& file) override;
    void unload() override;
    void draw(VORDIX_ZEICHENBEREICH& area, int x, int y) override;
    // Turned by angle degrees (counter-clockwise) about the rectangle's centre.
    void drawRotated(VORDIX_ZEICHENBEREICH& area, int x, int y, int width, int height, float angle) override;
    void drawWithTransparency(VORDIX_ZEICHENBEREICH& area, int x, int y, int width, int height, float alpha,
                              float angle) override;
    void drawWithoutRotation(VORDIX_ZEICHENBEREICH& area, int x, int y, int width, int height) override;
    bool isLoaded() const override { return m_image != nullptr; }
    int getWidth() const override { return m_width; }
    int getHeight() const override { return m_height; }

    // The image, null while nothing is loaded.
    const QImage* image() const { return m_image.get(); }
    const QString& name() const { return m_name; }
    // How often the translucent copy has been built (one per new opacity).
    int translucentBuilds() const { return m_translucentBuilds; }

    // Makes the image a paintable canvas of the size with an alpha channel
    // (keeping its content, scaled when the size differs) and returns it.
    QImage* prepareCanvas(int width, int height);

    // Angles within a hundredth of a degree of zero are drawn upright.
    static bool countsAsUnrotated(float angle) { return angle >= -0.01f && angle <= 0.01f; }
    // The image with its alpha multiplied by alpha (0..1).
    static QImage withOpacity(const QImage& image, float alpha);

private:
    void take(QImage image, const QString& name);
    void drawImage(QPainter& painter, const QImage& image, int x, int y, int width, int height, float angle) const;

    std::unique_ptr<QImage> m_image;
    int m_width = 0;
    int m_height = 0;
    float m_cachedAlpha = -1.0f;
    std::unique_ptr<QImage> m_translucentCopy;
    QString m_name;
    int m_translucentBuilds = 0;
};
