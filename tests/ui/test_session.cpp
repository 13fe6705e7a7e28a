// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
// SPDX-License-Identifier: GPL-3.0-or-later
// What `ohmira` does before any window: its help and version, and its
// refusal, in French, to start where no display can be reached.

#include "session.h"

#include <QProcess>
#include <QTest>

#include <vector>

using ohmira::Demande;
using ohmira::Session;

Q_DECLARE_METATYPE(Demande)

class TestSession : public QObject {
    Q_OBJECT

    struct Sortie {
        int code = -1;
        QByteArray out;
        QByteArray err;
    };

    // The real program with only the given variables (and PATH) set.
    static Sortie lancer(const QStringList& args, const QStringList& variables)
    {
        QProcessEnvironment env;
        env.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
        for (const QString& v : variables)
            env.insert(v.section(QLatin1Char('='), 0, 0), v.section(QLatin1Char('='), 1));
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(OHMIRA_PROGRAMME), args);
        if (!p.waitForFinished(20000)) {
            p.kill();
            p.waitForFinished();
        }
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
                p.readAllStandardError()};
    }

private slots:
    void demande_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<Demande>("attendue");
        QTest::newRow("rien") << QStringList{} << Demande::Fenetres;
        QTest::newRow("qt") << QStringList{"-platform", "offscreen"} << Demande::Fenetres;
        QTest::newRow("help") << QStringList{"--help"} << Demande::Aide;
        QTest::newRow("h") << QStringList{"-h"} << Demande::Aide;
        QTest::newRow("version") << QStringList{"--version"} << Demande::Version;
        QTest::newRow("après qt") << QStringList{"-style", "fusion", "--version"} << Demande::Version;
        QTest::newRow("premier") << QStringList{"--version", "--help"} << Demande::Version;
    }

    void demande()
    {
        QFETCH(QStringList, args);
        QFETCH(Demande, attendue);
        std::vector<QByteArray> octets{"ohmira"};
        for (const QString& a : args)
            octets.push_back(a.toUtf8());
        std::vector<const char*> argv;
        for (const QByteArray& a : octets)
            argv.push_back(a.constData());
        QCOMPARE(ohmira::demandeDe(static_cast<int>(argv.size()), argv.data()), attendue);
    }

    void sansEcran_data()
    {
        QTest::addColumn<QString>("plateformes");
        QTest::addColumn<bool>("display");
        QTest::addColumn<bool>("wayland");
        QTest::addColumn<bool>("refus");
        QTest::newRow("défaut, X") << "" << true << false << false;
        QTest::newRow("défaut, wayland") << "" << false << true << false;
        QTest::newRow("défaut, rien") << "" << false << false << true;
        QTest::newRow("offscreen") << "offscreen" << false << false << false;
        QTest::newRow("minimal") << "minimal" << false << false << false;
        QTest::newRow("xcb, X") << "xcb" << true << false << false;
        QTest::newRow("xcb, wayland") << "xcb" << false << true << true;
        QTest::newRow("xcb et options") << "xcb:nograb" << true << false << false;
        QTest::newRow("wayland, rien") << "wayland" << false << false << true;
        QTest::newRow("wayland-egl") << "wayland-egl" << false << true << false;
        QTest::newRow("liste, repli X") << "wayland;xcb" << true << false << false;
        QTest::newRow("liste, rien") << "wayland;xcb" << false << false << true;
        QTest::newRow("liste, repli offscreen") << "xcb;offscreen" << false << false << false;
    }

    void sansEcran()
    {
        QFETCH(QString, plateformes);
        QFETCH(bool, display);
        QFETCH(bool, wayland);
        QFETCH(bool, refus);
        QCOMPARE(ohmira::sansEcran(Session{plateformes.toStdString(), display, wayland}), refus);
    }

    // -platform and -display on the command line weigh more than the
    // environment, as they do for Qt.
    void sessionDeLaLigneDeCommande()
    {
        qputenv("QT_QPA_PLATFORM", "xcb");
        qunsetenv("DISPLAY");
        const char* argv[] = {"ohmira", "--platform", "offscreen", "-display", ":3"};
        const Session s = ohmira::sessionDe(5, argv);
        QCOMPARE(s.plateformes, std::string("offscreen"));
        QVERIFY(s.display);
        const char* seul[] = {"ohmira"};
        QCOMPARE(ohmira::sessionDe(1, seul).plateformes, std::string("xcb"));
        QVERIFY(!ohmira::sessionDe(1, seul).display);
    }

    // Help and version need no display and print on standard output.
    void aideEtVersionSansEcran()
    {
        const Sortie version = lancer({QStringLiteral("--version")}, {});
        QCOMPARE(version.code, 0);
        QCOMPARE(version.out, QByteArray("ohmira " OHMIRA_VERSION "\n"));
        QCOMPARE(version.err, QByteArray());

        const Sortie aide = lancer({QStringLiteral("--help")}, {QStringLiteral("QT_QPA_PLATFORM=xcb")});
        QCOMPARE(aide.code, 0);
        QVERIFY(aide.out.startsWith("Usage : ohmira "));
        QVERIFY(aide.out.contains("--version"));
        QCOMPARE(aide.err, QByteArray());
    }

    // Without a display: a French sentence and status 1, not Qt's abort.
    void refusSansEcran_data()
    {
        QTest::addColumn<QStringList>("variables");
        QTest::newRow("rien") << QStringList{};
        QTest::newRow("xcb sans DISPLAY") << QStringList{"QT_QPA_PLATFORM=xcb", "WAYLAND_DISPLAY=wayland-0"};
        QTest::newRow("DISPLAY vide") << QStringList{"DISPLAY="};
        // A display that no server answers: Qt would abort.
        QTest::newRow("DISPLAY sans serveur") << QStringList{"QT_QPA_PLATFORM=xcb", "DISPLAY=:987"};
    }

    void refusSansEcran()
    {
        QFETCH(QStringList, variables);
        const Sortie s = lancer({}, variables);
        QCOMPARE(s.code, 1);
        QCOMPARE(s.out, QByteArray());
        QVERIFY2(s.err.startsWith("ohmira : il faut une session graphique"), s.err.constData());
        QVERIFY(s.err.contains("ohmira-calc --help"));
    }
};

QTEST_GUILESS_MAIN(TestSession)
#include "test_session.moc"
