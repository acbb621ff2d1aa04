#include "platform/FrameStyle.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>

namespace {

constexpr qreal kCornerRadius = 2.0;
// The outline is this much darker than the frame's background.
constexpr int kOutlineDarkness = 140;

}  // namespace

FrameStyle::FrameStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

void FrameStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                    QPainter* painter, const QWidget* widget) const {
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || box == nullptr || !(box->subControls & SC_GroupBoxFrame)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // The border starts below the caption, where the contents begin less the frame's own margin.
    QRect frame = box->rect;
    if (!box->text.isEmpty() || (box->subControls & SC_GroupBoxCheckBox)) {
        const QRect caption = proxy()->subControlRect(CC_GroupBox, box, SC_GroupBoxLabel, widget);
        frame.setTop(caption.bottom() + 1);
    }
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(box->palette.window().color().darker(kOutlineDarkness));
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(QRectF(frame).adjusted(0.5, 0.5, -0.5, -0.5), kCornerRadius,
                             kCornerRadius);
    painter->restore();

    QStyleOptionGroupBox rest = *box;
    rest.subControls &= ~SC_GroupBoxFrame;
    QProxyStyle::drawComplexControl(control, &rest, painter, widget);
}

QStyle* frameStyle() {
    static QPointer<FrameStyle> style;
    if (style.isNull()) {
        style = new FrameStyle;
        style->setParent(qApp);
    }
    return style.data();
}
