#pragma once

#include "diagram/DiagramView.h"
#include "export/PictureBands.h"

#include <QString>

struct PlanRec;

// Saving the diagram as a picture, as the export button and the command
// line do it.
//
// The handler of the button runs, in this order:
//   1. the save dialog: filter ExportDialogFilter(), default suffix "bmp"
//      (WithDefaultExtension), initial name "Fahrplan", existing folders only,
//      no overwrite question of its own; cancelled: stop.
//   2. text = ExtensionRefusal(name); not empty: ShowMessageBox("Fehler", text),
//      stop.
//   3. NeedsOverwriteQuestion(name): AskYesNo(OverwriteQuestion()); No: stop.
//   4. error = ExportPicture(plan, view, name); not empty:
//      ShowMessageBox("Fehler", error).
// Neither the plan nor Modified changes on any of these paths.

enum class PictureFormat { None, Bmp, Jpeg };

// The extension of the file name with its dot ("" when there is none).
QString PictureExtension(const QString& fileName);
// Only ".bmp" and ".jpg", letter case included.
PictureFormat PictureFormatOf(const QString& fileName);
// "<extension> ist kein gültiges Dateiformat" for any other extension
// (".BMP ist kein gültiges Dateiformat"); empty when the name is accepted.
QString ExtensionRefusal(const QString& fileName);

// "Datei existiert bereits ! - Überschreiben ?"
QString OverwriteQuestion();
bool NeedsOverwriteQuestion(const QString& fileName);

// Qt filter string of the save dialog: "Windows-Bitmaps (*.bmp)" and
// "JPEG-Grafikformat (*.jpg)", bitmaps first.
QString ExportDialogFilter();
QString ExportDefaultSuffix(); // "bmp"
QString ExportInitialName();   // "Fahrplan"
// A name typed without extension gets ".bmp", whichever filter entry is
// chosen.
QString WithDefaultExtension(const QString& fileName);

// Draws the plan in output mode (colours after view.ColourPrint), reduces
// it to 16 colours and writes a 4-bit BMP or a baseline JPEG at quality 90,
// through a temporary file that replaces fileName only when complete.
// Returns an empty string on success, else the German text to show; a
// refused extension gives ExtensionRefusal's text and writes nothing.
QString ExportPicture(const PlanRec& plan, const DiagramView& view, const QString& fileName,
                      int bandRows = PictureBands::DefaultBandRows);
