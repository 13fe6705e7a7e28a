// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window driven as a person would: keys into the fields and lists,
// Tab, mouse clicks on the buttons, the menu and its accelerators, Ctrl+Q.

#include "helpers.h"

#include "ui/controls.h"
#include "ui/design_loader.h"
#include "ui/fonts.h"
#include "ui/web.h"

#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QUrl>

using namespace ohmira::ui;

namespace {

const QString Rouge5Ligne1 = QStringLiteral("Il vous faut une resistance de : 170,00 Ohms");
const QString Rouge5Ligne2 = QStringLiteral("Soit en normalisé : 180,00 Ohms");
const QString EnVoltInvalide =
    QStringLiteral("'En Volt' n'est pas une valeur en virgule flottante correcte.");

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Program> program_;

    TForm1& form() { return program_->Form1; }
    template <class T>
    T& get(const char* name) { return control<T>(form(), name); }

    QString text(const char* name)
    {
        return get<Label>(name).text();  // StaticText is a Label too
    }

    // Enters a field with the keyboard (which selects its text) and types
    // over it; nothing to type empties it.
    void typeInto(const char* field, const QString& keys)
    {
        Edit& edit = get<Edit>(field);
        QVERIFY(QTest::qWaitForWindowActive(&form()));  // back after an error box
        edit.setFocus(Qt::TabFocusReason);
        if (keys.isEmpty())
            QTest::keyClick(&edit, Qt::Key_Delete);
        QTest::keyClicks(&edit, keys);
    }

    // Types the colour's name into the list; letters typed less than half a
    // second after earlier ones would extend their prefix, so a list that
    // already shows the colour is left alone.
    void chooseColour(const char* list, const QString& name)
    {
        ComboBox& combo = get<ComboBox>(list);
        if (combo.currentText() == name)
            return;
        combo.setFocus(Qt::TabFocusReason);
        QTest::keyClicks(&combo, name);
        QCOMPARE(combo.currentText(), name);
    }

    void click(const char* button) { QTest::mouseClick(&get<QPushButton>(button), Qt::LeftButton); }

    void calculateSeries(const QString& colour, const QString& volts)
    {
        chooseColour("ComboBox1", colour);
        typeInto("Edit1", volts);
        click("Button1");
    }

    void calculateParallel(const QString& colour, const QString& volts, const QString& count)
    {
        chooseColour("ComboBox2", colour);
        typeInto("Edit2", volts);
        typeInto("Edit3", count);
        click("Button2");
    }

    // Opens a menu with its Alt accelerator and chooses an item by letter.
    void menu(Qt::Key menuKey, Qt::Key itemKey)
    {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus != nullptr);
        QTest::keyClick(focus, menuKey, Qt::AltModifier);
        QWidget* popup = QApplication::activePopupWidget();
        QVERIFY2(popup != nullptr, "the menu did not open");
        QTest::keyClick(popup, itemKey);
    }

    void setLocale(const QLocale& locale)
    {
        QLocale::setDefault(locale);
        QEvent change(QEvent::LocaleChange);
        QCoreApplication::sendEvent(qApp, &change);
    }

