#pragma once

// Handles of finished metafiles: a metafile that a picture has closed is kept under
// a handle until it is released, so that the report can take its bytes by handle.

#include "platform/EmfWriter.h"

#include <cstdint>
#include <string>
#include <vector>

using QEL_HENHMETAFILE = std::uint32_t; // 0 is no metafile

// Ends the metafile: writes it to fileName (when not empty) and keeps its bytes under
// a new handle. 0 when the file could not be written (nothing is kept then). A file
// written is noted as one of the current run's (QEL_RecordRunFile). A picture named in
// the run's own temporary folder is kept in memory only: no one but the run would read
// the file, the report takes the bytes by handle, and the folder goes with the run.
QEL_HENHMETAFILE QEL_CloseEnhMetaFile(const EmfWriter& writer, const std::string& fileName);
// The bytes of a kept metafile; null for an unknown or released handle.
const std::vector<std::uint8_t>* QEL_GetEnhMetaFileBits(QEL_HENHMETAFILE handle);
// Releases a kept metafile; 1 when the handle was known.
int QEL_DeleteEnhMetaFile(QEL_HENHMETAFILE handle);
// How many metafiles are kept now.
std::size_t QEL_EnhMetaFileCount();
