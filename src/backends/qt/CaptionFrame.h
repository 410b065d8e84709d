#pragma once

#include <QGroupBox>
#include <QString>

namespace tavrolin::qt {

// A frame that groups option buttons, drawn as the layout's frames look: an
// etched border whose top line runs through the middle of the caption, the
// caption on the frame's background. Children are placed from the frame's
// top-left corner, caption included, as the layout gives them. A group box
// underneath, so that screen readers announce a group with its caption.
class CaptionFrame : public QGroupBox {
public:
    CaptionFrame(const QString& caption, QWidget* parent);
    // The scene's scale, which the caption's indent follows.
    void setScale(double scale) { scale_ = scale; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double scale_ = 1;
};

} // namespace tavrolin::qt
