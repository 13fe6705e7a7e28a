// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

// "Montage sur mesure", opened from the main window's menu and driven as a
// person would: typing into its fields, choosing from its lists, reading
// what it shows and says to a screen reader, exporting and copying.

#include "helpers.h"
#include "montage.h"
#include "montage_dessins.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <algorithm>

namespace {

struct Session : Program {
    TFormMontage& montage;

    Session() : montage(open(Form1)) {}

    static TFormMontage& open(TForm1& main)
    {
        const ErrorBox box = closeErrorBox(
            [&] { main.findChild<QAction*>(QStringLiteral("Montagesurmesure1"))->trigger(); });
        if (box.shown)
            qFatal("Montage sur mesure did not open: %s", qPrintable(box.text));
        TFormMontage* window = main.montage();
        if (window == nullptr || !QTest::qWaitForWindowExposed(window))
            qFatal("Montage sur mesure did not open");
        return *window;
    }

    template <class T = QLineEdit>
    T& get(const char* name)
    {
        T* found = montage.findChild<T*>(QString::fromLatin1(name));
        if (found == nullptr)
            qFatal("no control %s", name);
        return *found;
    }
    QString text(const char* label) { return get<QLabel>(label).text(); }
    bool shown(const char* name) { return get<QWidget>(name).isVisibleTo(&montage); }

    // Replaces a field's text by typing, as the keyboard does.
    void type(const char* field, const QString& text)
    {
        QLineEdit& edit = get(field);
        edit.setFocus();
        edit.selectAll();
        if (text.isEmpty())
            QTest::keyClick(&edit, Qt::Key_Delete);
        else
            QTest::keyClicks(&edit, text);
        QCOMPARE(edit.text(), text);
    }
    void choose(const char* list, const QString& entry)
    {
        auto& combo = get<QComboBox>(list);
        const int index = combo.findText(entry);
        QVERIFY2(index >= 0, qPrintable(entry));
        combo.setCurrentIndex(index);
    }
    // The first kind of string's result line.
    QString result(const char* which)
    {
        QWidget& group = get<QGroupBox>("Branches1");
        const auto lines = group.findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
        const int index = QByteArray(which) == "ligne1" ? 0 : 1;
        return lines.at(index)->text();
    }
    QStringList warnings()
    {
        QStringList shownWarnings;
        for (const QLabel* l : montage.findChildren<QLabel*>())
            if (l->objectName().startsWith(QLatin1String("Avertissement")) && l->isVisibleTo(&montage))
                shownWarnings << l->text();
        return shownWarnings;
    }
    const dessins::Schema& schema() { return get<dessins::VueSchema>("Schema").schema(); }
};

// What the window tells screen readers, as Qt would hand it to the
// platform: Qt drops every event while no screen reader is there, so the
// listener turns accessibility on, as a screen reader's arrival does.
class Listener {
public:
    struct Heard {
        QString object;
        QAccessible::Event type;
        QString description;  // the object's, when it was told
    };

    Listener()
    {
        QAccessible::installUpdateHandler(&record);
        if (QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility())
            platform->setActive(true);
        if (!QAccessible::isActive())
            qFatal("accessibility cannot be turned on");
    }
    ~Listener()
    {
        if (QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility())
            platform->setActive(false);
        QAccessible::installUpdateHandler(nullptr);
        heard().clear();
    }
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;

    void clear() { heard().clear(); }
    // The objects an alert was sent for, in order.
    QStringList alerts() const
    {
        QStringList found;
        for (const Heard& h : heard())
            if (h.type == QAccessible::Alert)
                found << h.object;
        return found;
    }
    bool told(const QString& object, QAccessible::Event type, const QString& description) const
    {
        return std::any_of(heard().begin(), heard().end(), [&](const Heard& h) {
            return h.object == object && h.type == type && h.description == description;
        });
    }

private:
    static std::vector<Heard>& heard()
    {
        static std::vector<Heard> all;
        return all;
    }
    static void record(QAccessibleEvent* event)
    {
        QAccessibleInterface* told = event->accessibleInterface();
        heard().push_back({event->object() != nullptr ? event->object()->objectName() : QString(), event->type(),
                           told != nullptr ? told->text(QAccessible::Description) : QString()});
    }
};

}  // namespace

