#include "WindowWidgetsTest.h"

#include "StartedProgram.h"
#include "layout/LabelText.h"
#include "layout/Layout.h"
#include "layout/Readout.h"
#include "qt/Fonts.h"
#include "qt/Program.h"
#include "text/Catalogue.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QtTest>

#include <map>
#include <memory>
#include <set>

using namespace tavrolin;

namespace {

std::unique_ptr<qt::Program> program;

QString name(ControlId id) { return QString::fromUtf8(layoutOf(id).name.data(), qsizetype(layoutOf(id).name.size())); }

std::string field(ControlId id) { return program->toolkit().getText(id); }

bool checked(ControlId id) { return qobject_cast<QRadioButton*>(program->widget(id))->isChecked(); }

} // namespace

void WindowWidgetsTest::init()
{
    program = test::startProgram(false);
    QVERIFY(program);
}

void WindowWidgetsTest::cleanup() { program.reset(); }

void WindowWidgetsTest::everyControlHasItsNameGeometryAndFont()
{
    for (const ControlRow& c : layout()) {
        if (c.kind == ControlKind::Label || c.kind == ControlKind::Image) {
            QVERIFY2(program->window().paints(c.id), c.name.data());
            QCOMPARE(program->toolkit().painted().rect(c.id), (PixelRect{c.left, c.top, c.width, c.height}));
            continue;
        }
        auto* w = program->window().findChild<QWidget*>(name(c.id));
        QVERIFY2(w, c.name.data());
        QCOMPARE(w, program->widget(c.id));
        QCOMPARE(w->geometry(), QRect(c.left, c.top, c.width, c.height));
        const int pixels = c.font ? c.font->pixelSize() : 11;
        QCOMPARE(w->font().pixelSize(), pixels);
        QCOMPARE(w->font().bold(), c.font.has_value());
    }
}

void WindowWidgetsTest::onlyTheLayoutsVisibleControlsShowAfterStartUp()
{
    using enum ControlId;
    const std::set<ControlId> expected{HScroll1,      nZrcadleniDvouRozhrani,
                                       frmRelDelka,   frmFrekvence,
                                       frmBarva1,     op05,
                                       op1,           op15,
                                       opCerna,       opCervena,
                                       opzelená,      opModra,
                                       op05D,         op1D,
                                       op15D,         cmdKonec,
                                       cmdStart,      labKlepnuti,
                                       labOdrazeného, labRelDelka};
    std::set<ControlId> visible;
    for (const ControlRow& c : layout()) {
        const bool painted = program->window().paints(c.id);
        if (painted ? program->toolkit().painted().visible(c.id) : program->widget(c.id)->isVisible())
            visible.insert(c.id);
    }
    QCOMPARE(visible, expected);
}

void WindowWidgetsTest::backgroundsAreTheLayoutsColours()
{
    using enum ControlId;
    const std::pair<ControlId, QColor> colours[] = {{op05, QColor(255, 128, 128)},    {op1, QColor(0, 255, 0)},
                                                    {op15, QColor(192, 192, 255)},    {opCervena, QColor(255, 0, 0)},
                                                    {opModra, QColor(192, 192, 255)}, {opCerna, QColor(192, 192, 192)}};
    const QImage shot = program->window().grab().toImage();
    for (const auto& [id, colour] : colours) {
        QWidget* w = program->widget(id);
        QCOMPARE(w->palette().color(QPalette::Window), colour);
        // Sampled near the right edge of the button, clear of its text.
        const QPoint at = w->mapTo(&program->window(), QPoint(w->width() - 2, w->height() / 2));
        QCOMPARE(shot.pixelColor(at), colour);
    }
}

void WindowWidgetsTest::windowCaptionSizeAndFocus()
{
    QCOMPARE(program->window().windowTitle(), QString("Tavrolin - https://tavrolin.example.org"));
    QVERIFY(program->window().windowState() & Qt::WindowMaximized);
    QVERIFY(!program->window().windowIcon().isNull());
    QCOMPARE(QApplication::focusWidget(), program->widget(ControlId::cmdStart));
    QCOMPARE(program->window().normalGeometry().size(), QSize(792, 516));
    QCOMPARE(program->widget(ControlId::cmdKonec)->geometry(), QRect(720, 8, 73, 33));
}

void WindowWidgetsTest::tabFromStartSkipsTitleHiddenControlsAndFrames()
{
    // Real Tab presses from Start, once round the window, as the window
    // gets them from the desktop.
    std::vector<QString> order;
    for (int i = 0; i < 20; ++i) {
        QTest::keyClick(program->window().windowHandle(), Qt::Key_Tab);
        QWidget* w = QApplication::focusWidget();
        if (w == program->widget(ControlId::cmdStart)) break;
        order.push_back(w->objectName());
    }
    const std::vector<QString> want{"opzelená", "op1", "cmdKonec", "op1D", "HScroll1"};
    QCOMPARE(order, want);

    // After another choice, Tab enters the group at the new selection.
    QTest::mouseClick(program->widget(ControlId::op15D), Qt::LeftButton);
    program->widget(ControlId::cmdKonec)->setFocus();
    QTest::keyClick(program->window().windowHandle(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), program->widget(ControlId::op15D));
}

