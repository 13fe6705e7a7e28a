// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "led_pass.h"

#include "montage.h"

#include "core/couleurs.h"
#include "core/requetes.h"
#include "ui/application.h"
#include "ui/binder.h"
#include "ui/controls.h"
#include "ui/design_loader.h"
#include "ui/web.h"
#include "ui/windows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMoveEvent>
#include <QWindow>

#include <stdexcept>

using ohmira::ui::control;

TForm1::TForm1(std::span<const ohmira::ui::MenuWindow> menuWindows)
{
    loadDesign();
    findControls();
    checkColourLists();
    bindHandlers(menuWindows);
    placeWindow();
}

TForm1::~TForm1() = default;

void TForm1::loadDesign()
{
    ohmira::ui::DesignLoader().loadInto(*this, QStringLiteral(":/designs/led_pass.ui"));
}

void TForm1::findControls()
{
    using namespace ohmira::ui;
    ComboBox1 = &control<ComboBox>(*this, "ComboBox1");
    ComboBox2 = &control<ComboBox>(*this, "ComboBox2");
    Edit1 = &control<Edit>(*this, "Edit1");
    Edit2 = &control<Edit>(*this, "Edit2");
    Edit3 = &control<Edit>(*this, "Edit3");
    StaticText1 = &control<StaticText>(*this, "StaticText1");
    StaticText2 = &control<StaticText>(*this, "StaticText2");
    Label8 = &control<Label>(*this, "Label8");
    Label9 = &control<Label>(*this, "Label9");
}

// Both lists index the core's colour table; a design listing other colours
// would compute with the wrong voltages.
void TForm1::checkColourLists()
{
    for (const ohmira::ui::ComboBox* list : {ComboBox1, ComboBox2}) {
        bool same = list->count() == ohmira::NombreCouleurs;
        for (int i = 0; same && i < list->count(); ++i)
            same = list->itemText(i).toStdString() ==
                   ohmira::NomsCouleurs[static_cast<std::size_t>(i)];
        if (!same)
            ohmira::ui::designError(
                *this, QStringLiteral("%1 ne liste pas les couleurs du calcul").arg(list->objectName()));
    }
}

void TForm1::bindHandlers(std::span<const ohmira::ui::MenuWindow> menuWindows)
{
    std::vector<ohmira::ui::Handler> shows;
    for (const ohmira::ui::MenuWindow& entry : menuWindows) {
        const QString name = QString::fromLatin1(entry.menuHandler);
        menuWindows_[name] = nullptr;
        shows.push_back({name, [this, name] { showMenuWindow(name); }});
    }
    ohmira::ui::bindWindowHandlers(*this, std::move(shows));
}

void TForm1::placeWindow()
{
    ohmira::ui::placeWindow(*this);
    openedAt_ = pos();  // the frame's place, as the design gives it
}

void TForm1::setMenuWindow(const char* menuHandler, QWidget& window)
{
    menuWindows_.at(QString::fromLatin1(menuHandler)) = &window;
}

// ---- Handlers ---------------------------------------------------------------

void TForm1::Button1Click()
{
    const auto lignes = ohmira::calculSerie(ComboBox1->currentIndex(), Edit1->text().toStdString(),
                                            ohmira::ui::Application::instance().decimalSeparator());
    StaticText1->setText(QString::fromStdString(lignes.ligne1));
    Label8->setText(QString::fromStdString(lignes.ligne2));
    showDetails(lignes.details, {StaticText1, Label8});
}

void TForm1::Button2Click()
{
    const auto lignes = ohmira::calculParallele(
        ComboBox2->currentIndex(), Edit2->text().toStdString(), Edit3->text().toStdString(),
        ohmira::ui::Application::instance().decimalSeparator());
    StaticText2->setText(QString::fromStdString(lignes.ligne1));
    Label9->setText(QString::fromStdString(lignes.ligne2));
    showDetails(lignes.details, {StaticText2, Label9});
}

// Current, power and colour code with the standard value, as the tooltip of
// both result lines; only a successful calculation changes it.
void TForm1::showDetails(const ohmira::Details& details, std::initializer_list<QWidget*> lines)
{
    QStringList text;
    for (const std::string& line : ohmira::lignesDetails(
             details, ohmira::ui::Application::instance().decimalSeparator()))
        text << QString::fromStdString(line);
    for (QWidget* line : lines)
        line->setToolTip(text.join(QLatin1Char('\n')));
}

void TForm1::Quitter1Click()
{
    close();
}

void TForm1::LienTRESutile1Click()
{
    ohmira::ui::openWebPage(ohmira::ui::PageLed);
}

void TForm1::Montagesurmesure1Click()
{
    if (!montage_)
        montage_ = std::make_unique<TFormMontage>();
    if (montage_->isMinimized())
        montage_->showNormal();
    montage_->show();
    montage_->raise();
    montage_->activateWindow();
}

void TForm1::showMenuWindow(const QString& menuHandler)
{
    QWidget* const window = menuWindows_.at(menuHandler);
    if (window == nullptr)
        throw std::logic_error("Fenêtre d'information absente");
    ohmira::ui::showModal(*window, *this);
}

// ---- Window behaviour -------------------------------------------------------

// Closing the main window ends the program at once, whatever else is open.
void TForm1::closeEvent(QCloseEvent* event)
{
    event->accept();
    QCoreApplication::quit();
}

bool TForm1::event(QEvent* event)
{
    // Just before the window first goes on screen.
    if (event->type() == QEvent::Show && !opened_) {
        opened_ = true;
        ohmira::ui::forbidMoving(*this);
        // The focus starts on a control: show it there from the start, not
        // only once the keyboard has moved it.
        setAttribute(Qt::WA_KeyboardFocusChange);
    }
    // Qt places a window's client area where the frame was meant to be, and
    // learns the frame's size only once the window manager has framed it:
    // by then the window is on screen, often without a move to undo.
    if (event->type() == QEvent::WindowActivate)
        stayInPlace();
    return QMainWindow::event(event);
}

// The window stays where it opened. The window manager is asked not to let
// the user move it (forbidMoving); where it moves it all the same, the frame
// is put back, once for each place it is moved to: a window manager that
// refuses is not fought over.
void TForm1::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    stayInPlace();
}

void TForm1::stayInPlace()
{
    if (!opened_ || isMinimized() || windowHandle() == nullptr)
        return;
    // Read afresh: move events may be late, or tell of a place already left.
    const std::optional<QPoint> at = ohmira::ui::framePosition(*this);
    if (!at)
        return;
    if (*at == openedAt_) {
        movedFrom_.reset();
        return;
    }
    if (movedFrom_ == *at)
        return;
    movedFrom_ = *at;
    ohmira::ui::moveFrame(*this, openedAt_);
}
