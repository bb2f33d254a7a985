// Pictures and shapes: images, picture boxes, shapes and lines.

#include "app/assets.h"
#include "app/control_support.h"
#include "app/controls.h"
#include "app/twips.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <qdrawutil.h>

#include <algorithm>

namespace sd {

using detail::changeTo;
using detail::colorOf;

// ---------------------------------------------------------------- Image

Image::Image(QWidget* parent) : QWidget(parent), Control(this) {
    setAttribute(Qt::WA_NoMousePropagation);
    setMouseTracking(true);
}

void Image::configureKind(const ControlSpec& stored) {
    makePressable(stored.pressable); // first: screen readers meet it from its first change on
    picture_ = QString::fromUtf8(stored.picture ? stored.picture : "");
    stretch_ = stored.stretch;
    border_ = stored.borderStyle < 0 ? 0 : stored.borderStyle;
    if (stored.borderColor)
        borderColor_ = QColor::fromRgb(*stored.borderColor);
    refreshAccessibleName(QString());
}

void Image::setBorderStyle(int style) {
    if (changeTo(border_, style))
        update();
}

void Image::setBorderColor(const QColor& c) {
    if (changeTo(borderColor_, c))
        update();
}

void Image::setPicture(const QString& name) {
    if (changeTo(picture_, name))
        update();
}

void Image::setStretch(bool on) {
    if (changeTo(stretch_, on))
        update();
}

void Image::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int inset = border_ == 1 ? 1 : 0;
    if (!picture_.isEmpty()) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        QRectF target(rect().adjusted(inset, inset, -inset, -inset));
        if (!stretch_) {
            const QSize natural = assets::naturalSize(picture_);
            target = QRectF(QPointF(inset, inset), scale().picture(natural));
            p.setClipRect(rect().adjusted(inset, inset, -inset, -inset));
        }
        if (stretch_) {
            // From the shared pixmap cache: a stack of identical pictures is
            // rendered once, however many controls show it.
            p.drawPixmap(target.topLeft(),
                         assets::pixmap(picture_, target.size().toSize(), devicePixelRatioF()));
        } else {
            assets::draw(p, picture_, target);
        }
        p.restore();
    }
    if (border_ == 1) {
        p.setPen(QPen(borderColor_, 1));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void Image::mousePressEvent(QMouseEvent* e) {
    clicks_.press(e);
    emit mouseDown(e->button(), twipsAt(e->position()));
}

void Image::mouseReleaseEvent(QMouseEvent* e) {
    if (clicks_.release(e, this))
        emit clicked();
}

void Image::mouseDoubleClickEvent(QMouseEvent* e) {
    if (ClickTracker::doubleClick(e))
        emit doubleClicked();
}

void Image::mouseMoveEvent(QMouseEvent* e) {
    e->accept();
}

void Image::keyPressEvent(QKeyEvent* e) {
    if (!pressesMe(e))
        return QWidget::keyPressEvent(e);
    emit clicked();
}

// ---------------------------------------------------------------- PictureBox

PictureBox::PictureBox(QWidget* parent) : QWidget(parent), Control(this) {
    setAttribute(Qt::WA_NoMousePropagation);
}

void PictureBox::configureKind(const ControlSpec& stored) {
    picture_ = QString::fromUtf8(stored.picture ? stored.picture : "");
    back_ = colorOf(stored.back, back_);
    border_ = stored.borderStyle < 0 ? 1 : stored.borderStyle;
    appearance_ = stored.appearance < 0 ? 1 : stored.appearance;
    refreshAccessibleName(QString());
}

void PictureBox::setPicture(const QString& name) {
    if (changeTo(picture_, name))
        update();
}

void PictureBox::setBackColor(const QColor& c) {
    if (changeTo(back_, c))
        update();
}

void PictureBox::setBorderStyle(int style) {
    if (changeTo(border_, style))
        update();
}

void PictureBox::setAppearance(int look) {
    if (changeTo(appearance_, look))
        update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), back_);
    int inset = 0;
    if (border_ == 1 && appearance_ == 1) {
        qDrawWinPanel(&p, rect(), palette(), true, nullptr);
        inset = 2;
    } else if (border_ == 1) {
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        inset = 1;
    }
    if (!picture_.isEmpty()) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        const QSize natural = assets::naturalSize(picture_);
        p.setClipRect(rect().adjusted(inset, inset, -inset, -inset));
        assets::draw(p, picture_, QRectF(QPointF(inset, inset), scale().picture(natural)));
    }
}

void PictureBox::mousePressEvent(QMouseEvent* e) {
    clicks_.press(e);
    emit mouseDown(e->button(), twipsAt(e->position()));
}

