#pragma once

#include <QLineEdit>
#include <QSpinBox>
#include <optional>

#include "support/NotifyEvent.h"

namespace hb {

// A spin edit whose change event fires once at every change of its text:
// each keystroke, each step of the arrows and each value the program sets.
// Its value is read from the text: up to maxLength digits are accepted as
// typed, text that is not a number reads as the minimum, and the number is
// limited to the range.
class TSpinEdit : public QSpinBox {
  Q_OBJECT
 public:
  TSpinEdit(QWidget* parent, int min, int max, int maxLength);
  int Value() const;
  // Limits value to the range and writes it as decimal text, also when the
  // text had been edited into something else.
  void SetValue(int value);
  // The same without OnChange: the program shows a value, nobody typed it.
  void ShowValue(int value);
  void SetColors(const QColor& face, const QColor& text);
  // The text field, where the user types.
  QLineEdit* Edit() const { return lineEdit(); }
  TNotifyEvent OnChange;

  // While OnChange runs for a step of the arrows (buttons, arrow and page
  // keys, wheel): the value the step started from.
  std::optional<int> StepFrom() const { return stepFrom_; }

  void stepBy(int steps) override;

 protected:
  QValidator::State validate(QString& input, int& pos) const override;

 private:
  std::optional<int> stepFrom_;
  bool quiet_ = false;
};

} // namespace hb
