#include "layout/LabelText.h"

#include "text/Catalogue.h"

#include <algorithm>
#include <cmath>

namespace tavrolin {

namespace {

// The fonts' Windows ascent and descent, in units of 1/2048 em.
struct Metrics {
    int ascent, descent;
};
Metrics metricsOf(FontFamily family)
{
    return family == FontFamily::TimesNewRoman ? Metrics{1825, 443} : Metrics{1854, 434};
}

std::vector<std::string> wrapped(std::string_view text, double width, const MeasureText& measure)
{
    std::vector<std::string> lines;
    std::string line;
    bool first = true;
    for (std::size_t start = 0;;) {
        const std::size_t blank = text.find(' ', start);
        const std::string_view word = text.substr(start, blank == std::string_view::npos ? blank : blank - start);
        std::string tried = first ? std::string(word) : line + ' ' + std::string(word);
        if (!first && measure(tried) > width) {
            lines.push_back(line);
            line = std::string(word);
        } else {
            line = std::move(tried);
        }
        first = false;
        if (blank == std::string_view::npos) break;
        start = blank + 1;
    }
    lines.push_back(line);
    return lines;
}

} // namespace

int lineHeight(FontFamily family, double fontPixels)
{
    const Metrics m = metricsOf(family);
    return int(std::ceil(fontPixels * m.ascent / 2048) + std::ceil(fontPixels * m.descent / 2048));
}

double squeezeToFit(double textWidth, double width)
{
    return textWidth > width && textWidth > 0 ? width / textWidth : 1;
}

std::vector<TextLine> labelLines(std::string_view text, TextAlign align, FontFamily family, double fontPixels,
                                 int width, int height, const MeasureText& measure)
{
    const int spacing = lineHeight(family, fontPixels);
    std::vector<std::string> texts{std::string(text)};
    if (height >= 2 * spacing && measure(text) > width) texts = wrapped(text, width, measure);

    // A line drawn narrower keeps an eighth of the em free at its end: the
    // last glyph's ink may reach a little past its advance, and would be cut
    // at the box's edge.
    const double room = std::ceil(fontPixels / 8);
    std::vector<TextLine> lines;
    int top = 0;
    for (std::string& t : texts) {
        const double natural = measure(t);
        const double squeeze = natural > width ? squeezeToFit(natural, std::max(1.0, width - room)) : 1;
        const double left = align == TextAlign::Centre ? (width - natural * squeeze) / 2 : 0;
        lines.push_back({std::move(t), left, top, squeeze});
        top += spacing;
    }
    return lines;
}

std::optional<AxisLabelText> axisLabelText(int width, int height, double fontPixels, const MeasureText& measure)
{
    if (currentLanguage() == Language::Czech) return std::nullopt;
    std::string text(tr("Síla skla"));
    const double length = measure(text);
    const int thickness = lineHeight(axisLabelFont.family, fontPixels);
    return AxisLabelText{std::move(text), (width + thickness) / 2.0, (height - length) / 2};
}

} // namespace tavrolin
