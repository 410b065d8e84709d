#pragma once

#include <QString>
#include <QWidget>

namespace tavrolin::qt {

// A frame that groups option buttons: an etched border whose top line runs
// through the middle of the caption, the caption in the frame's font on the
// frame's background. Children are placed from the frame's top-left corner,
// caption included, as the layout gives them.
class CaptionFrame : public QWidget {
public:
    CaptionFrame(const QString& caption, QWidget* parent);

    QString caption() const { return caption_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
};

} // namespace tavrolin::qt
