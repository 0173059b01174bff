// The Canvas of the Windows gauge: GDI+ through its flat interface, drawing into the
// display element's device context.
//
// One canvas lives for the module's life. GDI+ itself is started and shut down on the
// connect and disconnect services, never while the loader lock is held. Each draw binds the
// canvas to the display's device context; the graphics object is made on the first
// operation of that draw and deleted when the draw ends. Font families and fonts are kept
// between draws and released before GDI+ shuts down. Every failed call leaves its status in
// lastStatus() and drawing goes on.
#pragma once

#include <cstdint>

#include "frame/canvas.h"

namespace gauge {

class GdiplusCanvas final : public Canvas {
public:
    // Starts GDI+ and loads the Terminus font file found beside the module into a private
    // collection. Returns the startup token, 0 when GDI+ did not start.
    uintptr_t startup();
    // Releases everything the canvas holds, then shuts GDI+ down with `token`.
    void shutdown(uintptr_t token);

    // Points the canvas at a device context for one draw.
    void bind(void* deviceContext);
    // Deletes the draw's graphics object; the next draw makes a new one.
    void endDraw();

    void resetTransform() override;
    void scaleTransform(float sx, float sy) override;
    void translateTransform(float dx, float dy) override;
    void setSmoothingMode(int mode) override;
    void setTextRenderingHint(int hint) override;
    void clear(uint32_t argb) override;
    void setClip(float x, float y, float w, float h) override;
    void resetClip() override;
    void drawText(float x, float y, const char* text, const FontSpec& font,
                  uint32_t argb) override;
    void drawLine(float x1, float y1, float x2, float y2, uint32_t argb,
                  float penWidth) override;
    void fillRect(float x, float y, float w, float h, uint32_t argb) override;
    void drawRect(float x, float y, float w, float h, uint32_t argb, float penWidth) override;
    void fillPolygon(const PointF* points, int count, uint32_t argb) override;
    void drawPolygon(const PointF* points, int count, uint32_t argb, float penWidth) override;
    void fillEllipse(float x, float y, float w, float h, uint32_t argb) override;
    void drawEllipse(float x, float y, float w, float h, uint32_t argb,
                     float penWidth) override;

    // Whether the Terminus font file beside the module was loaded.
    bool privateFontLoaded() const { return fontCollection_ != nullptr; }

private:
    struct FamilySlot {
        const char* name = nullptr;  // the family the pages ask for
        void* family = nullptr;      // GpFontFamily*, null when it could not be made
        int status = 0;              // the status of the failed look-up
    };
    struct FontSlot {
        int familyIndex = -1;
        float sizePx = 0.0f;
        bool bold = false;
        void* font = nullptr;        // GpFont*
        int status = 0;
    };
    static constexpr int kFamilySlots = 4;
    static constexpr int kFontSlots = 16;

    // The draw's graphics object, made on first use; null when there is no device context
    // or GDI+ is not running.
    void* graphics();
    void* font(const FontSpec& fontSpec);
    int familyIndex(const char* name);
    void loadPrivateFont();
    void releaseFonts();
    void* makeBrush(uint32_t argb);
    void* makePen(uint32_t argb, float width);

    bool started_ = false;
    uintptr_t token_ = 0;
    void* deviceContext_ = nullptr;
    void* graphics_ = nullptr;
    void* fontCollection_ = nullptr;
    FamilySlot families_[kFamilySlots];
    int familyCount_ = 0;
    FontSlot fonts_[kFontSlots];
    int fontCount_ = 0;
};

}  // namespace gauge
