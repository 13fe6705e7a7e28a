#pragma once
// The polarity drawing window (designs/schema.ui): one picture, no code.

#include "ui/picture_window.h"

class TForm3 : public ohmira::ui::PictureWindow {
    Q_OBJECT
public:
    TForm3();
};
