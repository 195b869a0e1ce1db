#include "malba/MalbaVykresu.h"

#include "malba/BarvyAci.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace lineon::malba {

namespace {

// The glyphs are laid out at this pixel size and scaled to the text height.
constexpr double VelikostPisma = 100;

/// A text's height in a drawing is the height of its capital letters.
double VyskaVersalek(const QFont& pismo)
{
    static const double vyska = QFontMetricsF(pismo).capHeight();
    return vyska > 0 ? vyska : 0.73 * VelikostPisma;
}

void MalovatText(QPainter& malir, const TPrvekVykresu& text, const TZobrazeni& zobrazeni, const QFont& pismo)
{
    const double vyska = text.vyska * zobrazeni.meritko;
    if (vyska < 1 || text.text.empty())
        return;
    const QString retezec = QString::fromStdString(text.text);
    const QFontMetricsF metrika(pismo);
    const double sirka = metrika.horizontalAdvance(retezec);
    const double versalky = VyskaVersalek(pismo);
    double dx = 0;
    double dy = 0; // from the baseline, downward
    switch (text.zarovnani) {
    case 1: dx = -sirka / 2; break;
    case 2: dx = -sirka; break;
    case 4: dx = -sirka / 2; dy = versalky / 2; break;
    default: break;
    }
    malir.save();
    malir.translate(zobrazeni.Na(text.x1, text.y1));
    malir.rotate(-text.uhel);
    malir.scale(vyska / versalky, vyska / versalky);
    malir.drawText(QPointF(dx, dy), retezec);
    malir.restore();
}

} // namespace

QColor Barva(int aci, Pozadi pozadi)
{
    const TRgb rgb = aci >= 1 && aci < static_cast<int>(BarvyAci.size()) ? BarvyAci[static_cast<std::size_t>(aci)]
                                                                         : BarvyAci[7];
    QColor barva(rgb.r, rgb.g, rgb.b);
    // How bright the eye takes the colour to be, 0 to 255.
    const double jas = 0.299 * rgb.r + 0.587 * rgb.g + 0.114 * rgb.b;
    if (pozadi == Pozadi::Tmave)
        return std::max({rgb.r, rgb.g, rgb.b}) < 170 ? barva.lighter(190) : barva;
    if (aci == 7 || aci < 1 || aci >= static_cast<int>(BarvyAci.size()))
        return Qt::black;
    return jas > 140 ? barva.darker(jas > 200 ? 200 : 160) : barva;
}

QColor BarvaPozadi(Pozadi pozadi)
{
    return pozadi == Pozadi::Tmave ? QColor(33, 40, 48) : QColor(Qt::white);
}

const QString& PismoVykresu()
{
    static const QString rodina = [] {
        const QString vychozi = QStringLiteral("DejaVu Sans");
        if (QFontDatabase::hasFamily(vychozi))
            return vychozi;
        const int id = QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"));
        const QStringList rodiny = QFontDatabase::applicationFontFamilies(id);
        return rodiny.isEmpty() ? vychozi : rodiny.front();
    }();
    return rodina;
}

void Malovat(QPainter& malir, const TVykres& vykres, const TZobrazeni& zobrazeni, Pozadi pozadi, double sirkaCary)
{
    QFont pismo(PismoVykresu());
    pismo.setPixelSize(static_cast<int>(VelikostPisma));
    pismo.setHintingPreference(QFont::PreferNoHinting);
    malir.setFont(pismo);
    malir.setBrush(Qt::NoBrush);
    int barvaPera = -1;
    for (const TPrvekVykresu& prvek : vykres.prvky) {
        if (prvek.barva != barvaPera) {
            barvaPera = prvek.barva;
            QPen pero(Barva(prvek.barva, pozadi), sirkaCary);
            pero.setCapStyle(Qt::RoundCap);
            malir.setPen(pero);
        }
        switch (prvek.druh) {
        case TPrvekVykresu::Druh::Cara:
            malir.drawLine(zobrazeni.Na(prvek.x1, prvek.y1), zobrazeni.Na(prvek.x2, prvek.y2));
            break;
        case TPrvekVykresu::Druh::Kruh: {
            const double r = prvek.polomer * zobrazeni.meritko;
            malir.drawEllipse(zobrazeni.Na(prvek.x1, prvek.y1), r, r);
            break;
        }
        case TPrvekVykresu::Druh::Text:
            MalovatText(malir, prvek, zobrazeni, pismo);
            break;
        }
    }
}

} // namespace lineon::malba