void WindowWidgetsTest::arrowKeysMoveTheSelectionAndRunTheHandler()
{
    using enum ControlId;
    QWidget* one = program->widget(op1);
    one->setFocus();
    QTest::keyClick(program->window().windowHandle(), Qt::Key_Down);
    // The next button of the frame takes the selection and its handler runs.
    QWidget* now = QApplication::focusWidget();
    QVERIFY(now != one);
    QVERIFY(qobject_cast<QRadioButton*>(now)->isChecked());
    const std::string frequency = field(nFrekvence);
    QVERIFY2(frequency == "1.5" || frequency == "0.5", frequency.c_str());
    QVERIFY(!checked(opzelená));
}

void WindowWidgetsTest::scrollBarWritesEveryChange()
{
    auto* bar = qobject_cast<QScrollBar*>(program->widget(ControlId::HScroll1));
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(field(ControlId::nSpomaleni), std::string("2"));
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(field(ControlId::nSpomaleni), std::string("3"));
    bar->setFocus();
    QTest::keyClick(program->window().windowHandle(), Qt::Key_End);
    QCOMPARE(field(ControlId::nSpomaleni), std::string("30"));
    QTest::keyClick(program->window().windowHandle(), Qt::Key_Right);
    QCOMPARE(bar->value(), 30);
    QTest::keyClick(program->window().windowHandle(), Qt::Key_Left);
    QCOMPARE(field(ControlId::nSpomaleni), std::string("29"));
    QTest::keyClick(program->window().windowHandle(), Qt::Key_Right);
    QCOMPARE(field(ControlId::nSpomaleni), std::string("30"));
}

void WindowWidgetsTest::userClickOnAFrequencyButtonRunsItsChain()
{
    using enum ControlId;
    QTest::mouseClick(program->widget(op05), Qt::LeftButton);
    QCOMPARE(field(nFrekvence), std::string("0.5"));
    QCOMPARE(field(nBarva), std::string("červená"));
    QVERIFY(checked(op05) && checked(opCervena) && !checked(opzelená) && !checked(op1));
    QTest::mouseClick(program->widget(opCerna), Qt::LeftButton);
    QCOMPARE(field(nBarva), std::string("černá"));
    QCOMPARE(field(nFrekvence), std::string("0.5"));
    // The separator is the user's locale's, which Qt reads from the session.
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::Czechia));
    QTest::mouseClick(program->widget(op15), Qt::LeftButton);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(field(nFrekvence), std::string("1,5"));
}

void WindowWidgetsTest::konecClosesTheWindow()
{
    QTest::mouseClick(program->widget(ControlId::cmdKonec), Qt::LeftButton);
    QVERIFY(!program->window().isVisible());
}

void WindowWidgetsTest::keyboardAloneStartsARunAndEndsTheProgram()
{
    program->backend().setWait([](std::chrono::nanoseconds) {});
    QCOMPARE(QApplication::focusWidget(), program->widget(ControlId::cmdStart));
    QTest::keyClick(program->window().windowHandle(), Qt::Key_Return);
    QCOMPARE(program->toolkit().stepsShown(), 301);
    program->widget(ControlId::cmdKonec)->setFocus();
    QTest::keyClick(program->window().windowHandle(), Qt::Key_Space);
    QVERIFY(!program->window().isVisible());
}

void WindowWidgetsTest::controlsWithoutCaptionsHaveAccessibleNames()
{
    QCOMPARE(program->widget(ControlId::HScroll1)->accessibleName(), QString("Zpomalení animace"));
    QCOMPARE(program->widget(ControlId::nZrcadleniDvouRozhrani)->accessibleName(), QString("Nadpis"));
    QVERIFY(program->window().accessibleDescription().startsWith("Animace"));
}

void WindowWidgetsTest::axisLabelBitmapIsTheDescribedImage()
{
    const QImage image = qt::axisLabelImage();
    QCOMPARE(image.size(), QSize(19, 68));
    int text = 0, light = 0;
    for (int y = 0; y < 68; ++y)
        for (int x = 0; x < 19; ++x) {
            const QRgb p = image.pixel(x, y);
            if (p == qRgb(16, 24, 16)) ++text;
            if (p == qRgb(176, 184, 176) || p == qRgb(192, 199, 192)) ++light;
        }
    QCOMPARE(text + light, 19 * 68);
    QVERIFY(text > 100);
    // Letter tops face right: the ink sits towards the right edge, where the
    // letters' x-height lies, and the ascenders (S, í, l, k) reach it.
    int right = 0, left = 0;
    for (int y = 0; y < 68; ++y) {
        for (int x = 0; x < 6; ++x)
            left += image.pixel(x, y) == qRgb(16, 24, 16);
        for (int x = 13; x < 19; ++x)
            right += image.pixel(x, y) == qRgb(16, 24, 16);
    }
    QVERIFY2(right > 0 && left > 0, qPrintable(QString("%1 %2").arg(left).arg(right)));
}

namespace {

QString text(std::string_view utf8) { return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())); }

