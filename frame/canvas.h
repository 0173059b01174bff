// The 2D drawing operations the pages use, a subset of GDI+.
//
// Coordinates are in the 370 x 176 drawing space once a page has scaled the world
// transform; colours are ARGB words; text arrives as Windows-1252 bytes (the degree
// sign is 0xB0) and each backend converts it. A failed operation is remembered in
// `lastStatus` and drawing goes on.
#pragma once

#include <cstdint>

struct FontSpec {
    const char* family;  // "Terminus" or "Courier New"
    float sizePx;        // em height in drawing units
    bool bold;
};

struct PointF {
    float x;
    float y;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void resetTransform() = 0;
    virtual void scaleTransform(float sx, float sy) = 0;
    virtual void translateTransform(float dx, float dy) = 0;

    // Rendering settings the draw routine sets once per draw (GDI+ values: smoothing
    // mode 2 is high quality, text rendering hint 4 is anti-alias). Backends without
    // such settings ignore them.
    virtual void setSmoothingMode(int /*mode*/) {}
    virtual void setTextRenderingHint(int /*hint*/) {}

    virtual void clear(uint32_t argb) = 0;
    virtual void setClip(float x, float y, float w, float h) = 0;
    virtual void resetClip() = 0;

    // Text with the top-left of its layout box at (x, y): no clipping, no wrapping.
    virtual void drawText(float x, float y, const char* text, const FontSpec& font,
                          uint32_t argb) = 0;
    virtual void drawLine(float x1, float y1, float x2, float y2, uint32_t argb,
                          float penWidth) = 0;
    virtual void fillRect(float x, float y, float w, float h, uint32_t argb) = 0;
    virtual void drawRect(float x, float y, float w, float h, uint32_t argb,
                          float penWidth) = 0;
    virtual void fillPolygon(const PointF* points, int count, uint32_t argb) = 0;
    virtual void drawPolygon(const PointF* points, int count, uint32_t argb,
                             float penWidth) = 0;
    virtual void fillEllipse(float x, float y, float w, float h, uint32_t argb) = 0;
    virtual void drawEllipse(float x, float y, float w, float h, uint32_t argb,
                             float penWidth) = 0;

    // Last non-zero status any operation returned; 0 while everything has succeeded.
    int lastStatus() const { return lastStatus_; }

protected:
    void recordStatus(int status) {
        if (status != 0) lastStatus_ = status;
    }

private:
    int lastStatus_ = 0;
};
