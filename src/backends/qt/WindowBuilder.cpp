#include "WindowBuilder.h"

#include "CaptionFrame.h"
#include "ColourMapping.h"
#include "Fonts.h"
#include "QtText.h"
#include "layout/Layout.h"
#include "text/Catalogue.h"
#include "window/Accessibility.h"

#include <QIcon>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <vector>

// The images live in a static library; a static library's resources are
// registered only when asked for by name.
static void initResources() { Q_INIT_RESOURCE(tavrolin); }

namespace tavrolin::qt {

namespace {

void setBackground(QWidget* w, QColor colour)
{
    QPalette palette = w->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Button, colour);
    palette.setColor(QPalette::Base, colour);
    const QColor text = toQColor(controlText);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Dark, QColor(128, 128, 128));
    palette.setColor(QPalette::Light, Qt::white);
    w->setPalette(palette);
    w->setAutoFillBackground(true);
}

QWidget* createWidget(const ControlRow& c, QWidget* parent)
{
    switch (c.kind) {
    case ControlKind::ScrollBar: {
        auto* bar = new QScrollBar(Qt::Horizontal, parent);
        const ScrollRange& r = windowLayout().scroll;
        bar->setRange(r.minimum, r.maximum);
        bar->setValue(r.value);
        bar->setSingleStep(r.smallChange);
        bar->setPageStep(r.largeChange);
        // A dragged thumb reports its value once, when it is released.
        bar->setTracking(false);
        // A scroll bar's keys run inverted by default in Qt; the right arrow
        // key must make the animation slower, as the right arrow button does.
        bar->setInvertedControls(false);
        return bar;
    }
    case ControlKind::TextField:
        return new QLineEdit(qs(tr(c.caption)), parent);
    case ControlKind::Frame:
        return new CaptionFrame(qs(tr(c.caption)), parent);
    case ControlKind::CommandButton: {
        auto* button = new QPushButton(qs(tr(c.caption)), parent);
        // The focused button is drawn as the one Enter presses, as in a
        // Windows dialog; the core presses it.
        button->setAutoDefault(true);
        return button;
    }
    case ControlKind::OptionButton:
        return new QRadioButton(qs(tr(c.caption)), parent);
    case ControlKind::Window:
    case ControlKind::Label:
    case ControlKind::Image:
        break;
    }
    return nullptr;
}

Qt::FocusPolicy focusPolicyFor(const ControlRow& c)
{
    if (c.kind == ControlKind::Frame) return Qt::NoFocus;
    return c.tabStop ? Qt::StrongFocus : Qt::ClickFocus;
}

PaintedLook paintedFor(const ControlRow& c)
{
    PaintedLook p;
    p.text = std::string(tr(c.caption));
    p.font = fontFor(c.font);
    p.family = c.font.value_or(windowLayout().defaultFont).family;
    p.align = c.align;
    p.background = toQColor(c.background);
    if (c.kind == ControlKind::Image) {
        p.image = axisLabelImage(QStringLiteral(":/tavrolin/sila_skla.bmp"));
        p.image2x = axisLabelImage(QStringLiteral(":/tavrolin/sila_skla_2x.bmp"));
    }
    return p;
}

} // namespace

QRect placeOf(const BuiltWindow& built, ControlId id, QPoint at)
{
    const Fit& fit = built.fit;
    const PixelRect r =
        placeControl(layoutOf(id), at.x(), at.y(), {int(std::lround(fit.left)), int(std::lround(fit.top))},
                     [&](int v) { return int(std::floor(v * fit.scale + 0.5)); });
    return QRect(r.left, r.top, r.width, r.height);
}

void applyFit(BuiltWindow& built, const Fit& fit)
{
    built.fit = fit;
    built.style->setScale(fit.scale);
    built.window->setFont(fontFor(std::nullopt, fit.scale));
    for (const ControlRow& c : layout()) {
        QWidget* w = built.widgets[indexOf(c.id)];
        if (!w) continue;
        w->setFont(fontFor(c.font, fit.scale));
        w->setGeometry(placeOf(built, c.id, built.layoutTopLeft[indexOf(c.id)]));
        if (c.kind == ControlKind::Frame) static_cast<CaptionFrame*>(w)->setScale(fit.scale);
    }
    built.window->setSceneFit(fit.scale, QPointF(fit.left, fit.top));
}

QImage axisLabelImage(const QString& resource)
{
    QImage image(resource);
    return image.convertToFormat(QImage::Format_RGB32);
}

BuiltWindow buildWindow()
{
    initResources();
    const WindowLayout& ws = windowLayout();
    BuiltWindow built;
    built.style = std::make_unique<ScaledStyle>();
    built.window = std::make_unique<SurfaceWidget>(toQColor(ws.background));
    SurfaceWidget* window = built.window.get();
    window->setObjectName(qs(ws.title));
    window->setWindowTitle(qs(windowCaption()));
    window->setWindowIcon(QIcon(QStringLiteral(":/tavrolin/tavrolin.png")));
    window->setFont(fontFor(std::nullopt));
    setBackground(window, toQColor(ws.background));
    window->resize(ws.clientWidth, ws.clientHeight);
    window->setAccessibleDescription(qs(desktopWindowDescription()));

    for (const ControlRow& c : layout()) {
        if (c.kind == ControlKind::Label || c.kind == ControlKind::Image) {
            window->addPainted(c.id, paintedFor(c));
            continue;
        }
        QWidget* parent =
            c.container == ControlId::Tavrolin ? static_cast<QWidget*>(window) : built.widgets[indexOf(c.container)];
        QWidget* w = createWidget(c, parent);
        w->setObjectName(qs(c.name));
        w->setStyle(built.style.get());
        built.layoutTopLeft[indexOf(c.id)] = QPoint(c.left, c.top);
        w->setGeometry(c.left, c.top, c.width, c.height);
        w->setFont(fontFor(c.font));
        w->setFocusPolicy(focusPolicyFor(c));
        setBackground(w, toQColor(c.background));
        if (const std::string_view a11y = accessibleName(c.id); !a11y.empty()) w->setAccessibleName(qs(a11y));
        if (const std::string more = accessibleDescription(c.id); !more.empty()) w->setAccessibleDescription(qs(more));
        w->setVisible(c.visibleAtStart);
        built.widgets[indexOf(c.id)] = w;
    }
    return built;
}

} // namespace tavrolin::qt
