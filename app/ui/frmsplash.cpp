#include "app/ui/frmsplash.h"

#include "app/ui/shelltexte.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace drel::ui {

TFrmSplash::TFrmSplash(QWidget* parent)
    : TDForm(parent), lblVersion_(new QLabel(this)),
      btnHinweis_(texte().text(new QPushButton(this), QT_TR_NOOP("Hinweis"))),
      btnProgrammstart_(texte().text(new QPushButton(this), QT_TR_NOOP("Programmstart"))) {
    setObjectName(QStringLiteral("TFrmSplash"));
    texte().fensterTitel(this, QT_TR_NOOP("Drel - Auswahlprogramm"));
    // In front of the main window, which appears while the start window is still up.
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
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

bool bildschirmSichtbar() {
    const QString plattform = QGuiApplication::platformName();
    return plattform != QLatin1String("offscreen") && plattform != QLatin1String("minimal");
}

void TFrmSplash::zeigen() {
    show();
    raise();
    seit_.start();
    // A window system maps the window asynchronously; one pass of the event loop is
    // often too early for it to be painted.
    QElapsedTimer warten;
    warten.start();
    do {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
    } while (bildschirmSichtbar() && windowHandle() && !windowHandle()->isExposed() &&
             warten.elapsed() < 500);
    repaint();
}

void TFrmSplash::schliessenNach(int mindestMs) {
    const qint64 rest = seit_.isValid() ? mindestMs - seit_.elapsed() : 0;
    if (!bildschirmSichtbar() || rest <= 0) {
        schliessen();
        return;
    }
    QTimer::singleShot(static_cast<int>(rest), this, &TFrmSplash::schliessen);
}

void TFrmSplash::schliessen() {
    close();
    deleteLater();
}

void TFrmSplash::mousePressEvent(QMouseEvent*) {
    schliessen();
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
