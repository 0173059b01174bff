#include "platform/canvas/recording_canvas.h"

#include <cstring>

#include "platform/canvas/cp1252.h"

namespace {

constexpr int kInvalidParameter = 2;  // the status GDI+ gives a call with a bad argument
constexpr size_t kReservedItems = 1024;
constexpr size_t kReservedPoints = 4096;

// Copies `text` into a fixed field, always terminated; returns whether it was cut.
bool copyCut(char* field, size_t size, const char* text) {
    size_t n = std::strlen(text);
    bool cut = n >= size;
    if (cut) n = size - 1;
    std::memcpy(field, text, n);
    field[n] = '\0';
    return cut;
}

}  // namespace

RecordingCanvas::RecordingCanvas() {
    items_.reserve(kReservedItems);
    points_.reserve(kReservedPoints);
}

DrawItem& RecordingCanvas::add(DrawKind kind) {
    DrawItem& item = items_.emplace_back();
    item.kind = kind;
    item.transform = transform_;
    return item;
}

void RecordingCanvas::reset() {
    items_.clear();
    points_.clear();
}

void RecordingCanvas::resetTransform() {
    transform_ = WorldTransform{};
    add(DrawKind::ResetTransform);
}

// Both transform calls apply before the transform already in force, as GDI+ does by
// default, so a page's scale followed by a translate moves in drawing units.
void RecordingCanvas::scaleTransform(float sx, float sy) {
    transform_.scaleX *= sx;
    transform_.scaleY *= sy;
    DrawItem& item = add(DrawKind::ScaleTransform);
    item.x = sx;
    item.y = sy;
}

void RecordingCanvas::translateTransform(float dx, float dy) {
    transform_.offsetX += transform_.scaleX * dx;
    transform_.offsetY += transform_.scaleY * dy;
    DrawItem& item = add(DrawKind::TranslateTransform);
    item.x = dx;
    item.y = dy;
}

void RecordingCanvas::clear(uint32_t argb) {
    reset();
    add(DrawKind::Clear).argb = argb;
}

void RecordingCanvas::setClip(float x, float y, float w, float h) {
    DrawItem& item = add(DrawKind::SetClip);
    item.x = x;
    item.y = y;
    item.w = w;
    item.h = h;
}

void RecordingCanvas::resetClip() { add(DrawKind::ResetClip); }

void RecordingCanvas::drawText(float x, float y, const char* text, const FontSpec& font,
                               uint32_t argb) {
    if (text == nullptr) {
        recordStatus(kInvalidParameter);
        return;
    }
    DrawItem& item = add(DrawKind::Text);
    item.x = x;
    item.y = y;
    item.argb = argb;
    copyCut(item.family, sizeof item.family, font.family ? font.family : "");
    item.fontSizePx = font.sizePx;
    item.bold = font.bold;
    item.textCut = copyCut(item.text, sizeof item.text, text);
}

void RecordingCanvas::drawLine(float x1, float y1, float x2, float y2, uint32_t argb,
                               float penWidth) {
    DrawItem& item = add(DrawKind::Line);
    item.x = x1;
    item.y = y1;
    item.x2 = x2;
    item.y2 = y2;
    item.argb = argb;
    item.penWidth = penWidth;
}

void RecordingCanvas::fillRect(float x, float y, float w, float h, uint32_t argb) {
    DrawItem& item = add(DrawKind::FillRect);
    item.x = x;
    item.y = y;
    item.w = w;
    item.h = h;
    item.argb = argb;
}

void RecordingCanvas::drawRect(float x, float y, float w, float h, uint32_t argb,
                               float penWidth) {
    DrawItem& item = add(DrawKind::DrawRect);
    item.x = x;
    item.y = y;
    item.w = w;
    item.h = h;
    item.argb = argb;
    item.penWidth = penWidth;
}

void RecordingCanvas::fillPolygon(const PointF* points, int count, uint32_t argb) {
    addPolygon(DrawKind::FillPolygon, points, count, argb, 0.0f);
}

void RecordingCanvas::drawPolygon(const PointF* points, int count, uint32_t argb,
                                  float penWidth) {
    addPolygon(DrawKind::DrawPolygon, points, count, argb, penWidth);
}

