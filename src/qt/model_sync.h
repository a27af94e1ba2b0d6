// Keeps the windows in step with the user-interface model. The run-time reports
// every change as it happens; the changes are only noted here and applied
// together once a frame (see EventHost), so a loop that sets a control many
// times in between costs one widget update.
#pragma once

#include <QPointer>
#include <map>
#include <set>
#include <utility>

#include "runtime/ui_model.h"

class QWidget;

namespace qtfront {

class PanelWindow;

class ModelSync : public rt::UiObserver {
 public:
  ModelSync() = default;
  ~ModelSync() override;
  ModelSync(const ModelSync&) = delete;
  ModelSync& operator=(const ModelSync&) = delete;

  void panelChanged(int panel) override;
  void controlChanged(int panel, int control) override;
  void panelDiscarded(int panel) override;

  // Applies the changes noted since the last call.
  void applyPending();
  bool hasPending() const { return !dirtyPanels_.empty() || !dirtyControls_.empty(); }
  // Applies every panel and control of the model (the front end starting late).
  void applyAll();
  // Closes every window without telling the program.
  void closeAll();

  PanelWindow* window(int panel) const;
  // The visible top-level window the dialogs belong to, or null.
  QWidget* dialogParent() const;

 private:
  // The panel's window, created (parents first, with all controls) when new.
  PanelWindow* ensureWindow(int panel);

  std::map<int, QPointer<PanelWindow>> windows_;
  std::set<int> dirtyPanels_;
  std::set<std::pair<int, int>> dirtyControls_;
};

}  // namespace qtfront
