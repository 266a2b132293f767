#include "print/ui/druckerauswahl.h"

#include "base/ui/kuerzenderzeichner.h"
#include "report/ui/berichtdrucker.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>

namespace drel::print {

namespace {

QString& druckerName() {
    static QString name;
    return name;
}

} // namespace

QString gewaehlterDrucker() {
    return druckerName();
}

void setGewaehlterDrucker(const QString& name) {
    druckerName() = name;
}

Druckerauswahl::Druckerauswahl(const QStringList& drucker, const QString& standard, QWidget* parent)
    : MitQuelltexten(parent) {
    setObjectName(QStringLiteral("Druckerauswahl"));
    setProperty("helpContext", 6);
    texte().fensterTitel(this, QT_TR_NOOP("Druckerauswahl"));
    auto* layout = new QVBoxLayout(this);
    auto* titel = texte().text(new QLabel(this),
                               drucker.isEmpty() ? QT_TR_NOOP("Es ist kein Drucker installiert.")
                                                 : QT_TR_NOOP("Drucker:"));
    titel->setObjectName(QStringLiteral("Label1"));
    layout->addWidget(titel);

    liste_ = new QListWidget(this);
    liste_->setObjectName(QStringLiteral("Druckerliste"));
    ui::textKuerzen(liste_);
    const QString aktuell = gewaehlterDrucker().isEmpty() ? standard : gewaehlterDrucker();
    for (const QString& name : drucker) {
        auto* eintrag =
            new QListWidgetItem(name == standard ? tr("%1 (Standard)").arg(name) : name, liste_);
        eintrag->setData(Qt::UserRole, name);
        if (name.compare(aktuell, Qt::CaseInsensitive) == 0)
            liste_->setCurrentItem(eintrag);
    }
    if (liste_->currentItem() == nullptr && liste_->count() > 0)
        liste_->setCurrentRow(0);
    layout->addWidget(liste_);

    auto* knoepfe = new QDialogButtonBox(this);
    ok_ = texte().text(knoepfe->addButton(QString(), QDialogButtonBox::AcceptRole),
                       QT_TR_NOOP("&OK"));
    ok_->setObjectName(QStringLiteral("OKBtn"));
    ok_->setEnabled(liste_->count() > 0);
    auto* abbrechen = texte().text(knoepfe->addButton(QString(), QDialogButtonBox::RejectRole),
                                   QT_TR_NOOP("&Abbrechen"));
    abbrechen->setObjectName(QStringLiteral("CancelBtn"));
    layout->addWidget(knoepfe);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(liste_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

QString Druckerauswahl::auswahl() const {
    const QListWidgetItem* eintrag = liste_->currentItem();
    return eintrag ? eintrag->data(Qt::UserRole).toString() : QString();
}

bool druckerAuswaehlen(QWidget* parent) {
    Druckerauswahl dialog(bericht::BerichtDrucker::printerNames(),
                          QPrinterInfo::defaultPrinterName(), parent);
    if (dialog.exec() != QDialog::Accepted || dialog.auswahl().isEmpty())
        return false;
    setGewaehlterDrucker(dialog.auswahl());
    return true;
}

} // namespace drel::print
