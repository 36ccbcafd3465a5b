#pragma once
// What helps the eyedropper hit the pixel meant, while a pick runs (the
// eyedropper held, the dynamic mode): the magnifier beside the cursor, the
// arrow keys moving the pointer one pixel (ten with Shift) with a sample at
// once, and the sampled area (1 × 1, 3 × 3, 5 × 5) chosen with the mouse
// wheel or + and −. The area is remembered in the settings file, section
// "Picking", key "Area", read at the first pick.

#include <QObject>
#include <QPoint>
#include <functional>
#include <memory>
#include <string>

class TScreenColorPicker;

namespace hb {

class TMagnifier;

class TPickingLens : public QObject {
 public:
  // The settings file's paths to read and to write, asked when needed (not
  // at start-up); reportError tells a failed write of the area.
  struct Settings {
    std::function<std::string()> read;
    std::function<std::string()> write;
    std::function<void(const std::exception&)> reportError;
  };
  TPickingLens(QObject* parent, TScreenColorPicker& sampler, int framePeriodMs, Settings settings);
  ~TPickingLens() override;

  // A pick starts: the sampler reads the chosen area and the magnifier shows
  // each sample; the keys and the wheel are taken until End.
  void Begin();
  // The magnifier hides and the keys go back; the sampler keeps the area for
  // the samples still to come (a burst's tail). A changed area is written.
  void End();
  bool Active() const { return active_; }

  int Area();
  void SetArea(int area);
  // One step to a larger (step > 0) or smaller area, and a sample with it.
  void StepArea(int step);
  // Moves the pointer (an arrow key) and samples there at once.
  void Step(QPoint delta);
  // A key while picking: an arrow steps the pointer (ten pixels with
  // shift), + and - step the area. False for any other key.
  bool Key(int key, bool shift);

  // The magnifier, made at its first use.
  TMagnifier& Magnifier();
  // Writes the area when it changed since it was last written.
  void Remember();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  TScreenColorPicker& sampler_;
  int framePeriodMs_;
  Settings settings_;
  std::unique_ptr<TMagnifier> magnifier_;
  int area_ = 0;  // 0: not read yet
  bool areaChanged_ = false;
  bool active_ = false;
};

// The area in the settings file: 1 when the file, the key or a valid value is missing.
int ReadPickArea(const std::string& settingsPath);
// Throws IniWriteError when the file cannot be written; it is then unchanged.
void WritePickArea(const std::string& settingsPath, int area);

} // namespace hb