void RecordingCanvas::addPolygon(DrawKind kind, const PointF* points, int count, uint32_t argb,
                                 float penWidth) {
    if (points == nullptr || count <= 0) {
        recordStatus(kInvalidParameter);
        return;
    }
    DrawItem& item = add(kind);
    item.argb = argb;
    item.penWidth = penWidth;
    item.firstPoint = static_cast<int32_t>(points_.size());
    item.pointCount = count;
    points_.insert(points_.end(), points, points + count);
}

void RecordingCanvas::fillEllipse(float x, float y, float w, float h, uint32_t argb) {
    DrawItem& item = add(DrawKind::FillEllipse);
    item.x = x;
    item.y = y;
    item.w = w;
    item.h = h;
    item.argb = argb;
}

void RecordingCanvas::drawEllipse(float x, float y, float w, float h, uint32_t argb,
                                  float penWidth) {
    DrawItem& item = add(DrawKind::DrawEllipse);
    item.x = x;
    item.y = y;
    item.w = w;
    item.h = h;
    item.argb = argb;
    item.penWidth = penWidth;
}

std::vector<const DrawItem*> RecordingCanvas::texts() const {
    std::vector<const DrawItem*> out;
    for (const DrawItem& item : items_) {
        if (item.kind == DrawKind::Text) out.push_back(&item);
    }
    return out;
}

void RecordingCanvas::replay(Canvas& target) const {
    for (const DrawItem& item : items_) {
        const PointF* pts = points_.data() + item.firstPoint;
        switch (item.kind) {
        case DrawKind::Clear: target.clear(item.argb); break;
        case DrawKind::ResetTransform: target.resetTransform(); break;
        case DrawKind::ScaleTransform: target.scaleTransform(item.x, item.y); break;
        case DrawKind::TranslateTransform: target.translateTransform(item.x, item.y); break;
        case DrawKind::SetClip: target.setClip(item.x, item.y, item.w, item.h); break;
        case DrawKind::ResetClip: target.resetClip(); break;
        case DrawKind::Text: {
            FontSpec font{item.family, item.fontSizePx, item.bold};
            target.drawText(item.x, item.y, item.text, font, item.argb);
            break;
        }
        case DrawKind::Line:
            target.drawLine(item.x, item.y, item.x2, item.y2, item.argb, item.penWidth);
            break;
        case DrawKind::FillRect: target.fillRect(item.x, item.y, item.w, item.h, item.argb); break;
        case DrawKind::DrawRect:
            target.drawRect(item.x, item.y, item.w, item.h, item.argb, item.penWidth);
            break;
        case DrawKind::FillPolygon: target.fillPolygon(pts, item.pointCount, item.argb); break;
        case DrawKind::DrawPolygon:
            target.drawPolygon(pts, item.pointCount, item.argb, item.penWidth);
            break;
        case DrawKind::FillEllipse:
            target.fillEllipse(item.x, item.y, item.w, item.h, item.argb);
            break;
        case DrawKind::DrawEllipse:
            target.drawEllipse(item.x, item.y, item.w, item.h, item.argb, item.penWidth);
            break;
        }
    }
}

std::string formatTextItem(const DrawItem& item) {
    char head[128];
    char colour[16];
    if (item.argb == 0xFF00FA00u) {
        std::snprintf(colour, sizeof colour, "green");
    } else if (item.argb == 0xFF000000u) {
        std::snprintf(colour, sizeof colour, "black");
    } else {
        std::snprintf(colour, sizeof colour, "0x%08X", static_cast<unsigned>(item.argb));
    }
    std::snprintf(head, sizeof head, "text %g %g %g %s \"", static_cast<double>(item.x),
                  static_cast<double>(item.y), static_cast<double>(item.fontSizePx), colour);
    std::string utf8;
    appendCp1252AsUtf8(utf8, item.text);
    std::string line = head;
    for (char c : utf8) {
        if (c == '"' || c == '\\') line.push_back('\\');
        line.push_back(c);
    }
    line.push_back('"');
    return line;
}

void printTextItems(const RecordingCanvas& canvas, std::FILE* out) {
    for (const DrawItem& item : canvas.items()) {
        if (item.kind != DrawKind::Text) continue;
        std::fprintf(out, "%s\n", formatTextItem(item).c_str());
    }
}
