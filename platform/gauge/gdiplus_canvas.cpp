// GDI+ drawing for the gauge's display element, through the flat interface.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <cstring>

#include "platform/gauge/gdiplus_canvas.h"
#include "platform/gauge/module_path.h"

namespace gauge {

namespace flat = Gdiplus::DllExports;
using Gdiplus::GpBrush;
using Gdiplus::GpFont;
using Gdiplus::GpFontCollection;
using Gdiplus::GpFontFamily;
using Gdiplus::GpGraphics;
using Gdiplus::GpPen;
using Gdiplus::GpPointF;
using Gdiplus::GpSolidFill;
using Gdiplus::GpStatus;

namespace {

// The Terminus font file shipped beside the gauge, and the family name it carries.
constexpr const wchar_t* kFontFileName = L"TerminusTTF.ttf";
constexpr const wchar_t* kPrivateTerminusFamily = L"Terminus (TTF)";

// The longest text a cell is drawn with; longer text is cut.
constexpr int kMaxTextChars = 127;

// Windows-1252 bytes 0x80..0x9F; every other byte is the same code point in Unicode.
constexpr wchar_t kCp1252High[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,
};

int toWide(const char* text, wchar_t* out) {
    int n = 0;
    for (; text[n] != '\0' && n < kMaxTextChars; ++n) {
        const auto byte = static_cast<unsigned char>(text[n]);
        out[n] = (byte >= 0x80 && byte < 0xA0) ? kCp1252High[byte - 0x80] : wchar_t(byte);
    }
    out[n] = L'\0';
    return n;
}

// The face name a page asks for, as GDI+ wants it.
void toWideName(const char* name, wchar_t* out, int size) {
    int n = 0;
    for (; name[n] != '\0' && n < size - 1; ++n) {
        out[n] = wchar_t(static_cast<unsigned char>(name[n]));
    }
    out[n] = L'\0';
}

}  // namespace

uintptr_t GdiplusCanvas::startup() {
    if (started_) return token_;
    Gdiplus::GdiplusStartupInput input;  // version 1, no debug callback, nothing suppressed
    ULONG_PTR token = 0;
    const GpStatus status = Gdiplus::GdiplusStartup(&token, &input, nullptr);
    recordStatus(status);
    if (status != Gdiplus::Ok || token == 0) return 0;
    started_ = true;
    token_ = token;
    loadPrivateFont();
    return token;
}

void GdiplusCanvas::shutdown(uintptr_t token) {
    endDraw();
    releaseFonts();
    if (started_ && token != 0) Gdiplus::GdiplusShutdown(token);
    started_ = false;
    token_ = 0;
}

void GdiplusCanvas::loadPrivateFont() {
    wchar_t path[kModulePathSize];
    if (!moduleFolder(path, kModulePathSize)) return;
    if (!appendToPath(path, kModulePathSize, kFontFileName)) return;
    if (GetFileAttributesW(path) == INVALID_FILE_ATTRIBUTES) return;
    GpFontCollection* collection = nullptr;
    GpStatus status = flat::GdipNewPrivateFontCollection(&collection);
    recordStatus(status);
    if (status != Gdiplus::Ok) return;
    status = flat::GdipPrivateAddFontFile(collection, path);
    recordStatus(status);
    if (status != Gdiplus::Ok) {
        flat::GdipDeletePrivateFontCollection(&collection);
        return;
    }
    fontCollection_ = collection;
}

void GdiplusCanvas::releaseFonts() {
    for (int i = 0; i < fontCount_; ++i) {
        if (fonts_[i].font != nullptr) {
            recordStatus(flat::GdipDeleteFont(static_cast<GpFont*>(fonts_[i].font)));
        }
        fonts_[i] = FontSlot{};
    }
    fontCount_ = 0;
    for (int i = 0; i < familyCount_; ++i) {
        if (families_[i].family != nullptr) {
            auto* family = static_cast<GpFontFamily*>(families_[i].family);
            recordStatus(flat::GdipDeleteFontFamily(family));
        }
        families_[i] = FamilySlot{};
    }
    familyCount_ = 0;
    if (fontCollection_ != nullptr) {
        auto* collection = static_cast<GpFontCollection*>(fontCollection_);
        recordStatus(flat::GdipDeletePrivateFontCollection(&collection));
        fontCollection_ = nullptr;
    }
}

void GdiplusCanvas::bind(void* deviceContext) {
    endDraw();
    deviceContext_ = deviceContext;
}

void GdiplusCanvas::endDraw() {
    if (graphics_ != nullptr) {
        recordStatus(flat::GdipDeleteGraphics(static_cast<GpGraphics*>(graphics_)));
    }
    graphics_ = nullptr;
    deviceContext_ = nullptr;
}

void* GdiplusCanvas::graphics() {
    if (graphics_ != nullptr) return graphics_;
    if (!started_ || deviceContext_ == nullptr) {
        recordStatus(Gdiplus::WrongState);
        return nullptr;
    }
    GpGraphics* made = nullptr;
    const GpStatus status = flat::GdipCreateFromHDC(static_cast<HDC>(deviceContext_), &made);
    recordStatus(status);
    if (status != Gdiplus::Ok) return nullptr;
    graphics_ = made;
    return graphics_;
}

int GdiplusCanvas::familyIndex(const char* name) {
    for (int i = 0; i < familyCount_; ++i) {
        if (std::strcmp(families_[i].name, name) == 0) return i;
    }
    if (familyCount_ == kFamilySlots) return -1;
    FamilySlot& slot = families_[familyCount_];
    slot.name = name;
    GpFontFamily* family = nullptr;
    GpStatus status = Gdiplus::FontFamilyNotFound;
    const bool terminus = std::strcmp(name, "Terminus") == 0;
    // Terminus comes from the file beside the gauge when it loaded, else from the system.
    if (terminus && fontCollection_ != nullptr) {
        status = flat::GdipCreateFontFamilyFromName(
            kPrivateTerminusFamily, static_cast<GpFontCollection*>(fontCollection_), &family);
    }
    if (status != Gdiplus::Ok) {
        wchar_t wide[64];
        toWideName(name, wide, 64);
        status = flat::GdipCreateFontFamilyFromName(wide, nullptr, &family);
    }
    if (status != Gdiplus::Ok && terminus) {
        status = flat::GdipCreateFontFamilyFromName(kPrivateTerminusFamily, nullptr, &family);
    }
    slot.family = status == Gdiplus::Ok ? family : nullptr;
    slot.status = status;
    return familyCount_++;
}

void* GdiplusCanvas::font(const FontSpec& fontSpec) {
    const int family = familyIndex(fontSpec.family);
    if (family < 0) {
        recordStatus(Gdiplus::OutOfMemory);
        return nullptr;
    }
    if (families_[family].family == nullptr) {
        recordStatus(families_[family].status);
        return nullptr;
    }
    for (int i = 0; i < fontCount_; ++i) {
        const FontSlot& slot = fonts_[i];
        if (slot.familyIndex == family && slot.sizePx == fontSpec.sizePx && slot.bold == fontSpec.bold) {
            recordStatus(slot.status);
            return slot.font;
        }
    }
    GpFont* made = nullptr;
    const INT style = fontSpec.bold ? Gdiplus::FontStyleBold : Gdiplus::FontStyleRegular;
    const GpStatus status =
        flat::GdipCreateFont(static_cast<GpFontFamily*>(families_[family].family), fontSpec.sizePx,
                             style, Gdiplus::UnitPixel, &made);
    recordStatus(status);
    if (status != Gdiplus::Ok) made = nullptr;
    // No page uses this many sizes; should the table fill anyway, the last slot is reused.
    if (fontCount_ == kFontSlots) {
        FontSlot& last = fonts_[kFontSlots - 1];
        if (last.font != nullptr) flat::GdipDeleteFont(static_cast<GpFont*>(last.font));
        --fontCount_;
    }
    fonts_[fontCount_++] = FontSlot{family, fontSpec.sizePx, fontSpec.bold, made, status};
    return made;
}

void* GdiplusCanvas::makeBrush(uint32_t argb) {
    GpSolidFill* brush = nullptr;
    const GpStatus status = flat::GdipCreateSolidFill(argb, &brush);
    recordStatus(status);
    return status == Gdiplus::Ok ? brush : nullptr;
}

void* GdiplusCanvas::makePen(uint32_t argb, float width) {
    GpPen* pen = nullptr;
    const GpStatus status = flat::GdipCreatePen1(argb, width, Gdiplus::UnitWorld, &pen);
    recordStatus(status);
    return status == Gdiplus::Ok ? pen : nullptr;
}

void GdiplusCanvas::resetTransform() {
    if (auto* g = static_cast<GpGraphics*>(graphics())) {
        recordStatus(flat::GdipResetWorldTransform(g));
    }
}

void GdiplusCanvas::scaleTransform(float sx, float sy) {
    if (auto* g = static_cast<GpGraphics*>(graphics())) {
        recordStatus(flat::GdipScaleWorldTransform(g, sx, sy, Gdiplus::MatrixOrderPrepend));
    }
}

void GdiplusCanvas::translateTransform(float dx, float dy) {
    if (auto* g = static_cast<GpGraphics*>(graphics())) {
        recordStatus(flat::GdipTranslateWorldTransform(g, dx, dy, Gdiplus::MatrixOrderPrepend));
    }
}

void GdiplusCanvas::setSmoothingMode(int mode) {
    if (auto* g = static_cast<GpGraphics*>(graphics())) {
        recordStatus(flat::GdipSetSmoothingMode(g, static_cast<Gdiplus::SmoothingMode>(mode)));
    }
}

void GdiplusCanvas::setTextRenderingHint(int hint) {
    if (auto* g = static_cast<GpGraphics*>(graphics())) {
        recordStatus(
            flat::GdipSetTextRenderingHint(g, static_cast<Gdiplus::TextRenderingHint>(hint)));
    }
}

void GdiplusCanvas::clear(uint32_t argb) {
    if (auto* g = static_cast<GpGraphics*>(graphics())) {
        recordStatus(flat::GdipGraphicsClear(g, argb));
    }
}

void GdiplusCanvas::setClip(float x, float y, float w, float h) {
    if (auto* g = static_cast<GpGraphics*>(graphics())) {
        recordStatus(flat::GdipSetClipRect(g, x, y, w, h, Gdiplus::CombineModeReplace));
    }
}

void GdiplusCanvas::resetClip() {
    if (auto* g = static_cast<GpGraphics*>(graphics())) recordStatus(flat::GdipResetClip(g));
}

void GdiplusCanvas::drawText(float x, float y, const char* text, const FontSpec& fontSpec,
                             uint32_t argb) {
    auto* g = static_cast<GpGraphics*>(graphics());
    if (g == nullptr || text == nullptr || text[0] == '\0') return;
    auto* f = static_cast<GpFont*>(font(fontSpec));
    if (f == nullptr) return;
    auto* brush = static_cast<GpBrush*>(makeBrush(argb));
    if (brush == nullptr) return;
    wchar_t wide[kMaxTextChars + 1];
    const int length = toWide(text, wide);
    const Gdiplus::RectF layout(x, y, 0.0f, 0.0f);
    recordStatus(flat::GdipDrawString(g, wide, length, f, &layout, nullptr, brush));
    recordStatus(flat::GdipDeleteBrush(brush));
}

void GdiplusCanvas::drawLine(float x1, float y1, float x2, float y2, uint32_t argb,
                             float penWidth) {
    auto* g = static_cast<GpGraphics*>(graphics());
    if (g == nullptr) return;
    auto* pen = static_cast<GpPen*>(makePen(argb, penWidth));
    if (pen == nullptr) return;
    recordStatus(flat::GdipDrawLine(g, pen, x1, y1, x2, y2));
    recordStatus(flat::GdipDeletePen(pen));
}

void GdiplusCanvas::fillRect(float x, float y, float w, float h, uint32_t argb) {
    auto* g = static_cast<GpGraphics*>(graphics());
    if (g == nullptr) return;
    auto* brush = static_cast<GpBrush*>(makeBrush(argb));
    if (brush == nullptr) return;
    recordStatus(flat::GdipFillRectangle(g, brush, x, y, w, h));
    recordStatus(flat::GdipDeleteBrush(brush));
}

void GdiplusCanvas::drawRect(float x, float y, float w, float h, uint32_t argb,
                             float penWidth) {
    auto* g = static_cast<GpGraphics*>(graphics());
    if (g == nullptr) return;
    auto* pen = static_cast<GpPen*>(makePen(argb, penWidth));
    if (pen == nullptr) return;
    recordStatus(flat::GdipDrawRectangle(g, pen, x, y, w, h));
    recordStatus(flat::GdipDeletePen(pen));
}

void GdiplusCanvas::fillPolygon(const PointF* points, int count, uint32_t argb) {
    auto* g = static_cast<GpGraphics*>(graphics());
    if (g == nullptr || points == nullptr || count < 3) return;
    auto* brush = static_cast<GpBrush*>(makeBrush(argb));
    if (brush == nullptr) return;
    static_assert(sizeof(PointF) == sizeof(GpPointF));
    recordStatus(flat::GdipFillPolygon(g, brush, reinterpret_cast<const GpPointF*>(points), count,
                                       Gdiplus::FillModeAlternate));
    recordStatus(flat::GdipDeleteBrush(brush));
}

void GdiplusCanvas::drawPolygon(const PointF* points, int count, uint32_t argb,
                                float penWidth) {
    auto* g = static_cast<GpGraphics*>(graphics());
    if (g == nullptr || points == nullptr || count < 2) return;
    auto* pen = static_cast<GpPen*>(makePen(argb, penWidth));
    if (pen == nullptr) return;
    recordStatus(
        flat::GdipDrawPolygon(g, pen, reinterpret_cast<const GpPointF*>(points), count));
    recordStatus(flat::GdipDeletePen(pen));
}

void GdiplusCanvas::fillEllipse(float x, float y, float w, float h, uint32_t argb) {
    auto* g = static_cast<GpGraphics*>(graphics());
    if (g == nullptr) return;
    auto* brush = static_cast<GpBrush*>(makeBrush(argb));
    if (brush == nullptr) return;
    recordStatus(flat::GdipFillEllipse(g, brush, x, y, w, h));
    recordStatus(flat::GdipDeleteBrush(brush));
}

void GdiplusCanvas::drawEllipse(float x, float y, float w, float h, uint32_t argb,
                                float penWidth) {
    auto* g = static_cast<GpGraphics*>(graphics());
    if (g == nullptr) return;
    auto* pen = static_cast<GpPen*>(makePen(argb, penWidth));
    if (pen == nullptr) return;
    recordStatus(flat::GdipDrawEllipse(g, pen, x, y, w, h));
    recordStatus(flat::GdipDeletePen(pen));
}

}  // namespace gauge
