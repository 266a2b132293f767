// Tab captions that break onto a second line when the tabs of a tab widget would not fit
// its width: a longer language then needs no scroll arrows, which hide the last tabs.
#pragma once

#include <QString>

class QFontMetrics;
class QTabWidget;

namespace drel::ui {

// Keeps the captions of `reiter` fitted from now on (after resizing and language changes).
void reiterUmbrechen(QTabWidget* reiter);

// The caption broken at the blank nearest its middle; unchanged without a blank.
QString zweizeilig(const QString& text, const QFontMetrics& fm);

} // namespace drel::ui
