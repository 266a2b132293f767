#include "app/ui/frmsplash.h"

#include "app/ui/shelltexte.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace drel::ui {

TFrmSplash::TFrmSplash(QWidget* parent)
    : MitQuelltexten(parent), lblVersion_(new QLabel(this)),
      btnHinweis_(texte().text(new QPushButton(this), QT_TR_NOOP("Hinweis"))),
      btnProgrammstart_(texte().text(new QPushButton(this), QT_TR_NOOP("Programmstart"))) {
    setObjectName(QStringLiteral("TFrmSplash"));
    texte().fensterTitel(this, QT_TR_NOOP("Drel - Auswahlprogramm"));
    setFixedSize(800, 572);
    setCursor(Qt::WaitCursor);

    lblVersion_->setObjectName(QStringLiteral("lblVersion"));
    lblVersion_->setText(versionsText(windowTitle()));
    lblVersion_->setGeometry(24, 520, 752, 28);
    QFont schrift(QStringLiteral("Arial"), 12);
    schrift.setBold(true);
    lblVersion_->setFont(schrift);
    lblVersion_->setStyleSheet(QStringLiteral("color: white; background: transparent;"));

    btnHinweis_->setObjectName(QStringLiteral("btnHinweis"));
    texte().tipp(btnHinweis_, QT_TR_NOOP("Hinweise zeigen"));
    btnHinweis_->hide();
    btnProgrammstart_->setObjectName(QStringLiteral("btnProgrammstart"));
    texte().tipp(btnProgrammstart_, QT_TR_NOOP("Auswahlprogramm starten"));
    btnProgrammstart_->setDefault(true);
    btnProgrammstart_->hide();
    connect(btnProgrammstart_, &QPushButton::clicked, this, &QDialog::accept);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

// The start picture: a blue gradient with the program name, drawn so that no picture
// file is needed.
void TFrmSplash::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient verlauf(0, 0, 0, height());
    verlauf.setColorAt(0.0, QColor(214, 227, 247));
    verlauf.setColorAt(1.0, QColor(24, 64, 140));
    painter.fillRect(rect(), verlauf);

    painter.setPen(QPen(QColor(255, 255, 255, 90), 3));
    for (int i = 0; i < 6; ++i)
        painter.drawEllipse(QPoint(620, 260), 60 + 30 * i, 60 + 30 * i);

    QFont titel(QStringLiteral("Arial"), 40);
    titel.setBold(true);
    painter.setFont(titel);
    painter.setPen(QColor(24, 64, 140));
    painter.drawText(QRect(40, 120, 720, 80), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Drel"));
    QFont untertitel(QStringLiteral("Arial"), 20);
    painter.setFont(untertitel);
    painter.setPen(Qt::white);
    painter.drawText(QRect(40, 200, 720, 50), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Auswahlprogramm"));
}

} // namespace drel::ui
