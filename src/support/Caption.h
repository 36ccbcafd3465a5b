#pragma once
// A fixed caption of a window: plain text of one colour, sized to its text.

#include <QColor>
#include <QString>

class QLabel;
class QWidget;

namespace hb {

QLabel* MakeCaption(QWidget* parent, const QString& text, const QColor& color, int left, int top, bool bold);

} // namespace hb
