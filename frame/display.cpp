#include "frame/display.h"

#include <cstdarg>
#include <cstdio>

#include "frame/page_state.h"

void beginPage(Canvas& canvas, const DisplayContext& display) {
    canvas.resetTransform();
    canvas.scaleTransform(static_cast<float>(display.displaySize[0]) / kDrawingWidth,
                          static_cast<float>(display.displaySize[1]) / kDrawingHeight);
}

void drawCell(Canvas& canvas, float x, float y, const char* text, const FontSpec& font,
              uint32_t argb) {
    canvas.drawText(x, y, text, font, argb);
}

void drawInverseCell(Canvas& canvas, float boxX, float boxY, float boxW, float boxH, float textX,
                     float textY, const char* text, const FontSpec& font) {
    canvas.fillRect(boxX, boxY, boxW, boxH, kGreen);
    canvas.drawText(textX, textY, text, font, kBlack);
}

void drawFlashingCell(Canvas& canvas, int32_t blinkPhase, float boxX, float boxY, float boxW,
                      float boxH, float textX, float textY, const char* text,
                      const FontSpec& font) {
    if (blinkFirstHalf(blinkPhase)) {
        drawInverseCell(canvas, boxX, boxY, boxW, boxH, textX, textY, text, font);
    } else {
        drawCell(canvas, textX, textY, text, font);
    }
}

CellText formatCell(const char* format, ...) {
    CellText cell = {};
    va_list args;
    va_start(args, format);
    std::vsnprintf(cell.text, sizeof cell.text, format, args);
    va_end(args);
    return cell;
}

void drawStatusLabel(Canvas& canvas, float pageX, const char* label, int32_t cursorOn) {
    const float labelX = pageX + (pageX < kRightPageX ? 10.0f : 100.0f);
    if (cursorOn == 1) {
        drawInverseCell(canvas, labelX, 155.0f, 66.0f, 20.0f, labelX, kStatusRowY, "CRSR");
    } else {
        drawCell(canvas, labelX, kStatusRowY, label);
    }
}
