#pragma once

#include <QLabel>

// A picture at its natural size from the top-left of its box, reporting each
// left click to the control's bound handler and to the program.
class PictureControl : public QLabel {
public:
    PictureControl(int control, int picture, QWidget* parent);

    int Picture() const { return picture; }
    void SetPicture(int newPicture);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    int control;
    int picture;
};
