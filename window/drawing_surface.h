#pragma once

#include "waveform_diagram.h"

#include <QColor>
#include <QImage>
#include <QRect>

#include <span>

class QPainter;

// The form's retained drawing: segments are drawn into an off-screen image
// from which the form repaints whatever is exposed. Nothing is ever cleared,
// so each diagram is drawn over the earlier ones.
//
// The image covers only the diagram's extent, in window coordinates, since
// nothing is drawn elsewhere: it keeps what lies outside a small window and
// costs no memory for the rest of the screen. It is made on the first draw.
class Drawing_surface {
public:
    // Draws the segments in order, one pixel wide, foreground ones in
    // `foreground`; returns the window area they touched.
    QRect draw(std::span<const Plot_segment> segments, const QColor &foreground, qreal device_pixel_ratio);

    void paint(QPainter &painter, const QRect &exposed) const;

private:
    QImage image;
};