void PictureBox::mouseReleaseEvent(QMouseEvent* e) {
    if (clicks_.release(e, this))
        emit clicked();
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* e) {
    if (ClickTracker::doubleClick(e))
        emit doubleClicked();
}

// ---------------------------------------------------------------- Shape

Shape::Shape(QWidget* parent) : QWidget(parent), Control(this) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::configureKind(const ControlSpec& stored) {
    kind_ = stored.shape;
    border_ = colorOf(stored.borderColor, border_);
    back_ = colorOf(stored.back, back_);
    fillColor_ = colorOf(stored.fillColor, fillColor_);
    borderWidth_ = std::max(0, stored.borderWidth);
    opaque_ = stored.opaque;
    fill_ = stored.fill;
}

void Shape::setBorderColor(const QColor& c) {
    if (changeTo(border_, c))
        update();
}

void Shape::setBackColor(const QColor& c) {
    if (changeTo(back_, c))
        update();
}

void Shape::setFillColor(const QColor& c) {
    if (changeTo(fillColor_, c))
        update();
}

void Shape::setOpaque(bool opaque) {
    if (changeTo(opaque_, opaque))
        update();
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // The border lies inside the control's bounds, as the stored sizes assume.
    const double zoom = scale().factor();
    const double pen = borderWidth_ > 0 ? std::max(1.0, borderWidth_ * zoom) : 0.0;
    QRectF r = QRectF(rect()).adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2);
    if (kind_ == ShapeKind::Square || kind_ == ShapeKind::Circle || kind_ == ShapeKind::RoundedSquare) {
        const double side = std::min(r.width(), r.height());
        r = QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
    }
    QPainterPath path;
    switch (kind_) {
    case ShapeKind::Rectangle:
    case ShapeKind::Square:
        path.addRect(r);
        break;
    case ShapeKind::Oval:
    case ShapeKind::Circle:
        path.addEllipse(r);
        break;
    case ShapeKind::RoundedRectangle:
    case ShapeKind::RoundedSquare: {
        const double radius = std::min(r.width(), r.height()) / 6.0;
        path.addRoundedRect(r, radius, radius);
        break;
    }
    }
    if (opaque_)
        p.fillPath(path, back_);
    static const Qt::BrushStyle kPattern[] = {Qt::SolidPattern, Qt::NoBrush,         Qt::HorPattern,
                                              Qt::VerPattern,   Qt::BDiagPattern,    Qt::FDiagPattern,
                                              Qt::CrossPattern, Qt::DiagCrossPattern};
    const Qt::BrushStyle pattern = kPattern[static_cast<int>(fill_)];
    if (pattern != Qt::NoBrush) {
        QBrush brush(fillColor_, pattern);
        if (pattern != Qt::SolidPattern) {
            // Hatching is drawn in device pixels; scale it with the screen so the
            // stripes keep their spacing.
            brush.setTransform(QTransform::fromScale(zoom, zoom));
        }
        p.fillPath(path, brush);
    }
    if (pen > 0) {
        p.setPen(QPen(border_, pen));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
}

// ---------------------------------------------------------------- Line

Line::Line(QWidget* parent) : QWidget(parent), Control(this) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::configureKind(const ControlSpec& stored) {
    // Stored as the two end points; kept as the start and the run to the end.
    tw_ = QRect(stored.at.left, stored.at.top, stored.at.width - stored.at.left,
                stored.at.height - stored.at.top);
    color_ = colorOf(stored.borderColor, color_);
    width_ = std::max(1, stored.borderWidth);
}

QRect Line::pixelGeometry() const {
    const twips::Scale s = scale();
    const QRect ends = s.toPx(tw_).normalized();
    const int pad = std::max(1, s.toPx(width_ * twips::kPerPixel));
    return ends.adjusted(0, 0, pad, pad);
}

void Line::setBorderColor(const QColor& c) {
    if (changeTo(color_, c))
        update();
}

void Line::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const twips::Scale s = scale();
    const double w = std::max(1.0, s.toPxF(width_ * twips::kPerPixel));
    const QRect g = pixelGeometry();
    const QPointF a = QPointF(s.toPx(tw_.x()), s.toPx(tw_.y())) - g.topLeft();
    const QPointF b = QPointF(s.toPx(tw_.x() + tw_.width()), s.toPx(tw_.y() + tw_.height())) - g.topLeft();
    QPen pen(color_, w);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    // A pen w wide is centred on its path; shift so it covers the pixels below
    // and right of the end points, as the classic line does.
    const QPointF off(w / 2, w / 2);
    p.drawLine(a + off, b + off);
}

} // namespace sd
