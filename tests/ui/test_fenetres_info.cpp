// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The three information windows: their pictures and controls, the modal
// showing that leaves the main window without input, hiding rather than
// closing, the automatic scroll bars, and the summary table's link driven
// with the pointer as a person would (events go through the windows, so Qt
// picks the control under the pointer itself).

#include "helpers.h"

#include "ui/controls.h"
#include "ui/design_loader.h"
#include "ui/scrolling.h"
#include "ui/web.h"
#include "ui/windows.h"

#include <QDesktopServices>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QUrl>
#include <QWindow>

#include <algorithm>
#include <cstdlib>

using namespace ohmira::ui;

namespace {

class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int count = 0;

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

// Pictures are JPEGs: a remade one may differ by a few levels.
bool near(QColor seen, QColor expected, int tolerance = 24)
{
    return std::abs(seen.red() - expected.red()) <= tolerance &&
           std::abs(seen.green() - expected.green()) <= tolerance &&
           std::abs(seen.blue() - expected.blue()) <= tolerance;
}

QPoint centre(const QWidget& control)
{
    return control.geometry().center();
}

}  // namespace

class InfoWindowsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Program> program_;

    TForm1& main() { return program_->Form1; }
    TForm4& tableau() { return program_->Form4; }

    QWidget& window(int index)
    {
        QWidget* windows[] = {&program_->Form2, &program_->Form3, &program_->Form4};
        return *windows[index - 2];
    }

    template <class T>
    T& in(QWidget& window, const char* name)
    {
        return control<T>(window, name);
    }

    // Shows `window` modally from the main window, as the menu does, runs
    // `step` while it is up and closes it.
    void whileShown(QWidget& window, const std::function<void()>& step)
    {
        QTimer::singleShot(0, &window, [&] {
            if (QTest::qWaitForWindowExposed(&window))
                step();
            else
                qWarning("the window was never exposed");
            window.close();
        });
        showModal(window, main());
    }

    // Where the pointer goes in the summary table window, in its own
    // coordinates (nothing scrolled):
    //   L the link, 1 and 2 the explanation labels, P the table picture,
    //   U the picture control's strip the picture leaves uncovered,
    //   B bare background below the picture, b bare just right of the link.
    QPoint spot(QChar where)
    {
        QWidget& form = tableau();
        const QWidget& image = in<Picture>(form, "Image1");
        const QWidget& link = in<Label>(form, "Label3");
        switch (where.unicode()) {
        case 'L':
            return centre(link);
        case '1':
            return in<Label>(form, "Label1").pos() + QPoint(5, 5);
        case '2':
            return in<Label>(form, "Label2").pos() + QPoint(5, 5);
        case 'P':
            return image.pos() + QPoint(20, 20);
        case 'U':
            return image.pos() + QPoint(591, 100);
        case 'B':
            return {8, 470};
        case 'b':
            return {link.geometry().right() + 4, centre(link).y()};
        default:
            qFatal("unknown spot");
        }
    }

    // Moves the pointer to a spot of the window, or O for out of it, onto
    // the main window behind. Qt drops a move to where the pointer already
    // is, so each move lands a pixel beside the last one.
    void moveTo(QChar where)
    {
        const QPoint jiggle(moves_++ % 3 - 1, 0);
        if (where == QLatin1Char('O'))
            QTest::mouseMove(main().windowHandle(), QPoint(20, 300) + jiggle);
        else
            QTest::mouseMove(tableau().windowHandle(), spot(where) + jiggle);
    }

    int moves_ = 0;

