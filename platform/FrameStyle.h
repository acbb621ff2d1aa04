#pragma once

#include <QProxyStyle>

// The look of the window's frames: the application's style, except that a frame's border is a thin
// rounded outline with nothing painted inside, so the frame shows the white it is given. (Fusion
// fills its frames with a light grey panel taken from a picture file, and reading that file asks
// every image plugin whether it reads PNG, loading them all at the first paint.)
class FrameStyle : public QProxyStyle {
public:
    // Over a fresh instance of the application's style, as the desktop or -style chose it.
    FrameStyle();

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
};

// The one FrameStyle of the application, made at the first call and owned by the application.
QStyle* frameStyle();
