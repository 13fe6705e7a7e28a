// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "montage.h"

#include "core/couleurs.h"
#include "core/erreurs.h"
#include "core/series.h"
#include "ui/application.h"
#include "ui/binder.h"
#include "ui/design_loader.h"

#include <QAccessible>
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QSettings>
#include <QStyle>
#include <QVBoxLayout>

#include <functional>

using ohmira::ui::control;

namespace {

constexpr int LedPersonnalisee = ohmira::NombreCouleurs;  // last entry of the LED list
constexpr int AlimentationPersonnalisee = 0;              // first entry of the supply list

const std::string& separateur() { return ohmira::ui::Application::instance().decimalSeparator(); }

QString texte(const std::string& s) { return QString::fromStdString(s); }

QString nombre(long double valeur) { return texte(ohmira::lisible(valeur, separateur())); }

// A detail line of the core starts in lower case, as a continuation; shown
// on its own it starts a sentence.
QString phraseSeule(const std::string& s)
{
    QString t = texte(s);
    if (!t.isEmpty())
        t[0] = t[0].toUpper();
    return t;
}

// A result line: what it is for the screen reader's name, what it says as
// its description and on screen.
void montrer(QLabel* ligne, const QString& nom, const QString& dit)
{
    ligne->setText(dit);
    ligne->setAccessibleName(nom);
    ligne->setAccessibleDescription(dit);
}

QLabel* ligneResultat(QWidget* parent)
{
    auto* ligne = new QLabel(parent);
    ligne->setWordWrap(true);
    ligne->setTextFormat(Qt::PlainText);
    ligne->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return ligne;
}

// Said at once by the platforms that have an alert event. AT-SPI has none
// and drops it: there a screen reader hears an alert as it starts to show.
void annoncer(QWidget* alerte)
{
    if (!alerte->isVisible())
        return;
    QAccessibleEvent evenement(alerte, QAccessible::Alert);
    QAccessible::updateAccessibility(&evenement);
}

QString titreBranches(const ohmira::Branche& b)
{
    return b.nombre > 1 ? QStringLiteral("%1 branches de %2 LED").arg(b.nombre).arg(b.leds)
                        : QStringLiteral("1 branche de %1 LED").arg(b.leds);
}

}  // namespace

TFormMontage::TFormMontage(QWidget* parent) : QWidget(parent)
{
    dessins::installerAccessibilite();
    ohmira::ui::DesignLoader().loadInto(*this, QStringLiteral(":/designs/montage.ui"));
    findControls();
    fillLists();
    buildResults();
    ohmira::ui::bindWindowHandlers(*this);

    // A first array to look at: three strings of two red LEDs on 12 V.
    ListeLed->setCurrentIndex(0);
    choisirLed(0);
    EditTension->setText(QStringLiteral("12"));
    EditSerie->setText(QStringLiteral("2"));
    EditBranches->setText(QStringLiteral("3"));
    EditTotal->setText(QStringLiteral("6"));
    ListeSerieE->setCurrentIndex(static_cast<int>(ohmira::SerieE::E24));
    choisirDisposition();
    connectFields();
    recalculer();
}

void TFormMontage::findControls()
{
    ListeLed = &control<QComboBox>(*this, "ListeLed");
    EditSeuil = &control<QLineEdit>(*this, "EditSeuil");
    EditCourant = &control<QLineEdit>(*this, "EditCourant");
    EditCourantMax = &control<QLineEdit>(*this, "EditCourantMax");
    ListeAlimentation = &control<QComboBox>(*this, "ListeAlimentation");
    EditTension = &control<QLineEdit>(*this, "EditTension");
    EditTensionMin = &control<QLineEdit>(*this, "EditTensionMin");
    EditTensionMax = &control<QLineEdit>(*this, "EditTensionMax");
    ChoixBranches = &control<QRadioButton>(*this, "ChoixBranches");
    ChoixTotal = &control<QRadioButton>(*this, "ChoixTotal");
    EditSerie = &control<QLineEdit>(*this, "EditSerie");
    EditBranches = &control<QLineEdit>(*this, "EditBranches");
    EditTotal = &control<QLineEdit>(*this, "EditTotal");
    DispositionProposee = &control<QLabel>(*this, "DispositionProposee");
    ListeSerieE = &control<QComboBox>(*this, "ListeSerieE");
    BoutonExporter = &control<QPushButton>(*this, "BoutonExporter");
    BoutonCopier = &control<QPushButton>(*this, "BoutonCopier");
    ErreurSeuil = &control<QLabel>(*this, "ErreurSeuil");
    ErreurCourant = &control<QLabel>(*this, "ErreurCourant");
    ErreurCourantMax = &control<QLabel>(*this, "ErreurCourantMax");
    ErreurTension = &control<QLabel>(*this, "ErreurTension");
    ErreurTensionMin = &control<QLabel>(*this, "ErreurTensionMin");
    ErreurTensionMax = &control<QLabel>(*this, "ErreurTensionMax");
    ErreurPlage = &control<QLabel>(*this, "ErreurPlage");
    ErreurSerie = &control<QLabel>(*this, "ErreurSerie");
    ErreurBranches = &control<QLabel>(*this, "ErreurBranches");
    ErreurTotal = &control<QLabel>(*this, "ErreurTotal");
    Resultats = &control<QWidget>(*this, "Resultats");
}

