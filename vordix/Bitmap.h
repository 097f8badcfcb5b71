#pragma once
// A framework bitmap: an image loaded from a file or memory, transformed and
// drawn into a drawing area. Works on the calling thread.

#include <cstddef>
#include <memory>

class VORDIX_BITMAP;
class VORDIX_FILE;
class VORDIX_ZEICHENBEREICH;

class VORDIX_BITMAP_imp {
public:
    virtual ~VORDIX_BITMAP_imp() = default;
    virtual bool load(const VORDIX_FILE& file) = 0;
    virtual bool loadFromData(const unsigned char* data, std::size_t size) = 0;
    // This image from the source's rectangle, on a canvas of the given size.
    virtual bool createTransformed(const VORDIX_BITMAP& source, int x, int y, int width, int height, int canvasWidth,
                                   int canvasHeight) = 0;
    virtual bool save(const VORDIX_FILE& file) = 0;
    virtual void unload() = 0;
    virtual void draw(VORDIX_ZEICHENBEREICH& area, int x, int y) = 0;
    virtual void drawRotated(VORDIX_ZEICHENBEREICH& area, int x, int y, int width, int height, float angle) = 0;
    virtual void drawWithTransparency(VORDIX_ZEICHENBEREICH& area, int x, int y, int width, int height, float alpha,
                                      float angle) = 0;
    virtual void drawWithoutRotation(VORDIX_ZEICHENBEREICH& area, int x, int y, int width, int height) = 0;
    virtual bool isLoaded() const = 0;
    virtual int getWidth() const = 0;
    virtual int getHeight() const = 0;
};

class VORDIX_BITMAP {
public:
    VORDIX_BITMAP();
    virtual ~VORDIX_BITMAP();
    VORDIX_BITMAP(const VORDIX_BITMAP&) = delete;
    VORDIX_BITMAP& operator=(const VORDIX_BITMAP&) = delete;

    // The three loaders drop a loaded image first.
    bool load(const VORDIX_FILE& file);
    bool loadFromData(const unsigned char* data, std::size_t size);
    bool createTransformed(const VORDIX_BITMAP& source, int x, int y, int width, int height, int canvasWidth,
                           int canvasHeight);
    // This bitmap as the source's whole image on a canvas of swapped size
    // (height × width): the source turned by a quarter.
    bool createQuarterTurnOf(const VORDIX_BITMAP& source);
    bool save(const VORDIX_FILE& file);
    void unload();

    void draw(VORDIX_ZEICHENBEREICH& area, int x, int y);
    void drawRotated(VORDIX_ZEICHENBEREICH& area, int x, int y, int width, int height, float angle);
    void drawWithTransparency(VORDIX_ZEICHENBEREICH& area, int x, int y, int width, int height, float alpha,
                              float angle);
    void drawWithoutRotation(VORDIX_ZEICHENBEREICH& area, int x, int y, int width, int height);

    bool isLoaded() const;
    int getWidth() const;
    int getHeight() const;

    VORDIX_BITMAP_imp* implementor() const { return imp_.get(); }

private:
    std::unique_ptr<VORDIX_BITMAP_imp> imp_;
};
