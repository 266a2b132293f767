#include "report/berichttexte.h"

#include <array>

namespace drel::bericht {

namespace {

struct Sprache {
    const char* code;
    BerichtTexte (*texte)();
};

BerichtTexte aus(const char* vorschau, const char* drucken, const char* seite,
                 const char* keineSeite, const char* pdfFehler, const char* ausgabeFehler,
                 const char* druckerFehlt) {
    return {QString::fromUtf8(vorschau),    QString::fromUtf8(drucken),
            QString::fromUtf8(seite),       QString::fromUtf8(keineSeite),
            QString::fromUtf8(pdfFehler),   QString::fromUtf8(ausgabeFehler),
            QString::fromUtf8(druckerFehlt)};
}

BerichtTexte englisch() {
    return aus("Preview", "Print", "Page", "The report has no visible page.",
               "The PDF file %1 cannot be written.", "Printing cannot start.",
               "The printer %1 is not installed.");
}

// One entry per language file the print window can choose: the engine's texts in
// that language.
constexpr std::array<Sprache, 8> kSprachen{{
    {"DE",
     [] {
         return aus("Vorschau", "Drucken", "Seite", "Der Bericht hat keine sichtbare Seite.",
                    "Die PDF-Datei %1 kann nicht geschrieben werden.",
                    "Der Druck kann nicht beginnen.", "Der Drucker %1 ist nicht installiert.");
     }},
    {"FR",
     [] {
         return aus("Aperçu", "Imprimer", "Page", "Le rapport n'a aucune page visible.",
                    "Impossible d'écrire le fichier PDF %1.", "L'impression ne peut pas démarrer.",
                    "L'imprimante %1 n'est pas installée.");
     }},
    {"IT",
     [] {
         return aus("Anteprima", "Stampa", "Pagina", "Il rapporto non ha pagine visibili.",
                    "Impossibile scrivere il file PDF %1.", "Impossibile avviare la stampa.",
                    "La stampante %1 non è installata.");
     }},
    {"PT",
     [] {
         return aus("Pré-visualização", "Imprimir", "Página",
                    "O relatório não tem nenhuma página visível.",
                    "Não é possível gravar o ficheiro PDF %1.",
                    "Não é possível iniciar a impressão.", "A impressora %1 não está instalada.");
     }},
    {"ES",
     [] {
         return aus("Vista previa", "Imprimir", "Página",
                    "El informe no tiene ninguna página visible.",
                    "No se puede escribir el archivo PDF %1.", "No se puede iniciar la impresión.",
                    "La impresora %1 no está instalada.");
     }},
    {"RU",
     [] {
         return aus("Предварительный просмотр", "Печать", "Страница",
                    "В отчёте нет видимых страниц.", "Не удаётся записать PDF-файл %1.",
                    "Не удаётся начать печать.", "Принтер %1 не установлен.");
     }},
    {"PL",
     [] {
         return aus("Podgląd", "Drukuj", "Strona", "Raport nie ma żadnej widocznej strony.",
                    "Nie można zapisać pliku PDF %1.", "Nie można rozpocząć drukowania.",
                    "Drukarka %1 nie jest zainstalowana.");
     }},
    {"CN",
     [] {
         return aus("打印预览", "打印", "页", "报告没有可见的页面。", "无法写入 PDF 文件 %1。",
                    "无法开始打印。", "未安装打印机 %1。");
     }},
}};

} // namespace

BerichtTexte sprache(const QString& code) {
    const QString gross = code.toUpper();
    for (const Sprache& s : kSprachen)
        if (gross == QLatin1String(s.code))
            return s.texte();
    return englisch();
}

} // namespace drel::bericht