// The lists come from the calculation's own tables, so they cannot drift.
void TFormMontage::fillLists()
{
    for (const std::string_view nom : ohmira::NomsCouleurs)
        ListeLed->addItem(QString::fromUtf8(nom.data(), static_cast<qsizetype>(nom.size())));
    ListeLed->addItem(QStringLiteral("Personnalisée"));

    ListeAlimentation->addItem(QStringLiteral("Personnalisée"));
    for (const ohmira::Alimentation& a : ohmira::Alimentations)
        ListeAlimentation->addItem(QString::fromUtf8(a.texte.data(), static_cast<qsizetype>(a.texte.size())));

    for (const ohmira::SerieE serie : {ohmira::SerieE::E6, ohmira::SerieE::E12, ohmira::SerieE::E24,
                                       ohmira::SerieE::E48, ohmira::SerieE::E96, ohmira::SerieE::E192}) {
        const ohmira::DefinitionSerie& d = ohmira::definition(serie);
        ListeSerieE->addItem(QStringLiteral("%1 (%2 %)")
                                 .arg(QString::fromUtf8(d.nom.data(), static_cast<qsizetype>(d.nom.size())),
                                      QString::number(static_cast<double>(d.tolerance * 100))
                                          .replace(QLatin1Char('.'), QString::fromStdString(separateur()))));
    }
}

TFormMontage::VueBranche TFormMontage::buildBranche(int sorte)
{
    VueBranche v;
    v.groupe = new QGroupBox(Resultats);
    v.groupe->setObjectName(QStringLiteral("Branches%1").arg(sorte + 1));
    auto* lignes = new QVBoxLayout(v.groupe);
    for (QLabel** ligne : {&v.ligne1, &v.ligne2, &v.montage, &v.dessus, &v.dessous, &v.piresCas}) {
        *ligne = ligneResultat(v.groupe);
        lignes->addWidget(*ligne);
    }
    QFont gras = v.ligne1->font();
    gras.setBold(true);
    v.ligne1->setFont(gras);
    v.ligne2->setFont(gras);

    auto* code = new QHBoxLayout;
    v.bandes = new dessins::VueBandes(v.groupe);
    v.bandes->setAccessibleName(QStringLiteral("Anneaux de couleur de la résistance à acheter"));
    v.nomsBandes = ligneResultat(v.groupe);
    code->addWidget(v.bandes);
    code->addWidget(v.nomsBandes, 1);
    lignes->addLayout(code);

    const QPixmap icone = style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(20, 20);
    for (std::size_t a = 0; a < v.avertissements.size(); ++a) {
        auto* rangee = new QWidget(v.groupe);
        auto* disposition = new QHBoxLayout(rangee);
        disposition->setContentsMargins(0, 2, 0, 2);
        auto* signe = new QLabel(rangee);
        signe->setPixmap(icone);
        signe->setAccessibleName(QStringLiteral("Attention"));
        signe->setAlignment(Qt::AlignTop);
        v.phrases[a] = ligneResultat(rangee);
        v.phrases[a]->setObjectName(QStringLiteral("Avertissement%1").arg(a + 1));
        v.phrases[a]->setProperty("accessibleAlert", true);
        v.phrases[a]->setStyleSheet(QStringLiteral("QLabel:enabled { color: #9a3800; font-weight: bold; }"));
        disposition->addWidget(signe);
        disposition->addWidget(v.phrases[a], 1);
        rangee->hide();
        v.avertissements[a] = rangee;
        lignes->addWidget(rangee);
    }
    return v;
}