class MontageTest : public QObject {
    Q_OBJECT

private slots:
    // Nothing of it exists before the menu asks; then it is a modeless,
    // resizable window that keeps what was typed when closed and reopened.
    void opensFromTheMenuAndKeepsItsInputs()
    {
        Program program;
        QVERIFY(program.Form1.montage() == nullptr);
        QCOMPARE(program.Form1.findChild<QAction*>(QStringLiteral("Outils1")), nullptr);  // a menu, not an action
        TFormMontage& window = Session::open(program.Form1);
        QCOMPARE(window.windowTitle(), QStringLiteral("Montage sur mesure"));
        QVERIFY(!window.isModal());
        QCOMPARE(window.windowModality(), Qt::NonModal);
        QVERIFY(window.minimumSize().width() < window.maximumSize().width());
        QVERIFY(window.minimumSize().height() < window.maximumSize().height());
        // The main window still works while it is open.
        QVERIFY(program.Form1.isEnabled());

        auto* tension = window.findChild<QLineEdit*>(QStringLiteral("EditTension"));
        tension->setFocus();
        tension->selectAll();
        QTest::keyClicks(tension, QStringLiteral("9"));
        window.close();
        QVERIFY(!window.isVisible());
        program.Form1.findChild<QAction*>(QStringLiteral("Montagesurmesure1"))->trigger();
        QCOMPARE(program.Form1.montage(), &window);
        QVERIFY(window.isVisible());
        QCOMPARE(tension->text(), QStringLiteral("9"));
    }

    // Typed in, read out at once: the array of the calculation's own example,
    // a bad text with its message under its field and the results greyed,
    // then mended.
    void recomputesAsTheUserTypes()
    {
        Session s;
        s.choose("ListeLed", QStringLiteral("Orange"));
        s.type("EditTension", QStringLiteral("12"));
        s.type("EditSerie", QStringLiteral("3"));
        s.type("EditBranches", QStringLiteral("2"));
        QCOMPARE(s.result("ligne1"), QStringLiteral("Il vous faut une resistance de : 300,00 Ohms"));
        QCOMPARE(s.result("ligne2"), QStringLiteral("Soit en normalisé : 330,00 Ohms"));
        QCOMPARE(s.get<QGroupBox>("Branches1").title(), QStringLiteral("2 branches de 3 LED"));
        QVERIFY(s.text("Ensemble").startsWith(QStringLiteral("Ensemble : courant total ")));
        QVERIFY(!s.shown("ErreurTension"));
        QVERIFY(s.get<QWidget>("Resultats").isEnabled());

        bool boxOpened = false;
        const ErrorBox box = closeErrorBox([&] {
            s.type("EditTension", QStringLiteral("12.5"));
            boxOpened = QApplication::activeModalWidget() != nullptr;
        });
        QVERIFY(!box.shown);
        QVERIFY(!boxOpened);
        QVERIFY(s.shown("ErreurTension"));
        QCOMPARE(s.text("ErreurTension"),
                 QStringLiteral("'12.5' n'est pas une valeur en virgule flottante correcte."));
        QVERIFY(!s.get<QWidget>("Resultats").isEnabled());
        QVERIFY(!s.get<QWidget>("Schema").isEnabled());
        QVERIFY(!s.get<QPushButton>("BoutonCopier").isEnabled());
        QCOMPARE(s.result("ligne1"), QStringLiteral("Il vous faut une resistance de : 300,00 Ohms"));
        QVERIFY(s.montage.texteResultats().isEmpty());

        s.type("EditTension", QStringLiteral("12,5"));
        QVERIFY(!s.shown("ErreurTension"));
        QVERIFY(s.get<QWidget>("Resultats").isEnabled());
        QCOMPARE(s.result("ligne1"), QStringLiteral("Il vous faut une resistance de : 325,00 Ohms"));
    }

