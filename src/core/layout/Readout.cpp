#include "layout/Readout.h"

#include "text/Catalogue.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tavrolin {

namespace {

// From the point to the box's nearer edge.
constexpr int gap = 12;

std::string number(int value) { return std::to_string(value); }

} // namespace

StepValues stepValues(const PlottedStep& step)
{
    StepValues values;
    values.thickness = step.thickness;
    const double degrees = std::fmod(step.phase * 180 / std::numbers::pi, 360.0);
    values.degrees = int(std::lround(degrees < 0 ? degrees + 360 : degrees)) % 360;
    values.percent = step.largest > 0 ? int(std::lround(100 * step.strength / step.largest)) : 0;
    return values;
}

std::vector<std::string> readoutTexts(const StepValues& values)
{
    return {formatted(tr("Síla skla: {thickness} px"), {{"thickness", number(values.thickness)}}),
            formatted(tr("Fáze: {degrees}°"), {{"degrees", number(values.degrees)}}),
            // xgettext:no-c-format
            formatted(tr("Odraz: {percent} % největšího"), {{"percent", number(values.percent)}})};
}

Readout readoutFor(const PlottedStep& step)
{
    const int pitch = lineHeight(readoutFont.family, readoutFont.pixelSize());
    Readout readout;
    int top = readoutPadding;
    for (std::string& text : readoutTexts(stepValues(step))) {
        readout.lines.push_back({std::move(text), double(readoutPadding), top, 1});
        top += pitch;
    }
    readout.width = readoutWidth;
    readout.height = top + readoutPadding;
    const int x = int(std::lround(step.x)), y = int(std::lround(step.y));
    readout.left = x + gap + readout.width <= sceneWidth ? x + gap : std::max(0, x - gap - readout.width);
    readout.top = std::clamp(y - readout.height / 2, 0, sceneHeight - readout.height);
    return readout;
}

std::string pausedText(const StepValues& values)
{
    // xgettext:no-c-format
    return formatted(tr("Pozastaveno: síla skla {thickness} px, fáze {degrees}°, odraz {percent} % největšího."),
                     {{"thickness", number(values.thickness)},
                      {"degrees", number(values.degrees)},
                      {"percent", number(values.percent)}});
}

} // namespace tavrolin
