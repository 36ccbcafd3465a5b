// The colour-vision simulation: the toolbar's menu of choices forwards to
// the simulation (color/VisionSimulation.h), which paints the big swatch and
// every swatch of the side panel and the scheme row; the choice travels
// between runs in the settings file's own section.

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include "app/frmMain.h"
#include "color/Swatches.h"
#include "color/VisionSimulation.h"
#include "settings/AppPaths.h"
#include "settings/IniFile.h"

namespace {
constexpr const char* kVisionSection = "ColorVision";
constexpr const char* kVisionKey = "Simulation";
constexpr hb::TColorVision kVisions[] = {hb::TColorVision::Normal, hb::TColorVision::Protan,
                                          hb::TColorVision::Deutan, hb::TColorVision::Tritan};
} // namespace

void TfrmMain::WireVision() {
  VisionSimulation = new hb::TVisionSimulation(this, {this, StatusBar1});
  cmdColorView->SetPaintedColor(VisionSimulation->Painter());
  Swatches->SetPaintedColor(VisionSimulation->Painter());
  for (QAction* choice : TBColorVisionMenu->actions())
    connect(choice, &QAction::triggered, this, [this, choice] { TB_ColorVisionClick(choice); });
  const hb::TIniFile settings(hb::CurrentProgramFolders().settingsRead);
  SetColorVision(hb::ColorVisionFromKey(settings.ReadString(kVisionSection, kVisionKey, "None")));
}

void TfrmMain::TB_ColorVisionClick(QObject* Sender) {
  const auto actions = TBColorVisionMenu->actions();
  const auto at = actions.indexOf(qobject_cast<QAction*>(Sender));
  if (at < 0 || at >= qsizetype(std::size(kVisions))) return;
  SetColorVision(kVisions[at]);
  try {
    hb::TIniFile settings(hb::SettingsFileForWrite());
    settings.WriteString(kVisionSection, kVisionKey, hb::ColorVisionKey(kVisions[at]));
  } catch (const hb::IniWriteError&) {
    // Only a preference: the choice holds for this run, and the close tells of
    // a settings file it cannot write.
  }
}

void TfrmMain::SetColorVision(hb::TColorVision Vision) {
  VisionSimulation->SetVision(Vision);
  const auto actions = TBColorVisionMenu->actions();
  for (std::size_t i = 0; i < std::size(kVisions); ++i) actions[qsizetype(i)]->setChecked(kVisions[i] == Vision);
}
