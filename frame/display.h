// Drawing conventions shared by every page: the 370 x 176 drawing space, the text rows,
// fonts, colours, text cells, inverse (cursor) cells and flashing.
//
// Rows have their text tops at y = 0, 24, 48, 72, 96 and 120; the status line's at 153.
// The left page starts at x 0, the right page at x 184.
#pragma once

#include <cstdint>

#include "frame/canvas.h"

struct DisplayContext;

constexpr float kDrawingWidth = 370.0f;
constexpr float kDrawingHeight = 176.0f;
constexpr float kLeftPageX = 0.0f;
constexpr float kRightPageX = 184.0f;
constexpr float kStatusRowY = 153.0f;

constexpr uint32_t kGreen = 0xFF00FA00;
constexpr uint32_t kBlack = 0xFF000000;
constexpr uint32_t kTransparent = 0x00000000;

inline constexpr FontSpec kFont29{"Terminus", 29.0f, true};
inline constexpr FontSpec kFont28{"Terminus", 28.0f, true};
inline constexpr FontSpec kFont25{"Terminus", 25.0f, true};
inline constexpr FontSpec kFont24{"Terminus", 24.0f, true};
inline constexpr FontSpec kFont16{"Terminus", 16.0f, true};
inline constexpr FontSpec kFont14{"Terminus", 14.0f, true};
inline constexpr FontSpec kCourier12{"Courier New", 12.0f, true};

// Text top of row `row` (0..5).
constexpr float rowY(int row) { return 24.0f * static_cast<float>(row); }
// Top of the usual 18-unit inverse box on row `row`.
constexpr float rowBoxY(int row) { return 24.0f * static_cast<float>(row) + 4.0f; }
// Top of the 20-unit inverse box some number fields use.
constexpr float rowTallBoxY(int row) { return 24.0f * static_cast<float>(row) + 2.0f; }
constexpr float kRowBoxHeight = 18.0f;
constexpr float kRowTallBoxHeight = 20.0f;
constexpr float kCharWidth = 16.0f;

// Flashing items show their first form while blinkPhase is 0..8, their second while 9..17.
constexpr bool blinkFirstHalf(int32_t blinkPhase) { return blinkPhase <= 8; }

// Resets the world transform and scales the drawing space onto the display's pixels.
void beginPage(Canvas& canvas, const DisplayContext& display);
// Fonts, pens and brushes are plain values here, so a page has nothing to release;
// the call marks the end of a page function's drawing.
inline void endPage(Canvas&) {}

void drawCell(Canvas& canvas, float x, float y, const char* text,
              const FontSpec& font = kFont29, uint32_t argb = kGreen);
void drawInverseCell(Canvas& canvas, float boxX, float boxY, float boxW, float boxH,
                     float textX, float textY, const char* text,
                     const FontSpec& font = kFont29);
// The common flashing item: the inverse box in the first half, plain text in the second.
void drawFlashingCell(Canvas& canvas, int32_t blinkPhase, float boxX, float boxY, float boxW,
                      float boxH, float textX, float textY, const char* text,
                      const FontSpec& font = kFont29);

// Formats with printf conventions into a 40-character cell buffer (cut, never overrun).
constexpr int kCellBufferSize = 40;
struct CellText {
    char text[kCellBufferSize + 1];
};
CellText formatCell(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The page label in the status line, or "CRSR" inverse while the side's cursor is on.
// Left labels sit at x offset + 10, right labels at x offset + 100.
void drawStatusLabel(Canvas& canvas, float pageX, const char* label, int32_t cursorOn);
