#include "base/dateischreiben.h"

#include "base/directories.h"
#include "base/messagesink.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace drel {

namespace {

std::mutex& stoerungMutex() {
    static std::mutex m;
    return m;
}

SchreibStoerung& stoerung() {
    static SchreibStoerung s;
    return s;
}

int gestoert(const QString& ziel, qint64 geschrieben) {
    const std::lock_guard<std::mutex> lock(stoerungMutex());
    return stoerung() ? stoerung()(ziel, geschrieben) : 0;
}

// Texts of this file in the user's language.
constexpr const char* kKontext = "drel::Dateischreiben";
QString uebersetzt(const char* text) {
    return QCoreApplication::translate(kKontext, text);
}

// The usual causes in the program's language; the system's text for the rest.
QString fehlerText(int nummer) {
    switch (nummer) {
    case ENOSPC:
    case EDQUOT:
        return uebersetzt(
            QT_TRANSLATE_NOOP("drel::Dateischreiben", "kein Platz mehr auf dem Datenträger"));
    case EACCES:
    case EPERM:
        return uebersetzt(QT_TRANSLATE_NOOP("drel::Dateischreiben", "keine Berechtigung"));
    case EROFS:
        return uebersetzt(
            QT_TRANSLATE_NOOP("drel::Dateischreiben", "der Datenträger ist schreibgeschützt"));
    case ENOENT:
        return uebersetzt(QT_TRANSLATE_NOOP("drel::Dateischreiben", "der Ordner existiert nicht"));
    case EISDIR:
        return uebersetzt(QT_TRANSLATE_NOOP("drel::Dateischreiben", "der Name ist ein Ordner"));
    case ENXIO:
        return uebersetzt(
            QT_TRANSLATE_NOOP("drel::Dateischreiben", "niemand liest von dieser Datei"));
    default:
        return QString::fromLocal8Bit(std::strerror(nummer));
    }
}

void setzeGrund(QString* grund, const QString& text) {
    if (grund)
        *grund = text;
}

QByteArray lokal(const QString& pfad) {
    return QFile::encodeName(pfad);
}

// Writes all of `inhalt` to `fd`; 0 or the errno of the failed write.
int allesSchreiben(int fd, const QString& ziel, const QByteArray& inhalt) {
    constexpr qint64 block = 1 << 20;
    qint64 geschrieben = 0;
    while (geschrieben < inhalt.size()) {
        if (const int e = gestoert(ziel, geschrieben))
            return e;
        const qint64 stueck = std::min(block, inhalt.size() - geschrieben);
        const ssize_t n =
            ::write(fd, inhalt.constData() + geschrieben, static_cast<size_t>(stueck));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return EIO;
        geschrieben += n;
    }
    return gestoert(ziel, geschrieben);
}

// The mode a new file gets from open(2): 0666 less the umask.
mode_t neueDateiRechte() {
    static const mode_t rechte = [] {
        QFile status(QStringLiteral("/proc/self/status"));
        if (status.open(QIODevice::ReadOnly)) {
            for (const QByteArray& zeile : status.readAll().split('\n')) {
                if (zeile.startsWith("Umask:")) {
                    bool ok = false;
                    const uint maske = zeile.mid(6).trimmed().toUInt(&ok, 8);
                    if (ok)
                        return static_cast<mode_t>(0666 & ~maske);
                }
            }
        }
        return static_cast<mode_t>(0644);
    }();
    return rechte;
}

// A device or a FIFO cannot be replaced by a rename; it is written in place (a FIFO
// without a reader fails at once instead of waiting).
bool direktSchreiben(const QString& ziel, const QByteArray& inhalt, QString* grund) {
    const int fd = ::open(lokal(ziel).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        setzeGrund(grund, fehlerText(errno));
        return false;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    int e = allesSchreiben(fd, ziel, inhalt);
    if (::close(fd) != 0 && e == 0)
        e = errno;
    if (e != 0)
        setzeGrund(grund, fehlerText(e));
    return e == 0;
}

const QRegularExpression& eigenesMuster() {
    static const QRegularExpression muster(
        QStringLiteral("^\\..+\\.drel-([0-9]+)-[A-Za-z0-9]{6}$"));
    return muster;
}

bool prozessLebt(qint64 pid) {
    if (pid <= 0 || pid > 0x7fffffff)
        return false;
    if (pid == ::getpid())
        return true;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

} // namespace

void setSchreibStoerung(SchreibStoerung s) {
    const std::lock_guard<std::mutex> lock(stoerungMutex());
    stoerung() = std::move(s);
}

QString schreibFehlerText(const QString& datei, const QString& grund) {
    return uebersetzt(QT_TRANSLATE_NOOP("drel::Dateischreiben",
                                        "Die Datei %1 kann nicht geschrieben werden: %2."))
        .arg(QDir::toNativeSeparators(datei), grund);
}

bool dateiAtomarSchreiben(const QString& ziel, const QByteArray& inhalt, QString* grund) {
    if (grund)
        grund->clear();
    if (ziel.isEmpty()) {
        setzeGrund(grund, uebersetzt(QT_TRANSLATE_NOOP("drel::Dateischreiben", "kein Dateiname")));
        return false;
    }
    // Through a link the file it names is replaced, not the link.
    QString echt = ziel;
    struct stat st {};
    const bool gab = ::stat(lokal(ziel).constData(), &st) == 0;
    if (gab && S_ISDIR(st.st_mode)) {
        setzeGrund(grund, fehlerText(EISDIR));
        return false;
    }
    if (gab && !S_ISREG(st.st_mode))
        return direktSchreiben(ziel, inhalt, grund);
    if (QFileInfo(ziel).isSymLink()) {
        const QString kanonisch = QFileInfo(ziel).canonicalFilePath();
        if (!kanonisch.isEmpty())
            echt = kanonisch;
    }

    const QFileInfo info(echt);
    QByteArray vorlage = lokal(pfad(info.absolutePath(), QLatin1Char('.') + info.fileName())) +
                         ".drel-" + QByteArray::number(static_cast<qint64>(::getpid())) + "-XXXXXX";
    const int fd = ::mkostemp(vorlage.data(), O_CLOEXEC);
    if (fd < 0) {
        setzeGrund(grund, fehlerText(errno));
        return false;
    }
    ::fchmod(fd, gab ? (st.st_mode & 07777) : neueDateiRechte());
    int e = allesSchreiben(fd, ziel, inhalt);
    if (e == 0 && ::fsync(fd) != 0)
        e = errno;
    if (::close(fd) != 0 && e == 0)
        e = errno;
    if (e == 0 && ::rename(vorlage.constData(), lokal(echt).constData()) != 0)
        e = errno;
    if (e != 0) {
        ::unlink(vorlage.constData());
        setzeGrund(grund, fehlerText(e));
        return false;
    }
    // The rename is durable once the folder is flushed.
    const int ordner = ::open(lokal(info.absolutePath()).constData(), O_RDONLY | O_CLOEXEC);
    if (ordner >= 0) {
        ::fsync(ordner);
        ::close(ordner);
    }
    return true;
}

bool dateiSchreibenOderMelden(const QString& ziel, const QByteArray& inhalt) {
    QString grund;
    if (dateiAtomarSchreiben(ziel, inhalt, &grund))
        return true;
    report(schreibFehlerText(ziel, grund), QString(), MessageKind::Error);
    return false;
}

bool alsEinstellungsDateiLesbar(const QString& datei) {
    struct stat st {};
    if (::stat(lokal(datei).constData(), &st) != 0)
        return errno == ENOENT || errno == ENOTDIR;
    return S_ISREG(st.st_mode);
}

namespace {

std::optional<QByteArray> regulaerLesen(const QString& datei, qint64 hoechstens, bool abschneiden,
                                        QString* grund) {
    if (grund)
        grund->clear();
    // O_NONBLOCK: opening a FIFO must not wait for a writer; fstat then refuses it.
    const int fd = ::open(lokal(datei).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT)
            setzeGrund(grund, fehlerText(errno));
        return std::nullopt;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        setzeGrund(grund, uebersetzt(QT_TRANSLATE_NOOP("drel::Dateischreiben",
                                                       "keine gewöhnliche Datei")));
        return std::nullopt;
    }
    if (st.st_size > hoechstens && !abschneiden) {
        ::close(fd);
        setzeGrund(grund,
                   uebersetzt(QT_TRANSLATE_NOOP("drel::Dateischreiben", "größer als %1 Bytes"))
                       .arg(hoechstens));
        return std::nullopt;
    }
    QByteArray inhalt;
    inhalt.resize(static_cast<qsizetype>(std::min<qint64>(st.st_size, hoechstens)));
    qint64 gelesen = 0;
    // The file may grow while it is read; the cap holds all the same.
    while (gelesen < inhalt.size()) {
        const ssize_t n =
            ::read(fd, inhalt.data() + gelesen, static_cast<size_t>(inhalt.size() - gelesen));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int e = errno;
            ::close(fd);
            setzeGrund(grund, fehlerText(e));
            return std::nullopt;
        }
        if (n == 0)
            break;
        gelesen += n;
    }
    ::close(fd);
    inhalt.truncate(static_cast<qsizetype>(gelesen));
    return inhalt;
}

} // namespace

