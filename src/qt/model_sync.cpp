#include "qt/model_sync.h"

#include <QApplication>

#include "qt/panel_window.h"

namespace qtfront {

ModelSync::~ModelSync() {
  closeAll();
}

void ModelSync::panelChanged(int panel) {
  dirtyPanels_.insert(panel);
}

void ModelSync::controlChanged(int panel, int control) {
  dirtyControls_.insert({panel, control});
}

void ModelSync::panelDiscarded(int panel) {
  dirtyPanels_.erase(panel);
  for (auto it = dirtyControls_.begin(); it != dirtyControls_.end();)
    it = it->first == panel ? dirtyControls_.erase(it) : std::next(it);
  auto it = windows_.find(panel);
  if (it == windows_.end()) return;
  // The program discards panels from its callbacks, never from inside a Qt
  // event handler of the panel, so the window can go at once.
  delete it->second.data();
  windows_.erase(it);
}

PanelWindow* ModelSync::window(int panel) const {
  auto it = windows_.find(panel);
  return it == windows_.end() ? nullptr : it->second.data();
}

PanelWindow* ModelSync::ensureWindow(int panel) {
  if (PanelWindow* w = window(panel)) return w;
  const rt::Panel* p = rt::FindPanel(panel);
  if (!p) return nullptr;
  QWidget* parentWindow = nullptr;
  if (p->parent != 0) {
    parentWindow = ensureWindow(p->parent);
    if (!parentWindow) return nullptr;
  }
  auto* w = new PanelWindow(panel, parentWindow);
  windows_[panel] = w;
  w->applyAllControls(*p);
  w->applyPanel(*p);
  return w;
}

void ModelSync::applyPending() {
  if (dirtyPanels_.empty() && dirtyControls_.empty()) return;
  std::set<int> panels;
  std::set<std::pair<int, int>> controls;
  panels.swap(dirtyPanels_);
  controls.swap(dirtyControls_);
  for (int handle : panels) {
    bool isNew = window(handle) == nullptr;
    PanelWindow* w = ensureWindow(handle);
    const rt::Panel* p = rt::FindPanel(handle);
    if (w && p && !isNew) w->applyPanel(*p);
  }
  for (const auto& [handle, id] : controls) {
    const rt::Control* c = rt::FindControl(handle, id);
    if (!c) continue;
    bool isNew = window(handle) == nullptr;
    PanelWindow* w = ensureWindow(handle);
    if (w && !isNew) w->applyControl(*c);
  }
}

void ModelSync::applyAll() {
  for (int handle : rt::PanelHandles()) {
    dirtyPanels_.insert(handle);
    if (const rt::Panel* p = rt::FindPanel(handle))
      for (const auto& entry : p->controls) dirtyControls_.insert({handle, entry.first});
  }
  applyPending();
}

void ModelSync::closeAll() {
  dirtyPanels_.clear();
  dirtyControls_.clear();
  // Top-level windows take their child panels with them.
  for (auto& entry : windows_)
    if (entry.second && entry.second->isWindow()) delete entry.second.data();
  for (auto& entry : windows_) delete entry.second.data();
  windows_.clear();
}

QWidget* ModelSync::dialogParent() const {
  if (QWidget* active = QApplication::activeWindow()) return active;
  for (const auto& entry : windows_)
    if (entry.second && entry.second->isWindow() && entry.second->isVisible())
      return entry.second.data();
  return nullptr;
}

}  // namespace qtfront
