#include "print/ui/frmvergleich.h"

#include "base/messagesink.h"
#include "base/numberformat.h"
#include "calc/betriebspunkt.h"
#include "calc/einheiten.h"
#include "db/datamodule.h"
#include "fluid/stoff.h"
#include "print/vergleichsdruck.h"
#include "report/pdfausgabe.h"
#include "report/ui/berichtdrucker.h"
#include "sheet/pages/leistungstabelle.h"
#include "sheet/ui/frmtechnik.h"
#include "sheet/ui/rastermodell.h"
#include "sheet/vergleichsdiagramm.h"
#include "state/sprache.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace drel::ui {

namespace {

// The overlaid envelopes, drawn as the printout draws them.
class VergleichsDiagramm : public QWidget {
public:
    VergleichsDiagramm(const sheet::Vergleich& v, const calc::Einheiten& e, QWidget* parent)
        : QWidget(parent), vergleich_(v), einheiten_(e) {
        setObjectName(QStringLiteral("DiagrammVergleich"));
        setMinimumSize(380, 300);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        sheet::vergleichsDiagrammZeichnen(p, QRectF(rect()), vergleich_,
                                          einheiten_.index(calc::EinheitGruppe::Temperatur) == 1);
    }

private:
    const sheet::Vergleich& vergleich_;
    const calc::Einheiten& einheiten_;
};

} // namespace

TFrmVergleich::TFrmVergleich(db::TDataModule1& dm, fluid::TStoff& stoff,
                             const calc::Einheiten& einheiten, QWidget* parent)
    : TDForm(parent), einheiten_(einheiten), rechnung_(dm, stoff, einheiten) {
    setObjectName(QStringLiteral("FrmVergleich"));
    texte().fensterTitel(this, QT_TR_NOOP("Vergleich"));
    auto* v = new QVBoxLayout(this);
    auto* eingaben = new QGridLayout;
    const auto feld = [this](const char* name, QLineEdit*& ziel) {
        ziel = new QLineEdit(this);
        ziel->setObjectName(QString::fromLatin1(name));
        return ziel;
    };
    eingaben->addWidget(texte().text(new QLabel(this), QT_TR_NOOP("Kaltemittel:")), 0, 0);
    eingaben->addWidget(feld("eKaeltemittel", kaeltemittel_), 0, 1);
    eingaben->addWidget(texte().text(new QLabel(this), QT_TR_NOOP("t0:")), 0, 2);
    eingaben->addWidget(feld("eT0", t0_), 0, 3);
    eingaben->addWidget(texte().text(new QLabel(this), QT_TR_NOOP("tc / Luft:")), 0, 4);
    eingaben->addWidget(feld("eTc", tc_), 0, 5);
    luft_ = texte().text(new QCheckBox(this), QT_TR_NOOP("Lufteintritt (Verflussigungssatz)"));
    luft_->setObjectName(QStringLiteral("chkLuft"));
    eingaben->addWidget(luft_, 0, 6);
    // The suction gas state and the subcooling the sheets rate with.
    eingaben->addWidget(texte().text(new QLabel(this), QT_TR_NOOP("Sauggastemperatur:")), 1, 0);
    eingaben->addWidget(feld("eTsaug", tsaug_), 1, 1);
    eingaben->addWidget(texte().text(new QLabel(this), QT_TR_NOOP("Uberhitzung:")), 1, 2);
    eingaben->addWidget(feld("eUeberhitzung", tue_), 1, 3);
    eingaben->addWidget(texte().text(new QLabel(this), QT_TR_NOOP("Unterkuhlung:")), 1, 4);
    eingaben->addWidget(feld("eUnterkuehlung", tu_), 1, 5);
    eingaben->addWidget(texte().text(new QLabel(this), QT_TR_NOOP("Artikel:")), 2, 0);
    auto* artikelZeile = new QHBoxLayout;
    for (std::size_t i = 0; i < artikel_.size(); ++i) {
        artikel_[i] = new QLineEdit(this);
        artikel_[i]->setObjectName(QStringLiteral("eArtikel%1").arg(i + 1));
        artikelZeile->addWidget(artikel_[i]);
    }
    eingaben->addLayout(artikelZeile, 2, 1, 1, 5);
    auto* vergleichen = texte().text(new QPushButton(this), QT_TR_NOOP("Vergleichen"));
    vergleichen->setObjectName(QStringLiteral("btnVergleichen"));
    eingaben->addWidget(vergleichen, 2, 6);
    auto* offene = texte().text(new QPushButton(this), QT_TR_NOOP("Offene Datenblatter"));
    offene->setObjectName(QStringLiteral("btnOffeneBlaetter"));
    texte().tipp(offene, QT_TR_NOOP("Die Artikel der offenen Datenblatter am Punkt des ersten "
                                    "vergleichen"));
    eingaben->addWidget(offene, 1, 6);
    v->addLayout(eingaben);

    punkt_ = new QLabel(this);
    punkt_->setObjectName(QStringLiteral("lblPunkt"));
    v->addWidget(punkt_);
    auto* mitte = new QHBoxLayout;
    tabelle_ = new QTableView(this);
    tabelle_->setObjectName(QStringLiteral("tvVergleich"));
    modell_ = new RasterModell(this);
    tabelle_->setModel(modell_);
    tabelle_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabelle_->verticalHeader()->hide();
    tabelle_->setWordWrap(true);
    mitte->addWidget(tabelle_, 3);
    diagramm_ = new VergleichsDiagramm(vergleich_, einheiten_, this);
    mitte->addWidget(diagramm_, 2);
    v->addLayout(mitte, 1);

    auto* knoepfe = new QHBoxLayout;
    auto* drucken = texte().text(new QPushButton(this), QT_TR_NOOP("Drucken"));
    drucken->setObjectName(QStringLiteral("btnDrucken"));
    auto* speichern =
        texte().text(new QPushButton(this), QT_TR_NOOP("Speichern als PDF/CSV/XLSX..."));
    speichern->setObjectName(QStringLiteral("btnSpeichern"));
    auto* schliessen = texte().text(new QPushButton(this), QT_TR_NOOP("Schliessen"));
    schliessen->setObjectName(QStringLiteral("btnSchliessen"));
    knoepfe->addWidget(drucken);
    knoepfe->addWidget(speichern);
    knoepfe->addStretch(1);
    knoepfe->addWidget(schliessen);
    v->addLayout(knoepfe);

    connect(vergleichen, &QPushButton::clicked, this, &TFrmVergleich::VergleichenClick);
    connect(offene, &QPushButton::clicked, this, [this] { offeneBlaetterClick(); });
    connect(drucken, &QPushButton::clicked, this, &TFrmVergleich::druckenClick);
    connect(speichern, &QPushButton::clicked, this, &TFrmVergleich::speichernClick);
    connect(schliessen, &QPushButton::clicked, this, &TFrmVergleich::reject);
    punktZeigen(Betriebspunkt{}, false);
    resize(1100, 560);
}