std::optional<QByteArray> einstellungsDateiLesen(const QString& datei, qint64 hoechstens,
                                                 QString* grund) {
    return regulaerLesen(datei, hoechstens, false, grund);
}

std::optional<QByteArray> dateiAnfangLesen(const QString& datei, qint64 anzahl, QString* grund) {
    return regulaerLesen(datei, anzahl, true, grund);
}

int schreibResteEntfernen(const QString& verzeichnis, const QStringList& namen) {
    if (verzeichnis.isEmpty())
        return 0;
    const QDir dir(verzeichnis);
    int entfernt = 0;
    const QStringList eintraege = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : eintraege) {
        bool weg = false;
        const QRegularExpressionMatch m = eigenesMuster().match(name);
        if (m.hasMatch()) {
            weg = !prozessLebt(m.captured(1).toLongLong());
        } else {
            for (const QString& n : namen) {
                // QSaveFile appends six characters of [A-Za-z0-9] to the target's name.
                if (name.size() == n.size() + 7 && name.startsWith(n + QLatin1Char('.'))) {
                    const QString rest = name.mid(n.size() + 1);
                    weg = std::all_of(rest.begin(), rest.end(), [](QChar c) {
                        return c.unicode() < 128 && c.isLetterOrNumber();
                    });
                    break;
                }
            }
        }
        if (weg && QFileInfo(dir.filePath(name)).isFile() &&
            !QFileInfo(dir.filePath(name)).isSymLink() && QFile::remove(dir.filePath(name)))
            ++entfernt;
    }
    return entfernt;
}

} // namespace drel
