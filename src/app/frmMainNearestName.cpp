// The named colour nearest to the current colour: the index of the palettes'
// names is made once they are loaded, and the search runs with the scheme
// row's rebuild, so at most once per display frame during a sampling burst.

#include "app/frmMain.h"
#include "collections/NearestName.h"
#include "collections/SidePanel.h"
#include "color/CurrentColor.h"

void TfrmMain::WireNearestName() { NearestName = new hb::TNearestName(this, {StatusBar1, cmdColorView}); }

void TfrmMain::IndexPaletteNames() {
  NearestName->SetPalettes(PalletList());
  ShowNearestName();
}

void TfrmMain::ShowNearestName() { NearestName->Show(CurrentColor->Color()); }