    void messagesUnderTheirFields_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("under");
        QTest::addColumn<QString>("message");
        QTest::newRow("seuil vide") << "EditSeuil" << "" << "ErreurSeuil"
                                    << "'' n'est pas une valeur en virgule flottante correcte.";
        QTest::newRow("courant nul") << "EditCourant" << "0" << "ErreurCourant"
                                     << "Le courant dans les LED doit être positif.";
        QTest::newRow("courant maximal") << "EditCourantMax" << "x" << "ErreurCourantMax"
                                         << "'x' n'est pas une valeur en virgule flottante correcte.";
        QTest::newRow("aucune branche") << "EditBranches" << "0" << "ErreurBranches"
                                        << "Le nombre de branches doit être d'au moins 1.";
        QTest::newRow("minimum seul") << "EditTensionMin" << "10" << "ErreurPlage"
                                      << "La plage de tension demande un minimum et un maximum.";
        QTest::newRow("maximum illisible") << "EditTensionMax" << "a" << "ErreurTensionMax"
                                           << "'a' n'est pas une valeur en virgule flottante correcte.";
        QTest::newRow("trop de LED") << "EditSerie" << "9" << "ErreurTension"
                                     << "La tension du générateur doit dépasser la tension de seuil des "
                                        "9 LED en série : 14,40 V.";
    }

    // Each message under the field it is about, the others hidden; the last
    // results stay, greyed.
    void messagesUnderTheirFields()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, under);
        QFETCH(QString, message);
        Session s;
        const QString before = s.result("ligne1");
        s.type(field.toLatin1().constData(), typed);
        QCOMPARE(s.text(under.toLatin1().constData()), message);
        if (under != QLatin1String("ErreurPlage"))
            QCOMPARE(s.get(QByteArray("Edit" + under.toLatin1().mid(6)).constData()).accessibleDescription(),
                     message);
        for (const QLabel* error : s.montage.findChildren<QLabel*>())
            if (error->objectName().startsWith(QLatin1String("Erreur")))
                QCOMPARE(error->isVisibleTo(&s.montage), error->objectName() == under);
        QVERIFY(!s.get<QWidget>("Resultats").isEnabled());
        QCOMPARE(s.result("ligne1"), before);
    }

    // The lists fill in the fields; typing over a preset makes it the
    // user's own.
    void presets()
    {
        Session s;
        s.choose("ListeLed", QStringLiteral("Bleu"));
        QCOMPARE(s.get("EditSeuil").text(), QStringLiteral("2,5"));
        QCOMPARE(s.get("EditCourant").text(), QStringLiteral("20"));
        QCOMPARE(s.get<QComboBox>("ListeLed").count(), 10);
        s.type("EditSeuil", QStringLiteral("2,9"));
        QCOMPARE(s.get<QComboBox>("ListeLed").currentText(), QStringLiteral("Personnalisée"));
        QCOMPARE(s.get("EditSeuil").text(), QStringLiteral("2,9"));

        const QStringList supplies = {QStringLiteral("USB 5 V ±5 %"),
                                      QStringLiteral("Voiture 12 V (11,5 à 14,4 V)"),
                                      QStringLiteral("Un élément Li-ion (3,0 à 4,2 V)"),
                                      QStringLiteral("Deux piles AA (2,0 à 3,2 V)"),
                                      QStringLiteral("Pile 9 V (6,5 à 9,6 V)")};
        for (const QString& supply : supplies)
            QVERIFY2(s.get<QComboBox>("ListeAlimentation").findText(supply) >= 0, qPrintable(supply));
        s.choose("ListeAlimentation", supplies[1]);
        QCOMPARE(s.get("EditTension").text(), QStringLiteral("12"));
        QCOMPARE(s.get("EditTensionMin").text(), QStringLiteral("11,5"));
        QCOMPARE(s.get("EditTensionMax").text(), QStringLiteral("14,4"));
        s.type("EditTensionMax", QStringLiteral("15"));
        QCOMPARE(s.get<QComboBox>("ListeAlimentation").currentText(), QStringLiteral("Personnalisée"));

        QCOMPARE(s.get<QComboBox>("ListeSerieE").currentText(), QStringLiteral("E24 (5 %)"));
        s.choose("ListeSerieE", QStringLiteral("E96 (1 %)"));
        s.choose("ListeLed", QStringLiteral("Orange"));
        s.type("EditTension", QStringLiteral("12"));
        s.type("EditTensionMin", QString());
        s.type("EditTensionMax", QString());
        s.type("EditSerie", QStringLiteral("3"));
        s.type("EditBranches", QStringLiteral("2"));
        QCOMPARE(s.result("ligne2"), QStringLiteral("Soit en normalisé : 301,00 Ohms"));
    }

    // The total number of LEDs gives the layout, shown with its strings.
    void totalProposesTheLayout()
    {
        Session s;
        s.choose("ListeLed", QStringLiteral("Orange"));
        s.type("EditTension", QStringLiteral("12"));
        s.get<QRadioButton>("ChoixTotal").click();
        QVERIFY(!s.get("EditSerie").isEnabled());
        s.type("EditTotal", QStringLiteral("11"));
        QCOMPARE(s.text("DispositionProposee"),
                 QStringLiteral("Disposition proposée : 2 branches de 5 LED et 1 branche de 1 LED"));
        QVERIFY(s.shown("Branches2"));
        QCOMPARE(s.get<QGroupBox>("Branches2").title(), QStringLiteral("1 branche de 1 LED"));
        QCOMPARE(s.schema().colonnes.size(), std::size_t{3});

        // A large array: the first strings, an ellipsis and the count.
        s.choose("ListeLed", QStringLiteral("Rouge"));
        s.type("EditTotal", QStringLiteral("10000"));
        QCOMPARE(s.schema().colonnes.size(), std::size_t{3});
        QCOMPARE(s.schema().ellipseApres, 1);
        QCOMPARE(s.schema().marque, QStringLiteral("× 1666"));
        QVERIFY(s.schema().description.startsWith(
            QStringLiteral("1666 branches de 6 LED rouges, chacune avec une résistance de ")));
    }

    // Worst cases and their warnings, each with its icon and said first to a
    // screen reader; gone when the cause is.
    void warnings()
    {
        Session s;
        s.choose("ListeLed", QStringLiteral("Rouge"));
        s.type("EditSerie", QStringLiteral("1"));
        s.type("EditBranches", QStringLiteral("1"));
        s.choose("ListeAlimentation", QStringLiteral("Deux piles AA (2,0 à 3,2 V)"));
        const QStringList shown = s.warnings();
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].startsWith(QStringLiteral("À 2,00 V, bas de la plage, il ne reste que 0,40 V pour la "
                                                    "résistance, moins de 1 V")),
                 qPrintable(shown[0]));
        const QLabel* phrase = nullptr;
        for (const QLabel* l : s.montage.findChildren<QLabel*>())
            if (l->objectName().startsWith(QLatin1String("Avertissement")) && l->isVisibleTo(&s.montage))
                phrase = l;
        QCOMPARE(phrase->accessibleName(), QStringLiteral("Avertissement : ") + shown[0]);
        const auto* icon = phrase->parentWidget()->findChildren<QLabel*>().at(0);
        QVERIFY(!icon->pixmap().isNull());
        QCOMPARE(icon->accessibleName(), QStringLiteral("Attention"));

        s.type("EditCourantMax", QStringLiteral("21"));
        QCOMPARE(s.warnings().size(), 2);
        s.choose("ListeAlimentation", QStringLiteral("Pile 9 V (6,5 à 9,6 V)"));
        s.type("EditCourantMax", QString());
        QVERIFY(s.warnings().isEmpty());
    }

    // A message or a warning that appears is an alert, said at once with its
    // text: it starts to show (what AT-SPI hears) and an alert event is sent
    // (what other platforms hear). One that stays while typing goes on is
    // not said again.
    void alertsForScreenReaders()
    {
        Session s;
        Listener listener;
        s.type("EditTension", QStringLiteral("12.5"));
        const QString illisible = QStringLiteral("'12.5' n'est pas une valeur en virgule flottante correcte.");
        QCOMPARE(listener.alerts().value(listener.alerts().size() - 1), QStringLiteral("ErreurTension"));
        QVERIFY(listener.told(QStringLiteral("ErreurTension"), QAccessible::ObjectShow, illisible));
        QVERIFY(listener.told(QStringLiteral("ErreurTension"), QAccessible::Alert, illisible));
        QAccessibleInterface* alert = QAccessible::queryAccessibleInterface(&s.get<QLabel>("ErreurTension"));
        QCOMPARE(alert->role(), QAccessible::AlertMessage);
        QCOMPARE(alert->text(QAccessible::Name), QStringLiteral("Erreur sur la tension nominale"));
        QCOMPARE(alert->text(QAccessible::Description), illisible);

        s.type("EditTension", QStringLiteral("12"));
        s.type("EditSerie", QStringLiteral("9"));
        QCOMPARE(listener.alerts().value(listener.alerts().size() - 1), QStringLiteral("ErreurTension"));
        listener.clear();
        s.type("EditTension", QStringLiteral("13"));  // still too low: the same message
        QVERIFY(s.shown("ErreurTension"));
        QCOMPARE(listener.alerts(), QStringList());
        QVERIFY(!listener.told(QStringLiteral("ErreurTension"), QAccessible::ObjectShow,
                               s.text("ErreurTension")));

        s.type("EditSerie", QStringLiteral("1"));
        s.type("EditBranches", QStringLiteral("1"));
        listener.clear();
        s.choose("ListeAlimentation", QStringLiteral("Deux piles AA (2,0 à 3,2 V)"));
        QCOMPARE(s.warnings().size(), 1);
        const QStringList alerts = listener.alerts();
        QCOMPARE(alerts.size(), 1);
        auto& phrase = s.get<QLabel>(alerts[0].toLatin1().constData());
        QCOMPARE(QAccessible::queryAccessibleInterface(&phrase)->role(), QAccessible::AlertMessage);
        QVERIFY(listener.told(alerts[0], QAccessible::Alert, s.warnings()[0]));
        listener.clear();
        s.type("EditCourant", QStringLiteral("10"));  // other figures, the same warning
        QCOMPARE(s.warnings().size(), 1);
        QCOMPARE(listener.alerts(), QStringList());
    }

    // What a screen reader is told: every field and list named, every
    // result named and read, the drawings described in words.
    void accessibleNames()
    {
        Session s;
        s.choose("ListeLed", QStringLiteral("Rouge"));
        s.type("EditTension", QStringLiteral("9,2"));
        s.type("EditSerie", QStringLiteral("4"));
        s.type("EditBranches", QStringLiteral("3"));
        for (const QWidget* w : s.montage.findChildren<QWidget*>()) {
            if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
                qobject_cast<const QPushButton*>(w) || qobject_cast<const QRadioButton*>(w))
                QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
            if (auto* l = qobject_cast<const QLabel*>(w); l && l->isVisibleTo(&s.montage) && l->buddy() == nullptr)
                QVERIFY2(!l->accessibleName().isEmpty() || !l->text().isEmpty(), qPrintable(l->objectName()));
        }
        QCOMPARE(s.get<QLabel>("Ensemble").accessibleName(), QStringLiteral("Ensemble du montage"));
        QCOMPARE(s.get<QLabel>("Ensemble").accessibleDescription(), s.text("Ensemble"));

        auto& schema = s.get<dessins::VueSchema>("Schema");
        QCOMPARE(schema.accessibleName(), QStringLiteral("Schéma du montage"));
        QVERIFY2(schema.accessibleDescription().startsWith(
                     QStringLiteral("3 branches de 4 LED rouges, chacune avec une résistance de 150 Ohms")),
                 qPrintable(schema.accessibleDescription()));
        QAccessibleInterface* drawn = QAccessible::queryAccessibleInterface(&schema);
        QCOMPARE(drawn->role(), QAccessible::Graphic);
        QCOMPARE(drawn->text(QAccessible::Description), schema.accessibleDescription());

        auto* bands = s.montage.findChildren<dessins::VueBandes*>().at(0);
        QCOMPARE(bands->accessibleDescription(), QStringLiteral("Code couleur de 150 Ohms : marron, vert, marron, or"));
        QCOMPARE(QAccessible::queryAccessibleInterface(bands)->role(), QAccessible::Graphic);
    }

    // The schematic read back from both files, and a write that fails.
    void exportReadBack()
    {
        Session s;
        s.choose("ListeLed", QStringLiteral("Rouge"));
        s.type("EditTension", QStringLiteral("9,2"));
        s.type("EditSerie", QStringLiteral("4"));
        s.type("EditBranches", QStringLiteral("3"));
        QTemporaryDir dir;
        QVERIFY(dir.isValid());

        const QString svgPath = dir.filePath(QStringLiteral("schéma.svg"));
        QVERIFY(s.montage.exporterSchema(svgPath));
        QFile svg(svgPath);
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&svg);
        QStringList texts;
        QString description;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == QLatin1String("desc"))
                description = xml.readElementText();
            else if (xml.isCharacters() && !xml.isWhitespace())
                texts << xml.text().toString().trimmed();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(texts.contains(QStringLiteral("150 Ohms")));
        QVERIFY(texts.contains(QStringLiteral("Alimentation : 9,2 V")));
        QVERIFY(description.startsWith(QStringLiteral("3 branches de 4 LED rouges")));

        const QString pngPath = dir.filePath(QStringLiteral("schéma.png"));
        QVERIFY(s.montage.exporterSchema(pngPath));
        const QImage png(pngPath, "PNG");
        QVERIFY(!png.isNull());
        QCOMPARE(png.size(), (dessins::tailleSchema(s.schema()) * dessins::EchellePng).toSize());
        QCOMPARE(png.pixelColor(1, 1), QColor(Qt::white));

        // Under a plain file, no directory can be made: the box says so.
        const QString impossible = dir.filePath(QStringLiteral("schéma.png/dessous.svg"));
        bool written = true;
        const ErrorBox box = closeErrorBox([&] { written = s.montage.exporterSchema(impossible); });
        QVERIFY(!written);
        QVERIFY(box.shown);
        QCOMPARE(box.icon, QMessageBox::Warning);
        QVERIFY2(box.text.startsWith(QStringLiteral("Le schéma n'a pas été enregistré dans « ") + impossible),
                 qPrintable(box.text));
        QCOMPARE(QImage(pngPath, "PNG").size(), png.size());
    }

    // The button asks where, and a name without extension takes the one of
    // the format chosen.
    void exportButton()
    {
        Session s;
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QTimer poll;
        poll.setInterval(5);
        bool asked = false;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr || !dialog->isVisible())
                return;
            poll.stop();
            asked = dialog->windowTitle() == QStringLiteral("Exporter le schéma");
            dialog->selectNameFilter(QStringLiteral("Image PNG (*.png)"));
            dialog->selectFile(dir.filePath(QStringLiteral("montage")));
            static_cast<QDialog*>(dialog)->accept();
        });
        // Qt's dialog would keep its history in the user's settings.
        const QFileInfo settings(
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
            QStringLiteral("/QtProject.conf"));
        const QDateTime settingsBefore = settings.exists() ? settings.lastModified() : QDateTime();
        poll.start();
        QTest::mouseClick(&s.get<QPushButton>("BoutonExporter"), Qt::LeftButton);
        QVERIFY(asked);
        QFileInfo after = settings;
        after.refresh();
        QCOMPARE(after.exists() ? after.lastModified() : QDateTime(), settingsBefore);
        const QImage png(dir.filePath(QStringLiteral("montage.png")), "PNG");
        QCOMPARE(png.size(), (dessins::tailleSchema(s.schema()) * dessins::EchellePng).toSize());
    }

    // The clipboard gets the results as French text, with the user's comma.
    void copyResults()
    {
        Session s;
        s.choose("ListeLed", QStringLiteral("Orange"));
        s.type("EditTension", QStringLiteral("12"));
        s.type("EditSerie", QStringLiteral("3"));
        s.type("EditBranches", QStringLiteral("2"));
        QGuiApplication::clipboard()->clear();
        QTest::mouseClick(&s.get<QPushButton>("BoutonCopier"), Qt::LeftButton);
        const QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
        QCOMPARE(lines.value(0),
                 QStringLiteral("2 branches de 3 LED orange, chacune avec une résistance de 330 Ohms ; "
                                "alimentation de 12 V."));
        QVERIFY(lines.contains(QStringLiteral("Il vous faut une resistance de : 300,00 Ohms")));
        QVERIFY(lines.contains(QStringLiteral("Soit en normalisé : 330,00 Ohms")));
        QVERIFY(lines.contains(
            QStringLiteral("montage : 2 branches de 3 LED en série, une résistance par branche")));
        QVERIFY(std::any_of(lines.begin(), lines.end(), [](const QString& l) {
            return l.startsWith(QStringLiteral("ensemble : courant total 36,4 mA, "));
        }));
    }
};

OHMIRA_TEST_MAIN(MontageTest)
#include "test_montage.moc"
