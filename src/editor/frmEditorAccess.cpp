// The palette editor for assistive technology and the keyboard: names where
// the captions do not say enough, and a tab order that follows the window
// (the export command over the list, the list, the entry's fields and
// commands, the file commands) rather than the order the controls were made.

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolBar>

#include "editor/frmEditor.h"
#include "support/PictureButton.h"

void TfrmEditor::NameForAccessibility() {
  struct Named {
    QWidget* control;
    QString name;
    QString description;
  };
  const Named named[] = {
      {ListBox1, QCoreApplication::translate("Accessibility", "色の一覧"), {}},
      {cmdColorView, QCoreApplication::translate("Accessibility", "選択した色"), {}},
      {Edit1, QCoreApplication::translate("Accessibility", "色名"), {}},
      {SpnRed, QCoreApplication::translate("Accessibility", "赤"), {}},
      {SpnGreen, QCoreApplication::translate("Accessibility", "緑"), {}},
      {SpnBlue, QCoreApplication::translate("Accessibility", "青"), {}},
      {btnAdd, QCoreApplication::translate("Accessibility", "色を追加"),
       QCoreApplication::translate("Accessibility", "一覧の最後に新しい色を加えます")},
      {btnDelete, QCoreApplication::translate("Accessibility", "色を削除"),
       QCoreApplication::translate("Accessibility", "選択した色を一覧から削除します")},
      {btnSave, QCoreApplication::translate("Accessibility", "色を保存"),
       QCoreApplication::translate("Accessibility", "色名と値を選択した色に書き込みます")},
  };
  for (const Named& n : named) {
    n.control->setAccessibleName(n.name);
    if (!n.description.isEmpty()) n.control->setAccessibleDescription(n.description);
  }

  QWidget* order[] = {ToolBar1->widgetForAction(TB_ExportGpl), ListBox1, Edit1, SpnRed, SpnGreen, SpnBlue, btnAdd,
                      btnDelete, btnSave, btnLoadKeepData, btnLoadPlugIn, btnSavePlugIn, btnClose};
  // A toolbar keeps its buttons out of the tab chain.
  order[0]->setFocusPolicy(Qt::TabFocus);
  for (std::size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
  // The editor still opens on its list, not on the export command.
  ListBox1->setFocus(Qt::OtherFocusReason);
}