private slots:
    void init() { program_ = std::make_unique<Program>(); }
    void cleanup()
    {
        program_.reset();
        setLocale(QLocale(QLocale::French, QLocale::France));
    }

    void windowAsDesigned()
    {
        QCOMPARE(form().windowTitle(), QStringLiteral("Ohmira 1.1"));
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Ohmira"));
        QCOMPARE(form().pos(), QPoint(127, 180));
        QCOMPARE(form().centralWidget()->size(), QSize(840, 367));
        QCOMPARE(form().minimumSize(), form().maximumSize());
        QVERIFY(form().windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!form().windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(form().palette().color(QPalette::Window) ==
                QApplication::palette().color(QPalette::Button));
        QCOMPARE(QApplication::focusWidget(), &get<ComboBox>("ComboBox2"));
    }

    void controlsAsDesigned_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");  // size 0 x 0: sized to its text
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("pixels");       // font size
        QTest::addColumn<bool>("heading");     // bold and underlined

        const auto row = [](const char* name, QRect g, const char* text, int px = 11,
                            bool heading = false) {
            QTest::newRow(name) << QString::fromLatin1(name) << g << QString::fromUtf8(text)
                                << px << heading;
        };
        row("Label1", {104, 8, 0, 0}, "Montage d'une LED en série", 16, true);
        row("Image1", {8, 40, 153, 137}, "");
        row("Label3", {176, 40, 0, 0}, "Couleur de la LED :");
        row("ComboBox1", {176, 64, 145, 21}, "Rouge");
        row("Label5", {176, 96, 0, 0}, "Tension du générateur :");
        row("Edit1", {176, 120, 121, 21}, "En Volt");
        row("Button1", {192, 160, 145, 25}, "Calculer la résistance");
        row("StaticText1", {48, 256, 0, 0}, "Il vous faut une résistance de : ", 13);
        row("Label8", {48, 288, 0, 0}, "Soit en normalisé :");
        row("Bevel1", {368, 8, 9, 353}, "");
        row("Label2", {448, 8, 0, 0}, "Montage de plusieurs LEDs en parallèle", 16, true);
        row("Image2", {392, 40, 153, 297}, "");
        row("Label4", {560, 40, 0, 0}, "Couleur des LEDs :");
        row("ComboBox2", {560, 64, 145, 21}, "Rouge");
        row("Label6", {560, 96, 0, 0}, "Tension du générateur :");
        row("Edit2", {560, 120, 121, 21}, "En Volt");
        row("Label7", {560, 152, 0, 0}, "Nombre de LED en parallèle :");
        row("Edit3", {560, 176, 121, 21}, "");
        row("Button2", {560, 216, 145, 25}, "Calculer la résistance");
        row("StaticText2", {560, 280, 0, 0}, "Il vous faut une résistance de : ", 13);
        row("Label9", {560, 312, 0, 0}, "Soit en normalisé :");
    }

    void controlsAsDesigned()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        QFETCH(int, pixels);
        QFETCH(bool, heading);

        auto* widget = form().findChild<QWidget*>(name);
        QVERIFY(widget != nullptr);
        QCOMPARE(widget->parentWidget(), form().centralWidget());
        QCOMPARE(widget->pos(), geometry.topLeft());
        QCOMPARE(widget->font().pixelSize(), pixels);
        QCOMPARE(widget->font().bold(), heading);
        QCOMPARE(widget->font().underline(), heading);
        QCOMPARE(widget->font().family(), QApplication::font().family());
        QCOMPARE(widget->font().stretch(), designStretch());
        QVERIFY2(widget->geometry().right() < 840, "beyond the window's right edge");

        if (auto* label = qobject_cast<Label*>(widget)) {
            QCOMPARE(label->text(), text);
            const int border = qobject_cast<StaticText*>(widget) ? 4 : 0;
            const QFontMetrics metrics(label->font());
            QCOMPARE(label->size(), QSize(metrics.horizontalAdvance(text) + border,
                                          metrics.height() + border));
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);
            return;
        }
        QCOMPARE(widget->size(), geometry.size());
        if (auto* edit = qobject_cast<Edit*>(widget))
            QCOMPARE(edit->text(), text);
        else if (auto* button = qobject_cast<QPushButton*>(widget))
            QCOMPARE(button->text(), text);
        else if (auto* combo = qobject_cast<ComboBox*>(widget)) {
            QCOMPARE(combo->currentText(), text);
            QCOMPARE(combo->count(), 9);
            QVERIFY(!combo->isEditable());
        }
    }

    void menuAsDesigned()
    {
        const auto* bar = form().menuBar();
        QCOMPARE(bar->objectName(), QStringLiteral("MainMenu1"));
        QStringList menus;
        for (const QAction* m : bar->actions()) {
            QStringList items;
            for (const QAction* item : m->menu()->actions())
                items << item->objectName() + QLatin1Char('=') + item->text() +
                             (item->shortcut().isEmpty()
                                  ? QString()
                                  : QLatin1Char('|') +
                                        item->shortcut().toString(QKeySequence::NativeText));
            menus << m->menu()->objectName() + QLatin1Char('=') + m->text() + QLatin1Char(':') +
                         items.join(QLatin1Char(','));
        }
        QCOMPARE(menus, QStringList({
            QStringLiteral("N1=&Fichier:Fichier1=&Enregistrer,Quitter1=&Quitter|Ctrl+Q"),
            QStringLiteral("InfossurlesLED1=&Infos sur les LED:ImageduneLED1=&Image d'une LED,"
                           "SchmaPolarisation1=&Schéma - Polarisation,"
                           "ableauxrcapitulatif1=&Tableaux récapitulatif,"
                           "LienTRESutile1=&Lien TRES utile"),
            QStringLiteral("Outils1=&Outils:Montagesurmesure1=&Montage sur mesure…"),
        }));
    }

    void tabOrder()
    {
        const QStringList expected = {"ComboBox1", "Edit1", "Edit2", "Edit3",
                                      "Button1", "Button2", "ComboBox2"};
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("ComboBox2"));
        for (const QString& name : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), name);
            if (name == QLatin1String("Edit1"))
                QCOMPARE(get<Edit>("Edit1").selectedText(), QStringLiteral("En Volt"));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Button2"));
    }

    void calculations_data()
    {
        QTest::addColumn<bool>("parallel");
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QString>("volts");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("line1");
        QTest::addColumn<QString>("line2");
        const auto row = [](const char* tag, bool parallel, const char* colour, const char* volts,
                            const char* count, const char* number1, const char* number2,
                            const char* unit) {
            QTest::newRow(tag) << parallel << QString::fromLatin1(colour)
                               << QString::fromLatin1(volts) << QString::fromLatin1(count)
                               << QStringLiteral("Il vous faut une resistance de : %1 %2")
                                      .arg(QLatin1String(number1), QLatin1String(unit))
                               << QStringLiteral("Soit en normalisé : %1 %2")
                                      .arg(QLatin1String(number2), QLatin1String(unit));
        };
        row("série Rouge 5", false, "Rouge", "5", "", "170,00", "180,00", "Ohms");
        row("série Bleu 12", false, "Bleu", "12", "", "475,00", "510,00", "Ohms");
        row("série Rouge 24", false, "Rouge", "24", "", "1,12", "1,20", "kOhms");
        row("série Violet blancs autour", false, "Violet", " 5 ", "", "115,00", "120,00", "Ohms");
        row("parallèle Rouge 5 2", true, "Rouge", "5", "2", "85,00", "91,00", "Ohms");
        row("parallèle Vert 12 3", true, "Vert", "12", "3", "163,33", "180,00", "Ohms");
        row("parallèle Vert 12,5 $A", true, "Vert", "12,5", "$A", "51,50", "56,00", "Ohms");
        row("parallèle Rouge 24 1", true, "Rouge", "24", "1", "1,12", "1,20", "kOhms");
    }

    void calculations()
    {
        QFETCH(bool, parallel);
        QFETCH(QString, colour);
        QFETCH(QString, volts);
        QFETCH(QString, count);
        QFETCH(QString, line1);
        QFETCH(QString, line2);

        const ErrorBox box = closeErrorBox([&] {
            if (parallel)
                calculateParallel(colour, volts, count);
            else
                calculateSeries(colour, volts);
        });
        QVERIFY2(!box.shown, qPrintable(box.text));
        QCOMPARE(text(parallel ? "StaticText2" : "StaticText1"), line1);
        QCOMPARE(text(parallel ? "Label9" : "Label8"), line2);
        // Such results fit in their half.
        const int edge = parallel ? 840 : 368;
        QVERIFY(get<StaticText>(parallel ? "StaticText2" : "StaticText1").geometry().right() <
                edge);
        QVERIFY(get<Label>(parallel ? "Label9" : "Label8").geometry().right() < edge);
    }

    void errorBoxRightAfterStart()
    {
        const ErrorBox box = closeErrorBox([&] { click("Button1"); });
        QVERIFY(box.shown);
        QCOMPARE(box.caption, QStringLiteral("Ohmira"));
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.text, EnVoltInvalide);
        // The program goes on, focus where the click left it.
        QVERIFY(form().isVisible());
        QCOMPARE(text("StaticText1"), QStringLiteral("Il vous faut une résistance de : "));
        QTRY_COMPARE(QApplication::focusWidget(), &get<QPushButton>("Button1"));
    }

    // Each error leaves every result and every input as it was, and only
    // the first failure of a request is reported.
    void resultsSurviveErrors()
    {
        calculateSeries(QStringLiteral("Rouge"), QStringLiteral("5"));
        calculateParallel(QStringLiteral("Rouge"), QStringLiteral("5"), QStringLiteral("2"));
        const QStringList results = {text("StaticText1"), text("Label8"), text("StaticText2"),
                                     text("Label9")};
        const auto allResults = [&] {
            return QStringList{text("StaticText1"), text("Label8"), text("StaticText2"),
                               text("Label9")};
        };

        struct Case {
            const char* field;
            const char* typed;
            const char* button;
            const char* message;
        };
        const Case cases[] = {
            {"Edit1", "12.5", "Button1",
             "'12.5' n'est pas une valeur en virgule flottante correcte."},
            {"Edit1", "", "Button1", "'' n'est pas une valeur en virgule flottante correcte."},
            {"Edit3", "3 ", "Button2", "'3 ' n'est pas une valeur entière correcte."},
            {"Edit3", "0", "Button2", "Division par zéro en virgule flottante."},
            {"Edit2", "abc", "Button2",
             "'abc' n'est pas une valeur en virgule flottante correcte."},
        };
        for (const Case& c : cases) {
            typeInto(c.field, QString::fromUtf8(c.typed));
            const ErrorBox box = closeErrorBox([&] { click(c.button); });
            QCOMPARE(box.text, QString::fromUtf8(c.message));
            QCOMPARE(allResults(), results);
            QCOMPARE(get<Edit>(c.field).text(), QString::fromUtf8(c.typed));
        }
        // A pasted NUL does not cut the message short; the box shows it as
        // the field does, as a blank.
        const QString withNul = QStringLiteral("5") + QChar(u'\0') + QStringLiteral(" V");
        get<Edit>("Edit1").setText(withNul);
        const ErrorBox box = closeErrorBox([&] { click("Button1"); });
        QCOMPARE(box.text, QStringLiteral("'5  V' n'est pas une valeur en virgule flottante correcte."));
    }

    // The box quotes the field as typed, as plain text (never markup), and
    // shows all of it: a pasted NUL as the field shows it, a word too long
    // for one line wrapped rather than cut.
    void errorBoxShowsTextAsTyped_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("quoted");
        QTest::newRow("markup") << QStringLiteral("<b>gras</b> <i>x</i>")
                                << QStringLiteral("<b>gras</b> <i>x</i>");
        QTest::newRow("picture") << QStringLiteral("<img src=\":/designs/led_pass_serie.jpg\">")
                                 << QStringLiteral("<img src=\":/designs/led_pass_serie.jpg\">");
        QTest::newRow("NUL") << QStringLiteral("5.") + QChar(0) + QStringLiteral("3")
                             << QStringLiteral("5. 3");
        QTest::newRow("long word") << QStringLiteral("tension").repeated(30)
                                   << QStringLiteral("tension").repeated(30);
    }

    void errorBoxShowsTextAsTyped()
    {
        QFETCH(QString, pasted);
        QFETCH(QString, quoted);
        QApplication::clipboard()->setText(pasted);
        Edit& field = get<Edit>("Edit1");
        field.setFocus(Qt::TabFocusReason);
        QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(field.text(), pasted);

        const ErrorBox box = closeErrorBox([&] { click("Button1"); });
        const QString message =
            QLatin1Char('\'') + quoted +
            QStringLiteral("' n'est pas une valeur en virgule flottante correcte.");
        QCOMPARE(box.text, message);
        QCOMPARE(box.format, Qt::PlainText);
        QCOMPARE(box.readAs, message);
        QVERIFY(box.wholeTextVisible);
    }

    // The texts Qt draws itself are French like the rest: the fields' edit
    // menu, the scroll bars' menu of the information windows.
    void qtTextsInFrench()
    {
        const std::unique_ptr<QMenu> menu(get<Edit>("Edit1").createStandardContextMenu());
        QStringList items;
        for (const QAction* action : menu->actions())
            if (!action->isSeparator())
                items << action->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
        QCOMPARE(items, QStringList({"Annuler", "Rétablir", "Couper", "Copier", "Coller",
                                     "Supprimer", "Tout sélectionner"}));
        QCOMPARE(QCoreApplication::translate("QScrollBar", "Scroll here"),
                 QStringLiteral("Défiler jusqu'ici"));
    }

    // Enter and keypad Enter press the focused button, as Space does; in a
    // field they do nothing.
    void enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("pressed");
        QTest::newRow("Return, Button1") << "Button1" << int(Qt::Key_Return) << true;
        QTest::newRow("keypad Enter, Button2") << "Button2" << int(Qt::Key_Enter) << true;
        QTest::newRow("Return, Edit1") << "Edit1" << int(Qt::Key_Return) << false;
        QTest::newRow("keypad Enter, Edit3") << "Edit3" << int(Qt::Key_Enter) << false;
    }

    void enterPressesTheFocusedButton()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(bool, pressed);
        QWidget& control = get<QWidget>(focus.toLatin1().constData());
        control.setFocus(Qt::TabFocusReason);
        const Qt::KeyboardModifiers modifiers =
            key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        const ErrorBox box = closeErrorBox(
            [&] { QTest::keyClick(&control, static_cast<Qt::Key>(key), modifiers); });
        QCOMPARE(box.shown, pressed);
        if (pressed)
            QCOMPARE(box.text, EnVoltInvalide);
    }

    // The focus starts on the right-hand list, and shows there from the
    // start as it does once the keyboard has moved it.
    void focusShownFromTheStart()
    {
        ComboBox& list = get<ComboBox>("ComboBox2");
        QCOMPARE(QApplication::focusWidget(), &list);
        const QImage atStart = list.grab().toImage();
        QTest::keyClick(&list, Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), &list);
        QCOMPARE(list.grab().toImage(), atStart);
    }

    // A result longer than its half stays above the divider and the other
    // half's picture: the first result line has a window of its own, they
    // do not.
    void longResultAboveTheOtherHalf()
    {
        calculateSeries(QStringLiteral("Rouge"), QStringLiteral("1E300"));
        StaticText& line = get<StaticText>("StaticText1");
        QVERIFY(line.geometry().intersects(get<Bevel>("Bevel1").geometry()));
        QVERIFY(line.geometry().intersects(get<Picture>("Image2").geometry()));
        const QImage onWindow = form().centralWidget()->grab(line.geometry()).toImage();
        QCOMPARE(onWindow.convertToFormat(QImage::Format_RGB32),
                 line.grab().toImage().convertToFormat(QImage::Format_RGB32));
    }

    void halvesAreIndependent()
    {
        calculateSeries(QStringLiteral("Rouge"), QStringLiteral("5"));
        calculateParallel(QStringLiteral("Vert"), QStringLiteral("12"), QStringLiteral("3"));
        QCOMPARE(text("StaticText1"), Rouge5Ligne1);
        QCOMPARE(text("Label8"), Rouge5Ligne2);
        calculateSeries(QStringLiteral("Bleu"), QStringLiteral("12"));
        QCOMPARE(text("StaticText2"),
                 QStringLiteral("Il vous faut une resistance de : 163,33 Ohms"));
        QCOMPARE(text("Label9"), QStringLiteral("Soit en normalisé : 180,00 Ohms"));
        QCOMPARE(get<ComboBox>("ComboBox2").currentText(), QStringLiteral("Vert"));
    }

    // The details of a successful calculation are the tooltip of both its
    // result lines, and an error leaves them with the results.
    void detailsTooltip()
    {
        calculateParallel(QStringLiteral("Rouge"), QStringLiteral("12"), QStringLiteral("10"));
        const QString details = QStringLiteral(
            "courant par LED : 18,6 mA, courant total : 186 mA\n"
            "puissance dans la résistance : 1,93 W (prendre 5 W)\n"
            "code couleur : vert, bleu, noir, or\n"
            "Attention : une résistance commune répartit mal le courant entre des LED en "
            "parallèle ; une résistance par LED est plus sûre.");
        QCOMPARE(get<Label>("StaticText2").toolTip(), details);
        QCOMPARE(get<Label>("Label9").toolTip(), details);
        QCOMPARE(get<Label>("StaticText1").toolTip(), QString());

        typeInto("Edit3", QStringLiteral("0"));
        const ErrorBox box = closeErrorBox([&] { click("Button2"); });
        QVERIFY(box.shown);
        QCOMPARE(get<Label>("StaticText2").toolTip(), details);
        QCOMPARE(get<Label>("Label9").toolTip(), details);

        calculateSeries(QStringLiteral("Rouge"), QStringLiteral("5"));
        QCOMPARE(get<Label>("Label8").toolTip(),
                 QStringLiteral("courant dans la LED : 18,9 mA\n"
                                "puissance dans la résistance : 64,2 mW (prendre 1/4 W)\n"
                                "code couleur : marron, gris, marron, or"));
    }

    void labelsWidenToTheRight()
    {
        const QSize window = form().size();
        const QRect before = get<StaticText>("StaticText1").geometry();
        calculateSeries(QStringLiteral("Rouge"), QStringLiteral("1e15"));
        const StaticText& result = get<StaticText>("StaticText1");
        QCOMPARE(result.text(),
                 QStringLiteral("Il vous faut une resistance de : 49999999999999,92 kOhms"));
        QCOMPARE(result.pos(), before.topLeft());
        QVERIFY(result.width() > before.width());
        QCOMPARE(result.width(), result.fontMetrics().horizontalAdvance(result.text()) + 4);
        QCOMPARE(get<Label>("Label8").pos(), QPoint(48, 288));
        QCOMPARE(form().size(), window);
    }

    void separatorFollowsTheLocale()
    {
        QCOMPARE(Application::instance().decimalSeparator(), std::string(","));
        setLocale(QLocale::c());
        QCOMPARE(Application::instance().decimalSeparator(), std::string("."));
        calculateSeries(QStringLiteral("Rouge"), QStringLiteral("5"));
        QCOMPARE(text("StaticText1"),
                 QStringLiteral("Il vous faut une resistance de : 170.00 Ohms"));
        typeInto("Edit1", QStringLiteral("12,5"));
        QCOMPARE(closeErrorBox([&] { click("Button1"); }).text,
                 QStringLiteral("'12,5' n'est pas une valeur en virgule flottante correcte."));

        setLocale(QLocale(QLocale::German, QLocale::Germany));
        click("Button1");
        QCOMPARE(text("Label8"), QStringLiteral("Soit en normalisé : 560,00 Ohms"));
    }

    void quitting_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("Ctrl+Q dans Edit1") << 0;
        QTest::newRow("Ctrl+Q dans ComboBox2") << 1;
        QTest::newRow("Alt+F puis Q") << 2;
        QTest::newRow("bouton de fermeture") << 3;
    }

    // Every way out ends the event loop at once with status 0, results on
    // screen or not, and Ctrl+Q never reaches the field.
    void quitting()
    {
        QFETCH(int, way);
        calculateSeries(QStringLiteral("Rouge"), QStringLiteral("5"));
        typeInto("Edit1", QStringLiteral("12"));
        if (way == 1)
            get<ComboBox>("ComboBox2").setFocus(Qt::TabFocusReason);
        const int status = statusAfter([&] {
            switch (way) {
            case 0:
            case 1:
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q, Qt::ControlModifier);
                break;
            case 2:
                menu(Qt::Key_F, Qt::Key_Q);
                break;
            default:
                form().close();
            }
        });
        QCOMPARE(status, 0);
        QVERIFY(!form().isVisible());
        QCOMPARE(get<Edit>("Edit1").text(), QStringLiteral("12"));
    }

    void saveDoesNothing()
    {
        typeInto("Edit1", QStringLiteral("5"));
        menu(Qt::Key_F, Qt::Key_E);
        QVERIFY(QApplication::activePopupWidget() == nullptr);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(form().isVisible());
        QCOMPARE(get<Edit>("Edit1").text(), QStringLiteral("5"));
    }

    void infoWindows_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("caption");
        QTest::newRow("I") << int(Qt::Key_I) << QStringLiteral("Image d'une LED");
        QTest::newRow("S") << int(Qt::Key_S) << QStringLiteral("Schéma - polarisation d'une LED");
        QTest::newRow("T") << int(Qt::Key_T) << QStringLiteral("Tableau récapitulatif");
    }

    // Shown modally (Ctrl+Q does nothing meanwhile), hidden on close; the
    // main window comes back as it was.
    void infoWindows()
    {
        QFETCH(int, key);
        QFETCH(QString, caption);
        calculateSeries(QStringLiteral("Rouge"), QStringLiteral("5"));
        typeInto("Edit2", QStringLiteral("7"));

        QString seen;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            QWidget* window = QApplication::activeModalWidget();
            QVERIFY(window != nullptr);
            seen = window->windowTitle();
            modal = window->windowModality() == Qt::ApplicationModal;
            QTest::keyClick(window, Qt::Key_Q, Qt::ControlModifier);
            QVERIFY(form().isVisible());
            window->close();
        });
        menu(Qt::Key_I, Qt::Key(key));
        QCOMPARE(seen, caption);
        QVERIFY(modal);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(get<Edit>("Edit2").text(), QStringLiteral("7"));
        QCOMPARE(text("StaticText1"), Rouge5Ligne1);
        QTRY_COMPARE(QApplication::focusWidget(), &get<Edit>("Edit2"));
    }

    void webPage()
    {
        Browser browser;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "open");
        menu(Qt::Key_I, Qt::Key_L);
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(browser.opened, QList<QUrl>{PageLed});
        QCOMPARE(PageLed.host(), QStringLiteral("fr.wikipedia.org"));
    }

    // A handler that fails for a reason of its own (here: the information
    // windows were never handed over) goes to the same box.
    void anyHandlerErrorReachesTheBox()
    {
        TForm1 alone(WindowSet::menuWindows());
        alone.show();
        QVERIFY(QTest::qWaitForWindowActive(&alone));
        const ErrorBox box = closeErrorBox([&] {
            alone.findChild<QAction*>(QStringLiteral("ImageduneLED1"))->trigger();
        });
        QCOMPARE(box.text, QStringLiteral("Fenêtre d'information absente."));
    }

    // Last net: an exception thrown during event delivery outside any
    // handler is shown too, and delivery goes on.
    void notifyCatchesTheRest()
    {
        struct Thrower : QObject {
            bool event(QEvent* e) override
            {
                if (e->type() == QEvent::User)
                    throw std::runtime_error("échec");
                return QObject::event(e);
            }
        } thrower;
        QEvent event(QEvent::User);
        const ErrorBox box = closeErrorBox([&] { QCoreApplication::sendEvent(&thrower, &event); });
        QCOMPARE(box.text, QStringLiteral("échec."));
    }

    void staysWhereItOpened()
    {
        form().move(300, 300);
        QTRY_COMPARE(form().pos(), QPoint(127, 180));
    }
};

OHMIRA_TEST_MAIN(MainWindowTest)
#include "test_fenetre_principale.moc"
