#pragma once
// The link label: a text label that takes another colour under the mouse,
// can show its address in a small hint window beside the pointer, and opens
// the address with the desktop on a left press.

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QString>

enum TURLtype { tpURL = 0, tpMAIL = 1 };

class TURLLink : public QLabel {
  Q_OBJECT
 public:
  explicit TURLLink(QWidget* parent = nullptr);
  ~TURLLink() override;

  QString Link() const { return link_; }
  void SetLink(const QString& link);
  TURLtype URLType() const { return urlType_; }
  void SetURLType(TURLtype type);
  QColor LinkColor() const { return linkColor_; }
  void SetLinkColor(const QColor& color);
  bool EnableShowHint() const { return enableShowHint_; }
  void SetEnableShowHint(bool enable);
  QColor HintFormColor() const { return hintFormColor_; }
  void SetHintFormColor(const QColor& color);
  int HintOffsetX() const { return hintOffsetX_; }
  void SetHintOffsetX(int x);
  int HintOffsetY() const { return hintOffsetY_; }
  void SetHintOffsetY(int y);
  QFont HintFormFont() const { return hintFormFont_; }
  void SetHintFormFont(const QFont& font);

  // The label's own font colour (blue unless set).
  QColor FontColor() const;
  void SetFontColor(const QColor& color);

  // What a left press opens: Link, or "mailto:" and Link for tpMAIL.
  QString Target() const;
  // The hint window, whether or not it shows (for tests).
  QWidget* HintWindow() const { return hint_; }
  bool HintShowing() const { return hintShowing_; }

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  // From the keyboard: Tab reaches it, it takes the link colour while it has
  // the focus, and Enter or Space opens it as a left press does.
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void HideHint();

  QString link_ = QStringLiteral("http://");
  TURLtype urlType_ = tpURL;
  QColor linkColor_ = Qt::red;
  bool enableShowHint_ = true;
  QColor hintFormColor_;
  int hintOffsetX_ = 15;
  int hintOffsetY_ = 15;
  QFont hintFormFont_;
  QColor savedColor_;  // the font colour before the mouse came in
  QColor focusColor_;  // the font colour before the focus came in
  QWidget* hint_ = nullptr;
  bool hintShowing_ = false;
};