QLineEdit* TFrmVergleich::punktFeld(const QString& name) const {
    return findChild<QLineEdit*>(name);
}

void TFrmVergleich::punktZeigen(const Betriebspunkt& p, bool luft) {
    letzterPunkt_ = p;
    const auto temperatur = [&](QLineEdit* e, double c) {
        e->setText(formatFloat(u"0.##", einheiten_.TempAnzeige(c)));
    };
    kaeltemittel_->setText(p.kaeltemittel);
    temperatur(t0_, p.t0);
    temperatur(tc_, luft ? p.tle : p.tc);
    temperatur(tsaug_, p.tsaug);
    tue_->setText(formatFloat(u"0.##", einheiten_.DiffAnzeige(p.tue)));
    tu_->setText(formatFloat(u"0.##", einheiten_.DiffAnzeige(p.tu)));
    luft_->setChecked(luft);
}

void TFrmVergleich::vergleichen(const QList<DatenblattAuftrag>& auftraege) {
    for (std::size_t i = 0; i < artikel_.size(); ++i)
        artikel_[i]->setText(static_cast<qsizetype>(i) < auftraege.size()
                                 ? auftraege.at(static_cast<qsizetype>(i)).typ
                                 : QString());
    if (!auftraege.isEmpty())
        punktZeigen(auftraege.front().punkt, auftraege.front().luko);
    vergleich_.rechnen(rechnung_, auftraege);
    zeigen();
}

void TFrmVergleich::VergleichenClick() {
    QStringList namen;
    for (QLineEdit* e : artikel_)
        if (!e->text().trimmed().isEmpty())
            namen << e->text().trimmed();
    double t0 = 0, tc = 0, tsaug = 0, tue = 0, tu = 0;
    const auto lesen = [](QLineEdit* e, double& wert) {
        return parseFloat(e->text().trimmed(), wert);
    };
    if (namen.isEmpty() || !lesen(t0_, t0) || !lesen(tc_, tc) || !lesen(tsaug_, tsaug) ||
        !lesen(tue_, tue) || !lesen(tu_, tu) || kaeltemittel_->text().trimmed().isEmpty()) {
        report(tr("Bitte Kaltemittel, t0, tc (oder Luft), Sauggastemperatur, Uberhitzung, "
                  "Unterkuhlung und mindestens einen Artikel angeben."),
               tr("Vergleich"));
        return;
    }
    // Frequency and speed stay those of the last point (the result list's or a sheet's).
    Betriebspunkt p = letzterPunkt_;
    p.kaeltemittel = kaeltemittel_->text().trimmed();
    p.t0 = einheiten_.TempIntern(t0);
    (luft_->isChecked() ? p.tle : p.tc) = einheiten_.TempIntern(tc);
    p.tsaug = einheiten_.TempIntern(tsaug);
    p.tue = einheiten_.DiffIntern(tue);
    p.tu = einheiten_.DiffIntern(tu);
    if (const QString grund = calc::sauggasPruefen(p); !grund.isEmpty()) {
        report(grund, tr("Vergleich"));
        return;
    }
    letzterPunkt_ = p;
    vergleich_.rechnen(rechnung_, namen, p, luft_->isChecked());
    zeigen();
}

