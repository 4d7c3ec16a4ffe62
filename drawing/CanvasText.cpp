#include "drawing/CanvasText.h"

#include "drawing/PixelRange.h"

namespace {

bool Has(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

}  // namespace

void DrawRotatedText(Canvas& canvas, int32_t x, int32_t y, float height, float width, int32_t angleDeg,
                     const std::string& text) {
    CanvasFont font;
    font.Height = ToPixelInt(height);
    font.Width = ToPixelInt(width);
    font.Escapement = angleDeg * 10;
    font.Face = "Arial";
    if (font.Height <= 0) return;
    canvas.Text(x, y, font, text);
}

float EstimatedCharacterCount(const std::string& text) {
    float n = static_cast<float>(text.size());
    if (Has(text, ".")) n -= 0.8f;
    if (Has(text, " ")) n -= 0.8f;
    if (Has(text, ",")) n -= 0.8f;
    if (Has(text, "tt")) n -= 1.0f;
    else if (Has(text, "t")) n -= 0.6f;
    if (Has(text, "ff")) n -= 1.0f;
    else if (Has(text, "f")) n -= 0.6f;
    if (Has(text, "/")) n -= 0.6f;
    if (Has(text, "m")) n += 0.4f;
    if (Has(text, "i")) n -= 0.6f;
    if (Has(text, "r")) n -= 0.6f;
    return n;
}
