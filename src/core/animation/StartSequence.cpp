#include "animation/StartSequence.h"

#include "animation/Numbers.h"
#include "layout/SettingsTexts.h"
#include "text/Catalogue.h"

namespace tavrolin::animation {

std::string_view clearQuestion() { return tr("Vymazat graf pro novou animaci?"); }

namespace {

using enum ControlId;

// A band is cleared row by row from the bottom up, one silver line per row
// at y = areaHeight - i; rows above the surface are clipped by the toolkit.
struct Band {
    int firstI, lastI;
    double x1;
    double (*x2)(const SceneGeometry&);
};

double nearRightEdge(const SceneGeometry& g) { return g.areaWidth - 5; }
double halfWidth(const SceneGeometry& g) { return g.areaWidth / 2; }

constexpr Band bandA{1, 600, 100, nearRightEdge};   // the graph, asked for
constexpr Band bandB{1, 500, 20, halfWidth};        // the glass side
constexpr Band bandC{400, 600, 100, nearRightEdge}; // phase diagram, strip above the graph

void clear(Toolkit& tk, const SceneGeometry& g, const Band& band)
{
    const float x1 = single(band.x1);
    const float x2 = single(band.x2(g));
    for (int i = band.firstI; i <= band.lastI; ++i) {
        const float y = single(g.areaHeight - i);
        tk.drawLine(x1, y, x2, y, colSilver);
    }
}

double readNumber(Toolkit& tk, ControlId field) { return checked(tk.numberFromText(tk.getText(field))); }

void line(Toolkit& tk, double x1, double y1, double x2, double y2)
{
    tk.drawLine(single(x1), single(y1), single(x2), single(y2));
}

void circle(Toolkit& tk, double x, double y, double r) { tk.drawCircle(single(x), single(y), single(r)); }

} // namespace

SceneGeometry startSequence(Toolkit& tk)
{
    SceneGeometry g;
    tk.setPixelUnits();
    tk.setPenWidth(1);
    g.areaWidth = 800;
    g.areaHeight = 581;

    if (tk.getText(nStartuje) != texts::firstRun) {
        if (tk.askYesNo(clearQuestion()) != Answer::No) clear(tk, g, bandA);
    }
    tk.setText(nStartuje, texts::laterRun);
    clear(tk, g, bandB);
    clear(tk, g, bandC);

    const double F = readNumber(tk, nFrekvence);
    g.phaseStep = checked((1.57041 / 100) * 5 * F);
    g.frontLen = 50;
    const double N = readNumber(tk, nNasob);
    g.backLen = checked(g.frontLen * N);
    g.arrowCy = g.areaHeight / 2 - 180;

    g.graphX0 = g.areaWidth / 2 + 20;
    g.graphY0 = g.areaHeight / 2 - 100;
    g.graphY1 = g.areaHeight / 2 + 250;
    tk.setPenWidth(1);
    line(tk, g.graphX0, g.graphY0, g.graphX0, g.graphY1); // thickness axis

    g.arrowCx = g.graphX0 + 50;
    line(tk, g.arrowCx, g.arrowCy, g.arrowCx + g.frontLen, g.arrowCy); // front-surface arrow

    g.graphX1 = g.areaWidth - 20;
    line(tk, g.graphX0, g.graphY0, g.graphX1, g.graphY0); // reflection axis

    tk.setPenWidth(1);
    circle(tk, g.arrowCx, g.arrowCy, g.frontLen); // phase circle

    g.glassLeft = 30;
    g.glassRight = g.areaWidth / 2;
    g.glassTop = g.areaHeight / 2 - 100;
    line(tk, g.glassLeft, g.glassTop, g.glassRight, g.glassTop); // top surface

    g.sourceX = g.glassLeft;
    const double S = readNumber(tk, nPosunZdroje);
    g.sourceY = checked((g.glassTop - 100) + S);
    circle(tk, g.sourceX, g.sourceY, 5);

    g.detectorX = g.glassRight;
    g.detectorY = g.glassTop - 100;
    circle(tk, g.detectorX, g.detectorY, 5);

    g.hitX = g.glassLeft + (g.glassRight - g.glassLeft) / 2;
    tk.setPenWidth(1);
    line(tk, g.sourceX, g.sourceY, g.hitX, g.glassTop); // incident ray

    const double longest = checked((g.frontLen + g.backLen) * (g.frontLen + g.backLen));
    g.maxLineX = checked(g.graphX0 + longest * reflectScale);
    tk.setPenWidth(1);
    line(tk, g.maxLineX, g.graphY0, g.maxLineX, g.graphY1);
    g.halfLineX = checked(g.graphX0 + longest * 0.01);
    line(tk, g.halfLineX, g.graphY0, g.halfLineX, g.graphY1);
    return g;
}

} // namespace tavrolin::animation
