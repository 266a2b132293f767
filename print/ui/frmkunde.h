// The print window "Kundenadresse": letter data and print selection, then print,
// preview or PDF of the report the caller supplies.
#pragma once

#include "base/ui/tdform.h"
#include "print/druckauswahl.h"
#include "print/kundenmodell.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace drel::sheet {
class Datenblatt;
}

namespace drel::print {

class TFrmKunde : public ui::TDForm {
    Q_OBJECT
public:
    enum class Ausgabe { Drucken, Vorschau, Pdf };

    // `erzeuger` builds the report (nullptr: the letter alone), `sichtbar` tells
    // which data-sheet tabs exist (nullptr: none). `verzeichnis` is the settings
    // directory (empty: the program's).
    explicit TFrmKunde(BerichtErzeuger erzeuger = nullptr, ReiterSichtbar sichtbar = nullptr,
                       QWidget* parent = nullptr, const QString& verzeichnis = QString());
    // The data sheet's letter: the report is laid out from `blatt` as it stands, its
    // memos in the sheet's font family `schrift`.
    TFrmKunde(const sheet::Datenblatt& blatt, const QString& schrift, QWidget* parent = nullptr,
              const QString& verzeichnis = QString());

    KundenModell& modell() { return modell_; }

    // Where the PDF goes when no "PDFCreator" printer exists; by default a save
    // dialog. An empty answer cancels.
    void setPdfDateiWahl(std::function<QString()> wahl) { pdfDateiWahl_ = std::move(wahl); }

    // Shared handler of OKBtn, BitBtn3 and BitBtn4.
    void OKBtnClick(Ausgabe ausgabe);
    void CancelBtnClick();
    void BitBtn2Click();

    // Shows the model in the controls / takes the controls into the model.
    void ausModell();
    void inModell();

    void done(int ergebnis) override;
    // Esc and the close box do what CancelBtn does.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* adressTeil();
    QWidget* auswahlTeil();
    QWidget* knopfTeil();
    QPushButton* knopf(const QString& name, const char* text);
    QString pdfDateiFragen();
    void ausgeben(bericht::Bericht& bericht, Ausgabe ausgabe);

    KundenModell modell_;
    BerichtErzeuger erzeuger_;
    ReiterSichtbar sichtbar_;
    std::function<QString()> pdfDateiWahl_;
    QPlainTextEdit* AdrMemo_ = nullptr;
    QPlainTextEdit* kdrMemo_ = nullptr;
    QPlainTextEdit* betreffMemo_ = nullptr;
    QPlainTextEdit* TXTMemo_ = nullptr;
    QLineEdit* Edit1_ = nullptr;
    QLineEdit* Edit2_ = nullptr;
    QLabel* Label10_ = nullptr;
    std::array<QCheckBox*, kAbschnittAnzahl> checkBoxen_{};
};

} // namespace drel::print
