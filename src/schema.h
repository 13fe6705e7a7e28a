#pragma once
// The polarity drawing window: one picture, shown modally from the main window's menu.
// Its design is designs/schema.ui; it is created hidden at start-up and
// closing it only hides it. Made smaller than the picture, it scrolls.

#include <QWidget>

class TForm3 : public QWidget {
    Q_OBJECT
public:
    TForm3();

private:
    void loadDesign();
    void addScrollBars();
    void bindHandlers();
    void placeWindow();
};
