// The product-information pages of the data sheet as widgets: each shows what its
// page model in the sheet's document holds; none owns a model.
#pragma once

#include "base/ui/quelltexte.h"
#include "sheet/datenblatt.h"

#include <QWidget>
#include <functional>

class QCheckBox;
class QLabel;
class QTextEdit;
class QPushButton;
class QSpinBox;
class QUrl;
class QVBoxLayout;

namespace drel::ui {

class ZellenRaster;

// Asks for the file to write: dialog caption, proposed path, filter; "" = cancelled.
// The window uses a save dialog; tests hand in their own choice.
using DateiWahl =
    std::function<QString(const QString& titel, const QString& vorschlag, const QString& filter)>;
// The save dialog (parent for its placement).
QString dateiDialog(QWidget* parent, const QString& titel, const QString& vorschlag,
                    const QString& filter);
// A proposed file name in the documents folder (the bare name when there is none).
QString imDokumentOrdner(const QString& name);

// "Bild speichern" on a shown picture (the dimension drawing, the product photo):
// the popup menu of the picture saves the file as it was loaded, in its own format.
class BildSpeichern : public QObject {
    Q_OBJECT
public:
    // `bild` gets the popup menu; `typ` gives the sheet's type text for the proposed
    // name, which ends in the caption of the photo or of the drawing.
    BildSpeichern(QLabel* bild, std::function<QString()> typ, bool foto);
    // The proposed file name (without folder).
    QString vorschlag() const;
    void setDateiWahl(DateiWahl wahl) { wahl_ = std::move(wahl); }
    void setQuelle(const QString& pfad) { quelle_ = pfad; }
    const QString& quelle() const { return quelle_; }
    // Bildspeichern1Click: false when cancelled or the file cannot be written (reported).
    bool Bildspeichern1Click();

protected:
    bool eventFilter(QObject* objekt, QEvent* event) override;

private:
    Quelltexte texte_{"drel::ui::BildSpeichern"};
    QLabel* bild_;
    std::function<QString()> typ_;
    bool foto_;
    DateiWahl wahl_;
    QString quelle_;
};

// "Techn. Daten": the values grid and the numbered footnotes under "Bemerkungen:".
class TechnDatenTab : public MitQuelltexten<QWidget> {
    Q_OBJECT
public:
    explicit TechnDatenTab(QWidget* parent = nullptr);
    void zeigen(const sheet::TechnDatenSeite& seite);
    ZellenRaster* StringGrid() const { return StringGrid_; }

private:
    ZellenRaster* StringGrid_ = nullptr;
    QLabel* Panel4_ = nullptr;
    QVBoxLayout* memos_ = nullptr;
};

// "Lieferumfang" and "Zubehor": one read-only text block per entry.
class TextTab : public MitQuelltexten<QWidget> {
    Q_OBJECT
public:
    explicit TextTab(QWidget* parent = nullptr);
    void zeigen(const sheet::TextSeite& seite);

private:
    QVBoxLayout* memos_ = nullptr;
};

// "Produktfoto": the photo in its shown size and the caption.
class FotoTab : public MitQuelltexten<QWidget> {
    Q_OBJECT
public:
    // `typ` gives the sheet's type text (the proposed name of a saved picture).
    explicit FotoTab(std::function<QString()> typ, QWidget* parent = nullptr);
    void zeigen(const sheet::FotoSeite& seite);
    BildSpeichern* bildSpeichern() const { return speichern_; }

private:
    BildSpeichern* speichern_ = nullptr;
    QLabel* Image2_ = nullptr;
    QLabel* unterschrift_ = nullptr;
};

// "Masse und Anschlusse": the dimension drawing and the connections grid.
class MasseTab : public MitQuelltexten<QWidget> {
    Q_OBJECT
public:
    explicit MasseTab(std::function<QString()> typ, QWidget* parent = nullptr);
    void zeigen(const sheet::MasseSeite& seite);
    BildSpeichern* bildSpeichern() const { return speichern_; }

private:
    BildSpeichern* speichern_ = nullptr;
    QLabel* Image1_ = nullptr;
    ZellenRaster* StringGrid_ = nullptr;
};

// "Tabelle Leistungsdaten": the range fields, "Berechnen", the table grid (cells
// outside the application envelope are greyed) and its exports, over the sheet's
// ranges and table. The ranges come from Tab.ini when the page is created; the sheet
// writes them back when it closes.
class TabelleTab : public MitQuelltexten<QWidget> {
    Q_OBJECT
public:
    explicit TabelleTab(sheet::Datenblatt& blatt, QWidget* parent = nullptr);
    // The page refresh: the t0 and tc ranges as the sheet's last recalculation set
    // them, then the table.
    void fuellen();
    void Button1Click();
    // The fields' ranges into Tab.ini (nothing without a settings directory).
    void tabIniSchreiben();
    // <settings directory>/Tab.ini, "" when no settings directory is known.
    static QString tabIniDatei();

