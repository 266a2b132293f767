#include "dbbuild/ui/frmdbinfo.h"

#include "dbbuild/datenpruefung.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>
#include <memory>

namespace drel::dbbuild {

TFrmDBInfo::TFrmDBInfo(QWidget* parent)
    : TDForm(parent), lblText1_(new QLabel(this)), lblText2_(new QLabel(this)),
      pbFortschritt_(new QProgressBar(this)) {
    setObjectName(QStringLiteral("FrmDBInfo"));
    texte().eigene(this, QT_TR_NOOP("Information"), [this](const QString& titel) {
        setWindowTitle(QStringLiteral("WUK 8.1   ") + titel);
    });
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint |
                   Qt::WindowStaysOnTopHint);
    lblText1_->setObjectName(QStringLiteral("Label1"));
    texte().text(lblText1_, QT_TR_NOOP("Moment bitte, die Datenbanken werden vorbereitet."));
    lblText2_->setObjectName(QStringLiteral("Label2"));
    texte().text(lblText2_, QT_TR_NOOP("Dies dauert ein wenig."));
    pbFortschritt_->setObjectName(QStringLiteral("pbFortschritt"));
    pbFortschritt_->setRange(0, 24);
    pbFortschritt_->setValue(0);
    pbFortschritt_->setFormat(QStringLiteral("%v / %m"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblText1_);
    layout->addWidget(lblText2_);
    layout->addWidget(pbFortschritt_);
    setMinimumWidth(360);
}

void TFrmDBInfo::setFortschritt(int schritt, int anzahl, const QString& tabellenDatei) {
    pbFortschritt_->setRange(0, anzahl);
    pbFortschritt_->setValue(schritt);
    pbFortschritt_->setToolTip(tabellenDatei);
    repaint();
    QCoreApplication::processEvents();
}

bool dateienPruefenMitFenster(const QString& programmVerzeichnis, QWidget* parent,
                              const std::function<void()>& gebaut) {
    std::unique_ptr<TFrmDBInfo> fenster;
    PruefBeobachter beobachter;
    beobachter.bauBeginnt = [&] {
        fenster = std::make_unique<TFrmDBInfo>(parent);
        fenster->show();
        fenster->raise();
        fenster->activateWindow();
        QCoreApplication::processEvents();
    };
    beobachter.fortschritt = [&](int schritt, int anzahl, const QString& datei) {
        if (fenster)
            fenster->setFortschritt(schritt, anzahl, datei);
    };
    beobachter.gebaut = gebaut;
    beobachter.bauEndet = [&] {
        if (fenster)
            fenster->close();
        fenster.reset();
    };
    return dateienPruefen(programmVerzeichnis, beobachter) != PruefErgebnis::Fehler;
}

} // namespace drel::dbbuild
