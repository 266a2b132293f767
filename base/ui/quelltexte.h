// The fixed texts of a window kept with their sources: the window sets each caption,
// hint and title through here once, and all of them again in the new language when it
// receives QEvent::LanguageChange. The sources are marked with QT_TR_NOOP where they
// are passed, so that the translation files list them.
#pragma once

#include <QByteArray>
#include <QEvent>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QObject;
class QTabWidget;

namespace drel::ui {

class Quelltexte {
public:
    // `kontext` is the translation context of the sources: the window's class name.
    explicit Quelltexte(QByteArray kontext) : kontext_(std::move(kontext)) {}

    // The source in the current language.
    QString tr(const char* quelle) const;

    // Sets the caption (setText), title (setTitle), hint, window title or placeholder now
    // and after every language change; returns what it was given.
    template <class W> W* text(W* w, const char* quelle) {
        if constexpr (requires { w->setText(QString()); })
            eigene(w, quelle, [w](const QString& t) { w->setText(t); });
        else
            eigene(w, quelle, [w](const QString& t) { w->setTitle(t); });
        return w;
    }
    template <class W> W* titel(W* w, const char* quelle) {
        eigene(w, quelle, [w](const QString& t) { w->setTitle(t); });
        return w;
    }
    template <class W> W* tipp(W* w, const char* quelle) {
        eigene(w, quelle, [w](const QString& t) { w->setToolTip(t); });
        return w;
    }
    template <class W> W* fensterTitel(W* w, const char* quelle) {
        eigene(w, quelle, [w](const QString& t) { w->setWindowTitle(t); });
        return w;
    }
    template <class W> W* platzhalter(W* w, const char* quelle) {
        eigene(w, quelle, [w](const QString& t) { w->setPlaceholderText(t); });
        return w;
    }
    void reiter(QTabWidget* reiter, int index, const char* quelle);
    // Any other place: `setzen` receives the text now and after every language change,
    // as long as `besitzer` lives.
    void eigene(QObject* besitzer, const char* quelle, std::function<void(const QString&)> setzen);
    // The same for a source listed under another context than the window's.
    void eigeneIn(const char* kontext, QObject* besitzer, const char* quelle,
                  std::function<void(const QString&)> setzen);

    // Every kept text again in the current language.
    void neuSetzen() const;

private:
    struct Eintrag {
        QPointer<QObject> besitzer;
        const char* kontext; // nullptr: the window's
        const char* quelle;
        std::function<void(const QString&)> setzen;
    };
    QByteArray kontext_;
    std::vector<Eintrag> eintraege_;
};

// A window (`Basis` a QWidget class) that keeps its fixed texts and, on a language
// change, sets them again and then lets the window renew its own words.
template <class Basis> class MitQuelltexten : public Basis {
public:
    using Basis::Basis;

    // Made on first use, when the window's own class (the translation context) is known.
    Quelltexte& texte() {
        if (!texte_)
            texte_ = std::make_unique<Quelltexte>(QByteArray(this->metaObject()->className()));
        return *texte_;
    }

protected:
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::LanguageChange && texte_) {
            texte_->neuSetzen();
            spracheGewechselt();
        }
        Basis::changeEvent(event);
    }
    // After the fixed texts: what the window shows in words of its own.
    virtual void spracheGewechselt() {}

private:
    std::unique_ptr<Quelltexte> texte_;
};

} // namespace drel::ui
