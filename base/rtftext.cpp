#include "base/rtftext.h"

#include "base/cp1252.h"

#include <QList>
#include <algorithm>
#include <cctype>

namespace drel {

namespace {

struct Format {
    bool fett = false;
    bool kursiv = false;
    bool unterstrichen = false;
    bool ueberspringen = false; // inside a destination whose text is not shown
    int ucUeberspringen = 1;    // characters that stand in for a \u escape

    bool gleicheSchrift(const Format& o) const {
        return fett == o.fett && kursiv == o.kursiv && unterstrichen == o.unterstrichen;
    }
};

bool istZielGruppe(const QByteArray& wort) {
    static const QList<QByteArray> ziele{"fonttbl",
                                         "colortbl",
                                         "stylesheet",
                                         "info",
                                         "pict",
                                         "header",
                                         "footer",
                                         "headerl",
                                         "headerr",
                                         "footerl",
                                         "footerr",
                                         "listtable",
                                         "listoverridetable",
                                         "rsidtbl",
                                         "generator",
                                         "themedata",
                                         "latentstyles",
                                         "object",
                                         "datastore",
                                         "xmlnstbl",
                                         "revtbl",
                                         "filetbl",
                                         "colorschememapping"};
    return ziele.contains(wort);
}

class RtfLeser {
public:
    explicit RtfLeser(QByteArrayView rtf) : rtf_(rtf) {}

    QString lesen() {
        while (pos_ < rtf_.size()) {
            const char c = rtf_[pos_++];
            if (c == '{') {
                stapel_.append(format_);
            } else if (c == '}') {
                if (!stapel_.isEmpty())
                    format_ = stapel_.takeLast();
            } else if (c == '\\') {
                steuerung();
            } else if (c != '\r' && c != '\n') {
                zeichen(cp1252ZuUnicode(static_cast<unsigned char>(c)));
            }
        }
        schriftSchliessen();
        return html_;
    }

private:
    void steuerung() {
        if (pos_ >= rtf_.size())
            return;
        const char c = rtf_[pos_];
        if (std::isalpha(static_cast<unsigned char>(c))) {
            steuerwort();
            return;
        }
        ++pos_;
        switch (c) {
        case '\'':
            hexZeichen();
            break;
        case '*':
            format_.ueberspringen = true;
            break;
        case '~':
            zeichen(0x00A0);
            break;
        case '\r':
        case '\n':
            umbruch();
            break;
        case '\\':
        case '{':
        case '}':
            zeichen(static_cast<unsigned char>(c));
            break;
        default: // \- optional hyphen, \_ and the rest: nothing to show
            break;
        }
    }

    void steuerwort() {
        QByteArray wort;
        while (pos_ < rtf_.size() && std::isalpha(static_cast<unsigned char>(rtf_[pos_])))
            wort.append(rtf_[pos_++]);
        bool hatZahl = false;
        bool negativ = false;
        long long zahl = 0;
        if (pos_ < rtf_.size() && rtf_[pos_] == '-') {
            negativ = true;
            ++pos_;
        }
        while (pos_ < rtf_.size() && std::isdigit(static_cast<unsigned char>(rtf_[pos_]))) {
            hatZahl = true;
            if (zahl < 1000000)
                zahl = zahl * 10 + (rtf_[pos_] - '0');
            ++pos_;
        }
        if (negativ)
            zahl = -zahl;
        if (pos_ < rtf_.size() && rtf_[pos_] == ' ')
            ++pos_;
        anwenden(wort, hatZahl, static_cast<int>(zahl));
    }

