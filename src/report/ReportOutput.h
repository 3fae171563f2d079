#pragma once

#include <string>

// The message of a report file that cannot be written, with the reason.
std::string ReportNotWritableText(const std::string& fileName, const std::string& reason);
// The message of a report file whose writing failed, with the system's reason when there
// is one ("kein Platz auf dem Gerät").
std::string ReportNotWrittenText(const std::string& fileName);

// Ends the run (through C1Exception, before the calculation starts) when the report
// file of the output prefix cannot be written: its folder is missing or takes no new
// file, or the name is taken by a folder or a read-only file. An empty prefix is left
// to the report writer, which names that fault itself.
void CheckReportWritable(const std::string& filedpf);
