#include "sheet/ui/frmreihe.h"

#include "base/messagesink.h"
#include "calc/einheiten.h"
#include "db/datamodule.h"
#include "fluid/stoff.h"
#include "sheet/pages/leistungstabelle.h"
#include "sheet/ui/rastermodell.h"
#include "state/sprache.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace drel::ui {

namespace {
// The window and what it saves speak the user's language; the command line keeps keys.
constexpr auto kAnzeige = sheet::ReihenKopf::anzeige;
} // namespace

TFrmReihe::TFrmReihe(db::TDataModule1& dm, fluid::TStoff& stoff, const calc::Einheiten& einheiten,
                     QWidget* parent)
    : TDForm(parent), rechnung_(dm, stoff, einheiten) {
    setObjectName(QStringLiteral("FrmReihe"));
    texte().fensterTitel(this, QT_TR_NOOP("Reihenberechnung"));
    auto* v = new QVBoxLayout(this);
    auto* zeile = new QHBoxLayout;
    zeile->addWidget(texte().text(new QLabel(this), QT_TR_NOOP("Eingabedatei:")));
    datei_ = new QLineEdit(this);
    datei_->setObjectName(QStringLiteral("eDatei"));
    texte().platzhalter(datei_, QT_TR_NOOP("CSV oder XLSX: article, refrigerant, t0, tc oder "
                                           "air, ts, subcooling, superheat, hz, n"));
    zeile->addWidget(datei_, 1);
    auto* oeffnen = texte().text(new QPushButton(this), QT_TR_NOOP("Offnen..."));
    oeffnen->setObjectName(QStringLiteral("btnOeffnen"));
    zeile->addWidget(oeffnen);
    v->addLayout(zeile);

    auto* lauf = new QHBoxLayout;
    berechnen_ = texte().text(new QPushButton(this), QT_TR_NOOP("Berechnen"));
    berechnen_->setObjectName(QStringLiteral("btnBerechnen"));
    fortschritt_ = new QProgressBar(this);
    fortschritt_->setObjectName(QStringLiteral("pbFortschritt"));
    fortschritt_->setValue(0);
    abbrechen_ = texte().text(new QPushButton(this), QT_TR_NOOP("Abbrechen"));
    abbrechen_->setObjectName(QStringLiteral("btnAbbrechen"));
    abbrechen_->setEnabled(false);
    lauf->addWidget(berechnen_);
    lauf->addWidget(fortschritt_, 1);
    lauf->addWidget(abbrechen_);
    v->addLayout(lauf);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("lblStatus"));
    status_->setWordWrap(true);
    v->addWidget(status_);
    tabelle_ = new QTableView(this);
    tabelle_->setObjectName(QStringLiteral("tvErgebnis"));
    modell_ = new RasterModell(this);
    tabelle_->setModel(modell_);
    tabelle_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabelle_->verticalHeader()->hide();
    v->addWidget(tabelle_, 1);

    auto* knoepfe = new QHBoxLayout;
    speichern_ = texte().text(new QPushButton(this), QT_TR_NOOP("Speichern als CSV/XLSX..."));
    speichern_->setObjectName(QStringLiteral("btnSpeichern"));
    speichern_->setEnabled(false);
    auto* schliessen = texte().text(new QPushButton(this), QT_TR_NOOP("Schliessen"));
    schliessen->setObjectName(QStringLiteral("btnSchliessen"));
    knoepfe->addWidget(speichern_);
    knoepfe->addStretch(1);
    knoepfe->addWidget(schliessen);
    v->addLayout(knoepfe);

    connect(oeffnen, &QPushButton::clicked, this, &TFrmReihe::oeffnenClick);
    connect(berechnen_, &QPushButton::clicked, this, [this] { rechnen(datei_->text()); });
    connect(abbrechen_, &QPushButton::clicked, this, &TFrmReihe::abbrechenClick);
    connect(speichern_, &QPushButton::clicked, this, &TFrmReihe::speichernClick);
    connect(schliessen, &QPushButton::clicked, this, &TFrmReihe::reject);
    resize(900, 520);
}

void TFrmReihe::oeffnenClick() {
    const QString datei = QFileDialog::getOpenFileName(
        this, tr("Eingabedatei"), datei_->text(), tr("Tabellen (*.csv *.xlsx);;Alle Dateien (*)"));
    if (datei.isEmpty())
        return;
    datei_->setText(datei);
    rechnen(datei);
}

void TFrmReihe::rechnen(const QString& datei) {
    if (laeuft_)
        return;
    datei_->setText(datei);
    const sheet::ReihenTabelle tabelle = sheet::reihenLesen(datei);
    ergebnisse_.clear();
    if (!tabelle.fehler.isEmpty()) {
        status_->setText(tabelle.fehler);
        zeigen();
        return;
    }
    laeuft_ = true;
    abbruch_ = false;
    berechnen_->setEnabled(false);
    speichern_->setEnabled(false);
    abbrechen_->setEnabled(true);
    fortschritt_->setRange(0, static_cast<int>(tabelle.punkte.size()));
    fortschritt_->setValue(0);
    ergebnisse_ = rechnung_.alleRechnen(tabelle.punkte, [this](int fertig, int) {
        fortschritt_->setValue(fertig);
        // Every few rows the window answers, so that Abbrechen can be pressed.
        if (fertig % 8 == 0)
            QCoreApplication::processEvents();
        return !abbruch_;
    });
    laeuft_ = false;
    abbrechen_->setEnabled(false);
    berechnen_->setEnabled(true);
    int fehler = 0;
    for (const sheet::ReihenErgebnis& e : ergebnisse_)
        fehler += e.gerechnet ? 0 : 1;
    const QString zusammen = tr("%1 von %2 Zeilen berechnet, %3 mit Grund nicht berechnet.")
                                 .arg(ergebnisse_.size() - static_cast<std::size_t>(fehler))
                                 .arg(tabelle.punkte.size())
                                 .arg(fehler);
    status_->setText(abbruch_ ? tr("Abgebrochen.") + QLatin1Char(' ') + zusammen : zusammen);
    zeigen();
}

void TFrmReihe::zeigen() {
    // Numbers right-aligned and outside points red.
    modell_->setRaster(ergebnisse_.empty() ? sheet::ZellenRaster{}
                                           : sheet::reihenZellen(ergebnisse_, kAnzeige));
    tabelle_->resizeColumnsToContents();
    speichern_->setEnabled(!ergebnisse_.empty());
}

bool TFrmReihe::speichern(const QString& datei) {
    return rasterSpeichern(sheet::reihenZellen(ergebnisse_, kAnzeige), datei);
}

void TFrmReihe::speichernClick() {
    const QString datei =
        QFileDialog::getSaveFileName(this, tr("Speichern als CSV/XLSX..."), QString(),
                                     tr("CSV (*.csv);;Excel-Arbeitsmappe (*.xlsx)"));
    if (!datei.isEmpty())
        speichern(datei);
}

void reihenberechnungZeigen(QWidget* parent) {
    db::TDataModule1* dm = geladeneProduktdaten();
    if (!dm)
        return;
    auto* fenster = new TFrmReihe(*dm, fluid::stoff(), calc::einheiten(), parent);
    fenster->setAttribute(Qt::WA_DeleteOnClose);
    fenster->show();
}

} // namespace drel::ui
