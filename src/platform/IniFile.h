#pragma once

// Settings files of the suite ("name.ini"): sections in brackets, "key=value" lines,
// comments after ';'. Section and key names are compared without regard to case.

#include <string>

// The value of key in section of the file, blanks around it removed and one pair of
// enclosing quotes taken off, cut to size - 1 bytes; the default text when the file,
// the section or the key is missing. A plain file name (without a folder) is looked
// up in the suite's common folder, the host setting "Common"; with no such setting
// the file counts as missing.
std::string QEL_GetPrivateProfileString(const std::string& section, const std::string& key,
                                        const std::string& defaultText, const std::string& fileName,
                                        std::size_t size = 256);

// Where a plain settings file name is looked up; "" when the host has no common folder.
std::string QEL_ProfileFilePath(const std::string& fileName);
