#pragma once
// What stands where in the main window, in creation order (which is also the
// Tab order), and how each control follows the window's size.
#include "core/event.h"

#include <QRect>
#include <QStringView>
#include <array>

namespace dw {

enum class ControlKind { List, Button, PathLine, Frame, Check, Caption };

// One value of a control's geometry: kept as it is, or W - n / H - n.
struct Anchor {
    enum Base : char { Keep, FromWidth, FromHeight } base = Keep;
    int n = 0;
};

inline constexpr Anchor kKeep{};
constexpr Anchor W(int n) { return {Anchor::FromWidth, n}; }
constexpr Anchor H(int n) { return {Anchor::FromHeight, n}; }

struct ControlSpec {
    Source id;  // Source::None for frames and captions, which send nothing
    ControlKind kind;
    QRect designed;  // at W = 980, H = 600
    QStringView text;
    QStringView toolTip;
    Anchor x, y, width, height;
};

inline constexpr int kDesignedWidth = 980;
inline constexpr int kDesignedHeight = 600;

inline const std::array<ControlSpec, 28>& MainWindowControls() {
    using K = ControlKind;
    using S = Source;
    static const std::array<ControlSpec, 28> controls = {{
        {S::GadgetList, K::List, {10, 10, 950, 220}, u"Bezeichnung", u"", kKeep, kKeep, W(30), H(380)},
        {S::ButtonXY, K::Button, {30, 520, 60, 30}, u"XY ", u"Setzt X und Y Position dynamisch.", kKeep, H(80), kKeep, kKeep},
        {S::ButtonSize, K::Button, {100, 520, 60, 30}, u"Size", u"Setzt Breite und Hoehe auf dynamisch.", kKeep, H(80), kKeep, kKeep},
        {S::ButtonNone, K::Button, {170, 520, 60, 30}, u"Keine", u"Deselektiert alle Markierungen.", kKeep, H(80), kKeep, kKeep},
        {S::ButtonSave, K::Button, {290, 520, 100, 30}, u"Speichern", u"Speichert Projekt und/oder Resize Befehle", kKeep, H(80), kKeep, kKeep},
        {S::ButtonQuit, K::Button, {840, 520, 100, 30}, u"Beenden", u"Das Programm beenden.", W(140), H(80), kKeep, kKeep},
        {S::ButtonLoadProject, K::Button, {590, 420, 170, 30}, u"Projekt laden", u"Eine Projekt Datei laden.", W(390), H(180), kKeep, kKeep},
        {S::ButtonImportForm, K::Button, {590, 380, 170, 30}, u"Import Form", u"Eine FormDesinger Datei laden. PB 5.21 oder hoeher.", W(390), H(220), kKeep, kKeep},
        {S::None, K::PathLine, {20, 260, 930, 30}, u"Aktuelle FormDesinger Datei:", u"", kKeep, H(340), W(50), kKeep},
        {S::None, K::PathLine, {20, 290, 930, 30}, u"Aktuelle Projekt Datei:", u"", kKeep, H(310), W(50), kKeep},
        {S::ButtonPreview, K::Button, {840, 380, 100, 30}, u"Vorschau", u"", W(140), H(220), kKeep, kKeep},
        {S::None, K::Frame, {10, 350, 250, 210}, u"Gadget verhalten festlegen", u"", kKeep, H(250), kKeep, kKeep},
        {S::None, K::Frame, {280, 350, 250, 210}, u"Speichern", u"", kKeep, H(250), kKeep, kKeep},
        {S::None, K::Frame, {550, 350, 250, 210}, u"Laden", u"", W(430), H(250), kKeep, kKeep},
        {S::None, K::Frame, {820, 350, 140, 210}, u"Diverses", u"", W(160), H(250), kKeep, kKeep},
        {S::None, K::Frame, {10, 240, 950, 100}, u"Informationen", u"", kKeep, H(360), W(30), kKeep},
        {S::CheckXPos, K::Check, {30, 380, 20, 20}, u"", u"", kKeep, H(220), kKeep, kKeep},
        {S::CheckYPos, K::Check, {30, 410, 20, 20}, u"", u"", kKeep, H(190), kKeep, kKeep},
        {S::CheckWidth, K::Check, {30, 440, 20, 20}, u"", u"", kKeep, H(160), kKeep, kKeep},
        {S::CheckHeight, K::Check, {30, 470, 20, 20}, u"", u"", kKeep, H(130), kKeep, kKeep},
        {S::None, K::Caption, {50, 380, 190, 20}, u"xPos dynamisch", u"", kKeep, H(220), kKeep, kKeep},
        {S::None, K::Caption, {50, 410, 190, 20}, u"yPos dynamisch", u"", kKeep, H(190), kKeep, kKeep},
        {S::None, K::Caption, {50, 440, 190, 20}, u"Breite dynamisch", u"", kKeep, H(160), kKeep, kKeep},
        {S::None, K::Caption, {50, 470, 190, 20}, u"Hoehe dynamisch", u"", kKeep, H(130), kKeep, kKeep},
        {S::CheckSaveProject, K::Check, {300, 380, 20, 20}, u"", u"", kKeep, H(220), kKeep, kKeep},
        {S::None, K::Caption, {320, 380, 190, 20}, u"Projekt speichern", u"", kKeep, H(220), kKeep, kKeep},
        {S::CheckSaveCommands, K::Check, {300, 410, 20, 20}, u"", u"", kKeep, H(190), kKeep, kKeep},
        {S::None, K::Caption, {320, 410, 190, 20}, u"Resize Befehle speichern", u"", kKeep, H(190), kKeep, kKeep},
    }};
    return controls;
}

// Index of the path lines in the table.
inline constexpr std::size_t kLabelFormFile = 8;
inline constexpr std::size_t kLabelProjectFile = 9;

// The control's geometry for a window of W x H, from its current geometry.
inline QRect AnchoredGeometry(const ControlSpec& entry, const QRect& current, int w, int h) {
    auto value = [&](const Anchor& a, int kept) {
        switch (a.base) {
        case Anchor::FromWidth: return w - a.n;
        case Anchor::FromHeight: return h - a.n;
        case Anchor::Keep: break;
        }
        return kept;
    };
    return {value(entry.x, current.x()), value(entry.y, current.y()), value(entry.width, current.width()),
            value(entry.height, current.height())};
}

// The columns of the gadget list: titles and widths.
struct ListColumn {
    QStringView title;
    int width;
};
inline constexpr std::array<ListColumn, 6> kGadgetListColumns = {{
    {u"Bezeichnung", 200}, {u"Typ", 200}, {u"xPos", 80}, {u"yPos", 80}, {u"Breite", 80}, {u"Hoehe", 80},
}};

} // namespace dw
