#include "platform/canvas/cairo_canvas.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <strings.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <deque>
#include <utility>

#include "platform/canvas/cp1252.h"

namespace {

constexpr int kInvalidParameter = 2;
constexpr int kGenericError = 1;
constexpr int kFontFamilyNotFound = 14;  // the status GDI+ gives a missing font family

constexpr double kPi = 3.14159265358979323846;

bool sameName(const char* a, const char* b) { return strcasecmp(a, b) == 0; }

// Whether fontconfig's best match for `family` really is that family, not a substitute.
bool familyInstalled(const char* family) {
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(""));
    if (pattern == nullptr) return false;
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    bool found = false;
    if (match != nullptr) {
        FcChar8* name = nullptr;
        for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
            if (sameName(reinterpret_cast<const char*>(name), family)) found = true;
        }
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return found;
}

}  // namespace

#if defined(__SANITIZE_ADDRESS__)
// Fontconfig loses a few hundred bytes while it parses its configuration files, once per
// process; that is not ours to fix, so the leak checker is told to pass over it.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
#endif

std::string findInstalledFamily(const char* requested) {
    if (requested == nullptr || *requested == '\0') return "";
    if (familyInstalled(requested)) return requested;
    // Debian's fonts-terminus installs its scalable face under this name.
    std::string alternative = std::string(requested) + " (TTF)";
    if (familyInstalled(alternative.c_str())) return alternative;
    return "";
}

CairoCanvas::CairoCanvas(uint32_t widthPx, uint32_t heightPx)
    : widthPx_(widthPx), heightPx_(heightPx) {
    surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(widthPx),
                                          static_cast<int>(heightPx));
    cr_ = cairo_create(surface_);
    if (cairo_status(cr_) != CAIRO_STATUS_SUCCESS) recordStatus(kGenericError);
}

CairoCanvas::~CairoCanvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

void CairoCanvas::setColour(uint32_t argb) {
    cairo_set_source_rgba(cr_, ((argb >> 16) & 0xFF) / 255.0, ((argb >> 8) & 0xFF) / 255.0,
                          (argb & 0xFF) / 255.0, ((argb >> 24) & 0xFF) / 255.0);
}

// cairo's scale and translate apply before the current transform, as GDI+'s do.
void CairoCanvas::resetTransform() { cairo_identity_matrix(cr_); }
void CairoCanvas::scaleTransform(float sx, float sy) {
    if (sx == 0.0f || sy == 0.0f || !std::isfinite(sx) || !std::isfinite(sy)) {
        recordStatus(kInvalidParameter);  // a singular transform would stop every drawing
        return;
    }
    cairo_scale(cr_, sx, sy);
}
void CairoCanvas::translateTransform(float dx, float dy) { cairo_translate(cr_, dx, dy); }

void CairoCanvas::clear(uint32_t argb) {
    cairo_save(cr_);
    cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);
    setColour(argb);
    cairo_paint(cr_);
    cairo_restore(cr_);
}

void CairoCanvas::setClip(float x, float y, float w, float h) {
    cairo_reset_clip(cr_);
    cairo_rectangle(cr_, x, y, w, h);
    cairo_clip(cr_);
}

void CairoCanvas::resetClip() { cairo_reset_clip(cr_); }

// Families are looked up once per process: the answer does not change while it runs, and
// the warning about a missing font is given only once.
const char* CairoCanvas::fontFamilyFor(const char* requested) {
    static std::deque<std::pair<std::string, std::string>> families;  // stable addresses
    const char* key = requested ? requested : "";
    for (const auto& entry : families) {
        if (entry.first == key) return entry.second.c_str();
    }
    std::string family = findInstalledFamily(key);
    if (family.empty()) {
        std::fprintf(stderr, "tarnwick: font \"%s\" is not installed; drawing it in monospace\n",
                     key);
        family = "monospace";
    }
    families.emplace_back(key, family);
    return families.back().second.c_str();
}

void CairoCanvas::drawText(float x, float y, const char* text, const FontSpec& font,
                           uint32_t argb) {
    if (text == nullptr || !(font.sizePx > 0.0f)) {
        recordStatus(kInvalidParameter);
        return;
    }
    const char* family = fontFamilyFor(font.family);
    if (*family == '\0') {
        recordStatus(kFontFamilyNotFound);
        return;
    }
    char utf8[512];
    cp1252ToUtf8(text, utf8, sizeof utf8);
    cairo_select_font_face(cr_, family, CAIRO_FONT_SLANT_NORMAL,
                           font.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr_, font.sizePx);
    cairo_font_extents_t extents;
    cairo_font_extents(cr_, &extents);
    // (x, y) is the top-left of the text's layout box: the baseline lies one ascent lower.
    setColour(argb);
    cairo_move_to(cr_, x, y + extents.ascent);
    cairo_show_text(cr_, utf8);
    cairo_new_path(cr_);
    if (cairo_status(cr_) != CAIRO_STATUS_SUCCESS) recordStatus(kGenericError);
}

