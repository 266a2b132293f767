#include "app/programmstart.h"

#include "base/dateischreiben.h"
#include "base/messagesink.h"
#include "state/betriebspunkt.h"
#include "state/programmschalter.h"
#include "state/sprache.h"
#include "state/suchini.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace drel {

namespace {

// Copies `quelle` over `ziel`. QFile::copy never overwrites, so the old copy goes first.
bool kopieren(const QString& quelle, const QString& ziel) {
    if (!QFileInfo(quelle).isFile())
        return false;
    if (QFileInfo::exists(ziel))
        QFile::remove(ziel);
    if (!QFile::copy(quelle, ziel))
        return false;
    // The copy keeps the source's attributes (QFile::copy does not always do so).
    // Owner, group and others only: the "user" bits describe the running user's access.
    constexpr QFileDevice::Permissions rechteBits{0x7077};
    QFile::setPermissions(ziel, QFileInfo(quelle).permissions() & rechteBits);
    return true;
}

// "Clear all attributes": on this platform, make the copy readable and writable by the
// user, whatever the source's permissions were.
void attributeLoeschen(const QString& datei) {
    QFile file(datei);
    if (file.exists())
        file.setPermissions(file.permissions() | QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                            QFileDevice::ReadUser | QFileDevice::WriteUser);
}

QString ohneSchraegstrich(QString verzeichnis) {
    if (verzeichnis.size() > 1 &&
        (verzeichnis.endsWith(QLatin1Char('/')) || verzeichnis.endsWith(QLatin1Char('\\'))))
        verzeichnis.chop(1);
    return verzeichnis;
}

} // namespace

Programmstart::Programmstart(QString programmVerzeichnis, QString dokumente)
    : programm_(std::move(programmVerzeichnis)), dokumente_(std::move(dokumente)) {}

QString Programmstart::dokumenteVomSystem() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

const QStringList& Programmstart::fluidDateien() {
    static const QStringList namen{
        QStringLiteral("R11"),   QStringLiteral("R12"),     QStringLiteral("R13"),
        QStringLiteral("R13B1"), QStringLiteral("R22"),     QStringLiteral("R23"),
        QStringLiteral("R113"),  QStringLiteral("R114"),    QStringLiteral("R125"),
        QStringLiteral("R134a"), QStringLiteral("R152A"),   QStringLiteral("R290"),
        QStringLiteral("R404A"), QStringLiteral("R407A"),   QStringLiteral("R407B"),
        QStringLiteral("R407C"), QStringLiteral("R410A"),   QStringLiteral("R502"),
        QStringLiteral("R503"),  QStringLiteral("R507"),    QStringLiteral("R600"),
        QStringLiteral("R600A"), QStringLiteral("R717"),    QStringLiteral("R718"),
        QStringLiteral("R723"),  QStringLiteral("R1270"),   QStringLiteral("RE170"),
        QStringLiteral("R14"),   QStringLiteral("R227"),    QStringLiteral("R744"),
        QStringLiteral("R32"),   QStringLiteral("R1234yf"), QStringLiteral("R1234ze(E)"),
        QStringLiteral("R448A"), QStringLiteral("R449A"),   QStringLiteral("R454C"),
        QStringLiteral("R455A"), QStringLiteral("R513A")};
    return namen;
}

Verzeichnisse Programmstart::verzeichnisseFuer(const QString& programm, const QString& dokumente) {
    Verzeichnisse dirs;
    dirs.programm = ohneSchraegstrich(programm);
    dirs.dokumente = ohneSchraegstrich(dokumente);
    dirs.einstellungen = pfad(dirs.dokumente, QStringLiteral("DrelWUK"));
    return dirs;
}

void Programmstart::IniVerzHolen() {
    if (dokumente_.isEmpty())
        report(QStringLiteral("Couldn't get pointer to IMalloc interface."),
               QStringLiteral("SHGetMalloc(pMalloc)"), MessageKind::Error);
    verzeichnisse() = verzeichnisseFuer(programm_, dokumente_);
    QDir().mkpath(verzeichnisse().einstellungen);
}

void Programmstart::WichtigeDateienKopieren() const {
    const Verzeichnisse& dirs = verzeichnisse();
    const QString& ziel = dirs.einstellungen;

    if (!QFileInfo::exists(findeDatei(ziel, QStringLiteral("aserep32.dll"))))
        kopieren(findeDatei(dirs.programm, QStringLiteral("ASEREP32.dll")),
                 pfad(ziel, QStringLiteral("aserep32.dll")));

    QDir().mkpath(pfad(ziel, QStringLiteral("Reflibs")));
    for (const QString& name : fluidDateien()) {
        const QString datei = name + QStringLiteral(".ref");
        kopieren(findeDatei(dirs.programm, QStringLiteral("reflibs/") + datei),
                 pfad(ziel, QStringLiteral("Reflibs/") + datei));
    }

    const QString deinst = pfad(dirs.dokumente, QStringLiteral("WUKDeinst.dll"));
    if (kopieren(findeDatei(dirs.programm, QStringLiteral("WUKDeinst.dll")), deinst))
        attributeLoeschen(deinst);

    for (qsizetype i = 0; i < fluidDateien().size(); ++i) {
        if (i >= FluidDateienBeschreibbar &&
            i < FluidDateienBeschreibbar + FluidDateienMitAttributen)
            continue;
        attributeLoeschen(
            pfad(ziel, QStringLiteral("Reflibs/") + fluidDateien()[i] + QStringLiteral(".ref")));
    }
}

void Programmstart::StandardwerteSetzen() {
    betriebspunkt() = Betriebspunkt{};
    programmschalter() = Programmschalter{};
    sprache() = Sprache{};
}

void Programmstart::SucheIniLesen() const {
    spracheLesen(suchIniPfad(), sprache());
    if (sprache().nummer == 0)
        sprache().nummer = 1;
}

void Programmstart::ausfuehren() {
    IniVerzHolen();
    // What a killed write of the settings left behind (the files are replaced only
    // whole, so the settings themselves are intact).
    schreibResteEntfernen(
        verzeichnisse().einstellungen,
        {QStringLiteral("search.ini"), QStringLiteral("units.dat"), QStringLiteral("Tab.ini"),
         QStringLiteral("WUK.ini"), QStringLiteral("adr.dat"), QStringLiteral("kdr.dat"),
         QStringLiteral("betreff.dat"), QStringLiteral("text.dat"), QStringLiteral("datum.dat"),
         QStringLiteral("zust.dat"), QStringLiteral("chart.dat"), QStringLiteral("DrelTmp.Doc")});
    WichtigeDateienKopieren();
    QDir::setCurrent(verzeichnisse().einstellungen);
    StandardwerteSetzen();
    SucheIniLesen();
}

bool Programmstart::beenden() {
    return spracheSchreiben(suchIniPfad(), sprache());
}

} // namespace drel
