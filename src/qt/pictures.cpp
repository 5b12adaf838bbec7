#include "qt/pictures.h"

#include <QPainter>
#include <QPainterPath>

#include <functional>
#include <map>

namespace bx {

namespace {

// Every picture is drawn on a 32 × 32 grid and scaled to the size asked for.
using Drawing = std::function<void(QPainter&)>;

const QColor kInk(40, 44, 52);

void pen(QPainter& p, QColor c, double w = 1.6) {
    p.setPen(QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void draw_open(QPainter& p) {
    pen(p, QColor(150, 110, 20));
    p.setBrush(QColor(236, 190, 70));
    QPainterPath back;
    back.moveTo(3, 8);
    back.lineTo(12, 8);
    back.lineTo(15, 11);
    back.lineTo(27, 11);
    back.lineTo(27, 26);
    back.lineTo(3, 26);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(QColor(250, 214, 110));
    QPainterPath front;
    front.moveTo(3, 26);
    front.lineTo(8, 15);
    front.lineTo(30, 15);
    front.lineTo(26, 26);
    front.closeSubpath();
    p.drawPath(front);
}

void draw_save(QPainter& p) {
    pen(p, QColor(25, 55, 120));
    p.setBrush(QColor(60, 110, 200));
    QPainterPath body;
    body.moveTo(4, 4);
    body.lineTo(24, 4);
    body.lineTo(28, 8);
    body.lineTo(28, 28);
    body.lineTo(4, 28);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(QColor(230, 235, 245));
    p.drawRect(QRectF(9, 4, 13, 9));
    p.setBrush(QColor(60, 110, 200));
    p.drawRect(QRectF(17, 6, 3, 5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 17, 16, 11));
    pen(p, QColor(160, 170, 190), 1.2);
    p.drawLine(QPointF(11, 21), QPointF(21, 21));
    p.drawLine(QPointF(11, 24.5), QPointF(21, 24.5));
}

void draw_options(QPainter& p) {
    // Three sliders.
    const double ys[3] = {8, 16, 24};
    const double knobs[3] = {20, 10, 16};
    for (int i = 0; i < 3; ++i) {
        pen(p, QColor(90, 96, 110), 2.4);
        p.drawLine(QPointF(4, ys[i]), QPointF(28, ys[i]));
        pen(p, QColor(20, 90, 60), 1.4);
        p.setBrush(QColor(60, 170, 110));
        p.drawEllipse(QPointF(knobs[i], ys[i]), 3.6, 3.6);
    }
}

void draw_channels(QPainter& p) {
    // A table of channels with a header row and a number column.
    pen(p, kInk, 1.4);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3, 4, 26, 24));
    p.setBrush(QColor(120, 160, 220));
    p.drawRect(QRectF(3, 4, 26, 6));
    p.setBrush(QColor(200, 215, 240));
    p.drawRect(QRectF(3, 10, 7, 18));
    pen(p, QColor(110, 120, 140), 1.0);
    for (double y : {16.0, 22.0}) p.drawLine(QPointF(3, y), QPointF(29, y));
    p.drawLine(QPointF(19, 4), QPointF(19, 28));
}

void draw_keypad(QPainter& p) {
    pen(p, kInk, 1.2);
    p.setBrush(QColor(225, 228, 235));
    p.drawRoundedRect(QRectF(5, 2, 22, 28), 3, 3);
    p.setBrush(QColor(70, 80, 100));
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c) p.drawRoundedRect(QRectF(8 + c * 6.2, 6 + r * 6, 4.4, 4), 1, 1);
}

void draw_radio(QPainter& p, double x) {
    // A handheld radio: antenna, body, speaker grille and display.
    pen(p, kInk, 1.4);
    p.drawLine(QPointF(x + 3, 11), QPointF(x + 3, 2));
    p.setBrush(QColor(55, 60, 70));
    p.drawRoundedRect(QRectF(x, 10, 11, 20), 2, 2);
    p.setBrush(QColor(150, 220, 160));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(x + 2, 12.5, 7, 4));
    pen(p, QColor(170, 175, 185), 1.0);
    for (double y : {20.0, 23.0, 26.0}) p.drawLine(QPointF(x + 2.5, y), QPointF(x + 8.5, y));
}