void TFormMontage::buildResults()
{
    auto* liste = qobject_cast<QVBoxLayout*>(Resultats->layout());
    if (liste == nullptr)
        ohmira::ui::designError(*this, QStringLiteral("Resultats n'a pas de disposition verticale"));
    for (int sorte = 0; sorte < 2; ++sorte) {
        branches_[static_cast<std::size_t>(sorte)] = buildBranche(sorte);
        liste->addWidget(branches_[static_cast<std::size_t>(sorte)].groupe);
    }
    auto* groupe = new QGroupBox(QStringLiteral("Ensemble du montage"), Resultats);
    auto* lignes = new QVBoxLayout(groupe);
    ensemble_ = ligneResultat(groupe);
    ensemble_->setObjectName(QStringLiteral("Ensemble"));
    lignes->addWidget(ensemble_);
    liste->addWidget(groupe);
    liste->addStretch(1);

    QWidget& zone = control<QWidget>(*this, "ZoneSchema");
    schema_ = new dessins::VueSchema(&zone);
    schema_->setObjectName(QStringLiteral("Schema"));
    zone.layout()->addWidget(schema_);
    // The results get the larger share of the height, the schematic scales.
    if (auto* sorties = qobject_cast<QBoxLayout*>(zone.parentWidget()->layout())) {
        sorties->setStretchFactor(&control<QWidget>(*this, "DefilementResultats"), 3);
        sorties->setStretchFactor(&zone, 2);
    }
}

void TFormMontage::connectFields()
{
    const auto recalcul = [this] {
        if (!remplissage_)
            recalculer();
    };
    for (QLineEdit* champ : {EditSeuil, EditCourant, EditCourantMax, EditTension, EditTensionMin,
                             EditTensionMax, EditSerie, EditBranches, EditTotal})
        connect(champ, &QLineEdit::textChanged, this, recalcul);
    connect(EditSeuil, &QLineEdit::textEdited, this, &TFormMontage::seuilTape);
    for (QLineEdit* champ : {EditTension, EditTensionMin, EditTensionMax})
        connect(champ, &QLineEdit::textEdited, this, &TFormMontage::alimentationTapee);
    connect(ListeLed, &QComboBox::currentIndexChanged, this, &TFormMontage::choisirLed);
    connect(ListeAlimentation, &QComboBox::currentIndexChanged, this, &TFormMontage::choisirAlimentation);
    connect(ListeSerieE, &QComboBox::currentIndexChanged, this, recalcul);
    connect(ChoixBranches, &QRadioButton::toggled, this, &TFormMontage::choisirDisposition);
}

// ---- Presets ------------------------------------------------------------------

void TFormMontage::choisirLed(int index)
{
    if (index < 0 || index >= ohmira::NombreCouleurs)
        return;  // "Personnalisée": the fields stay as typed
    remplissage_ = true;
    EditSeuil->setText(nombre(ohmira::TensionSeuil(index)));
    EditCourant->setText(QStringLiteral("20"));
    remplissage_ = false;
    recalculer();
}

void TFormMontage::seuilTape()
{
    const QSignalBlocker bloque(ListeLed);
    ListeLed->setCurrentIndex(LedPersonnalisee);
}

void TFormMontage::choisirAlimentation(int index)
{
    if (index <= AlimentationPersonnalisee || index > static_cast<int>(ohmira::Alimentations.size()))
        return;
    const ohmira::Alimentation& a = ohmira::Alimentations[static_cast<std::size_t>(index - 1)];
    remplissage_ = true;
    EditTension->setText(nombre(a.nominale));
    EditTensionMin->setText(nombre(a.min));
    EditTensionMax->setText(nombre(a.max));
    remplissage_ = false;
    recalculer();
}

void TFormMontage::alimentationTapee()
{
    const QSignalBlocker bloque(ListeAlimentation);
    ListeAlimentation->setCurrentIndex(AlimentationPersonnalisee);
}

void TFormMontage::choisirDisposition()
{
    const bool total = ChoixTotal->isChecked();
    EditSerie->setEnabled(!total);
    EditBranches->setEnabled(!total);
    EditTotal->setEnabled(total);
    DispositionProposee->setVisible(total);
    recalculer();
}

