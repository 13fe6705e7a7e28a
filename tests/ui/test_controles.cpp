// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Our controls on their own: typed-prefix selection, JPEG pictures, the
// bevel, self-sizing labels, edit fields, and the font rule.

#include "helpers.h"

#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/jpeg.h"

#include <QFile>
#include <QScrollBar>

using namespace ohmira::ui;

namespace {

const QStringList Colours = {"Rouge", "InfraRouge", "Orange", "Jaune", "Vert",
                             "Bleu",  "Violet",     "UltraViolet", "Blanc"};

QByteArray resource(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class ControlsTest : public QObject {
    Q_OBJECT

private slots:
    // "|" in the keys stands for a pause longer than the 499 ms that end a
    // prefix.
    void typedPrefix_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("selected");
        QTest::newRow("first letter") << 0 << "v" << "Vert";
        QTest::newRow("prefix goes on") << 0 << "vi" << "Violet";
        QTest::newRow("any case") << 0 << "VIo" << "Violet";
        QTest::newRow("first entry, not the next one") << 2 << "r" << "Rouge";
        QTest::newRow("two entries share bl") << 0 << "bl" << "Bleu";
        QTest::newRow("bla") << 0 << "bla" << "Blanc";
        QTest::newRow("pause restarts") << 0 << "v|b" << "Bleu";
        QTest::newRow("same letter after a pause") << 0 << "u|u" << "UltraViolet";
        QTest::newRow("no entry: selection stays") << 3 << "vx" << "Vert";
        QTest::newRow("no entry at all") << 3 << "z" << "Jaune";
    }

    void typedPrefix()
    {
        QFETCH(int, start);
        QFETCH(QString, keys);
        QFETCH(QString, selected);
        ComboBox combo;
        combo.addItems(Colours);
        combo.setCurrentIndex(start);
        combo.show();
        const QStringList parts = keys.split(QLatin1Char('|'));
        for (qsizetype i = 0; i < parts.size(); ++i) {
            if (i > 0)
                QTest::qWait(PrefixListView::PauseMs + 60);
            QTest::keyClicks(&combo, parts[i]);
        }
        QCOMPARE(combo.currentText(), selected);
        QVERIFY(qobject_cast<PrefixListView*>(combo.view()) != nullptr);
    }

    // The same rule applies in the open list; it shows 8 rows, so the
    // ninth needs the scroll bar.
    void openList()
    {
        ComboBox combo;
        combo.addItems(Colours);
        combo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&combo));
        combo.showPopup();
        QAbstractItemView* view = combo.view();
        QVERIFY(qobject_cast<PrefixListView*>(view) != nullptr);
        QTRY_VERIFY(view->isVisible());
        const int row = view->sizeHintForRow(0);
        QVERIFY(view->viewport()->height() >= 8 * row);
        QVERIFY(view->viewport()->height() < 9 * row);
        QVERIFY(view->verticalScrollBar()->maximum() > 0);
        QVERIFY(view->verticalScrollBar()->isVisible());
        QVERIFY(view->window()->geometry().top() >= combo.mapToGlobal(QPoint(0, 0)).y());

