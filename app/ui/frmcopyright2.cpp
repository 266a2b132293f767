#include "app/ui/frmcopyright2.h"

#include "app/ui/shelltexte.h"

#include <QDate>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace drel::ui {

TFrmCopyright2::TFrmCopyright2(QWidget* parent)
    : MitQuelltexten(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), jahr_(new QLabel(this)) {
    setObjectName(QStringLiteral("TFrmCopyright2"));
    texte().fensterTitel(this, QT_TR_NOOP("Copyright"));
    setFixedSize(420, 260);
    auto* layout = new QVBoxLayout(this);
    // The maker's notice, drawn as the program's picture on the maker's colours.
    auto* bild = new QLabel(this);
    bild->setObjectName(QStringLiteral("Image1"));
    bild->setAlignment(Qt::AlignCenter);
    bild->setStyleSheet(QStringLiteral(
        "background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #18408c, stop:1 #d6e3f7);"
        "color: white; font: bold 22pt 'Arial';"));
    bild->setText(QStringLiteral("Drel"));
    bild->setMinimumHeight(110);
    layout->addWidget(bild);
    auto* text = new QLabel(this);
    texte().eigene(text, QT_TR_NOOP("Drel - Auswahlprogramm"),
                   [text](const QString& t) { text->setText(t + QLatin1Char(' ') + kVersion); });
    text->setAlignment(Qt::AlignCenter);
    layout->addWidget(text);
    jahr_->setObjectName(QStringLiteral("lblJahr"));
    jahr_->setAlignment(Qt::AlignCenter);
    texte().eigene(
        jahr_, QT_TR_NOOP("© %1 Drel. Alle Rechte vorbehalten."),
        [this](const QString& t) { jahr_->setText(t.arg(QDate::currentDate().year())); });
    layout->addWidget(jahr_);
    auto* ok = texte().text(new QPushButton(this), QT_TR_NOOP("OK"));
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignCenter);
    // Centred on the desktop, not on the main window.
    if (const QScreen* schirm = QGuiApplication::primaryScreen())
        move(schirm->availableGeometry().center() - rect().center());
}

} // namespace drel::ui
