#pragma once
// A fixed caption of a window: plain text of one colour, sized to its text.

#include <QColor>
#include <QFont>
#include <QString>

class QLabel;
class QWidget;

namespace hb {

QLabel* MakeCaption(QWidget* parent, const QString& text, const QColor& color, int left, int top, bool bold);

// font at the pixel size whose lines are lineHeight pixels high
// (QFontMetrics::height()), or, when no size gives exactly that, the largest
// whose lines are lower.
QFont FontOfLineHeight(QFont font, int lineHeight);

} // namespace hb
