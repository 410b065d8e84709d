// The cost of the Start run's own logic: a whole run against a toolkit that
// draws nothing and does not pause.
#include "animation/StartRun.h"
#include "toolkit/Toolkit.h"

#include <benchmark/benchmark.h>

#include <array>
#include <charconv>

namespace {

using namespace tavrolin;

class NullToolkit final : public Toolkit {
public:
    NullToolkit()
    {
        text(ControlId::nFrekvence) = "1";
        text(ControlId::nNasob) = "1";
        text(ControlId::nPosunZdroje) = "0";
        text(ControlId::nBarva) = "zelená";
        text(ControlId::nSpomaleni) = "1";
        text(ControlId::nStartuje) = "Ne";
    }
    std::string& text(ControlId id) { return texts_[indexOf(id)]; }

    long long lines = 0;

    void setPixelUnits() override {}
    void setPenWidth(std::int16_t) override {}
    void drawLine(float x1, float, float, float, std::optional<Colour>) override
    {
        ++lines;
        benchmark::DoNotOptimize(x1);
    }
    void drawCircle(float x, float, float, std::optional<Colour>) override { benchmark::DoNotOptimize(x); }
    std::string getText(ControlId field) override { return texts_[indexOf(field)]; }
    void setText(ControlId field, std::string_view t) override { texts_[indexOf(field)] = t; }
    void selectOption(ControlId) override {}
    std::int16_t getScrollValue(ControlId) override { return 1; }
    void showControl(ControlId) override {}
    void moveControl(ControlId, float, float) override {}
    void closeWindow() override {}
    Answer askYesNo(std::string_view) override { return Answer::No; }
    std::string textFromInteger(std::int16_t v) override { return std::to_string(v); }
    std::string textFromReal(double v) override { return std::to_string(v); }
    double numberFromText(std::string_view t) override
    {
        double v = 0;
        std::from_chars(t.data(), t.data() + t.size(), v);
        return v;
    }
    void pause(std::chrono::nanoseconds) override {}

private:
    std::array<std::string, controlCount> texts_{};
};

void WholeRunWithoutDrawing(benchmark::State& state)
{
    NullToolkit tk;
    for (auto _ : state)
        animation::cmdStart_Click(tk);
    state.counters["lines/run"] = double(tk.lines) / double(state.iterations());
}
BENCHMARK(WholeRunWithoutDrawing)->Unit(benchmark::kMicrosecond);

} // namespace
