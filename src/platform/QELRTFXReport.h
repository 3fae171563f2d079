#pragma once

// The report calls of the suite's report library: one report document open at a
// time, built in memory and written to its file when it is closed. Texts are UTF-8
// and may carry RTF control words.

#include "platform/QELRTFXDocument.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Opens a report: fileName "" is the project's own document, the project's output
// prefix (host setting "File/dpf") followed by ".rtf". header: the page head's
// fields (Name, Version, Titel, @T), each closed by a zero byte, the whole by a second
// one. A report still open is closed first. Returns 1, or 0 when no file name is known.
int QELRTFX_Open(const char* fileName, int, int, int firstPage, const char* header);
// Writes the open report to its file and closes it. Returns 1 when written, 0 when
// no report is open or the file could not be written (the report is closed anyway).
int QELRTFX_Close(int mode);

int QELRTFX_Paragraph(int style, const char* text);
int QELRTFX_TableColumns(int count, const double* widthsCm);
int QELRTFX_RowStart(int style);
int QELRTFX_CellText(const char* text);
// Accepted after a blank cell; the cell is already complete.
int QELRTFX_CellEnd();
int QELRTFX_RowEnd();
// Inserts an RTF file under a heading ("" for none) in the given style. Returns 1 when
// inserted, 0 when no report is open or the file is missing or not RTF.
int QELRTFX_InsertRtf(const char* fileName, const char* heading, int, int headingStyle);
// Inserts an enhanced metafile given by its bytes (copied at once). Returns 1 when
// inserted, 0 when no report is open or the bytes are no metafile.
int QELRTFX_InsertMetafile(const std::uint8_t* emf, std::size_t size, double widthCm,
                           double heightCm);
// Inserts a kept metafile by its handle (platform/EmfHandles.h); its bytes are copied
// at once. Returns 1 when inserted, 0 for an unknown handle or no open report.
int QELRTFX_InsertMetafile(std::uint32_t handle, double widthCm, double heightCm);
// Inserts a picture file (metafile, PNG or bitmap); inside a row it fills the next
// cell. A size of 0 keeps the picture's own size. Returns 1 when inserted.
int QELRTFX_InsertPicture(const char* fileName, int, double widthCm, double heightCm);

// The open report, or null.
const QELRTFXDocument* QELRTFX_OpenDocument();
