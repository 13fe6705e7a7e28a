#pragma once
// The summary table window, shown modally from the main window's menu.
// Its design is designs/led_tableau.ui; it is created hidden at start-up and
// closing it only hides it.

#include <QWidget>

class TForm4 : public QWidget {
    Q_OBJECT
public:
    TForm4();

private:
    void loadDesign();
    void bindHandlers();
    void placeWindow();
};
