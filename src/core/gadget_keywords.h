#pragma once
// The gadget-creation keywords by which a form line is recognised as a gadget.
#include <QStringView>
#include <array>

namespace dw {

inline constexpr std::array<QStringView, 31> GadgetKeywords = {
    u"ButtonGadget",       u"ButtonImageGadget",   u"CalendarGadget",     u"CanvasGadget",
    u"CheckBoxGadget",     u"ComboBoxGadget",      u"ContainerGadget",    u"DateGadget",
    u"EditorGadget",       u"ExplorerComboGadget", u"ExplorerListGadget", u"ExplorerTreeGadget",
    u"FrameGadget",        u"HyperLinkGadget",     u"IPAddressGadget",    u"ImageGadget",
    u"ListIconGadget",     u"ListViewGadget",      u"MDIGadget",          u"PanelGadget",
    u"ProgressBarGadget",  u"ScrollAreaGadget",    u"ScrollBarGadget",    u"ShortcutGadget",
    u"SpinGadget",         u"SplitterGadget",      u"StringGadget",       u"TextGadget",
    u"TrackBarGadget",     u"TreeGadget",          u"WebGadget",
};

} // namespace dw