    // Exports of the computed table; false when cancelled or not written (reported).
    bool csvSpeichern();
    bool xlsxSpeichern();
    void inZwischenablage();
    void setDateiWahl(DateiWahl wahl) { wahl_ = std::move(wahl); }

    QPushButton* Button1() const { return Button1_; }
    QPushButton* btnCsv() const { return btnCsv_; }
    QPushButton* btnXlsx() const { return btnXlsx_; }
    QPushButton* btnKopieren() const { return btnKopieren_; }
    ZellenRaster* Grid() const { return Grid_; }
    QSpinBox* spin(int nummer) const { return spins_[nummer - 1]; } // SpinEdit1 … 9
    const sheet::LeistungsTabelle& tabelle() const { return blatt_.tabelle(); }

signals:
    // GridMouseUp on a value cell: the point the sheet takes over.
    void punktUebernehmen(const sheet::PunktUebernahme& punkt);

private:
    void gitterFuellen();
    void inFelder();
    void ausFeldern();
    void zelleGeklickt(int zeile, int spalte);
    QString dateiFragen(const QString& titel, const QString& endung, const QString& filter);

    sheet::Datenblatt& blatt_;
    QSpinBox* spins_[9] = {};
    QWidget* Panel6_ = nullptr;
    QWidget* Panel7_ = nullptr;
    QPushButton* Button1_ = nullptr;
    QPushButton* btnCsv_ = nullptr;
    QPushButton* btnXlsx_ = nullptr;
    QPushButton* btnKopieren_ = nullptr;
    ZellenRaster* Grid_ = nullptr;
    DateiWahl wahl_;
};

// "Ausschreibungstexte": the tender text of the ticked parts; ticking rebuilds it.
class AusschreibungTab : public MitQuelltexten<QWidget> {
    Q_OBJECT
public:
    explicit AusschreibungTab(sheet::Datenblatt& blatt, QWidget* parent = nullptr);
    void BitBtn5Click();
    // "Zu Word": the text as DrelTmp.Doc in the settings directory, opened with the
    // desktop's application for it. False when the file cannot be written (reported).
    bool BitBtn2Click();
    // Opens a written file (QDesktopServices by default; tests hand in their own).
    void setOeffner(std::function<bool(const QUrl&)> oeffner) { oeffner_ = std::move(oeffner); }
    QPushButton* BitBtn2() const { return BitBtn2_; }
    QTextEdit* DRichEdit1() const { return DRichEdit1_; }
    QCheckBox* CheckBox(int nummer) const { return boxen_[nummer - 1]; } // 1 … 4

private:
    sheet::Datenblatt& blatt_;
    QTextEdit* DRichEdit1_ = nullptr;
    QPushButton* BitBtn2_ = nullptr;
    QCheckBox* boxen_[4] = {};
    std::function<bool(const QUrl&)> oeffner_;
};

} // namespace drel::ui
