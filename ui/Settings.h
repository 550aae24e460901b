#pragma once

#include "core/ElementTable.h"
#include "editor/KeyOptions.h"

#include <optional>

class QSettings;

namespace molvane {

/// The main window's remembered placement and interface language. Reading stops at the
/// first value that is missing or unreadable; the values read before it stay.
struct WindowSettings
{
    std::optional<int> width, height, top, left;
    std::optional<int> windowState; ///< 0 normal, 1 minimised, 2 maximised
    std::optional<bool> farsi;
};

WindowSettings ReadWindowSettings(QSettings &settings);
void WriteWindowSettings(
    QSettings &settings, int width, int height, int top, int left, int windowState, bool farsi);

/// The key options; a value that is absent keeps its default.
KeyOptions ReadKeyOptions(QSettings &settings);
void WriteKeyOptions(QSettings &settings, const KeyOptions &options);

/// Writes what was set to the store and reads what other instances wrote meanwhile. A write
/// that fails (a full disk) leaves the stored file as it was; false then.
bool SyncSettings(QSettings &settings);

/// Whether an exported page gets the working, as last chosen; off until chosen.
bool ReadHtmlWorking(QSettings &settings);
void WriteHtmlWorking(QSettings &settings, bool withWorking);

/// The atomic weights chosen last; the original table until chosen.
WeightTable ReadWeightTable(QSettings &settings);
void WriteWeightTable(QSettings &settings, WeightTable table);

} // namespace molvane
