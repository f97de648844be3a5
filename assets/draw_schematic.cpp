// Draws the schematic shown in the window's picture box: mains source,
// diode bridge, reservoir capacitor and load. Run through the build, which
// writes assets/schematic.png:
//     cmake --build --preset default --target schematic
//
// The picture is 578 x 268 pixels, 8-bit indexed, black and blue lines on
// white. The box shows only its top left 535 x 223 pixels (inside a
// one-pixel border), so everything is drawn within that part.
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

const QColor black(0, 0, 0);
const QColor blue(0, 0, 255);

// A diode from `anode` to `cathode` in the middle of that wire: a filled
// triangle pointing to the cathode with a bar across its tip.
void draw_diode(QPainter &painter, QPointF anode, QPointF cathode)
{
    const QPointF middle = (anode + cathode) / 2;
    const QPointF along = (cathode - anode) / std::hypot(cathode.x() - anode.x(), cathode.y() - anode.y());
    const QPointF across(-along.y(), along.x());
    constexpr double half_length = 9;
    constexpr double half_width = 9;
    const QPointF base = middle - along * half_length;
    const QPointF tip = middle + along * half_length;

    painter.setPen(QPen(blue, 2));
    painter.setBrush(blue);
    painter.drawPolygon(QPolygonF{base + across * half_width, base - across * half_width, tip});
    painter.drawLine(tip + across * half_width, tip - across * half_width);
}

void draw_junction(QPainter &painter, QPointF at)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(black);
    painter.drawEllipse(at, 3.5, 3.5);
}

void draw_arrow_right(QPainter &painter, QPointF from, QPointF to)
{
    painter.setPen(QPen(black, 2));
    painter.drawLine(from, to);
    painter.setBrush(black);
    painter.drawPolygon(QPolygonF{to, to + QPointF(-9, -5), to + QPointF(-9, 5)});
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_schematic OUTPUT.png\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    QImage image(578, 268, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPen wire(black, 2);

    // Mains source: a circle with one period of a sine inside.
    const QPointF source(62, 110);
    constexpr double source_radius = 28;
    painter.setPen(wire);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(source, source_radius, source_radius);
    QPainterPath sine;
    for (int i = 0; i <= 40; ++i) {
        const double x = -18 + 36.0 * i / 40;
        const QPointF point = source + QPointF(x, -11 * std::sin(x / 18 * std::numbers::pi));
        i == 0 ? sine.moveTo(point) : sine.lineTo(point);
    }
    painter.drawPath(sine);

    // The bridge: a diamond whose top and bottom corners take the mains.
    const QPointF top(222, 48), right(284, 110), bottom(222, 172), left(160, 110);
    painter.setPen(QPen(blue, 2));
    painter.drawPolygon(QPolygonF{top, right, bottom, left});
    draw_diode(painter, left, top);
    draw_diode(painter, left, bottom);
    draw_diode(painter, top, right);
    draw_diode(painter, bottom, right);

    // Mains wires to the top and bottom corners.
    painter.setPen(wire);
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(QPolygonF{source - QPointF(0, source_radius), {source.x(), 22}, {top.x(), 22}, top});
    painter.drawPolyline(QPolygonF{source + QPointF(0, source_radius), {source.x(), 192}, {bottom.x(), 192}, bottom});

    // Rails: the + corner feeds the top one, the left corner the return.
    constexpr double top_rail = 110;
    constexpr double bottom_rail = 208;
    constexpr double capacitor_x = 372;
    constexpr double resistor_x = 468;
    painter.drawLine(right, QPointF(resistor_x, top_rail));
    painter.drawPolyline(QPolygonF{left, {left.x(), bottom_rail}, {resistor_x, bottom_rail}});

    // Polarised capacitor: a straight plate on the + side, a curved one below.
    constexpr double plate_top = 150;
    constexpr double plate_gap = 9;
    painter.drawLine(QPointF(capacitor_x, top_rail), QPointF(capacitor_x, plate_top));
    painter.drawLine(QPointF(capacitor_x - 18, plate_top), QPointF(capacitor_x + 18, plate_top));
    QPainterPath curved_plate;
    curved_plate.moveTo(capacitor_x - 18, plate_top + plate_gap + 6);
    curved_plate.quadTo(capacitor_x, plate_top + plate_gap - 4, capacitor_x + 18, plate_top + plate_gap + 6);
    painter.drawPath(curved_plate);
    painter.drawLine(QPointF(capacitor_x, plate_top + plate_gap + 1), QPointF(capacitor_x, bottom_rail));

    // Load resistor.
    painter.drawLine(QPointF(resistor_x, top_rail), QPointF(resistor_x, 134));
    painter.drawRect(QRectF(resistor_x - 9, 134, 18, 50));
    painter.drawLine(QPointF(resistor_x, 184), QPointF(resistor_x, bottom_rail));

    draw_junction(painter, {capacitor_x, top_rail});
    draw_junction(painter, {capacitor_x, bottom_rail});
    draw_arrow_right(painter, {404, 92}, {440, 92});

    QFont font("Arial");
    font.setPixelSize(16);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(black);
    painter.drawText(QPointF(90, 78), "Veff");
    painter.drawText(QPointF(292, 102), "+");
    painter.drawText(QPointF(capacitor_x + 8, plate_top - 6), "+");
    painter.drawText(QPointF(capacitor_x + 24, plate_top + 12), "C");
    painter.drawText(QPointF(capacitor_x - 60, plate_top + 12), "Vcc");
    painter.drawText(QPointF(resistor_x + 16, 165), "R");
    painter.drawText(QPointF(406, 84), "Icc");
    painter.end();

    const QImage indexed = image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    if (!indexed.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