bool TFrmVergleich::offeneBlaetterClick() {
    // The docked sheet first, then the undocked ones in the order they were opened.
    QList<TFrmTechnik*> blaetter;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* b = qobject_cast<TFrmTechnik*>(w))
            blaetter << b;
        for (TFrmTechnik* b : w->findChildren<TFrmTechnik*>())
            blaetter << b;
    }
    std::stable_sort(blaetter.begin(), blaetter.end(), [](TFrmTechnik* a, TFrmTechnik* b) {
        return a->angedockt() > b->angedockt();
    });
    QList<DatenblattAuftrag> auftraege;
    for (TFrmTechnik* b : blaetter)
        if (b->isVisible() && b->model().AktArtikelID != 0 &&
            auftraege.size() < sheet::Vergleich::kMaxArtikel)
            auftraege << sheet::blattAuftrag(b->model());
    if (auftraege.isEmpty()) {
        report(tr("Kein offenes Datenblatt zeigt einen Artikel."), tr("Vergleich"));
        return false;
    }
    // One point for all: the first sheet's.
    for (DatenblattAuftrag& a : auftraege) {
        a.punkt = auftraege.front().punkt;
        a.luko = auftraege.front().luko;
    }
    vergleichen(auftraege);
    return true;
}

void TFrmVergleich::zeigen() {
    modell_->setRaster(vergleich_.spalten().empty() ? sheet::ZellenRaster{} : vergleich_.raster());
    tabelle_->resizeColumnsToContents();
    tabelle_->resizeRowsToContents();
    punkt_->setText(vergleich_.spalten().empty()
                        ? tr("Artikel eingeben oder in der Ergebnisliste markieren.")
                        : tr("Differenz zum ersten Artikel in %, beim Abstand zur "
                             "Einsatzgrenze in K; der Abstand ist innerhalb positiv."));
    diagramm_->update();
}

bool TFrmVergleich::pdfSchreiben(const QString& datei) {
    auto bericht = print::vergleichsBerichtAnlegen(vergleich_, einheiten_);
    QString grund;
    if (bericht::pdfSchreiben(*bericht, datei, grund))
        return true;
    report(grund, tr("Fehler"), MessageKind::Error);
    return false;
}

bool TFrmVergleich::tabelleSchreiben(const QString& datei) {
    return rasterSpeichern(vergleich_.raster(), datei);
}

void TFrmVergleich::druckenClick() {
    if (vergleich_.spalten().empty())
        return;
    auto bericht = print::vergleichsBerichtAnlegen(vergleich_, einheiten_);
    bericht::BerichtDrucker drucker(*bericht, this);
    drucker.preview();
    if (!drucker.error().isEmpty())
        report(drucker.error(), tr("Drucken"), MessageKind::Error);
}

void TFrmVergleich::speichernClick() {
    if (vergleich_.spalten().empty())
        return;
    const QString datei =
        QFileDialog::getSaveFileName(this, tr("Speichern als PDF/CSV/XLSX..."), QString(),
                                     tr("PDF (*.pdf);;CSV (*.csv);;Excel-Arbeitsmappe (*.xlsx)"));
    if (datei.isEmpty())
        return;
    if (QFileInfo(datei).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0)
        pdfSchreiben(datei);
    else
        tabelleSchreiben(datei);
}

void vergleichZeigen(QWidget* parent, const QList<DatenblattAuftrag>& auftraege) {
    db::TDataModule1* dm = geladeneProduktdaten();
    if (!dm)
        return;
    auto* fenster = new TFrmVergleich(*dm, fluid::stoff(), calc::einheiten(), parent);
    fenster->setAttribute(Qt::WA_DeleteOnClose);
    if (!auftraege.isEmpty())
        fenster->vergleichen(auftraege);
    fenster->show();
}

} // namespace drel::ui