// What a control's text needs and what its box gives it, in layout pixels
// at 1:1. A painted label's need is its widest line.
struct TextFit {
    double need = 0, room = 0;
};

TextFit fitOf(const ControlRow& c)
{
    const QFont font = qt::fontFor(c.font);
    const QFontMetricsF metrics(font);
    const auto measure = [&](std::string_view t) { return metrics.horizontalAdvance(text(t)); };
    const std::string_view caption = tr(c.caption);
    if (c.kind == ControlKind::Image) {
        const QFontMetricsF turned(qt::fontFor(axisLabelFont));
        const auto axis = axisLabelText(c.width, c.height, axisLabelFont.pixelSize(),
                                        [&](std::string_view t) { return turned.horizontalAdvance(text(t)); });
        return axis ? TextFit{turned.horizontalAdvance(QString::fromStdString(axis->text)), double(c.height)}
                    : TextFit{};
    }
    if (c.kind == ControlKind::Label) {
        const auto family = c.font.value_or(windowLayout().defaultFont).family;
        const int width = program->toolkit().painted().rect(c.id).width;
        const auto lines = labelLines(caption, c.align, family, font.pixelSize(), width, c.height, measure);
        TextFit fit{0, double(width)};
        for (const TextLine& line : lines) {
            const std::string_view trimmed = std::string_view(line.text).substr(0, line.text.find_last_not_of(' ') + 1);
            fit.need = std::max(fit.need, measure(trimmed));
        }
        if (lines.size() > 1 && int(lines.size()) * lineHeight(family, font.pixelSize()) > c.height) fit.need = 1e9;
        return fit;
    }
    QWidget* w = program->widget(c.id);
    if (c.kind == ControlKind::Frame)
        return {measure(caption), double(c.width - frameCaptionIndent - 2 * frameCaptionPadding)};
    if (c.kind == ControlKind::TextField) {
        QStyleOptionFrame o;
        o.initFrom(w);
        // QLineEdit keeps 2 px inside its contents on either side.
        return {measure(caption), double(w->style()->subElementRect(QStyle::SE_LineEditContents, &o, w).width() - 4)};
    }
    QStyleOptionButton o;
    o.initFrom(w);
    const auto element =
        c.kind == ControlKind::OptionButton ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents;
    // A neighbour that overlaps the button's end hides what runs under it.
    const QRect contents = w->style()->subElementRect(element, &o, w);
    int right = contents.right() + 1;
    for (const ControlRow& d : layout())
        if (d.id != c.id && d.container == c.container && d.visibleAtStart && d.left > c.left &&
            d.left < c.left + c.width && d.top < c.top + c.height && c.top < d.top + d.height)
            right = std::min(right, d.left - c.left);
    return {measure(caption), double(right - contents.left())};
}

// Whether the user ever sees the control: shown at start, or a label the
// run's last picture shows, in a container that is seen.
bool seen(const ControlRow& c)
{
    const bool own = c.visibleAtStart || c.kind == ControlKind::Label || c.kind == ControlKind::Image;
    return own && (c.container == ControlId::Tavrolin || layoutOf(c.container).visibleAtStart);
}

} // namespace

// Every language's texts, with the layout's fonts: a translation fits its box
// without being drawn narrower, or needs no more room than the Czech text,
// which the layout was made for. A centred label's lines are kept to the
// Czech lines' width too: the run's picture covers that much of it.
void WindowWidgetsTest::everyTextOfEveryLanguageFitsItsControl()
{
    std::map<ControlId, TextFit> czech;
    QStringList misfits;
    for (std::size_t l = 0; l < languageCount; ++l) {
        const auto language = Language(l);
        program.reset();
        setLanguage(language);
        program = test::startProgram(false);
        QVERIFY(program);
        for (const ControlRow& c : layout()) {
            if (!seen(c) || (c.caption.empty() && c.kind != ControlKind::Image)) continue;
            const TextFit fit = fitOf(c);
            if (language == Language::Czech) {
                czech[c.id] = fit;
                continue;
            }
            double allowed = std::max(fit.room, czech[c.id].need);
            if (c.align == TextAlign::Centre) allowed = std::min(fit.room, czech[c.id].need);
            if (fit.need > allowed + 0.01)
                misfits << QString("%1 %2: \"%3\" needs %4 of %5")
                               .arg(text(languageTag(language)), name(c.id),
                                    text(tavrolin::tr(c.kind == ControlKind::Image ? std::string_view("Síla skla")
                                                                                   : c.caption)))
                               .arg(fit.need, 0, 'f', 1)
                               .arg(allowed, 0, 'f', 1);
        }
        // The paused run's readout at its widest values.
        const QFontMetricsF readoutMetrics(qt::fontFor(readoutFont));
        for (const std::string& line : readoutTexts({300, 359, 100})) {
            const double need = readoutMetrics.horizontalAdvance(text(line));
            if (need > readoutWidth - 2 * readoutPadding)
                misfits
                    << QString("%1 readout: \"%2\" needs %3").arg(text(languageTag(language)), text(line)).arg(need);
        }
    }
    setLanguage(Language::Czech);
    QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join('\n')));
}

QTEST_MAIN(WindowWidgetsTest)
