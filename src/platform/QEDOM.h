#pragma once

// The suite's XML document library, over libxml2. Documents and elements are
// 32-bit handles from a handle table; 0 means "none" and is accepted everywhere:
// lookups on 0 give 0, texts "", numbers 0. A missing attribute gives 0 or "".

#include <cstddef>
#include <cstdint>
#include <string>

using QEDOM_HANDLE = std::int32_t;

// --- Document life cycle (the host's side) ---------------------------------
// Largest document file the library reads; a wall's input has a few kilobytes, with the
// host's fragments and sketches a few hundred. Below the XML parser's own limit of what
// it looks through at once (10,000,000 bytes), so that it parses whatever is taken. The
// elements and attributes a document may hold are bounded too (QEDOMPrescan.h).
inline constexpr std::size_t QEDOM_MAX_DOCUMENT_BYTES = 8U * 1024U * 1024U;

// Loads a document file; returns its handle, or 0 with a message naming the file,
// line and column in error. No network, no external entities, no DTD; files above
// the size limit, or with more elements or attributes than allowed, are refused.
QEDOM_HANDLE QEDOM_LoadDocument(const std::string& fileName, std::string& error);
// Parses a document from text, with the same hardening and the same messages as a
// file; fileName names it in messages and becomes its complete file name.
QEDOM_HANDLE QEDOM_ParseDocument(const std::string& text, const std::string& fileName,
                                 std::string& error);
// Saves the document to a file; returns 1 on success, else 0 with a message.
int QEDOM_SaveDocument(QEDOM_HANDLE document, const std::string& fileName, std::string& error);
// Releases a document and every element handle that points into it.
void QEDOM_FreeDocument(QEDOM_HANDLE document);

// --- Navigation ---------------------------------------------------------------
QEDOM_HANDLE QEDOM_GetRootElement(QEDOM_HANDLE document);
QEDOM_HANDLE QEDOM_FindFirstChild(QEDOM_HANDLE element, const char* name);
QEDOM_HANDLE QEDOM_FindNextChild(QEDOM_HANDLE element, const char* name);
QEDOM_HANDLE QEDOM_AddChildElement(QEDOM_HANDLE parent, const char* name);
int QEDOM_DeleteElement(QEDOM_HANDLE element);
const char* QEDOM_GetCompleteFileName(QEDOM_HANDLE document);

// --- Attributes -------------------------------------------------------------
int QEDOM_GetInt(QEDOM_HANDLE element, const char* name);
double QEDOM_GetDouble(QEDOM_HANDLE element, const char* name);
// Pointer to the attribute's text, owned by the library and valid until the next
// call; null when the attribute is missing.
const char* QEDOM_GetString(QEDOM_HANDLE element, const char* name);
// Copies the text into the caller's buffer of bufferSize bytes, cut on a UTF-8
// character boundary, always terminated; "" when missing. Returns the bytes written.
int QEDOM_GetStringP(QEDOM_HANDLE element, const char* name, char* buffer, std::size_t bufferSize);
int QEDOM_SetInt(QEDOM_HANDLE element, const char* name, int value);
int QEDOM_SetDouble(QEDOM_HANDLE element, const char* name, double value);
int QEDOM_SetString(QEDOM_HANDLE element, const char* name, const char* value);

// --- Byte blocks (stored as base64 text) ------------------------------------
int QEDOM_SetBinData(QEDOM_HANDLE element, const char* name, int length, const void* data,
                     int flag);
int QEDOM_GetBinDataLength(QEDOM_HANDLE element, const char* name);
// Writes the decoded byte block into fileName; returns 1 on success.
int QEDOM_LoadFileFromAttr(QEDOM_HANDLE element, const char* name, const char* fileName);
