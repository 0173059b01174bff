// A canvas that keeps what was drawn since the last clear as a display list, so tests can
// assert on strings and positions and the runner can print them. Coordinates are kept as
// passed (drawing-space units once a page has scaled the world transform); each item also
// carries the world transform in force when it was drawn. Text is kept in the unit's
// Windows-1252 bytes. Storage is reserved once and reused, so recording a frame does not
// allocate after the first few.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "frame/canvas.h"

enum class DrawKind : int32_t {
    Clear,
    ResetTransform,
    ScaleTransform,
    TranslateTransform,
    SetClip,
    ResetClip,
    Text,
    Line,
    FillRect,
    DrawRect,
    FillPolygon,
    DrawPolygon,
    FillEllipse,
    DrawEllipse,
};

// World transform of the scale-and-translate kind the pages use:
// device = (scaleX * x + offsetX, scaleY * y + offsetY).
struct WorldTransform {
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    float offsetX = 0.0f;
    float offsetY = 0.0f;
};

constexpr int kRecordedTextSize = 96;
constexpr int kRecordedFamilySize = 32;

struct DrawItem {
    DrawKind kind = DrawKind::Clear;
    // Text, rectangles and ellipses: x, y, w, h. Lines: x, y to x2, y2. Transforms:
    // x, y are the arguments. Polygons: firstPoint, pointCount into points().
    float x = 0.0f, y = 0.0f, w = 0.0f, h = 0.0f;
    float x2 = 0.0f, y2 = 0.0f;
    uint32_t argb = 0;
    float penWidth = 0.0f;
    int32_t firstPoint = 0;
    int32_t pointCount = 0;
    WorldTransform transform;
    // Text only: the font and the bytes (cut to fit; `textCut` says it was).
    char family[kRecordedFamilySize] = {};
    float fontSizePx = 0.0f;
    bool bold = false;
    bool textCut = false;
    char text[kRecordedTextSize] = {};
};

class RecordingCanvas : public Canvas {
public:
    RecordingCanvas();

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

    // Forgets every item (the world transform stays, as on a real surface).
    void reset();

    const std::vector<DrawItem>& items() const { return items_; }
    const std::vector<PointF>& points() const { return points_; }
    // The text items, in drawing order.
    std::vector<const DrawItem*> texts() const;
    const WorldTransform& transform() const { return transform_; }

    // Plays the display list back onto another canvas (the PNG writer uses this).
    void replay(Canvas& target) const;

private:
    DrawItem& add(DrawKind kind);
    void addPolygon(DrawKind kind, const PointF* points, int count, uint32_t argb,
                    float penWidth);

    std::vector<DrawItem> items_;
    std::vector<PointF> points_;
    WorldTransform transform_;
};

// One text item as a dump line: text X Y SIZE COLOR "STRING", without the newline.
// COLOR is green or black for the unit's two text colours, else 0xAARRGGBB; STRING is
// UTF-8 with backslash and double quote escaped.
std::string formatTextItem(const DrawItem& item);

// Every text item of the canvas, one dump line each.
void printTextItems(const RecordingCanvas& canvas, std::FILE* out);

// A canvas that draws nothing, for measuring the unit alone.
class NullCanvas : public Canvas {
public:
    void resetTransform() override {}
    void scaleTransform(float, float) override {}
    void translateTransform(float, float) override {}
    void clear(uint32_t) override {}
    void setClip(float, float, float, float) override {}
    void resetClip() override {}
    void drawText(float, float, const char*, const FontSpec&, uint32_t) override {}
    void drawLine(float, float, float, float, uint32_t, float) override {}
    void fillRect(float, float, float, float, uint32_t) override {}
    void drawRect(float, float, float, float, uint32_t, float) override {}
    void fillPolygon(const PointF*, int, uint32_t) override {}
    void drawPolygon(const PointF*, int, uint32_t, float) override {}
    void fillEllipse(float, float, float, float, uint32_t) override {}
    void drawEllipse(float, float, float, float, uint32_t, float) override {}
};
