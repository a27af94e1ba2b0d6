// Picks the view for each kind of control.
#include "qt/button_views.h"
#include "qt/control_view.h"
#include "qt/display_views.h"
#include "qt/entry_views.h"
#include "qt/graph_view.h"
#include "qt/strip_chart_view.h"

namespace qtfront {

std::unique_ptr<ControlView> ControlView::Create(QWidget* panelWidget, int panel,
                                                 const rt::Control& c) {
  using K = rt::ControlKind;
  switch (c.kind) {
    case K::CommandButton:
    case K::PictureButton:
      return std::make_unique<CommandButtonView>(panelWidget, panel, c);
    case K::ToggleButton:
    case K::RadioButton:
    case K::CheckBox:
      return std::make_unique<TwoStateView>(panelWidget, panel, c);
    case K::BinarySwitch:
      return std::make_unique<BinarySwitchView>(panelWidget, panel, c);
    case K::Ring:
      return std::make_unique<RingView>(panelWidget, panel, c);
    case K::Numeric:
      return std::make_unique<NumericView>(panelWidget, panel, c);
    case K::String:
      return std::make_unique<StringView>(panelWidget, panel, c);
    case K::Slider:
      return std::make_unique<SliderView>(panelWidget, panel, c);
    case K::TextBox:
      return std::make_unique<TextBoxView>(panelWidget, panel, c);
    case K::TextMessage:
      return std::make_unique<TextMessageView>(panelWidget, panel, c);
    case K::Led:
      return std::make_unique<LedView>(panelWidget, panel, c);
    case K::Graph:
      return std::make_unique<GraphView>(panelWidget, panel, c);
    case K::StripChart:
      return std::make_unique<StripChartView>(panelWidget, panel, c);
    case K::Picture:
      return std::make_unique<PictureView>(panelWidget, panel, c);
    case K::Decoration:
      return std::make_unique<DecorationView>(panelWidget, panel, c);
  }
  return std::make_unique<DecorationView>(panelWidget, panel, c);
}

}  // namespace qtfront
