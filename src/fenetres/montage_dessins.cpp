// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "montage_dessins.h"

#include "core/couleurs.h"
#include "core/details.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>

namespace dessins {

namespace {

// Logical layout of the schematic, in pixels at scale 1.
constexpr qreal Marge = 20;
constexpr qreal XAlimentation = 50;
constexpr qreal XPremiere = 150;
constexpr qreal LargeurColonne = 120;
constexpr qreal LargeurEllipse = 70;
constexpr qreal RailHaut = 40;
constexpr qreal HauteurResistance = 50;
constexpr qreal PasLed = 44;
constexpr qreal HauteurPointilles = 30;
constexpr qreal Legendes = 50;  // under the bottom rail: the supply's text
constexpr int LedsSansCoupure = 5;
constexpr int ColonnesSansCoupure = 4;
constexpr qreal TaillePolice = 12;

// LEDs drawn in a string of `leds`, and whether the dotted gap is drawn.
int ledsDessinees(int leds) { return leds <= LedsSansCoupure ? leds : 4; }
bool coupee(int leds) { return leds > LedsSansCoupure; }

qreal hauteurColonne(int leds)
{
    return 20 + HauteurResistance + 15 + ledsDessinees(leds) * PasLed +
           (coupee(leds) ? HauteurPointilles : 0) + 15;
}

qreal railBas(const Schema& s)
{
    qreal h = 160;
    for (const Colonne& c : s.colonnes)
        h = std::max(h, hauteurColonne(c.leds));
    return RailHaut + h;
}

qreal xColonne(const Schema& s, std::size_t i)
{
    const qreal decalage = s.ellipseApres >= 0 && static_cast<int>(i) > s.ellipseApres ? LargeurEllipse : 0;
    return XPremiere + static_cast<qreal>(i) * LargeurColonne + decalage;
}

struct CouleurLed {
    QColor couleur;
    const char* un;  // adjective, one LED
    const char* des;  // several
};
const std::array<CouleurLed, ohmira::NombreCouleurs> CouleursLed = {{
    {QColor(0xe0, 0x20, 0x20), "rouge", "rouges"},
    {QColor(0x80, 0x10, 0x10), "infrarouge", "infrarouges"},
    {QColor(0xff, 0x80, 0x00), "orange", "orange"},
    {QColor(0xf0, 0xd0, 0x00), "jaune", "jaunes"},
    {QColor(0x20, 0xb0, 0x20), "verte", "vertes"},
    {QColor(0x20, 0x50, 0xe0), "bleue", "bleues"},
    {QColor(0x80, 0x20, 0xc0), "violette", "violettes"},
    {QColor(0xb0, 0x60, 0xff), "ultraviolette", "ultraviolettes"},
    {QColor(0xff, 0xff, 0xff), "blanche", "blanches"},
}};

QString texte(const std::string& s) { return QString::fromStdString(s); }

QString valeurAchetee(const ohmira::Branche& b, std::string_view sep)
{
    return texte(ohmira::lisible(b.dessus.affichee, sep)) + QLatin1Char(' ') +
           QString::fromLatin1(ohmira::nomUnite(b.unite));
}

// "3 branches de 4 LED rouges, chacune avec une résistance de 150 Ohms"
QString enMots(const ohmira::Branche& b, int couleur, std::string_view sep)
{
    QString adjectif;
    if (couleur >= 0 && couleur < ohmira::NombreCouleurs) {
        const CouleurLed& c = CouleursLed[static_cast<std::size_t>(couleur)];
        adjectif = QLatin1Char(' ') + QString::fromUtf8(b.leds > 1 ? c.des : c.un);
    }
    const QString branches = b.nombre > 1 ? QStringLiteral("%1 branches").arg(b.nombre)
                                          : QStringLiteral("1 branche");
    return QStringLiteral("%1 de %2 LED%3, %4 une résistance de %5")
        .arg(branches)
        .arg(b.leds)
        .arg(adjectif, b.nombre > 1 ? QStringLiteral("chacune avec") : QStringLiteral("avec"),
             valeurAchetee(b, sep));
}

QColor encre(bool grise) { return grise ? QColor(0x90, 0x90, 0x90) : QColor(Qt::black); }

void dessinerResistance(QPainter& p, qreal x, qreal y, const QString& valeur, bool grise)
{
    p.setBrush(grise ? QColor(0xf0, 0xf0, 0xf0) : QColor(Qt::white));
    p.drawRect(QRectF(x - 8, y, 16, HauteurResistance));
    p.drawText(QRectF(x + 14, y, LargeurColonne - 20, HauteurResistance),
               Qt::AlignLeft | Qt::AlignVCenter, valeur);
}

// A LED pointing down (anode up) between y and y + PasLed.
void dessinerLed(QPainter& p, qreal x, qreal y, const QColor& couleur, bool grise)
{
    const qreal haut = y + 10, bas = y + 30;
    p.drawLine(QPointF(x, y), QPointF(x, haut));
    p.drawLine(QPointF(x, bas), QPointF(x, y + PasLed));
    const std::array<QPointF, 3> triangle = {QPointF(x - 12, haut), QPointF(x + 12, haut), QPointF(x, bas)};
    p.setBrush(grise ? QColor(0xe0, 0xe0, 0xe0) : couleur);
    p.drawPolygon(triangle.data(), static_cast<int>(triangle.size()));
    p.drawLine(QPointF(x - 12, bas), QPointF(x + 12, bas));
    // Light going out.
    for (const qreal dy : {14.0, 22.0}) {
        const QPointF debut(x + 15, y + dy), fin(x + 25, y + dy - 6);
        p.drawLine(debut, fin);
        p.drawLine(fin, fin + QPointF(-4, 0));
        p.drawLine(fin, fin + QPointF(-2, 4));
    }
}

void dessinerColonne(QPainter& p, const Schema& s, std::size_t i, qreal bas, bool grise)
{
    const Colonne& c = s.colonnes[i];
    const qreal x = xColonne(s, i);
    qreal y = RailHaut;
    p.drawLine(QPointF(x, y), QPointF(x, y + 20));
    y += 20;
    dessinerResistance(p, x, y, c.valeur, grise);
    y += HauteurResistance;
    p.drawLine(QPointF(x, y), QPointF(x, y + 15));
    y += 15;
    const int dessinees = ledsDessinees(c.leds);
    for (int led = 0; led < dessinees; ++led) {
        if (coupee(c.leds) && led == dessinees - 1) {
            p.save();
            p.setPen(QPen(encre(grise), 1.5, Qt::DotLine));
            p.drawLine(QPointF(x, y), QPointF(x, y + HauteurPointilles));
            p.restore();
            p.drawText(QRectF(x + 10, y, LargeurColonne - 14, HauteurPointilles),
                       Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("%1 LED").arg(c.leds));
            y += HauteurPointilles;
        }
        dessinerLed(p, x, y, s.couleurLed, grise);
        y += PasLed;
    }
    p.drawLine(QPointF(x, y), QPointF(x, bas));
}

void dessinerAlimentation(QPainter& p, const Schema& s, qreal bas)
{
    const qreal x = XAlimentation, milieu = (RailHaut + bas) / 2;
    p.drawLine(QPointF(x, RailHaut), QPointF(x, milieu - 5));
    p.drawLine(QPointF(x, milieu + 5), QPointF(x, bas));
    p.drawLine(QPointF(x - 18, milieu - 5), QPointF(x + 18, milieu - 5));
    p.save();
    QPen epais = p.pen();
    epais.setWidthF(4);
    p.setPen(epais);
    p.drawLine(QPointF(x - 9, milieu + 5), QPointF(x + 9, milieu + 5));
    p.restore();
    p.drawText(QRectF(x - 40, milieu - 24, 20, 16), Qt::AlignCenter, QStringLiteral("+"));
    p.drawText(QRectF(Marge, bas + 10, 400, 20), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Alimentation : %1").arg(s.alimentation));
}

}  // namespace

Schema planSchema(const ohmira::ResultatMontage& r, int couleur, std::string_view sep)
{
    Schema s;
    const std::string nominale = ohmira::lisible(r.tension, sep) + " V";
    s.alimentation = texte(nominale);
    if (r.plage)
        s.alimentation += QStringLiteral(" (%1 à %2 V)")
                              .arg(texte(ohmira::lisible(r.tensionMin, sep)),
                                   texte(ohmira::lisible(r.tensionMax, sep)));
    s.couleurLed = couleur >= 0 && couleur < ohmira::NombreCouleurs
                       ? CouleursLed[static_cast<std::size_t>(couleur)].couleur
                       : QColor(0xf4, 0xe8, 0xb0);

    QStringList mots;
    for (int sorte = 0; sorte < r.sortes; ++sorte) {
        const ohmira::Branche& b = r.branches[static_cast<std::size_t>(sorte)];
        const Colonne c{b.leds, valeurAchetee(b, sep)};
        if (b.nombre <= ColonnesSansCoupure) {
            s.colonnes.insert(s.colonnes.end(), static_cast<std::size_t>(b.nombre), c);
        } else {
            s.colonnes.insert(s.colonnes.end(), 2, c);
            s.ellipseApres = static_cast<int>(s.colonnes.size()) - 1;
            s.marque = QStringLiteral("× %1").arg(b.nombre);
        }
        mots << enMots(b, couleur, sep);
    }
    s.description = mots.join(QStringLiteral(" et ")) + QStringLiteral(" ; alimentation de ") + s.alimentation;
    return s;
}

QSizeF tailleSchema(const Schema& s)
{
    const qreal dernier = s.colonnes.empty() ? XPremiere : xColonne(s, s.colonnes.size() - 1);
    return {dernier + LargeurColonne + Marge, railBas(s) + Legendes};
}

void dessinerSchema(QPainter& p, const QRectF& cible, const Schema& s, bool grise)
{
    if (s.colonnes.empty())
        return;
    const QSizeF taille = tailleSchema(s);
    const qreal echelle = std::min(cible.width() / taille.width(), cible.height() / taille.height());
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(cible.center() - QPointF(taille.width(), taille.height()) * echelle / 2);
    p.scale(echelle, echelle);
    QFont police = p.font();
    police.setPixelSize(static_cast<int>(TaillePolice));
    p.setFont(police);
    p.setPen(QPen(encre(grise), 1.5));

    const qreal bas = railBas(s);
    const qreal droite = xColonne(s, s.colonnes.size() - 1);
    p.drawLine(QPointF(XAlimentation, RailHaut), QPointF(droite, RailHaut));
    p.drawLine(QPointF(XAlimentation, bas), QPointF(droite, bas));
    dessinerAlimentation(p, s, bas);
    for (std::size_t i = 0; i < s.colonnes.size(); ++i)
        dessinerColonne(p, s, i, bas, grise);
    if (s.ellipseApres >= 0) {
        const qreal x = xColonne(s, static_cast<std::size_t>(s.ellipseApres)) + LargeurColonne - 25;
        const qreal milieu = (RailHaut + bas) / 2;
        QFont grande = police;
        grande.setPixelSize(24);
        p.setFont(grande);
        p.drawText(QRectF(x, milieu - 30, LargeurEllipse, 30), Qt::AlignCenter, QStringLiteral("…"));
        p.setFont(police);
        p.drawText(QRectF(x - 20, milieu, LargeurEllipse + 40, 24), Qt::AlignCenter, s.marque);
    }
    p.restore();
}

QByteArray schemaSvg(const Schema& s)
{
    QByteArray svg;
    QBuffer tampon(&svg);
    tampon.open(QIODevice::WriteOnly);
    const QSizeF taille = tailleSchema(s);
    QSvgGenerator generateur;
    generateur.setOutputDevice(&tampon);
    generateur.setSize(taille.toSize());
    generateur.setViewBox(QRectF(QPointF(), taille));
    generateur.setTitle(QStringLiteral("Schéma du montage"));
    generateur.setDescription(s.description);
    QPainter p;
    if (!p.begin(&generateur))
        return {};
    dessinerSchema(p, QRectF(QPointF(), taille), s, false);
    p.end();
    return svg;
}

QByteArray schemaPng(const Schema& s)
{
    const QSize taille = (tailleSchema(s) * EchellePng).toSize();
    QImage image(taille, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        dessinerSchema(p, QRectF(QPointF(), QSizeF(taille)), s, false);
    }
    QByteArray png;
    QBuffer tampon(&png);
    tampon.open(QIODevice::WriteOnly);
    if (!image.save(&tampon, "PNG"))
        return {};
    return png;
}

QColor couleurBande(std::string_view nom)
{
    struct Nom {
        std::string_view nom;
        QRgb rgb;
    };
    static constexpr std::array<Nom, 12> Couleurs = {{
        {"noir", 0x000000},  {"marron", 0x7b3f00}, {"rouge", 0xd00000}, {"orange", 0xff8000},
        {"jaune", 0xffd700}, {"vert", 0x008a00},   {"bleu", 0x0040ff},  {"violet", 0x8000a0},
        {"gris", 0x808080},  {"blanc", 0xffffff},  {"or", 0xd4af37},    {"argent", 0xc0c0c0},
    }};
    for (const Nom& c : Couleurs)
        if (c.nom == nom)
            return QColor(c.rgb);
    return QColor(Qt::transparent);
}

// ---- VueBandes -----------------------------------------------------------------

VueBandes::VueBandes(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void VueBandes::setBandes(const std::optional<ohmira::BandesCouleur>& bandes)
{
    couleurs_.clear();
    if (bandes)
        for (const std::string_view nom : *bandes)
            couleurs_.push_back(couleurBande(nom));
    update();
}

QSize VueBandes::sizeHint() const { return {170, 44}; }

void VueBandes::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool grise = !isEnabled();
    const qreal h = height(), w = width();
    const QRectF corps(30, h / 2 - 13, w - 60, 26);
    p.setPen(QPen(encre(grise), 2));
    p.drawLine(QPointF(2, h / 2), QPointF(w - 2, h / 2));
    p.setPen(QPen(encre(grise), 1));
    p.setBrush(grise ? QColor(0xe8, 0xe8, 0xe8) : QColor(0xe8, 0xd0, 0xa0));
    p.drawRoundedRect(corps, 8, 8);
    if (couleurs_.empty())
        return;
    // The value's bands from the left, the tolerance's apart on the right.
    const qreal largeur = 9, pas = 15;
    const std::size_t n = couleurs_.size();
    for (std::size_t i = 0; i < n; ++i) {
        const qreal x = i + 1 == n ? corps.right() - 14 - largeur : corps.left() + 12 + static_cast<qreal>(i) * pas;
        QColor c = couleurs_[i];
        if (grise) {
            const int g = qGray(c.rgb());
            c = QColor(g, g, g);
        }
        p.setBrush(c);
        p.setPen(QPen(QColor(0x50, 0x50, 0x50), 0.5));
        p.drawRect(QRectF(x, corps.top(), largeur, corps.height()));
    }
}

// ---- VueSchema -----------------------------------------------------------------

VueSchema::VueSchema(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAccessibleName(QStringLiteral("Schéma du montage"));
}

void VueSchema::setSchema(Schema schema)
{
    schema_ = std::move(schema);
    setAccessibleDescription(schema_.description);
    updateGeometry();
    update();
}

QSize VueSchema::sizeHint() const
{
    return tailleSchema(schema_).toSize().boundedTo(QSize(480, 200));
}

void VueSchema::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    dessinerSchema(p, QRectF(rect()).adjusted(4, 4, -4, -4), schema_, !isEnabled());
}

// ---- Accessibility ------------------------------------------------------------

namespace {

QAccessibleInterface* dessinAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String(VueSchema::staticMetaObject.className()) ||
        className == QLatin1String(VueBandes::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    return nullptr;
}

}  // namespace

void installerAccessibilite()
{
    static const bool installe = [] {
        QAccessible::installFactory(&dessinAccessible);
        return true;
    }();
    (void)installe;
}

}  // namespace dessins