// ---- Computing ----------------------------------------------------------------

// ErreurX is under EditX; a screen reader says the message with the field,
// and hears it as an alert when it appears or changes.
void TFormMontage::montrerErreur(QLabel* sous, const QString& message)
{
    const bool nouveau = !message.isEmpty() && message != sous->text();
    // One message replacing another goes and comes back, so that AT-SPI,
    // which has no event for an alert's new text, sees an alert appear.
    if (nouveau && !sous->isHidden())
        sous->hide();
    sous->setText(message);
    sous->setAccessibleDescription(message);
    sous->setVisible(!message.isEmpty());
    const QString champ = QStringLiteral("Edit") + sous->objectName().mid(int(qstrlen("Erreur")));
    if (auto* edit = findChild<QLineEdit*>(champ))
        edit->setAccessibleDescription(message);
    if (nouveau)
        annoncer(sous);
}

// Reads every field on its own; true when each one can be read. Each
// field's message, or none, goes to `messages`.
bool TFormMontage::lireChamps(Messages& messages)
{
    const auto lu = [](const QLineEdit* champ) { return champ->text().toStdString(); };
    const auto facultatif = [](const QLineEdit* champ, const std::string& t) -> std::optional<std::string_view> {
        if (champ->text().trimmed().isEmpty())
            return std::nullopt;
        return t;
    };
    const bool parTotal = ChoixTotal->isChecked();
    textes_ = {lu(EditTension), lu(EditTensionMin), lu(EditTensionMax), lu(EditSeuil), lu(EditCourant),
               lu(EditCourantMax), lu(EditSerie), lu(EditBranches), lu(EditTotal), separateur()};
    demande_ = {};
    demande_.tension = textes_.tension;
    demande_.plageMin = facultatif(EditTensionMin, textes_.min);
    demande_.plageMax = facultatif(EditTensionMax, textes_.max);
    demande_.seuil = textes_.seuil;
    demande_.courant = textes_.courant;
    demande_.courantMax = facultatif(EditCourantMax, textes_.courantMax);
    demande_.serie = textes_.serie;
    demande_.branches = textes_.branches;
    if (parTotal)
        demande_.total = textes_.total;
    // fillLists puts the series in the enumeration's order.
    demande_.serieE = static_cast<ohmira::SerieE>(std::max(0, ListeSerieE->currentIndex()));
    demande_.separateur = textes_.separateur;

    // One field among values that raise nothing: what it raises is its own.
    // A supply too low for the strings depends on several fields; it is
    // said under the supply once all of them can be read.
    ohmira::DemandeMontage neutre;
    neutre.tension = "1000";
    neutre.seuil = "1";
    neutre.courant = "20";
    neutre.serie = "1";
    neutre.branches = "1";
    neutre.separateur = textes_.separateur;
    bool bon = true;
    const auto essai = [&](QLabel* sous, bool aLire, const std::function<void(ohmira::DemandeMontage&)>& champ) {
        QString message;
        if (aLire) {
            ohmira::DemandeMontage d = neutre;
            champ(d);
            try {
                (void)ohmira::calculMontage(d);
            } catch (const ohmira::ETensionInsuffisante&) {
            } catch (const ohmira::Erreur& e) {
                message = texte(ohmira::messageBoite(e.message()));
                bon = false;
            }
        }
        messages.emplace_back(sous, message);
    };
    const ohmira::DemandeMontage& u = demande_;
    essai(ErreurSeuil, true, [&](auto& d) { d.seuil = u.seuil; });
    essai(ErreurCourant, true, [&](auto& d) { d.courant = u.courant; });
    essai(ErreurCourantMax, u.courantMax.has_value(), [&](auto& d) { d.courantMax = u.courantMax; });
    essai(ErreurTension, true, [&](auto& d) { d.tension = u.tension; });
    // A bound of the range alone: the whole range and the nominal voltage at it.
    const auto seule = [](const std::optional<std::string_view>& borne) {
        return [borne](ohmira::DemandeMontage& d) {
            d.tension = borne.value_or("");
            d.plageMin = borne;
            d.plageMax = borne;
        };
    };
    essai(ErreurTensionMin, u.plageMin.has_value(), seule(u.plageMin));
    essai(ErreurTensionMax, u.plageMax.has_value(), seule(u.plageMax));
    essai(ErreurSerie, !parTotal, [&](auto& d) { d.serie = u.serie; });
    essai(ErreurBranches, !parTotal, [&](auto& d) { d.branches = u.branches; });
    essai(ErreurTotal, parTotal, [&](auto& d) { d.total = u.total; });
    return bon;
}