void CairoCanvas::drawLine(float x1, float y1, float x2, float y2, uint32_t argb,
                           float penWidth) {
    setColour(argb);
    cairo_set_line_width(cr_, penWidth);
    cairo_move_to(cr_, x1, y1);
    cairo_line_to(cr_, x2, y2);
    cairo_stroke(cr_);
}

void CairoCanvas::fillRect(float x, float y, float w, float h, uint32_t argb) {
    setColour(argb);
    cairo_rectangle(cr_, x, y, w, h);
    cairo_fill(cr_);
}

void CairoCanvas::drawRect(float x, float y, float w, float h, uint32_t argb, float penWidth) {
    setColour(argb);
    cairo_set_line_width(cr_, penWidth);
    cairo_rectangle(cr_, x, y, w, h);
    cairo_stroke(cr_);
}

void CairoCanvas::pathPolygon(const PointF* points, int count) {
    cairo_move_to(cr_, points[0].x, points[0].y);
    for (int i = 1; i < count; ++i) cairo_line_to(cr_, points[i].x, points[i].y);
    cairo_close_path(cr_);
}

void CairoCanvas::fillPolygon(const PointF* points, int count, uint32_t argb) {
    if (points == nullptr || count <= 0) {
        recordStatus(kInvalidParameter);
        return;
    }
    setColour(argb);
    pathPolygon(points, count);
    cairo_fill(cr_);
}

void CairoCanvas::drawPolygon(const PointF* points, int count, uint32_t argb, float penWidth) {
    if (points == nullptr || count <= 0) {
        recordStatus(kInvalidParameter);
        return;
    }
    setColour(argb);
    cairo_set_line_width(cr_, penWidth);
    pathPolygon(points, count);
    cairo_stroke(cr_);
}

void CairoCanvas::pathEllipse(float x, float y, float w, float h) {
    cairo_save(cr_);
    cairo_translate(cr_, x + w / 2.0, y + h / 2.0);
    cairo_scale(cr_, w / 2.0, h / 2.0);
    cairo_new_sub_path(cr_);
    cairo_arc(cr_, 0.0, 0.0, 1.0, 0.0, 2.0 * kPi);
    cairo_restore(cr_);
}

void CairoCanvas::fillEllipse(float x, float y, float w, float h, uint32_t argb) {
    if (!(w > 0.0f) || !(h > 0.0f)) return;
    setColour(argb);
    pathEllipse(x, y, w, h);
    cairo_fill(cr_);
}

void CairoCanvas::drawEllipse(float x, float y, float w, float h, uint32_t argb,
                              float penWidth) {
    if (!(w > 0.0f) || !(h > 0.0f)) return;
    setColour(argb);
    cairo_set_line_width(cr_, penWidth);
    pathEllipse(x, y, w, h);
    cairo_stroke(cr_);
}

uint32_t CairoCanvas::pixel(uint32_t x, uint32_t y) const {
    if (x >= widthPx_ || y >= heightPx_) return 0;
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    int stride = cairo_image_surface_get_stride(surface_);
    uint32_t premultiplied;
    std::memcpy(&premultiplied, data + static_cast<size_t>(y) * stride + x * 4, 4);
    uint32_t a = premultiplied >> 24;
    if (a == 0) return 0;
    auto channel = [&](int shift) {
        uint32_t c = (premultiplied >> shift) & 0xFF;
        return std::min<uint32_t>(255, (c * 255 + a / 2) / a);
    };
    return (a << 24) | (channel(16) << 16) | (channel(8) << 8) | channel(0);
}

bool CairoCanvas::writePng(const char* path, std::string& error) const {
    if (path == nullptr || *path == '\0') {
        error = "no file name";
        return false;
    }
    cairo_surface_flush(surface_);
    cairo_surface_t* out = cairo_image_surface_create(
        CAIRO_FORMAT_ARGB32, static_cast<int>(widthPx_), static_cast<int>(heightPx_));
    cairo_t* cr = cairo_create(out);
    cairo_set_source_rgba(cr, ((kScreenBackground >> 16) & 0xFF) / 255.0,
                          ((kScreenBackground >> 8) & 0xFF) / 255.0,
                          (kScreenBackground & 0xFF) / 255.0, 1.0);
    cairo_paint(cr);
    cairo_set_source_surface(cr, surface_, 0.0, 0.0);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_status_t status = cairo_surface_write_to_png(out, path);
    cairo_surface_destroy(out);
    if (status != CAIRO_STATUS_SUCCESS) {
        error = cairo_status_to_string(status);
        return false;
    }
    return true;
}
