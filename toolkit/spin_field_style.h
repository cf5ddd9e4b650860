#pragma once

#include <QProxyStyle>

// The desktop's own look for spin fields, with arrows of a fixed width: half
// the field's height, but at least 18 pixels; the text part takes the rest.
class SpinFieldStyle : public QProxyStyle {
public:
    static int ArrowWidth(int fieldHeight);

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override;
};

// The one instance, made on first use and owned by the application.
SpinFieldStyle* SharedSpinFieldStyle();
