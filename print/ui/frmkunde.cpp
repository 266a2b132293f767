#include "print/ui/frmkunde.h"

#include "base/directories.h"
#include "base/ui/symbole.h"
#include "base/ui/tdhilfe.h"
#include "print/briefbericht.h"
#include "print/datenblattbericht.h"
#include "print/datenblattquelle.h"
#include "print/meldung.h"
#include "print/ui/druckerauswahl.h"
#include "report/pdfausgabe.h"
#include "report/ui/berichtdrucker.h"
#include "state/sprache.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QVBoxLayout>

namespace drel::print {

namespace {

const QString kPdfDrucker = QStringLiteral("PDFCreator");
constexpr int kHilfeThema = 11;

QPlainTextEdit* memo(const QString& name, QWidget* parent) {
    auto* m = new QPlainTextEdit(parent);
    m->setObjectName(name);
    m->setTabChangesFocus(true);
    return m;
}

// The memo's lines as typed: block by block, because the plain-text export turns
// non-breaking spaces into ordinary ones.
QStringList zeilenVon(const QPlainTextEdit* m) {
    const QTextDocument* dokument = m->document();
    if (dokument->isEmpty())
        return {};
    QStringList liste;
    for (QTextBlock block = dokument->begin(); block.isValid(); block = block.next())
        liste << block.text();
    return liste;
}

// A label above its control, as the window shows every field.
QLabel* beschriftung(ui::Quelltexte& texte, const QString& name, const char* text, QWidget* fuer,
                     QWidget* parent) {
    auto* l = texte.text(new QLabel(parent), text);
    l->setObjectName(name);
    l->setBuddy(fuer);
    return l;
}

} // namespace

TFrmKunde::TFrmKunde(const sheet::Datenblatt& blatt, const QString& schrift, QWidget* parent,
                     const QString& verzeichnis)
    : TFrmKunde(
          [&blatt, schrift](const Druckauswahl& auswahl) {
              auto bericht = datenblattBericht(auswahl, datenblattInhalt(blatt, auswahl));
              bericht->setMemoFontFamily(schrift);
              return bericht;
          },
          reiterSichtbar(blatt), parent, verzeichnis) {}

TFrmKunde::TFrmKunde(BerichtErzeuger erzeuger, ReiterSichtbar sichtbar, QWidget* parent,
                     const QString& verzeichnis)
    : TDForm(parent), modell_(verzeichnis), erzeuger_(std::move(erzeuger)),
      sichtbar_(std::move(sichtbar)) {
    setObjectName(QStringLiteral("FrmKunde"));
    texte().fensterTitel(this, QT_TR_NOOP("Kundenadresse"));
    setModal(true);
    setProperty("helpContext", kHilfeThema);
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto* layout = new QVBoxLayout(this);
    auto* oben = new QHBoxLayout;
    oben->addWidget(adressTeil(), 1);
    oben->addWidget(auswahlTeil());
    layout->addLayout(oben, 1);
    layout->addWidget(knopfTeil());
    modell_.FormCreate();
    ausModell();
}

QWidget* TFrmKunde::adressTeil() {
    auto* teil = new QWidget(this);
    auto* g = new QGridLayout(teil);
    g->setContentsMargins(0, 0, 0, 0);
    AdrMemo_ = memo(QStringLiteral("AdrMemo"), teil);
    kdrMemo_ = memo(QStringLiteral("kdrMemo"), teil);
    betreffMemo_ = memo(QStringLiteral("betreffMemo"), teil);
    TXTMemo_ = memo(QStringLiteral("TXTMemo"), teil);
    Edit1_ = new QLineEdit(teil);
    Edit1_->setObjectName(QStringLiteral("Edit1"));
    Edit2_ = new QLineEdit(teil);
    Edit2_->setObjectName(QStringLiteral("Edit2"));
    betreffMemo_->setFixedHeight(betreffMemo_->fontMetrics().lineSpacing() * 3 + 12);

    g->addWidget(beschriftung(texte(), QStringLiteral("Label1"), QT_TR_NOOP("Absender-Adresse"),
                              AdrMemo_, teil),
                 0, 0);
    g->addWidget(AdrMemo_, 1, 0);
    g->addWidget(beschriftung(texte(), QStringLiteral("label2"), QT_TR_NOOP("Empfanger-Adresse"),
                              kdrMemo_, teil),
                 0, 1);
    g->addWidget(kdrMemo_, 1, 1);
    g->addWidget(
        beschriftung(texte(), QStringLiteral("Label3"), QT_TR_NOOP("Betreff"), betreffMemo_, teil),
        2, 0, 1, 2);
    g->addWidget(betreffMemo_, 3, 0, 1, 2);
    g->addWidget(beschriftung(texte(), QStringLiteral("Label4"), QT_TR_NOOP("Datum"), Edit1_, teil),
                 4, 0);
    g->addWidget(
        beschriftung(texte(), QStringLiteral("Label5"), QT_TR_NOOP("Zustandig"), Edit2_, teil), 4,
        1);
    g->addWidget(Edit1_, 5, 0);
    g->addWidget(Edit2_, 5, 1);
    g->addWidget(
        beschriftung(texte(), QStringLiteral("Label6"), QT_TR_NOOP("Text"), TXTMemo_, teil), 6, 0,
        1, 2);
    g->addWidget(TXTMemo_, 7, 0, 1, 2);
    g->setRowStretch(1, 2);
    g->setRowStretch(7, 3);
    return teil;
}

QWidget* TFrmKunde::auswahlTeil() {
    auto* box = texte().text(new QGroupBox(this), QT_TR_NOOP("Drucken"));
    box->setObjectName(QStringLiteral("GroupBox1"));
    auto* v = new QVBoxLayout(box);
    // In page order of the printed data sheet.
    const std::array<std::pair<int, const char*>, kAbschnittAnzahl> boxen{{
        {7, QT_TR_NOOP("Leistungsdaten")},
        {1, QT_TR_NOOP("Technische Daten")},
        {2, QT_TR_NOOP("Einsatzgrenzen")},
        {3, QT_TR_NOOP("Lieferumfang")},
        {4, QT_TR_NOOP("Zubehor")},
        {5, QT_TR_NOOP("Masse und Anschlusse")},
        {6, QT_TR_NOOP("Produktfoto")},
        {8, QT_TR_NOOP("Tabelle Leistungsdaten")},
    }};
    for (const auto& [nummer, text] : boxen) {
        auto* c = texte().text(new QCheckBox(box), text);
        c->setObjectName(QStringLiteral("CheckBox%1").arg(nummer));
        checkBoxen_[static_cast<std::size_t>(nummer - 1)] = c;
        v->addWidget(c);
    }
    v->addStretch();
    // The caption of the page label on the printed pages.
    Label10_ = texte().text(new QLabel(box), QT_TR_NOOP("Seite"));
    Label10_->setObjectName(QStringLiteral("Label10"));
    Label10_->hide();
    return box;
}

QPushButton* TFrmKunde::knopf(const QString& name, const char* text) {
    auto* k = texte().text(new QPushButton(this), text);
    k->setObjectName(name);
    texte().tipp(k, text);
    k->setAutoDefault(false);
    return k;
}

QWidget* TFrmKunde::knopfTeil() {
    auto* teil = new QWidget(this);
    auto* h = new QHBoxLayout(teil);
    h->setContentsMargins(0, 0, 0, 0);
    QPushButton* ok = knopf(QStringLiteral("OKBtn"), QT_TR_NOOP("Drucken"));
    QPushButton* vorschau = knopf(QStringLiteral("BitBtn3"), QT_TR_NOOP("Vorschau"));
    QPushButton* pdf = knopf(QStringLiteral("BitBtn4"), QT_TR_NOOP("PDF erstellen"));
    QPushButton* drucker = knopf(QStringLiteral("BitBtn1"), QT_TR_NOOP("Drucker"));
    drucker->hide();
    QPushButton* hilfe = knopf(QStringLiteral("BitBtn2"), QT_TR_NOOP("Hilfe"));
    QPushButton* zurueck = knopf(QStringLiteral("CancelBtn"), QT_TR_NOOP("Zuruck"));
    using ui::Symbol;
    const std::pair<QPushButton*, Symbol> bilder[] = {
        {ok, Symbol::Drucken},      {vorschau, Symbol::Vorschau}, {pdf, Symbol::Pdf},
        {drucker, Symbol::Drucker}, {hilfe, Symbol::Hilfe},       {zurueck, Symbol::Zurueck}};
    for (const auto& [k, bild] : bilder)
        k->setIcon(ui::symbol(bild));
    for (QPushButton* k : {ok, vorschau, pdf, drucker})
        h->addWidget(k);
    h->addStretch();
    h->addWidget(hilfe);
    h->addWidget(zurueck);
    connect(ok, &QPushButton::clicked, this, [this] { OKBtnClick(Ausgabe::Drucken); });
    connect(vorschau, &QPushButton::clicked, this, [this] { OKBtnClick(Ausgabe::Vorschau); });
    connect(pdf, &QPushButton::clicked, this, [this] { OKBtnClick(Ausgabe::Pdf); });
    connect(drucker, &QPushButton::clicked, this, [this] { druckerAuswaehlen(this); });
    connect(hilfe, &QPushButton::clicked, this, &TFrmKunde::BitBtn2Click);
    connect(zurueck, &QPushButton::clicked, this, &TFrmKunde::CancelBtnClick);
    return teil;
}

void TFrmKunde::ausModell() {
    AdrMemo_->setPlainText(modell_.AdrMemo.join(QLatin1Char('\n')));
    kdrMemo_->setPlainText(modell_.kdrMemo.join(QLatin1Char('\n')));
    betreffMemo_->setPlainText(modell_.betreffMemo.join(QLatin1Char('\n')));
    TXTMemo_->setPlainText(modell_.TXTMemo.join(QLatin1Char('\n')));
    Edit1_->setText(modell_.Edit1);
    Edit2_->setText(modell_.Edit2);
    for (int i = 1; i <= kAbschnittAnzahl; ++i)
        checkBoxen_[static_cast<std::size_t>(i - 1)]->setChecked(modell_.checkBox(i));
}

void TFrmKunde::inModell() {
    modell_.AdrMemo = zeilenVon(AdrMemo_);
    modell_.kdrMemo = zeilenVon(kdrMemo_);
    modell_.betreffMemo = zeilenVon(betreffMemo_);
    modell_.TXTMemo = zeilenVon(TXTMemo_);
    modell_.Edit1 = Edit1_->text();
    modell_.Edit2 = Edit2_->text();
    for (int i = 1; i <= kAbschnittAnzahl; ++i)
        modell_.setCheckBox(i, checkBoxen_[static_cast<std::size_t>(i - 1)]->isChecked());
}

void TFrmKunde::showEvent(QShowEvent* event) {
    TDForm::showEvent(event);
    inModell();
    modell_.readmemo();
    ausModell();
}

void TFrmKunde::done(int ergebnis) {
    inModell();
    modell_.FormClose();
    QDialog::done(ergebnis);
}

void TFrmKunde::CancelBtnClick() {
    reject();
}

void TFrmKunde::reject() {
    while (QApplication::overrideCursor() != nullptr)
        QApplication::restoreOverrideCursor();
    TDForm::reject();
}

// The help lives in the application shell, which sets the hook.
void TFrmKunde::BitBtn2Click() {
    ui::hilfeAnfordern(kHilfeThema);
}

void TFrmKunde::OKBtnClick(Ausgabe ausgabe) {
    inModell();
    const Druckauswahl auswahl = modell_.druckauswahl(sichtbar_, Label10_->text());
    modell_.speichern();
    std::unique_ptr<bericht::Bericht> bericht =
        erzeuger_ ? erzeuger_(auswahl) : briefBericht(auswahl);
    if (!bericht)
        return;
    bericht->setLanguage(berichtSprache(sprache().kurzCode));
    ausgeben(*bericht, ausgabe);
}

void TFrmKunde::ausgeben(bericht::Bericht& bericht, Ausgabe ausgabe) {
    bericht::BerichtDrucker drucker(bericht, this);
    switch (ausgabe) {
    case Ausgabe::Drucken:
        if (!drucker.print(gewaehlterDrucker(), true) && !drucker.error().isEmpty())
            fehlerMelden(drucker.error());
        return;
    case Ausgabe::Vorschau:
        drucker.preview();
        if (!drucker.error().isEmpty())
            fehlerMelden(drucker.error());
        return;
    case Ausgabe::Pdf:
        break;
    }
    // A PDF printer driver keeps its route; without one the report engine writes
    // the file itself, so no printer is needed.
    if (const QString name = bericht::BerichtDrucker::findPrinter(kPdfDrucker); !name.isEmpty()) {
        if (!drucker.print(name, false) && !drucker.error().isEmpty())
            fehlerMelden(drucker.error());
        return;
    }
    QString ziel = pdfDateiWahl_ ? pdfDateiWahl_() : pdfDateiFragen();
    if (ziel.isEmpty())
        return;
    if (!ziel.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        ziel += QStringLiteral(".pdf");
    QString fehler;
    if (!bericht::pdfSchreiben(bericht, ziel, fehler))
        fehlerMelden(fehler);
}

QString TFrmKunde::pdfDateiFragen() {
    const QString vorschlag = pfad(verzeichnisse().dokumente, QStringLiteral("Datenblatt.pdf"));
    return QFileDialog::getSaveFileName(this, tr("PDF erstellen"), vorschlag,
                                        tr("PDF-Dateien (*.pdf)"));
}

} // namespace drel::print