void TFormMontage::recalculer()
{
    // Shown once all are known: a message that stays is not said again.
    Messages messages;
    const auto dire = [&](QLabel* sous, const QString& message) {
        for (auto& [label, dit] : messages)
            if (label == sous)
                dit = message;
    };
    const bool lus = lireChamps(messages);
    messages.emplace_back(ErreurPlage, QString());
    if (!lus) {
        griser(true);
    } else {
        try {
            const ohmira::ResultatMontage r = ohmira::calculMontage(demande_);
            afficher(r);
            resultat_ = r;
            griser(false);
        } catch (const ohmira::ETensionInsuffisante& e) {
            dire(ErreurTension, texte(ohmira::messageBoite(e.message())));
            griser(true);
        } catch (const ohmira::Erreur& e) {
            dire(ErreurPlage, texte(ohmira::messageBoite(e.message())));
            griser(true);
        }
    }
    for (const auto& [sous, message] : messages)
        montrerErreur(sous, message);
}

void TFormMontage::griser(bool grise)
{
    aJour_ = !grise;
    Resultats->setEnabled(!grise);
    schema_->setEnabled(!grise);
    DispositionProposee->setEnabled(!grise);
    BoutonExporter->setEnabled(!grise);
    BoutonCopier->setEnabled(!grise);
}

void TFormMontage::afficher(const ohmira::ResultatMontage& r)
{
    const std::vector<std::string> lignes = ohmira::lignesMontage(r, separateur());
    std::size_t ligne = 0;
    for (int sorte = 0; sorte < 2; ++sorte) {
        VueBranche& vue = branches_[static_cast<std::size_t>(sorte)];
        vue.groupe->setVisible(sorte < r.sortes);
        if (sorte < r.sortes)
            afficherBranche(vue, r, sorte, lignes, ligne);
    }
    montrer(ensemble_, QStringLiteral("Ensemble du montage"), phraseSeule(lignes.back()));

    QStringList proposees;
    for (int sorte = 0; sorte < r.sortes; ++sorte)
        proposees << titreBranches(r.branches[static_cast<std::size_t>(sorte)]);
    montrer(DispositionProposee, QStringLiteral("Disposition proposée"),
            QStringLiteral("Disposition proposée : %1").arg(proposees.join(QStringLiteral(" et "))));

    const int led = ListeLed->currentIndex();
    schema_->setSchema(dessins::planSchema(r, led == LedPersonnalisee ? -1 : led, separateur()));
}

