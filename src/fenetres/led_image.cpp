#include "led_image.h"

TForm2::TForm2() : PictureWindow(QStringLiteral(":/designs/led_image.ui")) {}