void draw_arrow(QPainter& p, double x0, double x1, double y, QColor c) {
    // A thick arrow from x0 to x1 (either way).
    pen(p, c.darker(140), 1.2);
    p.setBrush(c);
    const double dir = x1 > x0 ? 1 : -1;
    const double head = x1 - dir * 7;
    QPainterPath a;
    a.moveTo(x0, y - 3);
    a.lineTo(head, y - 3);
    a.lineTo(head, y - 7);
    a.lineTo(x1, y);
    a.lineTo(head, y + 7);
    a.lineTo(head, y + 3);
    a.lineTo(x0, y + 3);
    a.closeSubpath();
    p.drawPath(a);
}

void draw_read(QPainter& p) {
    draw_radio(p, 19);
    draw_arrow(p, 17, 1, 18, QColor(50, 170, 70));
}

void draw_write(QPainter& p) {
    draw_radio(p, 19);
    draw_arrow(p, 1, 17, 18, QColor(230, 120, 30));
}

void draw_exit(QPainter& p) {
    // A power sign.
    QColor red(200, 45, 45);
    p.setPen(QPen(red, 3.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(5, 6, 22, 22), (90 + 38) * 16, (360 - 76) * 16);
    p.drawLine(QPointF(16, 3.5), QPointF(16, 15));
}

void draw_program(QPainter& p) { draw_radio(p, 10.5); }

void draw_placeholder(QPainter& p) {
    pen(p, QColor(110, 120, 140), 1.4);
    p.setBrush(QColor(235, 240, 248));
    p.drawRect(QRectF(3, 5, 26, 22));
    p.setBrush(QColor(120, 170, 120));
    QPainterPath hill;
    hill.moveTo(4, 26);
    hill.lineTo(13, 15);
    hill.lineTo(19, 21);
    hill.lineTo(23, 17);
    hill.lineTo(28, 26);
    hill.closeSubpath();
    p.drawPath(hill);
    p.setBrush(QColor(240, 200, 70));
    p.drawEllipse(QPointF(22, 11), 2.8, 2.8);
}

// The about dialog's picture on the 32 × 32 grid: a hand-held two-way radio
// with its antenna, display and keypad.
void draw_about_picture(QPainter& p) {
    const QColor ink(40, 44, 52);
    p.setPen(QPen(ink, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(70, 74, 84));
    p.drawRoundedRect(QRectF(20, 1.5, 3, 9), 1.2, 1.2);  // antenna
    p.setBrush(QColor(52, 110, 190));
    p.drawRoundedRect(QRectF(8, 8, 17, 22.5), 3, 3);  // body
    p.setBrush(QColor(196, 232, 170));
    p.drawRoundedRect(QRectF(10.5, 11, 12, 6), 1, 1);  // display
    p.setPen(QPen(QColor(40, 90, 40), 1));
    p.drawLine(QPointF(12, 14), QPointF(17, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 238, 245));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) p.drawEllipse(QRectF(11 + col * 4, 19.5 + row * 3.5, 2.4, 2.4));
    p.setBrush(QColor(230, 80, 60));
    p.drawEllipse(QRectF(26, 5, 3, 3));  // signal
    p.setPen(QPen(QColor(230, 80, 60), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(24, 3, 7, 7), 20 * 16, 100 * 16);
}


const std::map<std::string, Drawing>& drawings() {
    static const std::map<std::string, Drawing> table = {
        {"program", draw_program},
        {"open", draw_open},         {"save", draw_save},   {"edit_option", draw_options},
        {"edit_chann", draw_channels}, {"edit_dtmf", draw_keypad}, {"read", draw_read},
        {"write", draw_write},       {"exit", draw_exit},         {"about", draw_about_picture},
    };
    return table;
}

}  // namespace

QPixmap draw_picture(const std::string& name, QSize size) {
    if (size.isEmpty()) size = QSize(32, 32);
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = std::min(size.width(), size.height()) / 32.0;
    p.translate((size.width() - 32 * s) / 2, (size.height() - 32 * s) / 2);
    p.scale(s, s);
    auto it = drawings().find(name);
    if (it != drawings().end()) it->second(p);
    else draw_placeholder(p);
    return pm;
}

QIcon picture_icon(const std::string& name) {
    QIcon icon;
    for (int s : {16, 24, 32, 48}) icon.addPixmap(draw_picture(name, QSize(s, s)));
    return icon;
}

}  // namespace bx
