// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every design loads into its window and binds all its events; a broken
// design stops with a message that names the window and the fault.

#include "helpers.h"

#include "ui/binder.h"
#include "ui/controls.h"
#include "ui/design_loader.h"
#include "ui/scrolling.h"
#include "ui/windows.h"

#include <QAction>
#include <QBuffer>
#include <QFile>
#include <QPushButton>
#include <QWindow>

#include <map>
#include <stdexcept>

using namespace ohmira::ui;

namespace {

// The event properties found on a window: "object.Event" -> handler name.
std::map<QString, QString> bindings(QWidget& root)
{
    std::map<QString, QString> found;
    QList<QObject*> objects = root.findChildren<QObject*>();
    objects.prepend(&root);
    for (QObject* object : objects)
        for (const QByteArray& property : object->dynamicPropertyNames())
            if (property.startsWith("On"))
                found[object->objectName() + QLatin1Char('.') + QString::fromLatin1(property)] =
                    object->property(property.constData()).toString();
    return found;
}

// A one-window design around `body`, settings for placeWindow included.
QByteArray design(const QByteArray& body, const QByteArray& rootClass = "QWidget")
{
    return R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <class>Essai</class>
 <widget class=")" + rootClass + R"(" name="Essai">
  <property name="screenPosition" stdset="0"><point><x>10</x><y>20</y></point></property>
  <property name="borderStyle" stdset="0"><string>sizeable</string></property>
  <property name="borderIcons" stdset="0"><string>minimize,maximize</string></property>
)" + body + R"(
 </widget>
</ui>
)";
}

const QByteArray Button = R"(
  <widget class="QPushButton" name="Button1">
   <property name="OnClick" stdset="0"><string>Button1Click</string></property>
  </widget>)";

// Loads, checks the controls and binds as a window's constructor does.
void build(QWidget& root, const QByteArray& ui, const std::vector<Handler>& handlers)
{
    QBuffer buffer;
    buffer.setData(ui);
    DesignLoader().loadInto(root, buffer, QStringLiteral("essai.ui"));
    bindHandlers(root, handlers);
    placeWindow(root);
}

}  // namespace

class DesignsTest : public QObject {
    Q_OBJECT

private slots:
    // The program's own windows: each loads, and its design binds exactly
    // these events (Enregistrer, for one, has none).
    void everyDesignLoadsAndBinds()
    {
        Program program;
        const std::map<QString, QString> form1 = {
            {"Button1.OnClick", "Button1Click"},
            {"Button2.OnClick", "Button2Click"},
            {"Quitter1.OnClick", "Quitter1Click"},
            {"ImageduneLED1.OnClick", "ImageduneLED1Click"},
            {"SchmaPolarisation1.OnClick", "SchmaPolarisation1Click"},
            {"ableauxrcapitulatif1.OnClick", "ableauxrcapitulatif1Click"},
            {"LienTRESutile1.OnClick", "LienTRESutile1Click"},
            {"Montagesurmesure1.OnClick", "Montagesurmesure1Click"},
        };
        QCOMPARE(bindings(program.Form1), form1);
        QCOMPARE(bindings(program.Form2), (std::map<QString, QString>{}));
        QCOMPARE(bindings(program.Form3), (std::map<QString, QString>{}));
        const std::map<QString, QString> form4 = {
            {"Form4.OnMouseMove", "FormMouseMove"},
            {"Label3.OnClick", "Label3Click"},
            {"Label3.OnMouseMove", "Label3MouseMove"},
        };
        QCOMPARE(bindings(program.Form4), form4);

        // Each bound event really runs its handler: Button1 shows the error
        // box about "En Volt".
        const ErrorBox box = closeErrorBox([&] {
            control<QPushButton>(program.Form1, "Button1").click();
        });
        QVERIFY(box.shown);
    }

