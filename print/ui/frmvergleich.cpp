#include "print/ui/frmvergleich.h"

#include "base/messagesink.h"
#include "base/numberformat.h"
#include "calc/einheiten.h"
#include "db/datamodule.h"
#include "fluid/stoff.h"
#include "print/vergleichsdruck.h"
#include "report/pdfausgabe.h"
#include "report/ui/berichtdrucker.h"
#include "sheet/pages/leistungstabelle.h"
#include "sheet/ui/rastermodell.h"
#include "sheet/vergleichsdiagramm.h"
#include "state/sprache.h"

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
    eingaben->addWidget(texte().text(new QLabel(this), QT_TR_NOOP("Artikel:")), 1, 0);
    auto* artikelZeile = new QHBoxLayout;
    for (std::size_t i = 0; i < artikel_.size(); ++i) {
        artikel_[i] = new QLineEdit(this);
        artikel_[i]->setObjectName(QStringLiteral("eArtikel%1").arg(i + 1));
        artikelZeile->addWidget(artikel_[i]);
    }
    eingaben->addLayout(artikelZeile, 1, 1, 1, 5);
    auto* vergleichen = texte().text(new QPushButton(this), QT_TR_NOOP("Vergleichen"));
    vergleichen->setObjectName(QStringLiteral("btnVergleichen"));
    eingaben->addWidget(vergleichen, 1, 6);
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
    connect(drucken, &QPushButton::clicked, this, &TFrmVergleich::druckenClick);
    connect(speichern, &QPushButton::clicked, this, &TFrmVergleich::speichernClick);
    connect(schliessen, &QPushButton::clicked, this, &TFrmVergleich::reject);
    punktZeigen(Betriebspunkt{}, false);
    resize(1100, 560);
}

void TFrmVergleich::punktZeigen(const Betriebspunkt& p, bool luft) {
    kaeltemittel_->setText(p.kaeltemittel);
    t0_->setText(formatFloat(u"0.##", einheiten_.TempAnzeige(p.t0)));
    tc_->setText(formatFloat(u"0.##", einheiten_.TempAnzeige(luft ? p.tle : p.tc)));
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
    double t0 = 0, tc = 0;
    if (namen.isEmpty() || !parseFloat(t0_->text().trimmed(), t0) ||
        !parseFloat(tc_->text().trimmed(), tc) || kaeltemittel_->text().trimmed().isEmpty()) {
        report(tr("Bitte Kaltemittel, t0, tc (oder Luft) und mindestens einen Artikel angeben."),
               tr("Vergleich"));
        return;
    }
    Betriebspunkt p;
    p.kaeltemittel = kaeltemittel_->text().trimmed();
    p.t0 = einheiten_.TempIntern(t0);
    (luft_->isChecked() ? p.tle : p.tc) = einheiten_.TempIntern(tc);
    vergleich_.rechnen(rechnung_, namen, p, luft_->isChecked());
    zeigen();
}

void TFrmVergleich::zeigen() {
    modell_->setRaster(vergleich_.spalten().empty() ? sheet::ZellenRaster{} : vergleich_.raster());
    tabelle_->resizeColumnsToContents();
    tabelle_->resizeRowsToContents();
    punkt_->setText(vergleich_.spalten().empty()
                        ? tr("Artikel eingeben oder in der Ergebnisliste markieren.")
                        : tr("Differenz zum ersten Artikel in %; Abstand zur Einsatzgrenze "
                             "positiv innerhalb."));
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