// `ligne`: where this kind of string's lines begin in `lignes`; moved past them.
void TFormMontage::afficherBranche(VueBranche& vue, const ohmira::ResultatMontage& r, int sorte,
                                   const std::vector<std::string>& lignes, std::size_t& ligne)
{
    const ohmira::Branche& b = r.branches[static_cast<std::size_t>(sorte)];
    if (sorte > 0)
        ++ligne;  // the blank line between two kinds
    const QString titre = titreBranches(b);
    vue.groupe->setTitle(titre);
    const QString quoi = QStringLiteral(" (%1)").arg(titre.toLower());
    montrer(vue.ligne1, QStringLiteral("Résistance exacte") + quoi, texte(lignes[ligne]));
    montrer(vue.ligne2, QStringLiteral("Valeur normalisée au-dessus") + quoi, texte(lignes[ligne + 1]));
    montrer(vue.montage, QStringLiteral("Montage") + quoi, phraseSeule(lignes[ligne + 2]));
    montrer(vue.dessus, QStringLiteral("Valeur au-dessus") + quoi, phraseSeule(lignes[ligne + 3]));
    montrer(vue.dessous, QStringLiteral("Valeur en dessous") + quoi, phraseSeule(lignes[ligne + 4]));
    montrer(vue.piresCas, QStringLiteral("Pires cas") + quoi, phraseSeule(lignes[ligne + 5]));
    ligne += 6;

    vue.bandes->setBandes(b.dessus.bandes);
    QStringList noms;
    if (b.dessus.bandes)
        for (const std::string_view nom : *b.dessus.bandes)
            noms << QString::fromUtf8(nom.data(), static_cast<qsizetype>(nom.size()));
    const QString valeur = nombre(b.dessus.affichee) + QLatin1Char(' ') +
                           QString::fromLatin1(ohmira::nomUnite(b.unite));
    const QString code = noms.isEmpty()
                             ? QStringLiteral("%1 : pas de code couleur").arg(valeur)
                             : QStringLiteral("Code couleur de %1 : %2").arg(valeur, noms.join(QStringLiteral(", ")));
    montrer(vue.nomsBandes, QStringLiteral("Code couleur") + quoi, code);
    vue.bandes->setAccessibleDescription(code);
    vue.bandes->setToolTip(code);

    for (std::size_t a = 0; a < vue.avertissements.size(); ++a) {
        const bool leve = b.avertissements[a];
        const bool nouveau = leve && vue.avertissements[a]->isHidden();
        if (leve) {
            ++ligne;
            const QString dit = texte(ohmira::phrase(r, sorte, static_cast<ohmira::Avertissement>(a), separateur()));
            montrer(vue.phrases[a], QStringLiteral("Avertissement") + quoi, dit);
            // Said first, as the icon and the colour show it first.
            vue.phrases[a]->setAccessibleName(QStringLiteral("Avertissement : ") + dit);
        }
        vue.avertissements[a]->setVisible(leve);
        // Its figures follow the typing; only a warning that appears is said.
        if (nouveau)
            annoncer(vue.phrases[a]);
    }
}

// ---- Export and copy ----------------------------------------------------------

QString TFormMontage::texteResultats() const
{
    if (!aJour_ || !resultat_)
        return {};
    QStringList lignes{schema_->schema().description + QLatin1Char('.'), QString()};
    for (const std::string& l : ohmira::lignesMontage(*resultat_, separateur()))
        lignes << texte(l);
    return lignes.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void TFormMontage::BoutonCopierClick()
{
    const QString t = texteResultats();
    if (!t.isEmpty())
        QGuiApplication::clipboard()->setText(t);
}

void TFormMontage::BoutonExporterClick()
{
    const QString svg = QStringLiteral("Image SVG (*.svg)");
    const QString png = QStringLiteral("Image PNG (*.png)");
    // Qt's own file dialog keeps its history in the user's settings
    // (QtProject.conf); the schematic is to be the only file this program
    // writes, so those settings are sent where nothing can be created.
    static const bool sansReglages = [] {
        for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
            QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null"));
        return true;
    }();
    (void)sansReglages;

    QString filtre = svg;
    QString chemin = QFileDialog::getSaveFileName(this, QStringLiteral("Exporter le schéma"),
                                                  QDir(dossierExport_).filePath(QStringLiteral("schema-montage.svg")),
                                                  svg + QStringLiteral(";;") + png, &filtre);
    if (chemin.isEmpty())
        return;
    dossierExport_ = QFileInfo(chemin).absolutePath();
    const QString suffixe = QFileInfo(chemin).suffix().toLower();
    if (suffixe != QLatin1String("svg") && suffixe != QLatin1String("png"))
        chemin += filtre == png ? QStringLiteral(".png") : QStringLiteral(".svg");
    exporterSchema(chemin);
}

bool TFormMontage::exporterSchema(const QString& chemin)
{
    if (!aJour_)
        return false;
    const bool enPng = QFileInfo(chemin).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) == 0;
    const QByteArray contenu = enPng ? dessins::schemaPng(schema_->schema()) : dessins::schemaSvg(schema_->schema());
    // Written aside and renamed over the target only when complete.
    QSaveFile fichier(chemin);
    QString raison;
    if (contenu.isEmpty())
        raison = QStringLiteral("l'image n'a pas pu être produite");
    else if (!fichier.open(QIODevice::WriteOnly) || fichier.write(contenu) != contenu.size() || !fichier.commit())
        raison = fichier.errorString();
    if (raison.isEmpty())
        return true;
    fichier.cancelWriting();
    QMessageBox::warning(this, QCoreApplication::applicationName(),
                         QStringLiteral("Le schéma n'a pas été enregistré dans « %1 » : %2.")
                             .arg(QDir::toNativeSeparators(chemin), raison));
    return false;
}