private slots:
    void init() { program_ = std::make_unique<Program>(); }
    void cleanup() { program_.reset(); }

    void pictures_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QSize>("natural");
        // In picture coordinates: pixels the picture must show there...
        QTest::addColumn<QList<QPoint>>("at");
        QTest::addColumn<QList<QColor>>("colours");
        // ...and places, past the picture or past the control, where the
        // window background shows instead.
        QTest::addColumn<QList<QPoint>>("background");

        QTest::newRow("photograph")
            << 2 << QRect(32, 16, 321, 505) << QSize(323, 503)
            << QList<QPoint>{{5, 5}, {40, 435}, {40, 452}, {280, 435}, {280, 452}, {160, 400},
                             {320, 10}}
            // Dark background top left; the white discs with their black
            // "−" (left) and "+" (right); the warm epoxy; the last column
            // drawn.
            << QList<QColor>{{87, 87, 89},    {255, 255, 255}, {0, 0, 0},      {255, 255, 255},
                             {0, 0, 0},       {255, 240, 162}, {158, 158, 156}}
            // The control clips the 2 rightmost columns; it is 2 pixels
            // taller than the picture.
            << QList<QPoint>{{321, 10}, {322, 10}, {10, 503}, {10, 504}};
        QTest::newRow("polarity drawing")
            << 3 << QRect(112, 32, 217, 497) << QSize(218, 494)
            << QList<QPoint>{{5, 5}, {75, 62}, {24, 62}, {110, 267}, {216, 200}}
            // White paper; the coral disc of the top view; the black "+";
            // the coral flange; the last column drawn.
            << QList<QColor>{{255, 255, 255}, {236, 88, 74}, {3, 3, 3}, {236, 91, 72},
                             {255, 255, 255}}
            << QList<QPoint>{{217, 200}, {10, 494}, {10, 496}};
        QTest::newRow("summary table")
            << 4 << QRect(48, 88, 593, 345) << QSize(590, 338)
            << QList<QPoint>{{5, 5}, {100, 40}, {100, 80}, {2, 29}, {589, 337}}
            // Grey header row, first row white, second light grey, a
            // mid-grey grid line, the bottom-right corner of the grid.
            << QList<QColor>{{190, 190, 190}, {255, 255, 255}, {232, 232, 232}, {123, 123, 123},
                             {126, 126, 126}}
            << QList<QPoint>{{590, 10}, {592, 10}, {10, 338}, {10, 344}};
    }

    // Drawn at natural size from the control's top-left corner, clipped,
    // never scaled: the window shows the picture's own pixels where the
    // design puts them.
    void pictures()
    {
        QFETCH(int, index);
        QFETCH(QRect, geometry);
        QFETCH(QSize, natural);
        QFETCH(QList<QPoint>, at);
        QFETCH(QList<QColor>, colours);
        QFETCH(QList<QPoint>, background);
        QWidget& form = window(index);
        auto& picture = in<Picture>(form, "Image1");
        QCOMPARE(picture.geometry(), geometry);
        QCOMPARE(picture.error(), QString());
        QCOMPARE(picture.naturalSize(), natural);
        QCOMPARE(picture.image().size(), natural);

        QImage shown;
        whileShown(form, [&] { shown = form.grab().toImage(); });
        QVERIFY(!shown.isNull());
        const QColor window = form.palette().color(QPalette::Window);
        for (qsizetype i = 0; i < at.size(); ++i) {
            const QColor seen = shown.pixelColor(geometry.topLeft() + at[i]);
            QVERIFY2(near(seen, colours[i]),
                     qPrintable(QStringLiteral("(%1, %2): %3, expected about %4")
                                    .arg(at[i].x())
                                    .arg(at[i].y())
                                    .arg(seen.name(), colours[i].name())));
        }
        for (const QPoint& p : background)
            QCOMPARE(shown.pixelColor(geometry.topLeft() + p), window);
    }

    // The summary table's texts: one sentence over two lines in the larger
    // font, the link in the window font on its silver band.
    void summaryTableLabels()
    {
        QWidget& form = tableau();
        QCOMPARE(form.font().pixelSize(), 11);
        const struct {
            const char* name;
            QPoint pos;
            int pixels;
            QString text;
        } labels[] = {
            {"Label1", {32, 8}, 13,
             "Ce tableau résume la tension de seuil (tension à partir de laquelle votre LED "
             "émet une lumière) que vous devez"},
            {"Label2", {176, 32}, 13,
             "appliquer à votre LED en fonction du type de LED que vous utilisez"},
            {"Label3", {288, 64}, 11, "Plus d'infos ici"},
        };
        for (const auto& expected : labels) {
            auto& label = in<Label>(form, expected.name);
            QCOMPARE(label.pos(), expected.pos);
            QCOMPARE(label.font().pixelSize(), expected.pixels);
            QCOMPARE(label.text(), expected.text);
        }
        auto& link = in<Label>(form, "Label3");
        QCOMPARE(link.palette().color(QPalette::Window), QColor(192, 192, 192));
        QVERIFY(!link.font().underline());

        // Seen in the window: the silver band around the link's text.
        QImage shown;
        whileShown(form, [&] { shown = form.grab().toImage(); });
        QCOMPARE(shown.pixelColor(link.pos() + QPoint(1, 1)), QColor(192, 192, 192));
        // The second line ends before the picture's right edge: the
        // sentence fits the window as designed.
        QVERIFY(in<Label>(form, "Label1").geometry().right() < form.width());
    }

    void modal_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("Form2") << 2;
        QTest::newRow("Form3") << 3;
        QTest::newRow("Form4") << 4;
    }

    // While an information window is up, the main window takes neither keys
    // (Ctrl+Q included) nor clicks; the window itself ignores Escape and
    // has no control that takes the focus. Afterwards the main window has
    // its inputs, results and focus back as they were.
    void modal()
    {
        QFETCH(int, index);
        QWidget& form = window(index);
        auto& edit1 = in<Edit>(main(), "Edit1");
        auto& edit2 = in<Edit>(main(), "Edit2");
        edit1.setText(QStringLiteral("5"));  // a click on Button1 would compute
        edit2.setFocus(Qt::TabFocusReason);
        QTest::keyClicks(&edit2, QStringLiteral("7"));
        const QString result = in<StaticText>(main(), "StaticText1").text();
        auto& button = in<QPushButton>(main(), "Button1");
        const QPoint onButton = button.mapTo(&main(), button.rect().center());

        whileShown(form, [&] {
            QCOMPARE(QApplication::activeModalWidget(), &form);
            QCOMPARE(QGuiApplication::modalWindow(), form.windowHandle());
            QTest::keyClick(form.windowHandle(), Qt::Key_Q, Qt::ControlModifier);
            QTest::keyClick(main().windowHandle(), Qt::Key_Q, Qt::ControlModifier);
            QTest::keyClick(main().windowHandle(), Qt::Key_9);
            QTest::mouseClick(main().windowHandle(), Qt::LeftButton, {}, onButton);
            QTest::keyClick(form.windowHandle(), Qt::Key_Escape);
            QTest::keyClick(form.windowHandle(), Qt::Key_Tab);
            QCoreApplication::processEvents();
            QVERIFY(form.isVisible());
            QVERIFY(main().isVisible());
            QCOMPARE(QApplication::focusWidget(), nullptr);
        });
        QVERIFY(!form.isVisible());
        for (const QWidget* widget : form.findChildren<QWidget*>())
            QVERIFY2(widget->focusPolicy() == Qt::NoFocus, qPrintable(widget->objectName()));
        QCOMPARE(edit2.text(), QStringLiteral("7"));
        QCOMPARE(in<StaticText>(main(), "StaticText1").text(), result);
        QTRY_COMPARE(QApplication::focusWidget(), &edit2);
        QCOMPARE(QApplication::activeWindow(), &main());
    }

    // Closing only hides: the same object opens again where the user moved
    // it, at the size the user gave it, the link as the pointer left it.
    void ownedByTheMainWindow_data() { modal_data(); }

    // Each belongs to the main window (one task-bar entry for the program);
    // minimised, it takes the main window with it, and the main window
    // restored brings it back on top.
    void ownedByTheMainWindow()
    {
        QFETCH(int, index);
        QWidget& form = window(index);
        whileShown(form, [&] {
            QCOMPARE(form.windowHandle()->transientParent(), main().windowHandle());
            form.showMinimized();
            QTRY_VERIFY(main().isMinimized());
            main().showNormal();
            QTRY_VERIFY(!form.isMinimized());
            QVERIFY(form.isVisible());
        });
    }

    void hiddenNotDestroyed()
    {
        for (int index : {2, 3, 4}) {
            QWidget& form = window(index);
            const QPointer<QWidget> alive(&form);
            auto& link = in<Label>(tableau(), "Label3");
            whileShown(form, [&] {
                if (index == 4)
                    moveTo(QLatin1Char('L'));
                form.move(150, 120);
                form.resize(300, 250);
            });
            QVERIFY(alive != nullptr);
            QVERIFY(!form.isVisible());
            QCOMPARE(link.font().underline(), index == 4);
            bool checked = false;
            whileShown(form, [&] {
                QCOMPARE(form.pos(), QPoint(150, 120));
                QCOMPARE(form.size(), QSize(300, 250));
                QVERIFY(form.findChild<ScrolledClient*>()->horizontal().isVisible());
                QCOMPARE(link.font().underline(), index == 4);
                checked = true;
            });
            QVERIFY(checked);
        }
    }

    void scrollBars_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QSize>("less");   // taken from the extent
        QTest::addColumn<QSize>("bars");   // bar thicknesses added back
        QTest::addColumn<bool>("across");
        QTest::addColumn<bool>("down");
        for (int index : {2, 3, 4}) {
            const auto row = [index](const char* name) -> QTestData& {
                return QTest::addRow("Form%d %s", index, name) << index;
            };
            row("exactly the extent") << QSize(0, 0) << QSize(0, 0) << false << false;
            row("larger") << QSize(-100, -60) << QSize(0, 0) << false << false;
            row("1 px narrow: the bar takes height") << QSize(1, 0) << QSize(0, 0) << true
                                                      << true;
            row("1 px narrow, height for the bar") << QSize(1, 0) << QSize(0, 1) << true << false;
            row("1 px short: the bar takes width") << QSize(0, 1) << QSize(0, 0) << true << true;
            row("1 px short, width for the bar") << QSize(0, 1) << QSize(1, 0) << false << true;
            row("smaller both ways") << QSize(150, 200) << QSize(0, 0) << true << true;
        }
    }

    // Bars appear when the window is smaller than the extent of its
    // controls, scroll by 8 and 80 pixels over exactly the hidden part, and
    // go away when it is large enough again; the controls keep their
    // design positions in the client, which slides under the view.
    void scrollBars()
    {
        QFETCH(int, index);
        QFETCH(QSize, less);
        QFETCH(QSize, bars);
        QFETCH(bool, across);
        QFETCH(bool, down);
        QWidget& form = window(index);
        auto* scrolled = form.findChild<ScrolledClient*>();
        QVERIFY(scrolled != nullptr);
        QScrollBar& h = scrolled->horizontal();
        QScrollBar& v = scrolled->vertical();
        auto& image = in<Picture>(form, "Image1");
        const QPoint designed = image.pos();

        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        // The extent: right and bottom edges of the controls.
        QSize extent(image.x() + image.width(), image.y() + image.height());
        if (index == 4) {  // the first line of text, as wide as its font makes it
            const QWidget& line = in<Label>(form, "Label1");
            extent.setWidth(std::max(extent.width(), line.x() + line.width()));
        }
        QCOMPARE(scrolled->extent(), extent);
        const QSize expectedExtent[] = {{353, 521}, {329, 529}};
        if (index < 4)
            QCOMPARE(extent, expectedExtent[index - 2]);

        const int barWidth = v.sizeHint().width();
        const int barHeight = h.sizeHint().height();
        const QSize client =
            extent - less + QSize(bars.width() * barWidth, bars.height() * barHeight);
        form.resize(client);
        QCoreApplication::processEvents();
        QCOMPARE(h.isVisible(), across);
        QCOMPARE(v.isVisible(), down);

        const QSize view(client.width() - (down ? barWidth : 0),
                         client.height() - (across ? barHeight : 0));
        QCOMPARE(h.maximum(), across ? extent.width() - view.width() : 0);
        QCOMPARE(v.maximum(), down ? extent.height() - view.height() : 0);
        for (const QScrollBar* bar : {&h, &v}) {
            QCOMPARE(bar->singleStep(), 8);
            QCOMPARE(bar->pageStep(), 80);
            QCOMPARE(bar->focusPolicy(), Qt::NoFocus);
        }
        if (across)
            QCOMPARE(h.geometry(), QRect(0, view.height(), view.width(), barHeight));
        if (down)
            QCOMPARE(v.geometry(), QRect(view.width(), 0, barWidth, view.height()));

        // Scrolled to the end, the far edge of the controls meets the view's.
        h.setValue(h.maximum());
        v.setValue(v.maximum());
        QCOMPARE(image.pos(), designed);
        QCOMPARE(image.mapTo(&form, QPoint()), designed - QPoint(h.value(), v.value()));
        if (across || down)
            QCOMPARE(QSize(h.value(), v.value()) + view,
                     QSize(across ? extent.width() : view.width(),
                           down ? extent.height() : view.height()));

        // Large enough again: no bars, nothing scrolled.
        form.resize(extent + QSize(10, 10));
        QCoreApplication::processEvents();
        QVERIFY(!h.isVisible());
        QVERIFY(!v.isVisible());
        QCOMPARE(image.mapTo(&form, QPoint()), designed);
        form.hide();
    }

    void link_data()
    {
        QTest::addColumn<QString>("way");     // spots, as in spot() and moveTo()
        QTest::addColumn<QString>("states");  // u underlined, p plain, after each
        QTest::addColumn<QString>("paints");  // the link's repaints after each
        QTest::newRow("link, picture, bare area below") << "LPB" << "uup" << "101";
        QTest::newRow("link, uncovered strip of the picture, bare") << "LUB" << "uup" << "101";
        QTest::newRow("link, first line of text, bare") << "L1B" << "uup" << "101";
        QTest::newRow("link, second line of text") << "L2" << "uu" << "10";
        QTest::newRow("link, out of the window, back on bare area") << "LOB" << "uup" << "101";
        QTest::newRow("bare area only") << "BbB" << "ppp" << "000";
        QTest::newRow("hovering again and again") << "LLLLL" << "uuuuu" << "10000";
        QTest::newRow("link, just beside it, link, beside") << "LbLb" << "upup" << "1111";
        QTest::newRow("picture first") << "PL" << "pu" << "01";
    }

    // The link underlines over itself, turns plain over bare background
    // only, repaints only when that changes, and never gains another style;
    // the pointer stays an arrow.
    void link()
    {
        QFETCH(QString, way);
        QFETCH(QString, states);
        QFETCH(QString, paints);
        auto& link = in<Label>(tableau(), "Label3");
        const QFont plain = link.font();
        PaintCounter painted(link);
        whileShown(tableau(), [&] {
            QCoreApplication::processEvents();
            for (qsizetype i = 0; i < way.size(); ++i) {
                const int before = painted.count;
                moveTo(way[i]);
                QCoreApplication::processEvents();
                const bool underlined = states[i] == QLatin1Char('u');
                QFont expected = plain;
                expected.setUnderline(underlined);
                QVERIFY2(link.font() == expected,
                         qPrintable(QStringLiteral("step %1 (%2)").arg(i).arg(way[i])));
                QCOMPARE(painted.count - before, paints[i].digitValue());
            }
            QCOMPARE(link.cursor().shape(), Qt::ArrowCursor);
            QVERIFY(!link.testAttribute(Qt::WA_SetCursor));
            QVERIFY(!clientArea(tableau()).testAttribute(Qt::WA_SetCursor));
        });
    }

    void click_data()
    {
        // p press, r release, m move, c click, d double click, R right
        // click, each followed by its spot.
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("opened");
        QTest::newRow("click") << "cL" << 1;
        QTest::newRow("three clicks") << "cL cL cL" << 3;
        QTest::newRow("double click: once") << "dL" << 1;
        QTest::newRow("released on bare area") << "pL mB rB" << 0;
        QTest::newRow("released on the picture") << "pL mP rP" << 0;
        QTest::newRow("out and back before release") << "pL mB mL rL" << 1;
        QTest::newRow("pressed on bare area") << "pB mL rL" << 0;
        QTest::newRow("pressed on the other label") << "p1 mL rL" << 0;
        QTest::newRow("right button") << "RL" << 0;
    }

    // A click is a press and a release over the link; each opens the page,
    // the window stays.
    void click()
    {
        QFETCH(QString, steps);
        QFETCH(int, opened);
        Browser browser;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "open");
        QWindow* w = nullptr;
        whileShown(tableau(), [&] {
            w = tableau().windowHandle();
            for (const QString& step : steps.split(QLatin1Char(' '))) {
                const QPoint at = spot(step[1]);
                switch (step[0].unicode()) {
                case 'p':
                    QTest::mousePress(w, Qt::LeftButton, {}, at);
                    break;
                case 'r':
                    QTest::mouseRelease(w, Qt::LeftButton, {}, at);
                    break;
                case 'm':
                    QTest::mouseMove(w, at);
                    break;
                case 'c':
                    QTest::mouseClick(w, Qt::LeftButton, {}, at);
                    break;
                case 'd':
                    QTest::mouseDClick(w, Qt::LeftButton, {}, at);
                    break;
                case 'R':
                    QTest::mouseClick(w, Qt::RightButton, {}, at);
                    break;
                }
                QVERIFY(tableau().isVisible());
            }
        });
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QVERIFY(w != nullptr);
        QCOMPARE(browser.opened, QList<QUrl>(opened, PageTensionSeuil));
    }
};

OHMIRA_TEST_MAIN(InfoWindowsTest)
#include "test_fenetres_info.moc"
