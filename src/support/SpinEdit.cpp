#include "support/SpinEdit.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <algorithm>
#include <charconv>

namespace hb {

TSpinEdit::TSpinEdit(QWidget* parent, int min, int max, int maxLength) : QSpinBox(parent) {
  setRange(min, max);
  lineEdit()->setMaxLength(maxLength);
  setButtonSymbols(QAbstractSpinBox::UpDownArrows);
  setKeyboardTracking(true);
  // The text field is the one source of changes: the spin box writes its own
  // steps with the field's signals blocked (stepBy reports those), and its
  // signals for typed text would report the same keystroke a second time.
  connect(lineEdit(), &QLineEdit::textChanged, this, [this] {
    if (OnChange && !quiet_) OnChange(this);
  });
}

int TSpinEdit::Value() const {
  const QByteArray text = lineEdit()->text().trimmed().toLatin1();
  const char* first = text.constData();
  const char* last = first + text.size();
  if (first != last && *first == '+') ++first;
  long long number = 0;
  const auto [end, error] = std::from_chars(first, last, number);
  if (error == std::errc::result_out_of_range) {
    number = (first != last && *first == '-') ? minimum() : maximum();
  } else if (error != std::errc() || end != last || first == last) {
    return minimum();
  }
  if (number < minimum()) return minimum();
  if (number > maximum()) return maximum();
  return static_cast<int>(number);
}

void TSpinEdit::SetValue(int value) {
  const int limited = std::clamp(value, minimum(), maximum());
  const QString text = QString::number(limited);
  // Written into the field, so that the change is reported as a typed one is.
  if (lineEdit()->text() != text) lineEdit()->setText(text);
  if (this->value() != limited) {
    const QSignalBlocker blocker(this);
    setValue(limited);
  }
}

void TSpinEdit::ShowValue(int value) {
  quiet_ = true;
  SetValue(value);
  quiet_ = false;
}

void TSpinEdit::stepBy(int steps) {
  const int from = Value();
  const QString before = lineEdit()->text();
  {
    const QSignalBlocker blocker(lineEdit());
    QSpinBox::stepBy(steps);
  }
  if (lineEdit()->text() == before) return;
  stepFrom_ = from;
  if (OnChange) OnChange(this);
  stepFrom_.reset();
}

QValidator::State TSpinEdit::validate(QString& input, int& pos) const {
  const QValidator::State state = QSpinBox::validate(input, pos);
  if (state != QValidator::Invalid) return state;
  // A number beyond the range is kept as typed; Value() reads it as the
  // range's end. Anything else is refused as before.
  const QStringView digits = QStringView(input).mid(input.startsWith(u'-') || input.startsWith(u'+') ? 1 : 0);
  const bool number = !digits.isEmpty() && std::all_of(digits.begin(), digits.end(),
                                                        [](QChar c) { return c >= u'0' && c <= u'9'; });
  return number ? QValidator::Intermediate : state;
}

void TSpinEdit::SetColors(const QColor& face, const QColor& text) {
  QPalette p = palette();
  p.setColor(QPalette::Base, face);
  p.setColor(QPalette::Text, text);
  setPalette(p);
  lineEdit()->setPalette(p);
}

} // namespace hb
