#pragma once
// The LED photograph window: one picture, shown modally from the main window's menu.
// Its design is designs/led_image.ui; it is created hidden at start-up and
// closing it only hides it. Made smaller than the picture, it scrolls.

#include <QWidget>

class TForm2 : public QWidget {
    Q_OBJECT
public:
    TForm2();

private:
    void loadDesign();
    void addScrollBars();
    void bindHandlers();
    void placeWindow();
};
