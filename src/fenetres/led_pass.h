// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// TForm1, the main window: two calculators side by side and the menu.
//
// How a calculation flows: a click on Button1 ("Calculer la résistance",
// left half) runs Button1Click, which reads the colour index of ComboBox1
// and the text of Edit1, hands them with the locale's decimal separator to
// ohmira::calculSerie, and writes the two lines it returns into StaticText1
// and Label8, with the current, power and colour code of the resistor as
// their tooltip. Button2Click does the same for the right half with
// calculParallele, ComboBox2, Edit2, Edit3, StaticText2 and Label9. A
// handler catches nothing: when the core throws, nothing has been written,
// and the binder's wrapper passes the error to the application's error box.
//
// The controls, texts, positions, menu and event bindings all come from
// designs/led_pass.ui; this class only finds what it needs and reacts.

#include <QMainWindow>
#include <QPoint>

#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <span>

namespace ohmira {
struct Details;
}

namespace ohmira::ui {
struct MenuWindow;
class ComboBox;
class Edit;
class Label;
class StaticText;
}  // namespace ohmira::ui

class TFormMontage;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // `menuWindows`: the windows the menu shows, by the handler their menu
    // item names.
    explicit TForm1(std::span<const ohmira::ui::MenuWindow> menuWindows);

    // Those windows are created after this one, so they are handed over
    // afterwards; until then their menu items report an error.
    void setMenuWindow(const char* menuHandler, QWidget& window);

    // "Montage sur mesure", once the menu has opened it; null before.
    TFormMontage* montage() const { return montage_.get(); }
    ~TForm1() override;

public slots:
    // Handlers, bound by name from the design (the menu items that show a
    // window are bound by setMenuWindow's table instead).
    void Button1Click();
    void Button2Click();
    void Quitter1Click();
    void LienTRESutile1Click();
    void Montagesurmesure1Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool event(QEvent* event) override;

private:
    void loadDesign();
    void findControls();
    void checkColourLists();
    void bindHandlers(std::span<const ohmira::ui::MenuWindow> menuWindows);
    void placeWindow();
    void showMenuWindow(const QString& menuHandler);
    void stayInPlace();
    void showDetails(const ohmira::Details& details, std::initializer_list<QWidget*> lines);

    ohmira::ui::ComboBox* ComboBox1 = nullptr;
    ohmira::ui::ComboBox* ComboBox2 = nullptr;
    ohmira::ui::Edit* Edit1 = nullptr;
    ohmira::ui::Edit* Edit2 = nullptr;
    ohmira::ui::Edit* Edit3 = nullptr;
    ohmira::ui::StaticText* StaticText1 = nullptr;
    ohmira::ui::StaticText* StaticText2 = nullptr;
    ohmira::ui::Label* Label8 = nullptr;
    ohmira::ui::Label* Label9 = nullptr;

    std::map<QString, QWidget*> menuWindows_;
    // Modeless, built on first use (start-up stays as it was), then only
    // hidden when closed, so it keeps what was typed for the run.
    std::unique_ptr<TFormMontage> montage_;

    // Where the window's frame opened; it goes back there when moved.
    QPoint openedAt_;
    // The last place it was moved back from.
    std::optional<QPoint> movedFrom_;
    bool opened_ = false;
};
