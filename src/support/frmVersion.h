#pragma once
// The version dialog: the product's name and version from the program's
// version information, its icon and the credits with their links.

#include <functional>
#include <string>

#include "support/Controls.h"

class QLabel;
class TPictureButton;
class TURLLink;

class TfrmVersion : public hb::TForm {
  Q_OBJECT
 public:
  explicit TfrmVersion(QWidget* parent = nullptr);

  hb::TImage* Image2 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  hb::TPanel* Panel1 = nullptr;
  QLabel* lblCopyright = nullptr;
  TURLLink* URLLink1 = nullptr;
  QLabel* lblRights = nullptr;
  QLabel* lblIconCredit = nullptr;
  TURLLink* URLLink2 = nullptr;
  TPictureButton* btnClose = nullptr;

  // Set by the main window: disables it while the dialog shows and enables it
  // again when the dialog closes.
  std::function<void(bool Enabled)> EnableMainWindow;

  void FormCreate(QObject* Sender);
  void FormShow(QObject* Sender) override;
  void FormCloseQuery(QObject* Sender, bool& CanClose) override;
  void btnCloseClick(QObject* Sender);

  // The look-up FormCreate reads through (the program's own by default).
  static std::function<std::string(int Index)>& VersionLookupForTesting();

 private:
  // Names for assistive technology (frmVersionAccess.cpp).
  void NameForAccessibility();
};

extern TfrmVersion* frmVersion;
