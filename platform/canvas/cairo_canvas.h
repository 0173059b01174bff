// A canvas that paints into a cairo ARGB32 image of the display's pixel size and writes
// it as PNG. Fonts come through fontconfig: "Terminus" is taken from the TTF face Debian's
// fonts-terminus installs; a family that cannot be found falls back to monospace with one
// warning on stderr. Coordinates go through the world transform exactly as with GDI+,
// so a 740 x 352 display shows everything twice as large.
#pragma once

#include <cstdint>
#include <string>

#include "frame/canvas.h"

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;

// The face plate's screen colour that shows through the transparent parts of the display.
constexpr uint32_t kScreenBackground = 0xFF0B2A12;

class CairoCanvas : public Canvas {
public:
    CairoCanvas(uint32_t widthPx, uint32_t heightPx);
    ~CairoCanvas() override;
    CairoCanvas(const CairoCanvas&) = delete;
    CairoCanvas& operator=(const CairoCanvas&) = delete;

    void resetTransform() override;
    void scaleTransform(float sx, float sy) override;
    void translateTransform(float dx, float dy) override;
    void clear(uint32_t argb) override;
    void setClip(float x, float y, float w, float h) override;
    void resetClip() override;
    void drawText(float x, float y, const char* text, const FontSpec& font,
                  uint32_t argb) override;
    void drawLine(float x1, float y1, float x2, float y2, uint32_t argb, float penWidth) override;
    void fillRect(float x, float y, float w, float h, uint32_t argb) override;
    void drawRect(float x, float y, float w, float h, uint32_t argb, float penWidth) override;
    void fillPolygon(const PointF* points, int count, uint32_t argb) override;
    void drawPolygon(const PointF* points, int count, uint32_t argb, float penWidth) override;
    void fillEllipse(float x, float y, float w, float h, uint32_t argb) override;
    void drawEllipse(float x, float y, float w, float h, uint32_t argb, float penWidth) override;

    uint32_t widthPx() const { return widthPx_; }
    uint32_t heightPx() const { return heightPx_; }
    // The drawn pixel at (x, y) as unpremultiplied ARGB, before the screen background.
    uint32_t pixel(uint32_t x, uint32_t y) const;

    // Writes the image over the screen background as PNG. Returns false, with the reason
    // in `error`, when the file cannot be written.
    bool writePng(const char* path, std::string& error) const;

private:
    void setColour(uint32_t argb);
    void pathPolygon(const PointF* points, int count);
    void pathEllipse(float x, float y, float w, float h);
    // The installed family that draws `requested`.
    static const char* fontFamilyFor(const char* requested);

    uint32_t widthPx_;
    uint32_t heightPx_;
    cairo_surface_t* surface_ = nullptr;
    cairo_t* cr_ = nullptr;
};

// The fontconfig family that serves `requested`: the family itself, a known alternative
// name ("Terminus (TTF)" for "Terminus"), or "" when none is installed.
std::string findInstalledFamily(const char* requested);
