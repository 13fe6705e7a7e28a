#include "schema.h"

TForm3::TForm3() : PictureWindow(QStringLiteral(":/designs/schema.ui")) {}
