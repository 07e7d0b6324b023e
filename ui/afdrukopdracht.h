// The headless print of the desktop program: "velkaro --print FILE.xv7 [--kind ranking|progress]
// [--options LIST] [--landscape] -o OUT.pdf" writes a report as the print preview prints it
// into a PDF file, without a window, and leaves the competition file untouched.
#pragma once

#include <QStringList>

#include <ostream>

namespace velkaro::ui {

// The arguments after the program name; 0 when the PDF was written, 1 with a message on
// fout otherwise.
int AfdrukZonderVenster(const QStringList& argumenten, std::ostream& fout);

} // namespace velkaro::ui
