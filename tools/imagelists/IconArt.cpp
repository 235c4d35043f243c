// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "IconArt.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

const QColor kInk(40, 52, 70);
const QColor kBlue(52, 120, 200);
const QColor kGold(236, 178, 48);
const QColor kGreen(70, 160, 90);
const QColor kRed(206, 72, 60);
const QColor kPaper(250, 250, 245);

} // namespace

QImage DrawToolIcon(const QString& name, int size)
{
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0); // drawn on a 32 x 32 grid
    QPen ink(kInk, 1.6);
    ink.setJoinStyle(Qt::RoundJoin);
    p.setPen(ink);
    if (name == QLatin1String("open")) {
        p.setBrush(kGold.darker(110));
        p.drawRoundedRect(QRectF(3, 7, 24, 19), 2, 2);
        p.setBrush(kGold);
        QPainterPath front;
        front.moveTo(3, 26);
        front.lineTo(8, 13);
        front.lineTo(30, 13);
        front.lineTo(26, 26);
        front.closeSubpath();
        p.drawPath(front);
    } else if (name == QLatin1String("save")) {
        p.setBrush(kBlue);
        p.drawRoundedRect(QRectF(4, 4, 24, 24), 3, 3);
        p.setBrush(kPaper);
        p.drawRect(QRectF(9, 4, 14, 9));
        p.drawRect(QRectF(8, 18, 16, 10));
    } else if (name == QLatin1String("search")) {
        p.setBrush(QColor(210, 230, 250));
        p.drawEllipse(QRectF(4, 4, 17, 17));
        p.setPen(QPen(kInk, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(19, 19), QPointF(28, 28));
    } else if (name == QLatin1String("sort")) {
        p.setPen(QPen(kBlue, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(10, 5), QPointF(10, 27));
        p.drawLine(QPointF(10, 27), QPointF(5, 21));
        p.drawLine(QPointF(10, 27), QPointF(15, 21));
        p.setPen(QPen(kRed, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(22, 27), QPointF(22, 5));
        p.drawLine(QPointF(22, 5), QPointF(17, 11));
        p.drawLine(QPointF(22, 5), QPointF(27, 11));
    } else if (name == QLatin1String("chart")) {
        p.setBrush(kGreen);
        p.drawRect(QRectF(5, 16, 6, 12));
        p.setBrush(kBlue);
        p.drawRect(QRectF(13, 8, 6, 20));
        p.setBrush(kRed);
        p.drawRect(QRectF(21, 12, 6, 16));
    } else if (name == QLatin1String("palette")) {
        p.setBrush(kPaper);
        p.drawEllipse(QRectF(3, 4, 26, 24));
        const QColor dots[] = {kRed, kGold, kGreen, kBlue};
        const QPointF at[] = {{10, 11}, {17, 8}, {23, 13}, {11, 19}};
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 4; ++i) {
            p.setBrush(dots[i]);
            p.drawEllipse(at[i], 3, 3);
        }
    } else if (name == QLatin1String("text")) {
        p.setBrush(kPaper);
        p.drawRect(QRectF(6, 3, 20, 26));
        p.setPen(QPen(kInk, 1.6));
        for (int y = 9; y <= 23; y += 4)
            p.drawLine(QPointF(10, y), QPointF(y == 23 ? 17 : 22, y));
    } else if (name == QLatin1String("settings")) {
        p.setBrush(QColor(150, 160, 175));
        QPainterPath gear;
        for (int i = 0; i < 16; ++i) {
            const double a = i * M_PI / 8.0;
            const double r = (i % 2 == 0) ? 14.0 : 10.5;
            const QPointF pt(16 + r * std::cos(a), 16 + r * std::sin(a));
            i == 0 ? gear.moveTo(pt) : gear.lineTo(pt);
        }
        gear.closeSubpath();
        gear.addEllipse(QPointF(16, 16), 4.5, 4.5);
        gear.setFillRule(Qt::OddEvenFill);
        p.drawPath(gear);
    } else if (name == QLatin1String("concordance")) {
        p.setBrush(kPaper);
        p.drawRect(QRectF(3, 4, 26, 24));
        p.setPen(QPen(kInk, 1.4));
        for (int y = 9; y <= 24; y += 5) {
            p.drawLine(QPointF(6, y), QPointF(13, y));
            p.drawLine(QPointF(19, y), QPointF(26, y));
        }
        p.setPen(QPen(kRed, 2.4));
        p.drawLine(QPointF(14, 6), QPointF(14, 26));
        p.drawLine(QPointF(18, 6), QPointF(18, 26));
    } else if (name == QLatin1String("info") || name == QLatin1String("help")) {
        const bool info = name == QLatin1String("info");
        p.setBrush(info ? kBlue : kGreen);
        p.drawEllipse(QRectF(3, 3, 26, 26));
        p.setPen(QPen(Qt::white, 3.2, Qt::SolidLine, Qt::RoundCap));
        if (info) {
            p.drawLine(QPointF(16, 14), QPointF(16, 23));
            p.drawPoint(QPointF(16, 9));
        } else {
            QPainterPath q;
            q.moveTo(11.5, 12);
            q.cubicTo(11.5, 6, 20.5, 6, 20.5, 12);
            q.cubicTo(20.5, 15, 16, 15.5, 16, 19);
            p.setBrush(Qt::NoBrush);
            p.drawPath(q);
            p.drawPoint(QPointF(16, 24));
        }
    } else {
        return {};
    }
    return img;
}