        QTest::keyClicks(view, QStringLiteral("ul"));
        QCOMPARE(view->currentIndex().row(), 7);
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(combo.currentText(), QStringLiteral("UltraViolet"));
    }

    void editSelectsWhenEnteredByKeyboard()
    {
        QWidget window;
        auto* before = new Edit(&window);
        auto* edit = new Edit(&window);
        edit->move(0, 30);
        edit->setText(QStringLiteral("En Volt"));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(edit->maxLength() > 1'000'000);

        QTest::mouseClick(edit, Qt::LeftButton);  // the mouse places the caret
        QVERIFY(!edit->hasSelectedText());
        before->setFocus();
        QTest::keyClick(before, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), edit);
        QCOMPARE(edit->selectedText(), QStringLiteral("En Volt"));
        QTest::keyClicks(edit, QStringLiteral("12"));
        QCOMPARE(edit->text(), QStringLiteral("12"));
    }

    void labelsSizeToTheirText()
    {
        QWidget window;
        auto* label = new Label(&window);
        auto* text = new StaticText(&window);
        label->move(48, 288);
        text->move(48, 256);
        label->setText(QStringLiteral("avant"));
        QCOMPARE(label->size(), QSize(100, 30));  // not measured before it is polished
        window.ensurePolished();
        QCOMPARE(label->width(), label->fontMetrics().horizontalAdvance(QStringLiteral("avant")));
        for (const QString& s : {QStringLiteral("Soit en normalisé :"),
                                 QStringLiteral("Soit en normalisé : 51000000000000,00 kOhms"),
                                 QStringLiteral("court")}) {
            label->setText(s);
            text->setText(s);
            const QFontMetrics metrics(label->font());
            QCOMPARE(label->geometry(),
                     QRect(48, 288, metrics.horizontalAdvance(s), metrics.height()));
            QCOMPARE(text->geometry(),
                     QRect(48, 256, metrics.horizontalAdvance(s) + 4, metrics.height() + 4));
        }
        QFont big = label->font();
        big.setPixelSize(30);
        label->setFont(big);
        QCOMPARE(label->height(), QFontMetrics(big).height());

        // Opaque, in the window colour.
        window.setPalette(QPalette(Qt::black, QColor(200, 100, 50)));
        label->setText(QStringLiteral("    "));
        QCOMPARE(label->grab().toImage().pixelColor(1, 1), QColor(200, 100, 50));
    }

    void bevelIsALoweredBox()
    {
        QWidget window;
        window.setPalette(QPalette(Qt::black, QColor(10, 20, 30)));
        window.resize(40, 60);
        auto* bevel = new Bevel(&window);
        bevel->setGeometry(5, 5, 9, 50);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage image = window.grab().toImage();
        const QColor grey(128, 128, 128);
        QCOMPARE(image.pixelColor(5, 30), grey);    // left
        QCOMPARE(image.pixelColor(9, 5), grey);     // top
        QCOMPARE(image.pixelColor(13, 30), QColor(Qt::white));  // right
        QCOMPARE(image.pixelColor(9, 54), QColor(Qt::white));   // bottom
        QCOMPARE(image.pixelColor(9, 30), QColor(10, 20, 30));  // inside: the window
        QVERIFY(bevel->testAttribute(Qt::WA_TransparentForMouseEvents));
    }

    // Natural size from the top-left corner, clipped; the margin shows the
    // window.
    void pictureDrawnAtNaturalSize()
    {
        QWidget window;
        window.setPalette(QPalette(Qt::black, QColor(10, 20, 30)));
        auto* picture = new Picture(&window);
        picture->setSource(QStringLiteral(":/designs/led_pass_serie.jpg"));
        QCOMPARE(picture->naturalSize(), QSize(150, 134));
        picture->setGeometry(0, 0, 153, 137);
        window.resize(160, 140);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage& pixels = picture->image();
        for (const QPoint p : {QPoint(0, 0), QPoint(75, 67), QPoint(149, 133)})
            QCOMPARE(shown.pixelColor(p), pixels.pixelColor(p));
        QCOMPARE(shown.pixelColor(151, 10), QColor(10, 20, 30));
        QCOMPARE(shown.pixelColor(10, 135), QColor(10, 20, 30));

        picture->resize(50, 40);  // clipped, not scaled
        const QImage clipped = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(clipped.size(), QSize(50, 40));
        QCOMPARE(clipped.pixelColor(49, 39), pixels.pixelColor(49, 39));
    }

    // libjpeg's own decoder: what it reads matches Qt's reading of the same
    // file, and bad data is an error, never a crash.
    void jpegDecoding()
    {
        const QByteArray jpeg = resource(QStringLiteral(":/designs/led_pass_parallele.jpg"));
        QVERIFY(!jpeg.isEmpty());
        QString error;
        const QImage image = decodeJpeg(jpeg, &error);
        QCOMPARE(error, QString());
        QCOMPARE(image.size(), QSize(150, 295));
        QCOMPARE(image.format(), QImage::Format_RGB32);
        QCOMPARE(readJpegHeader(jpeg).size, QSize(150, 295));

        struct Case {
            const char* name;
            QByteArray data;
            const char* message;
        };
        const Case bad[] = {
            {"empty", {}, "fichier vide"},
            {"not a JPEG", "not a picture at all", "Not a JPEG file: starts with 0x6e 0x6f"},
            {"header cut", jpeg.left(20), ""},
        };
        for (const Case& c : bad) {
            QString message;
            QVERIFY2(decodeJpeg(c.data, &message).isNull(), c.name);
            QVERIFY2(!message.isEmpty(), c.name);
            QVERIFY2(message.startsWith(QLatin1String(c.message)), qPrintable(message));
            QCOMPARE(readJpegHeader(c.data).error, message);
        }
        // A body cut short is only a warning to libjpeg: it still gives a
        // picture of the right size.
        QCOMPARE(decodeJpeg(jpeg.left(jpeg.size() / 2), &error).size(), QSize(150, 295));
    }

    void designPixelSizes()
    {
        QCOMPARE(designPixelSize(8, 1.0), 11);
        QCOMPARE(designPixelSize(10, 1.0), 13);
        QCOMPARE(designPixelSize(12, 1.0), 16);
        QCOMPARE(designPixelSize(8, 16.0 / 13), 14);
        QCOMPARE(fontScale(), 1.0);  // the offscreen platform reports 96 dpi
    }

    // Text as wide as the layouts expect: the reference label within a few
    // pixels of its designed 139, whatever the desktop family.
    void designLetterWidths()
    {
        const int stretch = designStretch();
        QVERIFY(stretch >= 75 && stretch <= 100);
        QFont font = QApplication::font();
        font.setPixelSize(11);
        font.setStretch(stretch);
        const int width =
            QFontMetrics(font).horizontalAdvance(QStringLiteral("Nombre de LED en parallèle :"));
        QVERIFY2(width <= 139 + 8, qPrintable(QString::number(width)));
        QVERIFY2(stretch == 100 || width >= 139 - 8, qPrintable(QString::number(width)));
    }

    // A desktop font changed while the program runs is measured anew: a
    // monospaced family is far wider than the layouts' letters.
    void designStretchFollowsTheApplicationFont()
    {
        const QFont before = QApplication::font();
        const int stretch = designStretch();
        QFont mono(QStringLiteral("DejaVu Sans Mono"));
        mono.setPixelSize(11);
        QApplication::setFont(mono);
        const int monoStretch = designStretch();
        QApplication::setFont(before);
        QVERIFY2(monoStretch < stretch, qPrintable(QStringLiteral("%1 %2").arg(monoStretch).arg(stretch)));
        QCOMPARE(designStretch(), stretch);
    }

    // At another font resolution, fonts, positions and sizes grow with the
    // text height; the window's screen position does not.
    void scaledDesign()
    {
        QWidget root;
        QFont f;
        f.setPointSize(8);
        root.setProperty(DesignFontProperty, f);
        root.move(127, 180);
        root.resize(100, 50);
        auto* client = new QWidget(&root);
        client->setFixedSize(80, 40);
        auto* heading = new Label(client);
        QFont h;
        h.setPointSize(12);
        h.setBold(true);
        heading->setProperty(DesignFontProperty, h);
        heading->setText(QStringLiteral("Titre"));
        auto* button = new QWidget(client);
        button->setGeometry(10, 20, 30, 15);

        applyDesignFonts(root, 2.0, 87);
        QCOMPARE(root.pos(), QPoint(127, 180));
        QCOMPARE(root.size(), QSize(200, 100));
        QCOMPARE(client->minimumSize(), QSize(160, 80));
        QCOMPARE(root.font().pixelSize(), 22);
        QCOMPARE(heading->font().pixelSize(), 32);
        QVERIFY(heading->font().bold());
        QCOMPARE(heading->font().stretch(), 87);
        QCOMPARE(button->geometry(), QRect(20, 40, 60, 30));
        QCOMPARE(button->font().pixelSize(), 22);
        QCOMPARE(button->font().stretch(), 87);
        QVERIFY(!heading->property(DesignFontProperty).isValid());
    }
};

OHMIRA_TEST_MAIN(ControlsTest)
#include "test_controles.moc"