    void anwenden(const QByteArray& wort, bool hatZahl, int zahl) {
        const bool an = !hatZahl || zahl != 0;
        if (istZielGruppe(wort))
            format_.ueberspringen = true;
        else if (wort == "par" || wort == "line")
            umbruch();
        else if (wort == "tab")
            zeichen(U'\t');
        else if (wort == "b")
            format_.fett = an;
        else if (wort == "i")
            format_.kursiv = an;
        else if (wort == "ul")
            format_.unterstrichen = an;
        else if (wort == "ulnone")
            format_.unterstrichen = false;
        else if (wort == "plain")
            format_.fett = format_.kursiv = format_.unterstrichen = false;
        else if (wort == "uc")
            format_.ucUeberspringen = std::max(0, zahl);
        else if (wort == "u")
            unicode(zahl);
        else if (wort == "emdash")
            zeichen(0x2014);
        else if (wort == "endash")
            zeichen(0x2013);
        else if (wort == "bullet")
            zeichen(0x2022);
        else if (wort == "lquote")
            zeichen(0x2018);
        else if (wort == "rquote")
            zeichen(0x2019);
        else if (wort == "ldblquote")
            zeichen(0x201C);
        else if (wort == "rdblquote")
            zeichen(0x201D);
    }

    void hexZeichen() {
        if (pos_ + 2 > rtf_.size())
            return;
        bool ok = false;
        const int wert = QByteArray(rtf_.data() + pos_, 2).toInt(&ok, 16);
        pos_ += 2;
        if (ok)
            zeichen(cp1252ZuUnicode(static_cast<unsigned char>(wert)));
    }

    // \uN gives the character (negative N counts from 65536); the next `uc`
    // characters are the fallback for older readers and are skipped.
    void unicode(int zahl) {
        zeichen(static_cast<char32_t>(zahl < 0 ? zahl + 65536 : zahl));
        for (int i = 0; i < format_.ucUeberspringen && pos_ < rtf_.size(); ++i) {
            if (rtf_[pos_] == '\\' && pos_ + 1 < rtf_.size() && rtf_[pos_ + 1] == '\'')
                pos_ += 4;
            else if (rtf_[pos_] == '{' || rtf_[pos_] == '}' || rtf_[pos_] == '\\')
                break;
            else
                ++pos_;
        }
    }

    void umbruch() {
        if (format_.ueberspringen)
            return;
        schriftSchliessen();
        html_ += QStringLiteral("<br>");
    }

    void zeichen(char32_t z) {
        if (format_.ueberspringen)
            return;
        if (!schriftOffen_ || !offen_.gleicheSchrift(format_)) {
            schriftSchliessen();
            schriftOeffnen();
        }
        switch (z) {
        case U'&':
            html_ += QStringLiteral("&amp;");
            break;
        case U'<':
            html_ += QStringLiteral("&lt;");
            break;
        case U'>':
            html_ += QStringLiteral("&gt;");
            break;
        case U'\t':
            html_ += QStringLiteral("&nbsp;&nbsp;&nbsp;&nbsp;");
            break;
        default:
            html_ += QString::fromUcs4(&z, 1);
        }
    }

    void schriftOeffnen() {
        offen_ = format_;
        schriftOffen_ = true;
        if (offen_.fett)
            html_ += QStringLiteral("<b>");
        if (offen_.kursiv)
            html_ += QStringLiteral("<i>");
        if (offen_.unterstrichen)
            html_ += QStringLiteral("<u>");
    }

    void schriftSchliessen() {
        if (!schriftOffen_)
            return;
        if (offen_.unterstrichen)
            html_ += QStringLiteral("</u>");
        if (offen_.kursiv)
            html_ += QStringLiteral("</i>");
        if (offen_.fett)
            html_ += QStringLiteral("</b>");
        schriftOffen_ = false;
    }

    QByteArrayView rtf_;
    qsizetype pos_ = 0;
    Format format_;
    Format offen_;
    bool schriftOffen_ = false;
    QList<Format> stapel_;
    QString html_;
};

} // namespace

QString rtfZuHtml(QByteArrayView rtf) {
    if (!rtf.startsWith("{\\rtf")) {
        // A note text kept as plain text shows as it is.
        QString text;
        for (const char c : rtf) {
            if (c != '\r')
                text.append(
                    QChar(static_cast<char16_t>(cp1252ZuUnicode(static_cast<unsigned char>(c)))));
        }
        return text.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    }
    return RtfLeser(rtf).lesen();
}

} // namespace drel
