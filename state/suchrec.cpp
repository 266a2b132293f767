#include "state/suchrec.h"

#include "base/cp1252.h"

#include <QList>
#include <QtEndian>
#include <algorithm>
#include <limits>

namespace drel {

namespace {

bool passt(QByteArrayView daten, int offset, int breite) {
    return offset >= 0 && offset + breite <= daten.size();
}

qint32 intLesen(QByteArrayView daten, int offset) {
    return qFromLittleEndian<qint32>(daten.data() + offset);
}

void intSchreiben(QByteArray& record, int offset, qint32 wert) {
    qToLittleEndian<qint32>(wert, record.data() + offset);
}

// Reads each field only when it lies wholly inside the data; otherwise the default stays.
void textFeld(QByteArrayView daten, int offset, QString& ziel) {
    if (passt(daten, offset, 1 + SuchRec::KurzStringMax))
        ziel = SuchRec::kurzStringLesen(daten, offset);
}

void boolFeld(QByteArrayView daten, int offset, bool& ziel) {
    if (passt(daten, offset, 1))
        ziel = daten[offset] != 0;
}

void intFeld(QByteArrayView daten, int offset, qint32 kleinster, qint32 groesster, qint32& ziel) {
    if (!passt(daten, offset, 4))
        return;
    const qint32 wert = intLesen(daten, offset);
    if (wert >= kleinster && wert <= groesster)
        ziel = wert;
}

} // namespace

std::array<bool, SuchRec::BoxAnzahl> SuchRec::standardBoxen() {
    // Ticking every box in turn through the group rule leaves WT as the only compressor
    // series and the two receiver sets among the units.
    std::array<bool, BoxAnzahl> boxen{};
    boxen[RBWT] = true;
    boxen[RBCQLR] = true;
    boxen[RBCQNR] = true;
    return boxen;
}

QString SuchRec::kurzStringLesen(QByteArrayView daten, int offset) {
    if (!passt(daten, offset, 1))
        return {};
    const int verfuegbar = static_cast<int>(daten.size()) - offset - 1;
    const int laenge = std::min(
        {static_cast<int>(static_cast<unsigned char>(daten[offset])), KurzStringMax, verfuegbar});
    QString text;
    text.reserve(laenge);
    for (int i = 0; i < laenge; ++i) {
        const char32_t zeichen = cp1252ZuUnicode(static_cast<unsigned char>(daten[offset + 1 + i]));
        text.append(QString::fromUcs4(&zeichen, 1));
    }
    return text;
}

void SuchRec::kurzStringSchreiben(QByteArray& record, int offset, const QString& text) {
    if (!passt(record, offset, 1 + KurzStringMax))
        return;
    const QList<uint> zeichen = text.toUcs4();
    const int laenge = std::min(static_cast<int>(zeichen.size()), KurzStringMax);
    record[offset] = static_cast<char>(laenge);
    for (int i = 0; i < laenge; ++i)
        record[offset + 1 + i] = unicodeZuCp1252(zeichen[i]);
}

SuchRec SuchRec::lesen(QByteArrayView daten) {
    SuchRec rec;
    intFeld(daten, Offset::modus, 0, 1, rec.modus);
    for (int i = 0; i < KaeltemittelAnzahl; ++i) {
        const int offset = Offset::kaeltemittel + 4 * i;
        if (passt(daten, offset, 4))
            rec.kaeltemittel[static_cast<std::size_t>(i)] = intLesen(daten, offset) == 1;
    }
    textFeld(daten, Offset::tc, rec.tc);
    textFeld(daten, Offset::t0, rec.t0);
    boolFeld(daten, Offset::chkq0, rec.chkq0);
    textFeld(daten, Offset::q0, rec.q0);
    textFeld(daten, Offset::vTyp, rec.vTyp);
    for (int i = 0; i < BoxAnzahl; ++i)
        boolFeld(daten, Offset::boxen + i, rec.boxen[static_cast<std::size_t>(i)]);
    textFeld(daten, Offset::ts, rec.ts);
    textFeld(daten, Offset::dtu, rec.dtu);
    boolFeld(daten, Offset::rb60Hz, rec.rb60Hz);
    rec.randSpalte = passt(daten, Offset::randMarke, 2) && daten[Offset::randMarke] == RandMarke &&
                     daten[Offset::randSpalte] == 1;
    intFeld(daten, Offset::spinN, 0, std::numeric_limits<qint32>::max(), rec.spinN);
    textFeld(daten, Offset::kurzCode, rec.kurzCode);
    intFeld(daten, Offset::sprachNummer, 1, 10, rec.sprachNummer);
    textFeld(daten, Offset::code, rec.code);
    return rec;
}

QByteArray SuchRec::schreiben() const {
    QByteArray record(Groesse, '\0');
    intSchreiben(record, Offset::modus, modus);
    for (int i = 0; i < KaeltemittelAnzahl; ++i)
        intSchreiben(record, Offset::kaeltemittel + 4 * i,
                     kaeltemittel[static_cast<std::size_t>(i)] ? 1 : 0);
    kurzStringSchreiben(record, Offset::tc, tc);
    kurzStringSchreiben(record, Offset::t0, t0);
    record[Offset::chkq0] = chkq0 ? 1 : 0;
    kurzStringSchreiben(record, Offset::q0, q0);
    record[Offset::immerNull] = 0;
    kurzStringSchreiben(record, Offset::vTyp, vTyp);
    for (int i = 0; i < BoxAnzahl; ++i)
        record[Offset::boxen + i] = boxen[static_cast<std::size_t>(i)] ? 1 : 0;
    kurzStringSchreiben(record, Offset::ts, ts);
    kurzStringSchreiben(record, Offset::dtu, dtu);
    record[Offset::rb60Hz] = rb60Hz ? 1 : 0;
    // Without the column the bytes stay 0, as older versions write them.
    if (randSpalte) {
        record[Offset::randMarke] = RandMarke;
        record[Offset::randSpalte] = 1;
    }
    intSchreiben(record, Offset::spinN, spinN);
    spracheEinsetzen(record, kurzCode, sprachNummer, code);
    return record;
}

void SuchRec::spracheEinsetzen(QByteArray& record, const QString& kurz, qint32 nummer,
                               const QString& ordentlich) {
    if (record.size() < Groesse)
        return;
    kurzStringSchreiben(record, Offset::kurzCode, kurz);
    intSchreiben(record, Offset::sprachNummer, nummer);
    kurzStringSchreiben(record, Offset::code, ordentlich);
}

} // namespace drel
