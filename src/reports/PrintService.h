#pragma once

namespace velkor {

class PrintedReport;

/// Where the print commands of the sheets send a prepared report: the GUI shows it in a
/// preview window from which the user prints; the command line and the tests write it
/// as a PDF file.
class PrintService {
public:
    virtual ~PrintService() = default;

    /// Shows or writes the report; errors of preparation go on to the caller.
    virtual void present(PrintedReport& report) = 0;
};

} // namespace velkor