    void informationWindows_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QPoint>("position");
        QTest::addColumn<QSize>("outerSize");
        QTest::newRow("Form2") << 2 << "Form2" << "Image d'une LED" << QPoint(412, 145)
                               << QSize(405, 580);
        QTest::newRow("Form3") << 3 << "Form3" << "Schéma - polarisation d'une LED"
                               << QPoint(341, 103) << QSize(452, 597);
        QTest::newRow("Form4") << 4 << "Form4" << "Tableau récapitulatif" << QPoint(282, 256)
                               << QSize(713, 503);
    }

    // Hidden from the start, at their place, resizable with both buttons.
    // (The offscreen platform draws no frame, so the outer size is the
    // window's whole size there.)
    void informationWindows()
    {
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QPoint, position);
        QFETCH(QSize, outerSize);
        Program program;
        QWidget* windows[] = {nullptr, nullptr, &program.Form2, &program.Form3, &program.Form4};
        QWidget& window = *windows[index];
        QCOMPARE(window.objectName(), name);
        QVERIFY(!window.isVisible());
        QCOMPARE(window.windowTitle(), caption);
        QCOMPARE(window.pos(), position);
        QVERIFY(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(window.minimumSize() != window.maximumSize());

        QTimer::singleShot(0, [&] { window.close(); });
        showModal(window, program.Form1);
        QCOMPARE(window.frameGeometry().size(), outerSize);
        QVERIFY(!window.isVisible());
    }

    void pictures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::newRow("Image1") << "Image1" << QSize(150, 134);
        QTest::newRow("Image2") << "Image2" << QSize(150, 295);
    }

    void pictures()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        Program program;
        auto& picture = control<Picture>(program.Form1, name.toLatin1().constData());
        QCOMPARE(picture.error(), QString());
        QCOMPARE(picture.naturalSize(), size);
        QCOMPARE(picture.image().size(), size);
    }

    void brokenDesigns_data()
    {
        QTest::addColumn<QByteArray>("ui");
        QTest::addColumn<QString>("message");

        QTest::newRow("gestionnaire inconnu")
            << design(R"(<widget class="QPushButton" name="Button1">
   <property name="OnClick" stdset="0"><string>Button9Click</string></property>
  </widget>)" + Button)
            << "Fenêtre Essai (essai.ui) : "
               "Button1.OnClick nomme un gestionnaire inconnu « Button9Click »";
        QTest::newRow("gestionnaire lié à rien")
            << design("")
            << "Fenêtre Essai (essai.ui) : le gestionnaire Button1Click n'est lié à rien";
        QTest::newRow("événement impossible")
            << design(R"(<widget class="ohmira::ui::Bevel" name="Bevel1">
   <property name="OnClick" stdset="0"><string>Button1Click</string></property>
  </widget>)" + Button)
            << "Fenêtre Essai (essai.ui) : "
               "Bevel1.OnClick : événement impossible pour un ohmira::ui::Bevel";
        QTest::newRow("mouvement impossible sur un bouton")
            << design(R"(<widget class="QPushButton" name="Button2">
   <property name="OnMouseMove" stdset="0"><string>Button1Click</string></property>
  </widget>)" + Button)
            << "Fenêtre Essai (essai.ui) : "
               "Button2.OnMouseMove : événement impossible pour un QPushButton";
        QTest::newRow("mouvement impossible sur une image")
            << design(R"(<widget class="ohmira::ui::Picture" name="Image1">
   <property name="OnMouseMove" stdset="0"><string>Button1Click</string></property>
  </widget>)" + Button)
            << "Fenêtre Essai (essai.ui) : "
               "Image1.OnMouseMove : événement impossible pour un ohmira::ui::Picture";
        QTest::newRow("classe inconnue")
            << design(R"(<widget class="QTextEdit" name="Label1"/>)" + Button)
            << "Fenêtre Essai (essai.ui) : classe inconnue QTextEdit (contrôle Label1)";
        QTest::newRow("racine d'une autre classe")
            << design(Button, "QMainWindow")
            << "Fenêtre essai.ui : la racine Essai est de classe QMainWindow, la fenêtre de "
               "classe QWidget";
        QTest::newRow("image absente")
            << design(R"(<widget class="ohmira::ui::Picture" name="Image1">
   <property name="source"><string>:/designs/absente.jpg</string></property>
  </widget>)" + Button)
            << "Fenêtre Essai (essai.ui) : Image1 : image « :/designs/absente.jpg » illisible";
        QTest::newRow("image qui n'est pas un JPEG")
            << design(R"(<widget class="ohmira::ui::Picture" name="Image1">
   <property name="source"><string>:/designs/led_pass.ui</string></property>
  </widget>)" + Button)
            << "Fenêtre Essai (essai.ui) : "
               "Image1 : image « :/designs/led_pass.ui » : Not a JPEG file";
        QTest::newRow("XML incorrect")
            << QByteArray("<ui version=\"4.0\"><widget")
            << "Fenêtre essai.ui : An error has occurred while reading the UI file";
        QTest::newRow("réglage de fenêtre absent")
            << design(Button).replace("screenPosition", "position")
            << "Fenêtre Essai (essai.ui) : réglage screenPosition absent ou du mauvais type";
        QTest::newRow("bordure inconnue")
            << design(Button).replace("<string>sizeable", "<string>resizable")
            << "Fenêtre Essai (essai.ui) : borderStyle « resizable » inconnu";
    }

    void brokenDesigns()
    {
        QFETCH(QByteArray, ui);
        QFETCH(QString, message);
        QWidget root;
        try {
            build(root, ui, {{"Button1Click", [] {}}});
            QFAIL("the design was accepted");
        } catch (const DesignError& e) {
            const QString what = QString::fromUtf8(e.what());
            QVERIFY2(what.startsWith(message), qPrintable(what));
        }
    }

    void pointerEvents_data()
    {
        QTest::addColumn<bool>("scrolls");
        QTest::newRow("controls on the window") << false;
        QTest::newRow("controls in a scrolled client") << true;
    }

    // A label's click and pointer moves; the window's own moves happen over
    // its bare background only, never over a control, wherever the controls
    // sit.
    void pointerEvents()
    {
        QFETCH(bool, scrolls);
        QWidget root;
        QBuffer buffer;
        buffer.setData(design(R"(
  <property name="geometry">
   <rect><x>0</x><y>0</y><width>200</width><height>100</height></rect>
  </property>
  <property name="OnMouseMove" stdset="0"><string>FormMouseMove</string></property>
  <widget class="ohmira::ui::Label" name="Label1">
   <property name="geometry">
    <rect><x>10</x><y>10</y><width>50</width><height>13</height></rect>
   </property>
   <property name="text"><string>Lien</string></property>
   <property name="OnClick" stdset="0"><string>Label1Click</string></property>
   <property name="OnMouseMove" stdset="0"><string>Label1MouseMove</string></property>
  </widget>
  <widget class="ohmira::ui::Picture" name="Image1">
   <property name="geometry">
    <rect><x>10</x><y>40</y><width>50</width><height>50</height></rect>
   </property>
  </widget>)"));
        DesignLoader().loadInto(root, buffer, QStringLiteral("essai.ui"));
        if (scrolls)
            scrollAutomatically(root);
        QStringList calls;
        bindHandlers(root, {
            {"FormMouseMove", [&] { calls << "FormMouseMove"; }},
            {"Label1Click", [&] { calls << "Label1Click"; }},
            {"Label1MouseMove", [&] { calls << "Label1MouseMove"; }},
        });
        root.show();
        QVERIFY(QTest::qWaitForWindowExposed(&root));
        QWindow* window = root.windowHandle();
        QTest::mouseMove(window, {100, 20});  // bare
        QTest::mouseMove(window, {15, 15});   // the label
        QTest::mouseMove(window, {20, 60});   // the picture: its own
        QTest::mouseMove(window, {15, 16});
        QTest::mouseClick(window, Qt::LeftButton, {}, {15, 16});
        QCOMPARE(calls, QStringList({"FormMouseMove", "Label1MouseMove", "Label1MouseMove",
                                     "Label1Click"}));
    }

    void missingControl()
    {
        QWidget root;
        build(root, design(Button), {{"Button1Click", [] {}}});
        QCOMPARE(&control<QPushButton>(root, "Button1"), root.findChild<QPushButton*>());
        QVERIFY_THROWS_EXCEPTION(DesignError, control<Edit>(root, "Edit1"));
        QVERIFY_THROWS_EXCEPTION(DesignError, control<Edit>(root, "Button1"));
        try {
            control<Edit>(root, "Edit1");
        } catch (const DesignError& e) {
            QCOMPARE(
                QString::fromUtf8(e.what()),
                QStringLiteral(
                    "Fenêtre Essai (essai.ui) : contrôle Edit1 (ohmira::ui::Edit) introuvable"));
        }
    }

    // QUiLoader would load every Qt Designer plugin installed (with Debian's,
    // Qt Quick); ours loads none and leaves the library paths as they were.
    void noDesignerPlugins()
    {
        const QStringList paths = QCoreApplication::libraryPaths();
        {
            DesignLoader loader;
            QVERIFY(loader.pluginPaths().isEmpty());
        }
        QCOMPARE(QCoreApplication::libraryPaths(), paths);
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        const QByteArray mapped = maps.readAll();
        QVERIFY(!mapped.contains("/designer/"));
        QVERIFY(!mapped.contains("libQt6Quick"));
    }
};

OHMIRA_TEST_MAIN(DesignsTest)
#include "test_designs.moc"
