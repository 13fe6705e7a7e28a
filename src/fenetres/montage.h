// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// TFormMontage, "Montage sur mesure": the resistors of an array of LEDs,
// strings of LEDs in series, strings in parallel each with its own resistor.
//
// How it flows: every change of a field or a list recomputes at once
// (recalculer). Each field is first read on its own, the others set to
// harmless values, so that a text that cannot be read has its message under
// its own field; then the whole demand goes to ohmira::calculMontage, whose
// remaining errors (a range the wrong way round, a supply too low for the
// strings) go under the supply. While any message shows, the last results
// stay, greyed, and nothing is exported or copied. No message box ever opens
// while typing; the only one is for a schematic that could not be saved.
//
// The fields, lists, boxes and buttons come from designs/montage.ui, laid
// out so that the window resizes; the result lines, the colour bands and the
// schematic are built here inside its Resultats and ZoneSchema. The window
// is created on first use and only hidden when closed, so it keeps what was
// typed for the whole run; nothing is written to disk unless the user
// exports the schematic.

#include "core/montage.h"
#include "montage_dessins.h"

#include <QDir>
#include <QWidget>

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QPushButton;

class TFormMontage : public QWidget {
    Q_OBJECT
public:
    explicit TFormMontage(QWidget* parent = nullptr);

    // Saves the schematic shown, as SVG or PNG after the file name's
    // extension. A failed write says why in a box and leaves any file
    // already there as it was. False when nothing was written.
    bool exporterSchema(const QString& chemin);

    // The results as French text, as copied to the clipboard; empty while a
    // field holds an error.
    QString texteResultats() const;

    // The last successful computation, if any.
    const std::optional<ohmira::ResultatMontage>& resultat() const { return resultat_; }

public slots:
    // Handlers, bound by name from the design.
    void BoutonExporterClick();
    void BoutonCopierClick();

private:
    // The result lines of one kind of string.
    struct VueBranche {
        QGroupBox* groupe = nullptr;
        QLabel* ligne1 = nullptr;
        QLabel* ligne2 = nullptr;
        QLabel* montage = nullptr;
        QLabel* dessus = nullptr;
        QLabel* dessous = nullptr;
        QLabel* piresCas = nullptr;
        dessins::VueBandes* bandes = nullptr;
        QLabel* nomsBandes = nullptr;
        std::array<QWidget*, ohmira::NombreAvertissements> avertissements{};
        std::array<QLabel*, ohmira::NombreAvertissements> phrases{};
    };

    void findControls();
    void fillLists();
    void buildResults();
    VueBranche buildBranche(int sorte);
    void connectFields();

    void choisirLed(int index);
    void choisirAlimentation(int index);
    void seuilTape();
    void alimentationTapee();
    void choisirDisposition();

    // The message under each field, empty for none.
    using Messages = std::vector<std::pair<QLabel*, QString>>;

    void recalculer();
    bool lireChamps(Messages& messages);
    void montrerErreur(QLabel* sous, const QString& message);
    void afficher(const ohmira::ResultatMontage& r);
    void afficherBranche(VueBranche& vue, const ohmira::ResultatMontage& r, int sorte,
                         const std::vector<std::string>& lignes, std::size_t& ligne);
    void griser(bool grise);

    QComboBox* ListeLed = nullptr;
    QLineEdit* EditSeuil = nullptr;
    QLineEdit* EditCourant = nullptr;
    QLineEdit* EditCourantMax = nullptr;
    QComboBox* ListeAlimentation = nullptr;
    QLineEdit* EditTension = nullptr;
    QLineEdit* EditTensionMin = nullptr;
    QLineEdit* EditTensionMax = nullptr;
    QRadioButton* ChoixBranches = nullptr;
    QRadioButton* ChoixTotal = nullptr;
    QLineEdit* EditSerie = nullptr;
    QLineEdit* EditBranches = nullptr;
    QLineEdit* EditTotal = nullptr;
    QLabel* DispositionProposee = nullptr;
    QComboBox* ListeSerieE = nullptr;
    QPushButton* BoutonExporter = nullptr;
    QPushButton* BoutonCopier = nullptr;

    QLabel* ErreurSeuil = nullptr;
    QLabel* ErreurCourant = nullptr;
    QLabel* ErreurCourantMax = nullptr;
    QLabel* ErreurTension = nullptr;
    QLabel* ErreurTensionMin = nullptr;
    QLabel* ErreurTensionMax = nullptr;
    QLabel* ErreurPlage = nullptr;
    QLabel* ErreurSerie = nullptr;
    QLabel* ErreurBranches = nullptr;
    QLabel* ErreurTotal = nullptr;

    QWidget* Resultats = nullptr;
    std::array<VueBranche, 2> branches_;
    QLabel* ensemble_ = nullptr;
    dessins::VueSchema* schema_ = nullptr;

    // The texts read, kept while the demand points into them.
    struct Textes {
        std::string tension, min, max, seuil, courant, courantMax, serie, branches, total, separateur;
    } textes_;
    ohmira::DemandeMontage demande_;
    std::optional<ohmira::ResultatMontage> resultat_;
    QString dossierExport_ = QDir::homePath();  // the last export's, for the run
    bool aJour_ = false;
    bool remplissage_ = false;  // a preset is filling several fields at once
};
