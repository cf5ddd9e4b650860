#pragma once

#include <QPushButton>

// A push button whose face is one picture, drawn centred with its
// transparency over the button's own face, and one pixel right and down while
// the button is held down.
class PictureButton : public QPushButton {
public:
    PictureButton(int picture, QWidget* parent);

    int Picture() const { return picture; }
    void SetPicture(int newPicture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int picture;
};
